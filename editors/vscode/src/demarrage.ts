// What the extension decides before it talks to VS Code: which server to
// start, the settings it hands over, which documents are scripts. Nothing
// here imports 'vscode', so that the tests run with node alone.
import * as fs from 'node:fs';
import * as path from 'node:path';

// The servers shipped in the extension, by system and processor.
const kServeurs: Record<string, string> = {
  'linux-x64': 'quillomat-lsp',
  'win32-x64': 'quillomat-lsp.exe',
};

export type Lancement = { chemin: string } | { erreur: string };

// The server to start: the one the user named (setting "quillomat.serveur"),
// else the one shipped for this system.
export function cheminDuServeur(
  dossierExtension: string,
  plateforme: string,
  architecture: string,
  serveurChoisi: string,
): Lancement {
  if (serveurChoisi.trim() !== '') return { chemin: serveurChoisi.trim() };
  const cle = `${plateforme}-${architecture}`;
  const nom = kServeurs[cle];
  if (nom === undefined) {
    return {
      erreur:
        `Quillomat : aucun serveur quillomat-lsp n'est livré pour ce système (${cle}). ` +
        'Indiquez le chemin d\'un serveur construit pour lui dans le réglage « quillomat.serveur ».',
    };
  }
  const chemins = plateforme === 'win32' ? path.win32 : path.posix;
  return { chemin: chemins.join(dossierExtension, 'serveur', cle, nom) };
}

// A program unpacked from an archive may have lost its execute bit.
export function rendreExecutable(chemin: string, plateforme: string): void {
  if (plateforme === 'win32') return;
  try {
    fs.accessSync(chemin, fs.constants.X_OK);
  } catch {
    fs.chmodSync(chemin, 0o755);
  }
}

// The server's settings as VS Code reports one of them (inspect()).
export interface Inspection<T> {
  globalValue?: T;
  workspaceValue?: T;
  workspaceFolderValue?: T;
}

// The value the user chose, the most specific first; nothing while they
// chose none, so that the preferences file (DebugKVR4.dat) still applies.
export function valeurChoisie<T>(i: Inspection<T> | undefined): T | undefined {
  return i?.workspaceFolderValue ?? i?.workspaceValue ?? i?.globalValue;
}

export interface OptionsServeur {
  type?: string;
  vlse?: boolean;
  sansAlertes?: boolean;
  vlseEtendu?: boolean;
  catalogue?: string;
}

const kTypes = ['inconnu', 'objet', 'quete', 'effet'];

// The options the server reads (initializationOptions and
// didChangeConfiguration, under "quillomat"), from the settings the user
// chose. A value of the wrong kind is left out: the server would ignore it.
export function optionsDuServeur(choix: {
  type?: unknown;
  vlse?: unknown;
  sansAlertes?: unknown;
  vlseEtendu?: unknown;
  catalogue?: unknown;
}): OptionsServeur {
  const options: OptionsServeur = {};
  if (typeof choix.type === 'string') {
    const type = choix.type.normalize('NFC').toLowerCase().replace('ê', 'e');
    if (kTypes.includes(type)) options.type = type;
  }
  if (typeof choix.vlse === 'boolean') options.vlse = choix.vlse;
  if (typeof choix.sansAlertes === 'boolean') options.sansAlertes = choix.sansAlertes;
  if (typeof choix.vlseEtendu === 'boolean') options.vlseEtendu = choix.vlseEtendu;
  if (typeof choix.catalogue === 'string') options.catalogue = choix.catalogue;
  return options;
}

// What a running server was started with: the "quillomat.serveur" setting
// and the options.
export interface Depart {
  serveur: string;
  options: OptionsServeur;
}

// Another server path needs a new start; a change VS Code reports on a
// setting it then ignores (a machine setting in the user settings of a
// remote window) does not. The server lays the last configuration over the
// start-up options: a setting the user takes back (no value any more) would
// keep its start-up value, so only a new start forgets it.
export function redemarrageNecessaire(depart: Depart, maintenant: Depart): boolean {
  if (depart.serveur.trim() !== maintenant.serveur.trim()) return true;
  return (Object.keys(depart.options) as (keyof OptionsServeur)[]).some((cle) => maintenant.options[cle] === undefined);
}

// What the client library writes in the output channel, and whether it shows
// it to the user. A server that ends after the client asked it to is a
// normal stop, not an error. While the server starts, the extension says
// itself, in French, what failed: the library's English notice would repeat
// it.
export type Niveau = 'info' | 'erreur';
export function ecritureDuClient(
  message: string,
  demarrage: boolean,
  notifier: boolean | 'force' | undefined,
): { niveau: Niveau; notifier: boolean | 'force' | undefined } {
  if (/^Server process exited with code 0\.?$/.test(message)) return { niveau: 'info', notifier: false };
  return { niveau: 'erreur', notifier: demarrage ? false : notifier };
}

// The diagnostics link their code to the help page beside the server
// ("file:…/AideDebug.htm#QM212"). VS Code would open that as HTML source in a
// text tab: the link becomes a command that shows the page at its anchor.
export function lienCommandeAide(commande: string, lien: string): string {
  return `command:${commande}?${encodeURIComponent(JSON.stringify([lien]))}`;
}

// The help page (decoded from Latin-1) as a web view shows it: scripts of
// its own only, and one that goes to the anchor of a code, at first and on
// each message {code} the extension sends.
export function pageAideEnVue(html: string, code: string, nonce: string, sourceCsp: string): string {
  const ancre = /^[\w-]+$/.test(code) ? code : '';
  const entete =
    `<meta http-equiv="Content-Security-Policy" content="default-src 'none'; ` +
    `style-src 'unsafe-inline' ${sourceCsp}; script-src 'nonce-${nonce}';">\n` +
    `<script nonce="${nonce}">\n` +
    'function aller(code) { const e = document.getElementById(code); if (e) e.scrollIntoView(); }\n' +
    "window.addEventListener('message', (m) => aller(m.data.code));\n" +
    `window.addEventListener('DOMContentLoaded', () => aller(${JSON.stringify(ancre)}));\n` +
    '</script>\n';
  const fin = html.search(/<\/head>/i);
  return fin < 0 ? entete + html : html.slice(0, fin) + entete + html.slice(fin);
}

// A script starts with "scn" or "ScriptName", after blank lines and
// comments (";"). VS Code's own first-line rule sees the first line only.
export function estUnScriptVaelmoor(texte: string): boolean {
  const lignes = texte.split('\n', 200);
  for (const ligne of lignes) {
    const l = ligne.trim();
    if (l === '' || l.startsWith(';')) continue;
    return /^(scn|scriptname)\s/i.test(l + ' ');
  }
  return false;
}

// Text decoded with the wrong encoding: a Latin-1 script opened as UTF-8
// has U+FFFD in place of its accents, and saving it would write those.
export function accentsIllisibles(texte: string): boolean {
  return texte.includes('\uFFFD');
}
