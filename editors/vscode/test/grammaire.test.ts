// The generated grammar under the tokenizer VS Code itself uses, on the
// sample script and on every word of fonctions.txt.
import { strict as assert } from 'node:assert';
import * as fs from 'node:fs';
import * as path from 'node:path';
import { before, test } from 'node:test';
import * as oniguruma from 'vscode-oniguruma';
import * as textmate from 'vscode-textmate';

const racine = path.resolve(__dirname, '..', '..');
const depot = path.resolve(racine, '..', '..');
const fichierGrammaire = process.env.QUILLOMAT_GRAMMAIRE ?? path.join(racine, 'syntaxes', 'vaelmoor.tmLanguage.json');
const fichierFonctions = process.env.QUILLOMAT_FONCTIONS ?? path.join(depot, 'build', 'fonctions.txt');

let grammaire: textmate.IGrammar;

before(async () => {
  const wasm = fs.readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer.slice(wasm.byteOffset, wasm.byteOffset + wasm.byteLength));
  const registre = new textmate.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (sources: string[]) => new oniguruma.OnigScanner(sources),
      createOnigString: (s: string) => new oniguruma.OnigString(s),
    }),
    loadGrammar: async (nom) =>
      nom === 'source.vaelmoor'
        ? textmate.parseRawGrammar(fs.readFileSync(fichierGrammaire, 'utf8'), fichierGrammaire)
        : null,
  });
  const g = await registre.loadGrammar('source.vaelmoor');
  assert.ok(g, `grammaire illisible : ${fichierGrammaire}`);
  grammaire = g;
});

// The pieces of the lines with their scopes; neighbours of one scope (a
// string's quotes and text) make one piece.
function jetons(lignes: string[]): [string, string][] {
  const out: [string, string][] = [];
  let pile = textmate.INITIAL;
  for (const ligne of lignes) {
    const r = grammaire.tokenizeLine(ligne, pile);
    let precedent: [string, string] | undefined;
    for (const j of r.tokens) {
      const texte = ligne.substring(j.startIndex, j.endIndex);
      const portee = j.scopes.filter((s) => s !== 'source.vaelmoor').join(' ');
      if (precedent && precedent[1] === portee) {
        precedent[0] += texte;
      } else {
        precedent = [texte, portee];
        out.push(precedent);
      }
    }
    pile = r.ruleStack;
  }
  return out;
}

function porteeDe(pieces: [string, string][], texte: string): string {
  const trouve = pieces.find(([t]) => t === texte);
  assert.ok(trouve, `« ${texte} » n'est pas un jeton à part`);
  return trouve[1];
}

test('le script d\'exemple prend ses couleurs', () => {
  const exemple = fs.readFileSync(path.join(depot, 'data', 'exemple.txt'), 'latin1').split(/\r?\n/);
  const pieces = jetons(exemple);
  const attendus: [string, string][] = [
    ['; Script d\'exemple du quillomat : une quête de la taverne, avec quelques fautes.', 'comment.line.semicolon.vaelmoor'],
    ['ScriptName', 'keyword.other.vaelmoor'],
    [' TaverneQuete', ''],
    ['short', 'storage.type.vaelmoor'],
    ['float', 'storage.type.vaelmoor'],
    ['Begin', 'keyword.control.vaelmoor'],
    ['endif', 'keyword.control.vaelmoor'],
    ['GetItemCount', 'support.function.vaelmoor'],
    ['RemoveItem', 'support.function.vaelmoor'],
    ['GetAV', 'support.function.vaelmoor'],
    ['"Vous avez payé %g pièces"', 'string.quoted.double.vaelmoor'],
    ['"Fin de la quête', 'string.quoted.double.vaelmoor'],
    ['; l\'aubergiste demande cent pièces d\'or', 'comment.line.semicolon.vaelmoor'],
    [' Strenght > 50', ''],
  ];
  for (const [texte, portee] of attendus) assert.equal(porteeDe(pieces, texte), portee, texte);
});

test('les mots se trouvent comme dans l\'éditeur', () => {
  const cas: [string, string, string][] = [
    ['player.getav strength', 'strength', 'support.constant.statistique.vaelmoor'],
    ['ModAV Fatigue 5', 'Fatigue', 'support.constant.statistique.vaelmoor'],
    ['BEGIN GameMode', 'BEGIN', 'keyword.control.vaelmoor'],
    ['\tSET x TO 1', 'SET', 'keyword.other.vaelmoor'],
    ['MessageBox "a ; b", "Oui"', '"a ; b"', 'string.quoted.double.vaelmoor'],
    ['Disable ; Enable', '; Enable', 'comment.line.semicolon.vaelmoor'],
    ['GetAVx 1', 'GetAVx 1', ''],
    ['xGetAV 1', 'xGetAV 1', ''],
    ['(GetAV 1)', '(GetAV 1)', ''],
  ];
  for (const [ligne, texte, portee] of cas) assert.equal(porteeDe(jetons([ligne]), texte), portee, ligne);
});

test('chaque mot de fonctions.txt a la couleur de sa catégorie', () => {
  const portees: Record<string, string> = {
    fonction: 'support.function.vaelmoor',
    statistique: 'support.constant.statistique.vaelmoor',
  };
  let categorie = '';
  let vus = 0;
  const dejaVus = new Set<string>();
  for (const ligne of fs.readFileSync(fichierFonctions, 'latin1').split(/\r?\n/)) {
    const mot = ligne.split(/\s/)[0];
    if (mot === '' || mot.startsWith('-')) continue;
    if (['système', 'fonction', 'statistique'].includes(mot)) {
      categorie = mot;
      continue;
    }
    // The first category of a word wins, as in the editor.
    if (dejaVus.has(mot.toLowerCase())) continue;
    dejaVus.add(mot.toLowerCase());
    const portee = porteeDe(jetons([`x.${mot} 1`]), mot);
    if (categorie === 'système') assert.match(portee, /^(keyword|storage)\..*\.vaelmoor$/, mot);
    else assert.equal(portee, portees[categorie], mot);
    ++vus;
  }
  assert.ok(vus > 500, `${vus} mots seulement dans ${fichierFonctions}`);
});
