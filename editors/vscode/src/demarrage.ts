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

// The server lays the last configuration over the start-up options: a
// setting the user takes back (no value any more) would keep its start-up
// value, so only a new start forgets it.
export function redemarrageNecessaire(depart: OptionsServeur, maintenant: OptionsServeur): boolean {
  return (Object.keys(depart) as (keyof OptionsServeur)[]).some((cle) => maintenant[cle] === undefined);
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
