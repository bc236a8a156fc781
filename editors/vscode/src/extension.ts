// The extension: recognises the scripts, starts the quillomat-lsp server
// shipped for this system and hands it the user's settings.
import * as crypto from 'node:crypto';
import * as fs from 'node:fs';
import * as vscode from 'vscode';
import { LanguageClient, LanguageClientOptions, ServerOptions, TransportKind } from 'vscode-languageclient/node';

import {
  Depart,
  OptionsServeur,
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
} from './demarrage';

const kLangue = 'vaelmoor';
const kCommandeAide = 'quillomat.aide';
// How long a script that shows U+FFFD may wait for VS Code to read it again
// in the encoding of its new language; a loaded machine can take seconds.
const kDelaiRelecture = 20000;

// The client library, with its messages sorted: a normal stop is no error,
// and no English notice while the extension reports a failed start itself.
class ClientQuillomat extends LanguageClient {
  demarrage = true;
  override error(message: string, data?: unknown, notifier?: boolean | 'force'): void {
    const e = ecritureDuClient(message, this.demarrage, notifier);
    if (e.niveau === 'info') this.info(message, data, false);
    else super.error(message, data, e.notifier);
  }
}

let client: ClientQuillomat | undefined;
// Set from the first script on: no server runs for plain text alone.
let demarrage: Promise<void> | undefined;
let depart: Depart = { serveur: '', options: {} };
// One channel for the extension's life: every server started writes there.
let sortie: vscode.OutputChannel | undefined;
let aide: vscode.WebviewPanel | undefined;
const avertis = new Set<string>();
// Scripts whose text may still be replaced by a reading in Latin-1.
const lectures = new Map<string, Promise<void>>();

function serveurChoisi(): string {
  return vscode.workspace.getConfiguration('quillomat').get<string>('serveur', '');
}

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

// A script that became one after VS Code read it in UTF-8 is read again in
// Latin-1: until then (or until it is plain that no new reading comes), its
// U+FFFD belong to a reading about to be replaced.
function lectureReglee(document: vscode.TextDocument): Promise<void> {
  const cle = document.uri.toString();
  const enCours = lectures.get(cle);
  if (enCours) return enCours;
  if (!accentsIllisibles(document.getText()) || !relectureAttendue(document)) return Promise.resolve();
  const reglee = new Promise<void>((resolve) => {
    const fin = () => {
      clearTimeout(delai);
      ecoute.dispose();
      resolve();
    };
    const delai = setTimeout(fin, kDelaiRelecture);
    const ecoute = vscode.workspace.onDidChangeTextDocument((e) => {
      if (e.document.uri.toString() === cle && !accentsIllisibles(e.document.getText())) fin();
    });
  });
  lectures.set(cle, reglee);
  void reglee.then(() => lectures.delete(cle));
  return reglee;
}

// VS Code reads a file again when its new language has another encoding,
// unless it holds changes not saved.
function relectureAttendue(document: vscode.TextDocument): boolean {
  const encodage = vscode.workspace.getConfiguration('files', document).get<string>('encoding', 'utf8');
  return document.uri.scheme === 'file' && !document.isDirty && !/^utf-?8/i.test(encodage);
}

// A Latin-1 script read as UTF-8 would lose its accents when saved.
async function verifierEncodage(document: vscode.TextDocument): Promise<void> {
  const cle = document.uri.toString();
  if (document.languageId !== kLangue || avertis.has(cle)) return;
  await lectureReglee(document);
  if (document.isClosed || document.languageId !== kLangue || avertis.has(cle) || !accentsIllisibles(document.getText()))
    return;
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

// The help page at the anchor of a code, in one web view.
function montrerAide(lien: string): void {
  let uri: vscode.Uri;
  let html: string;
  try {
    uri = vscode.Uri.parse(lien, true);
    html = fs.readFileSync(uri.fsPath).toString('latin1');
  } catch (e) {
    void vscode.window.showErrorMessage(
      `Quillomat : la page d'aide « ${lien} » est illisible (${e instanceof Error ? e.message : e}).`,
    );
    return;
  }
  if (aide) {
    aide.reveal();
    void aide.webview.postMessage({ code: uri.fragment });
    return;
  }
  aide = vscode.window.createWebviewPanel('quillomat.aide', 'Aide du quillomat', vscode.ViewColumn.Beside, {
    enableScripts: true,
    enableFindWidget: true,
  });
  aide.onDidDispose(() => (aide = undefined));
  const nonce = crypto.randomBytes(16).toString('hex');
  aide.webview.html = pageAideEnVue(html, uri.fragment, nonce, aide.webview.cspSource);
}

async function demarrer(context: vscode.ExtensionContext): Promise<void> {
  const reglage = serveurChoisi();
  depart = { serveur: reglage, options: optionsChoisies() };
  const lancement = cheminDuServeur(context.extensionPath, process.platform, process.arch, reglage);
  if ('erreur' in lancement) {
    void vscode.window.showErrorMessage(lancement.erreur);
    return;
  }
  try {
    rendreExecutable(lancement.chemin, process.platform);
  } catch {
    void vscode.window.showErrorMessage(
      `Quillomat : le serveur « ${lancement.chemin} » est introuvable ou ne peut pas être lancé. ` +
        'Vérifiez le réglage « quillomat.serveur » (vide : le serveur livré avec l\'extension).',
    );
    return;
  }
  sortie ??= vscode.window.createOutputChannel('Quillomat');
  const serveur: ServerOptions = { command: lancement.chemin, transport: TransportKind.stdio };
  const options: LanguageClientOptions = {
    documentSelector: [
      { scheme: 'file', language: kLangue },
      { scheme: 'untitled', language: kLangue },
    ],
    initializationOptions: { quillomat: depart.options },
    outputChannel: sortie,
    middleware: {
      // The server sees a script once its reading has settled; its changes
      // wait as long, so that they follow the opening.
      didOpen: async (document, next) => {
        await lectureReglee(document);
        await next(document);
      },
      didChange: async (e, next) => {
        await lectures.get(e.document.uri.toString());
        await next(e);
      },
      handleDiagnostics: (uri, diagnostics, next) => {
        for (const d of diagnostics) {
          if (typeof d.code === 'object' && d.code.target.scheme === 'file') {
            d.code = { value: d.code.value, target: vscode.Uri.parse(lienCommandeAide(kCommandeAide, d.code.target.toString(true))) };
          }
        }
        next(uri, diagnostics);
      },
    },
  };
  const nouveau = new ClientQuillomat('quillomat', 'Quillomat', serveur, options);
  try {
    await nouveau.start();
    nouveau.demarrage = false;
    client = nouveau;
  } catch (e) {
    const voir = 'Voir la sortie';
    void vscode.window
      .showErrorMessage(
        `Quillomat : le serveur « ${lancement.chemin} » n'a pas pu démarrer (${e instanceof Error ? e.message : e}).`,
        voir,
      )
      .then((choix) => {
        if (choix === voir) sortie?.show(true);
      });
  }
}

function demarrerPour(context: vscode.ExtensionContext, document: vscode.TextDocument): void {
  if (document.languageId === kLangue) demarrage ??= demarrer(context);
}

async function reglagesChanges(context: vscode.ExtensionContext, e: vscode.ConfigurationChangeEvent): Promise<void> {
  if (!e.affectsConfiguration('quillomat') || !demarrage) return;
  await demarrage;
  const maintenant: Depart = { serveur: serveurChoisi(), options: optionsChoisies() };
  if (!client || redemarrageNecessaire(depart, maintenant)) {
    await client?.stop();
    client = undefined;
    demarrage = demarrer(context);
    return;
  }
  await client.sendNotification('workspace/didChangeConfiguration', { settings: { quillomat: maintenant.options } });
}

export function activate(context: vscode.ExtensionContext): void {
  const ouvert = (d: vscode.TextDocument) => {
    reconnaitre(d);
    void verifierEncodage(d);
    demarrerPour(context, d);
  };
  vscode.workspace.textDocuments.forEach(ouvert);
  context.subscriptions.push(
    vscode.workspace.onDidOpenTextDocument(ouvert),
    vscode.workspace.onDidCloseTextDocument((d) => avertis.delete(d.uri.toString())),
    vscode.commands.registerCommand('quillomat.traiterCommeScript', async () => {
      const document = vscode.window.activeTextEditor?.document;
      if (document) await verifierEncodage(await vscode.languages.setTextDocumentLanguage(document, kLangue));
    }),
    vscode.commands.registerCommand(kCommandeAide, (lien: unknown) => {
      if (typeof lien === 'string') montrerAide(lien);
    }),
    vscode.workspace.onDidChangeConfiguration((e) => reglagesChanges(context, e)),
    { dispose: () => sortie?.dispose() },
  );
}

export async function deactivate(): Promise<void> {
  await client?.stop();
}
