#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/ from the
tests' scripts: the bundled sample and every string literal of tests/ that
looks like script text; for the RTF reader, the rich text of its tests and
a file as a rich-edit control saves it; for the language server, editor
sessions over the sample. Run again after adding tests; the files are kept
in the repository so that fuzz/run.sh needs no Python.

    fuzz/make_corpus.py [BUILD_FUZZ] [--cibles check,triinfo,rtf,lsp]

With the fuzz build directory (after fuzz/run.sh), the seeds are reduced to
those that bring new coverage (libFuzzer's merge)."""
import hashlib
import json
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import tempfile

racine = pathlib.Path(__file__).resolve().parent.parent
sortie = racine / "fuzz" / "corpus"
LITTERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ECHAPPEMENT = re.compile(r'\\(x[0-9A-Fa-f]{1,2}|[0-7]{1,3}|.)')
SIMPLES = {"n": "\n", "t": "\t", "r": "\r", "v": "\v", "f": "\f", "a": "\a", "b": "\b", "0": "\0"}


def decoder(corps):
    def un(m):
        e = m.group(1)
        if e[0] == "x":
            return chr(int(e[1:], 16))
        if e[0] in "01234567":
            return chr(int(e, 8))
        return SIMPLES.get(e, e)

    return ECHAPPEMENT.sub(un, corps).encode("latin-1", errors="replace")


def scripts_des_tests():
    vus = set()
    for fichier in sorted((racine / "tests").rglob("*.cpp")):
        for m in LITTERAL.finditer(fichier.read_text(encoding="utf-8")):
            s = decoder(m.group(1))
            # Finding texts and report pieces are the checker's output, not scripts.
            if len(s) < 3 or s.startswith(b"    - ") or s.startswith(b" : ") or not re.search(rb"[A-Za-z]", s):
                continue
            if s not in vus:
                vus.add(s)
                yield s


def ecrire(dossier, octets):
    dossier.mkdir(parents=True, exist_ok=True)
    (dossier / hashlib.sha1(octets).hexdigest()[:16]).write_bytes(octets)


def reglages(show_info=1, hide_alerts=0, kind=0, vlse=0):
    return struct.pack("<8i", 1, show_info, hide_alerts, kind, vlse, 0, 0, 1)


def graines_check(scripts):
    """Byte 0: settings length modulo 36, a run on disk from 216 up."""
    for i, s in enumerate(scripts):
        if b"\n" not in s:
            s = b"scn T\nbegin GameMode\n" + s + b"\nend\n"
        yield bytes([0]) + s
        r = reglages(show_info=i % 2, hide_alerts=(i // 2) % 2, kind=i % 4, vlse=(i // 4) % 2)
        yield bytes([32 + 216 * (i % 8 == 0)]) + r + s


def graines_triinfo():
    """The merges of the work files' rules: refinements, conflicts, external
    variables, quests, attachments; see fuzz/triinfo_fuzz.cpp for the layout."""

    def ident(kind, nom):
        return bytes([0, kind + 110, len(nom)]) + nom

    def rattache(var, obj):
        return bytes([1, len(var)]) + var + bytes([len(obj)]) + obj

    yield ident(3, b"MyRef") + ident(46, b"myref")
    yield ident(0, b"x") + ident(1, b"x") + ident(2, b"x")
    yield ident(0, b"x") + ident(25, b"x") + ident(25, b"X")
    yield ident(19, b"Obj") + ident(51, b"obj") + ident(19, b"OBJ")
    yield ident(66, b"f") + ident(12, b"F") + ident(91, b"f")
    yield ident(19, b"s") + ident(96, b"s") + ident(99, b"_nom")
    yield ident(9, b"g") + ident(7, b"g") + ident(-99, b"h") + ident(5, b"h")
    yield rattache(b"Var", b"Quest1") + rattache(b"var", b"QUEST1") + ident(26, b"Var")
    yield bytes([0, 255]) + struct.pack("<i", -(1 << 31)) + bytes([3]) + b"abc" + ident(0, b"a" * 60)


def litteraux(fichier):
    for m in LITTERAL.finditer((racine / fichier).read_text(encoding="utf-8")):
        yield decoder(m.group(1))


def graines_rtf():
    """The rich text of the reader's tests, and a script saved by a rich-edit
    control: font and colour tables, colours, bold, escapes, paragraphs."""
    for s in litteraux("tests/app/core/rtf_reader_test.cpp"):
        if s.lower().startswith(b"{\\rtf"):
            yield s
    lignes = (racine / "data" / "exemple.txt").read_bytes().replace(b"\r\n", b"\n").split(b"\n")
    corps = b""
    for i, l in enumerate(lignes):
        l = l.replace(b"\\", b"\\\\").replace(b"{", b"\\{").replace(b"}", b"\\}")
        l = b"".join(b"\\'%02x" % c if c > 127 else bytes([c]) for c in l)
        couleur = b"\\cf1 " if l.strip().lower().startswith((b"if", b"end", b"begin")) else b"\\cf0 "
        corps += couleur + (b"\\b " if i == 0 else b"") + l + (b"\\b0" if i == 0 else b"") + b"\\par\r\n"
    yield (b"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}\r\n"
           b"{\\colortbl ;\\red0\\green0\\blue255;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 " + corps + b"}\r\n\0")


def graines_lsp():
    """Byte 0: pieces of 1 byte, 7 bytes or the whole stream, and the client's
    position encoding (see fuzz/lsp_fuzz.cpp, which sends initialize and
    opens file:///f.txt first)."""
    uri = "file:///f.txt"
    exemple = (racine / "data" / "exemple.txt").read_bytes().decode("latin-1")

    def trame(message):
        corps = json.dumps(message, ensure_ascii=False).encode("utf-8")
        return b"Content-Length: %d\r\n\r\n" % len(corps) + corps

    def notif(methode, params):
        return trame({"jsonrpc": "2.0", "method": methode, "params": params})

    def requete(n, methode, params=None):
        return trame({"jsonrpc": "2.0", "id": n, "method": methode, **({"params": params} if params else {})})

    def plage(l1, c1, l2, c2):
        return {"start": {"line": l1, "character": c1}, "end": {"line": l2, "character": c2}}

    def changer(version, *changements):
        return notif("textDocument/didChange", {"textDocument": {"uri": uri, "version": version},
                                                "contentChanges": list(changements)})

    def position(l, c):
        return {"textDocument": {"uri": uri}, "position": {"line": l, "character": c}}

    fin = requete(99, "shutdown") + notif("exit", None)
    sessions = [
        changer(2, {"text": exemple}) + requete(3, "textDocument/hover", position(25, 13)) + fin,
        changer(2, {"range": plage(2, 1, 2, 4), "text": "Set"}) + changer(3, {"range": plage(0, 0, 0, 0), "text": "; é😀\r\n"})
        + changer(4, {"range": plage(3, 0, 1, 2), "text": ""}) + requete(5, "textDocument/completion", position(2, 20)),
        changer(2, {"range": plage(9, 99, 99, 0), "text": "end\n"}, {"range": plage(1, 5, 1, 5), "text": "\r"})
        + requete(3, "textDocument/completion", position(1, 3)),
        notif("textDocument/didOpen", {"textDocument": {"uri": "file:///g.txt", "languageId": "vaelmoor", "version": 1,
                                                        "text": "scn G\rbegin GameMode\r\tModAV Fat\rend\r"}})
        + requete(2, "textDocument/completion", {"textDocument": {"uri": "file:///g.txt"},
                                                  "position": {"line": 2, "character": 10}})
        + notif("workspace/didChangeConfiguration", {"settings": {"quillomat": {"type": "quete", "vlse": True}}})
        + notif("textDocument/didClose", {"textDocument": {"uri": uri}}) + fin,
        b"Content-Length: abc\r\n\r\n{\"id\":1}" + requete(2, "shutdown") + b"Content-Length: 4\n\n{}}}"
        + b"content-length:  2 \r\nContent-Type: x\r\n\r\n[]" + requete("a", "textDocument/hover", {}),
        (racine / "tests" / "lsp" / "session_courte.jsonrpc").read_bytes(),
    ]
    for i, s in enumerate(sessions):
        yield bytes([[63, 0, 6][i % 3] + 64 * (i % 3)]) + s


GRAINES = {
    "check": lambda: graines_check([(racine / "data" / "exemple.txt").read_bytes()] + list(scripts_des_tests())),
    "triinfo": graines_triinfo,
    "rtf": graines_rtf,
    "lsp": graines_lsp,
}


def reduire(fuzzer, dossier):
    with tempfile.TemporaryDirectory() as garde:
        subprocess.run([str(fuzzer), "-merge=1", "-max_len=20000", garde, str(dossier)], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.rmtree(dossier)
        shutil.copytree(garde, dossier)


def main():
    args = sys.argv[1:]
    cibles = list(GRAINES)
    if "--cibles" in args:
        i = args.index("--cibles")
        cibles = args[i + 1].split(",")
        del args[i:i + 2]
    for sous in cibles:
        for vieux in (sortie / sous).glob("*"):
            vieux.unlink()
        for g in GRAINES[sous]():
            ecrire(sortie / sous, g)
        if args:
            reduire(pathlib.Path(args[0]) / f"quillomat_fuzz_{sous}", sortie / sous)
    print(", ".join(f"{len(list((sortie / s).iterdir()))} graines {s}" for s in cibles))


if __name__ == "__main__":
    main()
