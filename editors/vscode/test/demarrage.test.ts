import { strict as assert } from 'node:assert';
import * as fs from 'node:fs';
import * as os from 'node:os';
import * as path from 'node:path';
import { test } from 'node:test';

import {
  Depart,
  accentsIllisibles,
  cheminDuServeur,
  ecritureDuClient,
  estUnScriptVaelmoor,
  lienCommandeAide,
  optionsDuServeur,
  pageAideEnVue,
  redemarrageNecessaire,
  rendreExecutable,
  valeurChoisie,
} from '../src/demarrage';

test('le serveur livré pour chaque système, ou celui que l\'utilisateur a choisi', () => {
  const cas: [string, string, string, object][] = [
    ['linux', 'x64', '', { chemin: '/ext/serveur/linux-x64/quillomat-lsp' }],
    ['win32', 'x64', '', { chemin: 'C:\\ext\\serveur\\win32-x64\\quillomat-lsp.exe' }],
    ['linux', 'x64', '  /opt/lsp ', { chemin: '/opt/lsp' }],
    ['darwin', 'arm64', 'D:\\outils\\quillomat-lsp', { chemin: 'D:\\outils\\quillomat-lsp' }],
  ];
  for (const [plateforme, arch, choisi, attendu] of cas) {
    const dossier = plateforme === 'win32' ? 'C:\\ext' : '/ext';
    assert.deepEqual(cheminDuServeur(dossier, plateforme, arch, choisi), attendu, `${plateforme}-${arch}`);
  }
  for (const [plateforme, arch] of [['darwin', 'arm64'], ['linux', 'arm64'], ['win32', 'ia32']]) {
    const r = cheminDuServeur('/ext', plateforme, arch, '');
    assert.ok('erreur' in r && r.erreur.includes(`${plateforme}-${arch}`) && r.erreur.includes('quillomat.serveur'));
  }
});

test('un serveur sans droit d\'exécution le retrouve', () => {
  const dossier = fs.mkdtempSync(path.join(os.tmpdir(), 'quillomat-vscode-'));
  try {
    const serveur = path.join(dossier, 'quillomat-lsp');
    fs.writeFileSync(serveur, '#!/bin/sh\n', { mode: 0o644 });
    rendreExecutable(serveur, 'linux');
    assert.equal(fs.statSync(serveur).mode & 0o111, 0o111);
    assert.throws(() => rendreExecutable(path.join(dossier, 'absent'), 'linux'));
  } finally {
    fs.rmSync(dossier, { recursive: true });
  }
});

test('seuls les réglages choisis par l\'utilisateur passent au serveur', () => {
  assert.equal(valeurChoisie({ globalValue: 'objet', workspaceValue: 'quete' }), 'quete');
  assert.equal(valeurChoisie({ globalValue: false, workspaceFolderValue: true }), true);
  assert.equal(valeurChoisie({ globalValue: false }), false);
  assert.equal(valeurChoisie({}), undefined);
  assert.equal(valeurChoisie(undefined), undefined);
  const cas: [object, object][] = [
    [{}, {}],
    [{ type: 'quete', vlse: true, sansAlertes: false }, { type: 'quete', vlse: true, sansAlertes: false }],
    [{ type: 'Quête' }, { type: 'quete' }],
    [{ type: 'Que\u0302te' }, { type: 'quete' }],
    [{ type: 'sort' }, {}],
    [{ type: 2, vlse: 'oui', sansAlertes: 1 }, {}],
  ];
  for (const [choix, attendu] of cas) assert.deepEqual(optionsDuServeur(choix), attendu, JSON.stringify(choix));
});

test('un nouveau départ du serveur pour un réglage repris ou un autre serveur, pas pour un réglage ignoré', () => {
  const cas: [Depart, Depart, boolean][] = [
    [{ serveur: '', options: {} }, { serveur: '', options: { vlse: true } }, false],
    [{ serveur: '', options: { vlse: true } }, { serveur: '', options: { vlse: false } }, false],
    [{ serveur: '', options: { type: 'objet', vlse: true } }, { serveur: '', options: { vlse: true } }, true],
    [{ serveur: '', options: {} }, { serveur: '/opt/lsp', options: {} }, true],
    [{ serveur: '/opt/lsp', options: {} }, { serveur: '', options: {} }, true],
    // A machine setting VS Code ignores still reports a change: the value it gives is the same.
    [{ serveur: '/opt/lsp', options: {} }, { serveur: ' /opt/lsp ', options: {} }, false],
  ];
  for (const [avant, apres, attendu] of cas)
    assert.equal(redemarrageNecessaire(avant, apres), attendu, `${JSON.stringify(avant)} -> ${JSON.stringify(apres)}`);
});

test('un arrêt normal n\'est pas une erreur ; au démarrage, seul le message français s\'affiche', () => {
  const cas: [string, boolean, boolean | 'force' | undefined, string, boolean | 'force' | undefined][] = [
    ['Server process exited with code 0.', false, undefined, 'info', false],
    ['Server process exited with code 1.', false, undefined, 'erreur', undefined],
    ['Quillomat client: couldn\'t create connection to server.', true, 'force', 'erreur', false],
    ['Launching server using command /x failed. Error: spawn /x ENOENT', true, undefined, 'erreur', false],
    ['Connection to server got closed. Server will not be restarted.', false, 'force', 'erreur', 'force'],
  ];
  for (const [message, demarre, notifier, niveau, montre] of cas)
    assert.deepEqual(ecritureDuClient(message, demarre, notifier), { niveau, notifier: montre }, message);
});

test('le lien d\'un code ouvre l\'aide lisible, à son ancre', () => {
  const lien = 'file:///ext/serveur/linux-x64/AideDebug.htm#QM212';
  const commande = lienCommandeAide('quillomat.aide', lien);
  assert.ok(commande.startsWith('command:quillomat.aide?'));
  assert.deepEqual(JSON.parse(decodeURIComponent(commande.slice(commande.indexOf('?') + 1))), [lien]);
  const page = '<html><head><title>Aide</title></head><body><h4 id="QM212">QM212</h4></body></html>';
  const cas: [string, string][] = [
    ['QM212', 'aller("QM212")'],
    ['</script><script>alert(1)', 'aller("")'],
  ];
  for (const [code, attendu] of cas) {
    const vue = pageAideEnVue(page, code, 'n0nce', 'vscode-resource:');
    assert.ok(vue.includes(attendu), code);
    assert.ok(vue.indexOf("script-src 'nonce-n0nce'") < vue.indexOf('</head>'), code);
    assert.equal(vue.split('<script').length, 2, code);
  }
});

test('les scripts se reconnaissent à leur première ligne de code', () => {
  const cas: [string, boolean][] = [
    ['scn TaverneQuete\nshort etape\n', true],
    ['ScriptName TaverneQuete\r\n', true],
    ['SCRIPTNAME X', true],
    ['\n\t; une quête\n  ;\n   scn Porte\n', true],
    ['scnPorte\n', false],
    ['Liste des courses\nscn Porte\n', false],
    ['', false],
    ['; rien que des commentaires\n', false],
  ];
  for (const [texte, attendu] of cas) assert.equal(estUnScriptVaelmoor(texte), attendu, JSON.stringify(texte));
  assert.equal(accentsIllisibles('Message "Vous avez pay\uFFFD"'), true);
  assert.equal(accentsIllisibles('Message "Vous avez payé"'), false);
});
