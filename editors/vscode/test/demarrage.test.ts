import { strict as assert } from 'node:assert';
import * as fs from 'node:fs';
import * as os from 'node:os';
import * as path from 'node:path';
import { test } from 'node:test';

import {
  accentsIllisibles,
  cheminDuServeur,
  estUnScriptVaelmoor,
  optionsDuServeur,
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

test('un réglage repris demande un nouveau départ du serveur', () => {
  assert.equal(redemarrageNecessaire({}, { vlse: true }), false);
  assert.equal(redemarrageNecessaire({ vlse: true }, { vlse: false }), false);
  assert.equal(redemarrageNecessaire({ type: 'objet', vlse: true }, { vlse: true }), true);
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
