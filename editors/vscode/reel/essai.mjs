// The extension in a real VS Code: code-server serves it to Debian's
// Chromium, driven without a screen. Opens the sample script as a new user
// would, and checks what they see against quillomat-check.
//   node essai.mjs CODE_SERVER VSIX SCRIPT QUILLOMAT_CHECK TRAVAIL
// Every step has its own time limit; a failure names the step and what the
// programs printed.
import { execFile, spawn } from 'node:child_process';
import * as fs from 'node:fs';
import * as net from 'node:net';
import * as path from 'node:path';
import puppeteer from 'puppeteer-core';

const [codeServer, vsix, script, check, travail] = process.argv.slice(2);
const kChromium = process.env.QUILLOMAT_CHROMIUM ?? '/usr/bin/chromium';
let journal = '';  // what code-server printed
let etapeEnCours = '';

// One step: its name, its limit, and what it does.
async function etape(nom, secondes, action) {
  etapeEnCours = nom;
  const debut = Date.now();
  let minuterie;
  const limite = new Promise((_, rejeter) => {
    minuterie = setTimeout(() => rejeter(new Error(`pas de réponse en ${secondes} s`)), secondes * 1000);
  });
  try {
    const r = await Promise.race([action(), limite]);
    console.log(`ok - ${nom} (${((Date.now() - debut) / 1000).toFixed(1)} s)`);
    return r;
  } finally {
    clearTimeout(minuterie);
  }
}

// statutsAdmis: exit statuses that are no failure (quillomat-check ends with
// 2 when it finds errors).
function lancer(programme, args, secondes, statutsAdmis = [0]) {
  return new Promise((resoudre, rejeter) => {
    execFile(programme, args, { timeout: secondes * 1000, maxBuffer: 1 << 24 }, (e, sortie, erreurs) => {
      if (e && !(typeof e.code === 'number' && statutsAdmis.includes(e.code))) rejeter(new Error(`${programme} ${args.join(' ')} : ${e.message}\n${sortie}\n${erreurs}`));
      else resoudre(sortie);
    });
  });
}

function portLibre() {
  return new Promise((resoudre) => {
    const s = net.createServer();
    s.listen(0, '127.0.0.1', () => {
      const { port } = s.address();
      s.close(() => resoudre(port));
    });
  });
}

async function attendre(condition, quoi, pas = 100) {
  for (;;) {
    const r = await condition();
    if (r) return r;
    await new Promise((r) => setTimeout(r, pas));
  }
}

function egal(a, b, quoi) {
  const ja = JSON.stringify(a, null, 1), jb = JSON.stringify(b, null, 1);
  if (ja !== jb) throw new Error(`${quoi} :\n  vu      ${ja}\n  attendu ${jb}`);
}

// The text of the toasts shown now.
const toasts = (page) =>
  page.$$eval('.notification-toast .notification-list-item-message', (l) => l.map((e) => e.textContent));

// F1, a command by its English title, Enter.
// F1 is now and then lost when the focus has just left a field of the
// Settings editor: try again, then Ctrl+Shift+P, before giving up.
async function ouvrirPalette(page) {
  for (let essai = 1; essai <= 6; essai++) {
    if (essai % 2) {
      await page.keyboard.press('F1');
    } else {
      await page.keyboard.press('Escape');
      await page.keyboard.down('Control');
      await page.keyboard.down('Shift');
      await page.keyboard.press('KeyP');
      await page.keyboard.up('Shift');
      await page.keyboard.up('Control');
    }
    const ouverte = await page.waitForSelector('.quick-input-widget input', { visible: true, timeout: 5000 }).catch(() => null);
    if (ouverte) return;
  }
  throw new Error('la palette des commandes ne s\'ouvre ni par F1 ni par Ctrl+Maj+P');
}

async function commande(page, titre) {
  // From the script's text, wherever the focus was (a field, a toast).
  const texte = await page.$('.part.editor .monaco-editor .view-lines');
  if (texte) await texte.click().catch(() => {});
  await ouvrirPalette(page);
  await page.keyboard.type(titre);
  await attendre(
    () => page.$$eval('.quick-input-list .monaco-list-row', (l, t) => l.some((e) => e.textContent.includes(t)), titre),
    titre,
  );
  await page.keyboard.press('Enter');
}

// The findings of the Problems view: line, nature, code, text. The view
// shows the rows it has room for: it is maximised while read.
async function problemes(page) {
  await commande(page, 'View: Toggle Maximized Panel');
  const lignes = await lignesDesProblemes(page);
  await commande(page, 'View: Toggle Maximized Panel');
  return lignes;
}
// Errors and alerts, as the status bar counts them.
const compte = (page) =>
  page.$eval('#status\\.problems', (e) => (e.textContent.match(/\d+/g) ?? []).reduce((n, x) => n + Number(x), 0)).catch(() => -1);
function lignesDesProblemes(page) {
  return page.$$eval('.markers-panel .monaco-list-row', (lignes) =>
    lignes
      .filter((l) => l.querySelector('.marker-message-details-container'))
      .map((l) => {
        const texte = (s) => l.querySelector(s)?.textContent.trim() ?? '';
        const icone = l.querySelector('.marker-icon');
        const position = /Ln (\d+)/.exec(texte('.marker-line'));
        return {
          ligne: position ? Number(position[1]) : 0,
          nature: icone?.className.includes('warning') ? 'alerte' : 'erreur',
          code: texte('.marker-code'),
          texte: texte('.marker-message'),
        };
      }),
  );
}

const dossier = fs.mkdtempSync(path.join(travail, 'essai-'));
const donnees = path.join(dossier, 'donnees');
const extensions = path.join(dossier, 'extensions');
const scripts = path.join(dossier, 'scripts');
fs.mkdirSync(path.join(donnees, 'User'), { recursive: true });
fs.mkdirSync(scripts);
fs.copyFileSync(script, path.join(scripts, 'exemple.txt'));
// What a first start shows in the way of the test: welcome page, trust.
fs.writeFileSync(
  path.join(donnees, 'User', 'settings.json'),
  JSON.stringify({
    'workbench.startupEditor': 'none',
    'security.workspace.trust.enabled': false,
    'telemetry.telemetryLevel': 'off',
    'extensions.autoCheckUpdates': false,
    'extensions.autoUpdate': false,
    'workbench.enableExperiments': false,
    'update.mode': 'none',
    'git.enabled': false,
  }),
);

let serveur, navigateur;
let echec = false;
try {
  const attendus = await etape('quillomat-check -f json', 30, async () => {
    const json = JSON.parse(await lancer(check, ['-f', 'json', script], 30, [0, 1, 2]));
    // Findings on the whole script stand on the first line in the editor.
    return json.scripts[0].constats.map((c) => ({ ligne: c.ligne ?? 1, nature: c.nature, code: c.code, texte: c.texte }));
  });
  const base = ['--config', path.join(dossier, 'config.yaml'), '--user-data-dir', donnees, '--extensions-dir', extensions];
  await etape('code-server --install-extension', 120, () => lancer(codeServer, [...base, '--install-extension', vsix], 120));
  const port = await portLibre();
  await etape('code-server démarre', 60, async () => {
    serveur = spawn(
      codeServer,
      [...base, '--bind-addr', `127.0.0.1:${port}`, '--auth', 'none', '--disable-telemetry', '--disable-update-check',
        '--disable-workspace-trust', '--disable-getting-started-override', scripts],
      { stdio: ['ignore', 'pipe', 'pipe'] },
    );
    serveur.stdout.on('data', (d) => (journal += d));
    serveur.stderr.on('data', (d) => (journal += d));
    await attendre(async () => {
      if (serveur.exitCode !== null) throw new Error(`code-server s'est arrêté (${serveur.exitCode})`);
      return fetch(`http://127.0.0.1:${port}/healthz`).then((r) => r.ok, () => false);
    }, 'healthz', 250);
  });
  const page = await etape('Chromium ouvre VS Code', 90, async () => {
    navigateur = await puppeteer.launch({
      executablePath: kChromium,
      headless: true,
      userDataDir: path.join(dossier, 'chromium'),
      protocolTimeout: 60_000,
      defaultViewport: { width: 1600, height: 1100 },
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage'],
    });
    const p = await navigateur.newPage();
    await p.goto(`http://127.0.0.1:${port}/?folder=${encodeURIComponent(scripts)}`, { timeout: 60_000 });
    await p.waitForSelector('.monaco-workbench .part.statusbar', { visible: true, timeout: 60_000 });
    return p;
  });

  // Everything the user sees from the opening on: toasts, and the Problems
  // counts of the status bar.
  await page.evaluate(() => {
    window.vus = { toasts: new Set(), fffd: false, maxErreurs: 0 };
    setInterval(() => {
      for (const e of document.querySelectorAll('.notification-toast .notification-list-item-message'))
        window.vus.toasts.add(e.textContent);
      const etat = document.querySelector('#status\\.problems')?.textContent ?? '';
      const n = Number(/(\d+)/.exec(etat)?.[1] ?? 0);
      window.vus.maxErreurs = Math.max(window.vus.maxErreurs, n);
      if ([...document.querySelectorAll('.markers-panel .monaco-list-row')].some((l) => l.textContent.includes('U+FFFD')))
        window.vus.fffd = true;
    }, 50);
  });

  await etape('ouvrir exemple.txt, vue Problèmes', 120, async () => {
    await commande(page, 'View: Focus Problems');
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyP');
    await page.keyboard.up('Control');
    await page.waitForSelector('.quick-input-widget input', { visible: true });
    await page.keyboard.type('exemple.txt');
    await attendre(() => page.$('.quick-input-list .monaco-list-row'), 'exemple.txt');
    await page.keyboard.press('Enter');
    await attendre(async () => (await compte(page)) === attendus.length, 'les problèmes');
  });
  await etape('les problèmes sont les constats de quillomat-check', 60, async () => {
    await new Promise((r) => setTimeout(r, 3500));  // past the time a new reading may take
    const vus = await problemes(page);
    vus.sort((a, b) => a.ligne - b.ligne || a.code.localeCompare(b.code) || a.texte.localeCompare(b.texte));
    attendus.sort((a, b) => a.ligne - b.ligne || a.code.localeCompare(b.code) || a.texte.localeCompare(b.texte));
    egal(vus, attendus, 'vue Problèmes');
  });
  await etape('ni alerte d\'encodage ni diagnostic d\'une lecture en UTF-8', 20, async () => {
    const vus = await page.evaluate(() => ({ ...window.vus, toasts: [...window.vus.toasts] }));
    const erreurs = attendus.filter((c) => c.nature === 'erreur').length;
    if (vus.fffd || vus.maxErreurs > erreurs || vus.toasts.some((t) => t.includes('UTF-8')))
      throw new Error(`vu : ${JSON.stringify(vus)} (${erreurs} erreurs attendues)`);
  });

  await etape('survol de GetAV', 60, async () => {
    const mot = await attendre(() =>
      page.evaluateHandle(() =>
        [...document.querySelectorAll('.editor-instance .view-line span span')].find((s) => s.textContent === 'GetAV'),
      ).then((h) => h.asElement()),
    'GetAV');
    const b = await mot.boundingBox();
    await page.mouse.move(b.x + b.width / 2, b.y + b.height / 2);
    await attendre(() => page.$$eval('.monaco-hover-content', (l) => l.some((e) => e.textContent.includes('GetAV'))), 'survol');
    await page.mouse.move(5, 5);
  });

  await etape('clic sur un code : l\'aide à son entrée', 60, async () => {
    const code = attendus[0].code;
    await page.keyboard.press('Escape');
    const lien = await attendre(() =>
      page.evaluateHandle((c) => [...document.querySelectorAll('.markers-panel a.monaco-link')]
        .find((a) => a.textContent.includes(c)), code).then((h) => h.asElement()),
    'lien du code');
    await lien.click();
    await attendre(async () => {
      for (const f of page.frames()) {
        const vu = await f.evaluate((c) => {
          const e = document.getElementById(c);
          if (!e) return false;
          const r = e.getBoundingClientRect();
          return r.top >= -2 && r.top < innerHeight / 2 && document.body.textContent.includes('vérifie') &&
            !document.body.textContent.includes('\uFFFD');
        }, code).catch(() => false);
        if (vu) return true;
      }
      return false;
    }, 'aide');
  });

  // The Settings editor, as a user changes a setting. A machine setting
  // lives in the remote settings of this window: the user settings do not
  // even list it.
  async function reglerServeur(valeur) {
    if (await page.$('.settings-editor .setting-item-contents input')) return remplir(valeur);
    await commande(page, 'Preferences: Open Remote Settings');
    const champ = await page.waitForSelector('.settings-editor .suggest-input-container textarea, .settings-editor .settings-header input', { visible: true });
    await champ.click();
    await page.keyboard.down('Control');
    await page.keyboard.press('KeyA');
    await page.keyboard.up('Control');
    await page.keyboard.type('quillomat.serveur');
    await remplir(valeur);
  }
  async function remplir(valeur) {
    // The list is drawn again as the search settles: type until the field holds it.
    await attendre(async () => {
      const entree = await page.$('.settings-editor .setting-item-contents input');
      if (!entree) return false;
      await entree.evaluate((e) => {
        e.focus();
        e.select();
      });
      await page.keyboard.press('Backspace');
      if (valeur) await page.keyboard.type(valeur);
      return (await entree.evaluate((e) => e.value).catch(() => null)) === valeur;
    }, 'réglage', 500);
    await page.keyboard.press('Tab');
  }
  await etape('un serveur absent : le message français seul', 90, async () => {
    await reglerServeur('/nulle/part/quillomat-lsp');
    await attendre(async () => (await toasts(page)).some((t) => t.includes('/nulle/part/quillomat-lsp')), 'message');
    await new Promise((r) => setTimeout(r, 1000));
    const anglais = (await toasts(page)).filter((t) => /client|server|connection/i.test(t) && !t.includes('Quillomat :'));
    if (anglais.length) throw new Error(`messages en trop : ${JSON.stringify(anglais)}`);
  });
  await etape('le serveur de l\'extension revient', 90, async () => {
    await reglerServeur('');
    await commande(page, 'View: Focus Problems');
    await attendre(async () => (await compte(page)) === attendus.length, 'les problèmes');
    egal((await problemes(page)).length, attendus.length, 'problèmes après le retour du serveur');
  });
  await etape('un seul canal de sortie « Quillomat »', 60, async () => {
    await commande(page, 'Output: Show Output Channels');
    const noms = await attendre(async () => {
      const l = await page.$$eval('.quick-input-list .monaco-list-row', (r) => r.map((e) => e.getAttribute('aria-label') ?? e.textContent));
      return l.length ? l : null;
    }, 'canaux');
    await page.keyboard.press('Escape');
    const quillomat = noms.filter((n) => /^Quillomat\b/.test(n.trim()));
    egal(quillomat.length, 1, `canaux ${JSON.stringify(noms)}`);
  });
  console.log('VS Code réel : toutes les étapes ont réussi.');
} catch (e) {
  echec = true;
  console.error(`Échec de l'étape « ${etapeEnCours} » : ${e.message}`);
  console.error(`code-server a écrit :\n${journal.slice(-4000)}`);
  if (navigateur) {
    const pages = await navigateur.pages().catch(() => []);
    const p = pages[pages.length - 1];
    if (p) {
      await p.screenshot({ path: path.join(travail, 'echec.png') }).then(
        () => console.error(`Capture : ${path.join(travail, 'echec.png')}`), () => {});
      const html = await p.evaluate(() => document.body.outerHTML).catch(() => '');
      fs.writeFileSync(path.join(travail, 'echec.html'), html);
    }
  }
} finally {
  await Promise.race([navigateur?.close(), new Promise((r) => setTimeout(r, 10_000))]).catch(() => {});
  navigateur?.process()?.kill('SIGKILL');
  serveur?.kill('SIGTERM');
  fs.rmSync(dossier, { recursive: true, force: true, maxRetries: 3 });
}
process.exit(echec ? 1 : 0);
