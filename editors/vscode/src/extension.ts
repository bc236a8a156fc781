// The extension: recognises the scripts, starts the quillomat-lsp server
// shipped for this system and hands it the user's settings.
import * as vscode from 'vscode';
import { LanguageClient, LanguageClientOptions, ServerOptions, TransportKind } from 'vscode-languageclient/node';

import {
  OptionsServeur,
  accentsIllisibles,
  cheminDuServeur,
  estUnScriptVaelmoor,
  optionsDuServeur,
  redemarrageNecessaire,
  rendreExecutable,
  valeurChoisie,
} from './demarrage';

const kLangue = 'vaelmoor';

let client: LanguageClient | undefined;
// Set from the first script on: no server runs for plain text alone.
let demarrage: Promise<void> | undefined;
let optionsDepart: OptionsServeur = {};
const avertis = new Set<string>();

function optionsChoisies(): OptionsServeur {
  const c = vscode.workspace.getConfiguration('quillomat');
  return optionsDuServeur({
    type: valeurChoisie(c.inspect<string>('type')),
    vlse: valeurChoisie(c.inspect<boolean>('vlse')),
    sansAlertes: valeurChoisie(c.inspect<boolean>('sansAlertes')),
    vlseEtendu: valeurChoisie(c.inspect<boolean>('vlseEtendu')),
    catalogue: valeurChoisie(c.inspect<string>('catalogue')),
  });
}

// A .txt script opened as plain text becomes a script.
function reconnaitre(document: vscode.TextDocument): void {
  if (
    document.languageId === 'plaintext' &&
    document.uri.path.toLowerCase().endsWith('.txt') &&
    estUnScriptVaelmoor(document.getText())
  ) {
    void vscode.languages.setTextDocumentLanguage(document, kLangue);
  }
}

// A Latin-1 script read as UTF-8 would lose its accents when saved.
function verifierEncodage(document: vscode.TextDocument): void {
  const cle = document.uri.toString();
  if (document.languageId !== kLangue || avertis.has(cle) || !accentsIllisibles(document.getText())) return;
  avertis.add(cle);
  const rouvrir = 'Changer l\'encodage';
  void vscode.window
    .showWarningMessage(
      `« ${vscode.workspace.asRelativePath(document.uri)} » a été lu en UTF-8 alors que les scripts sont en ` +
        'Latin-1 : ses accents sont remplacés par « \uFFFD » et seraient perdus à l\'enregistrement. Rouvrez-le ' +
        'avec l\'encodage « Western (ISO 8859-1) », ou associez vos scripts au langage « Script Vaelmoor » ' +
        '(réglage files.associations) pour que VS Code les lise toujours en Latin-1.',
      rouvrir,
    )
    .then((choix) => {
      if (choix === rouvrir) void vscode.commands.executeCommand('workbench.action.editor.changeEncoding');
    });
}

async function demarrer(context: vscode.ExtensionContext): Promise<void> {
  const reglage = vscode.workspace.getConfiguration('quillomat').get<string>('serveur', '');
  const lancement = cheminDuServeur(context.extensionPath, process.platform, process.arch, reglage);
  if ('erreur' in lancement) {
    void vscode.window.showErrorMessage(lancement.erreur);
    return;
  }
  try {
    rendreExecutable(lancement.chemin, process.platform);
  } catch {
    // The start below says what is wrong with the file.
  }
  optionsDepart = optionsChoisies();
  const serveur: ServerOptions = { command: lancement.chemin, transport: TransportKind.stdio };
  const options: LanguageClientOptions = {
    documentSelector: [
      { scheme: 'file', language: kLangue },
      { scheme: 'untitled', language: kLangue },
    ],
    initializationOptions: { quillomat: optionsDepart },
    outputChannelName: 'Quillomat',
  };
  client = new LanguageClient('quillomat', 'Quillomat', serveur, options);
  try {
    await client.start();
  } catch (e) {
    client = undefined;
    void vscode.window.showErrorMessage(
      `Quillomat : le serveur « ${lancement.chemin} » n'a pas pu démarrer (${e instanceof Error ? e.message : e}).`,
    );
  }
}

function demarrerPour(context: vscode.ExtensionContext, document: vscode.TextDocument): void {
  if (document.languageId === kLangue) demarrage ??= demarrer(context);
}

async function reglagesChanges(context: vscode.ExtensionContext, e: vscode.ConfigurationChangeEvent): Promise<void> {
  if (!e.affectsConfiguration('quillomat') || !demarrage) return;
  await demarrage;
  const options = optionsChoisies();
  if (e.affectsConfiguration('quillomat.serveur') || !client || redemarrageNecessaire(optionsDepart, options)) {
    await client?.stop();
    client = undefined;
    demarrage = demarrer(context);
    return;
  }
  await client.sendNotification('workspace/didChangeConfiguration', { settings: { quillomat: options } });
}

export function activate(context: vscode.ExtensionContext): void {
  const ouvert = (d: vscode.TextDocument) => {
    reconnaitre(d);
    verifierEncodage(d);
    demarrerPour(context, d);
  };
  vscode.workspace.textDocuments.forEach(ouvert);
  context.subscriptions.push(
    vscode.workspace.onDidOpenTextDocument(ouvert),
    vscode.workspace.onDidCloseTextDocument((d) => avertis.delete(d.uri.toString())),
    vscode.commands.registerCommand('quillomat.traiterCommeScript', async () => {
      const document = vscode.window.activeTextEditor?.document;
      if (document) verifierEncodage(await vscode.languages.setTextDocumentLanguage(document, kLangue));
    }),
    vscode.workspace.onDidChangeConfiguration((e) => reglagesChanges(context, e)),
  );
}

export async function deactivate(): Promise<void> {
  await client?.stop();
}
