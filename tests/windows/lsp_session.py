#!/usr/bin/env python3
"""One session with quillomat-lsp, as an editor has it: initialize (the
workspace folder given by its URI), initialized, didOpen of a script,
the diagnostics it publishes, shutdown, exit. Prints the diagnostics as
JSON (ranges, severities, codes, messages), one per line, and fails when
the server breaks the protocol, stays silent or exits badly.

    lsp_session.py DOSSIER SCRIPT [--windows] -- COMMANDE...

DOSSIER is the workspace (a Linux path); SCRIPT, inside it, is opened with
its Latin-1 text. --windows: the server is a Windows program under Wine,
which knows the files by their Windows paths: Wine's drive Z: is the root
"/" in every prefix, so no program is asked for them.

Each wait for the server has its own time limit, and the whole session one
more: a server that does not answer is stopped, and the failure names what
was awaited, with what the server wrote on its standard error."""
import json
import os
import queue
import subprocess
import sys
import threading
import time
import urllib.parse

DELAI = 20          # one answer of the server
DELAI_SESSION = 45  # the whole session


def uri(chemin, windows):
    chemin = os.path.abspath(chemin)
    if windows:
        return 'file:///' + urllib.parse.quote('Z:' + chemin)
    return 'file://' + urllib.parse.quote(chemin)


def lire_erreurs(flux, morceaux):
    for ligne in iter(flux.readline, b''):
        morceaux.append(ligne)


def lire_messages(flux, file):
    while True:
        entetes = {}
        while True:
            ligne = flux.readline()
            if not ligne:
                file.put(None)
                return
            ligne = ligne.decode('ascii').strip()
            if not ligne:
                break
            cle, _, valeur = ligne.partition(':')
            entetes[cle.strip().lower()] = valeur.strip()
        file.put(json.loads(flux.read(int(entetes['content-length'])).decode('utf-8')))


def main():
    args = sys.argv[1:]
    separation = args.index('--')
    options, commande = args[:separation], args[separation + 1:]
    windows = '--windows' in options
    dossier, script = [a for a in options if a != '--windows']

    serveur = subprocess.Popen(commande, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    messages = queue.Queue()
    erreurs = []
    threading.Thread(target=lire_messages, args=(serveur.stdout, messages), daemon=True).start()
    threading.Thread(target=lire_erreurs, args=(serveur.stderr, erreurs), daemon=True).start()
    fin_session = time.monotonic() + DELAI_SESSION

    def echec(raison):
        serveur.kill()
        try:
            serveur.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        ecrit = b''.join(erreurs).decode('utf-8', 'replace')[-2000:]
        sys.exit(f'{" ".join(commande)} : {raison}' + (f'\nerreur standard du serveur :\n{ecrit}' if ecrit else
                                                         ' (rien sur son erreur standard)'))

    def envoyer(message):
        corps = json.dumps(message, ensure_ascii=False).encode('utf-8')
        try:
            serveur.stdin.write(b'Content-Length: %d\r\n\r\n' % len(corps) + corps)
            serveur.stdin.flush()
        except OSError as e:
            echec(f'le serveur ne lit plus son entrée ({e}) : {message.get("method")} non envoyé')

    def attendre(accepte, quoi):
        while True:
            delai = min(DELAI, fin_session - time.monotonic())
            try:
                m = messages.get(timeout=max(delai, 0))
            except queue.Empty:
                echec(f'pas de réponse en {DELAI} s ({DELAI_SESSION} s pour la session) : {quoi} attendu')
            if m is None:
                echec(f'le serveur a fermé sa sortie : {quoi} attendu')
            if 'error' in m:
                echec(f'erreur du serveur : {m["error"]}')
            if accepte(m):
                return m

    envoyer({'jsonrpc': '2.0', 'id': 1, 'method': 'initialize',
             'params': {'processId': None, 'rootUri': uri(dossier, windows),
                        'workspaceFolders': [{'uri': uri(dossier, windows), 'name': 'scripts'}],
                        'capabilities': {}}})
    reponse = attendre(lambda m: m.get('id') == 1, 'la réponse à initialize')
    if 'textDocumentSync' not in reponse['result']['capabilities']:
        echec('capacités sans textDocumentSync')
    envoyer({'jsonrpc': '2.0', 'method': 'initialized', 'params': {}})
    document = uri(script, windows)
    with open(script, encoding='latin-1', newline='') as f:
        texte = f.read()
    envoyer({'jsonrpc': '2.0', 'method': 'textDocument/didOpen',
             'params': {'textDocument': {'uri': document, 'languageId': 'vaelmoor', 'version': 1, 'text': texte}}})
    publies = attendre(lambda m: m.get('method') == 'textDocument/publishDiagnostics'
                       and m['params']['uri'] == document, 'les diagnostics du script')
    for d in publies['params']['diagnostics']:
        print(json.dumps({k: d.get(k) for k in ('range', 'severity', 'code', 'source', 'message')},
                         ensure_ascii=False, sort_keys=True))
    envoyer({'jsonrpc': '2.0', 'id': 2, 'method': 'shutdown'})
    attendre(lambda m: m.get('id') == 2, 'la réponse à shutdown')
    envoyer({'jsonrpc': '2.0', 'method': 'exit'})
    serveur.stdin.close()
    try:
        statut = serveur.wait(timeout=max(min(DELAI, fin_session - time.monotonic()), 1))
    except subprocess.TimeoutExpired:
        echec('le serveur ne finit pas après exit')
    if statut != 0:
        echec(f'le serveur finit avec le statut {statut}')


if __name__ == '__main__':
    main()
