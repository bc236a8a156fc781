#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/ from the
tests' scripts: the bundled sample and every string literal of tests/ that
looks like script text. Run again after adding tests; the files are kept in
the repository so that fuzz/run.sh needs no Python.

    fuzz/make_corpus.py [BUILD_FUZZ]

With the fuzz build directory (after fuzz/run.sh), the seeds are reduced to
those that bring new coverage (libFuzzer's merge)."""
import hashlib
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


def reduire(fuzzer, dossier):
    with tempfile.TemporaryDirectory() as garde:
        subprocess.run([str(fuzzer), "-merge=1", "-max_len=20000", garde, str(dossier)], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.rmtree(dossier)
        shutil.copytree(garde, dossier)


def main():
    for sous in ("check", "triinfo"):
        for vieux in (sortie / sous).glob("*"):
            vieux.unlink()
    scripts = [(racine / "data" / "exemple.txt").read_bytes()] + list(scripts_des_tests())
    for g in graines_check(scripts):
        ecrire(sortie / "check", g)
    for g in graines_triinfo():
        ecrire(sortie / "triinfo", g)
    if len(sys.argv) > 1:
        for sous in ("check", "triinfo"):
            reduire(pathlib.Path(sys.argv[1]) / f"quillomat_fuzz_{sous}", sortie / sous)
    print(f"{len(list((sortie / 'check').iterdir()))} graines check, "
          f"{len(list((sortie / 'triinfo').iterdir()))} graines triinfo")


if __name__ == "__main__":
    main()
