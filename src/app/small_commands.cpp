// Go to line, help, web site, contact, clean-up, defaults, About.
#include <QDir>
#include <QLineEdit>
#include <QUrl>

#include "about_dlg.hpp"
#include "app.hpp"
#include "app/core/small_commands.hpp"
#include "go_to_line_dlg.hpp"
#include "help_window.hpp"
#include "latin1.hpp"
#include "main_frame.hpp"
#include "view.hpp"

namespace {

std::filesystem::path repertoireCourant() { return std::filesystem::path(QDir::currentPath().toStdU16String()); }

}  // namespace

void CQuillomatApp::OnGoToLine() {
  CQuillomatView* vue = vueActive();
  if (!vue) return;
  if (m_pGoToLineDlg) m_pGoToLineDlg->reject();  // one box at a time
  auto* boite = new CGoToLineDlg(vue, m_pMainFrame);
  connect(boite, &CGoToLineDlg::fermee, this, [this, boite] {
    if (m_pGoToLineDlg != boite) return;
    m_bGoToLineOpen = false;
    m_pGoToLineDlg = nullptr;
  });
  m_bGoToLineOpen = true;
  m_pGoToLineDlg = boite;
  boite->show();
  boite->activateWindow();
  boite->champ()->setFocus();
}

bool CQuillomatApp::confirmerAllerALigne() {
  if (!m_bGoToLineOpen || !m_pGoToLineDlg) return false;
  m_pGoToLineDlg->OnOK();
  return true;
}

void CQuillomatApp::OnHelp() {
  QStringList trouves;
  for (const QString& nom : {QStringLiteral("AideDebug.htm"), QStringLiteral("AideDebug.txt")}) {
    const QString chemin = fichierDonnees(nom);
    if (chemin.isEmpty()) continue;
    if (m_pOuvreur->ouvrir(QUrl::fromLocalFile(chemin))) return;
    trouves.append(chemin);
  }
  if (trouves.isEmpty()) {
    m_pMessages->information(m_pMainFrame, QStringLiteral("Quillomat"), depuisLatin1(quillomat::messageAideIntrouvable()));
    return;
  }
  // The files are there, but the desktop has nothing to open them with: the
  // editor shows them itself.
  QString erreur;
  for (const QString& chemin : trouves) {
    if (CFenetreAide::afficher(chemin, m_pMainFrame, &erreur)) return;
  }
  m_pMessages->erreur(m_pMainFrame, QStringLiteral("Quillomat"), erreur);
}

void CQuillomatApp::OnWebSite() {
  if (m_pOuvreur->ouvrir(QUrl(depuisLatin1(quillomat::kAdresseSite)))) return;
  m_pMessages->information(m_pMainFrame, QStringLiteral("Quillomat - Erreur"),
                           depuisLatin1(quillomat::messageSiteIntrouvable()));
}

void CQuillomatApp::OnContact() {
  if (m_pOuvreur->ouvrir(QUrl(QStringLiteral("mailto:") + depuisLatin1(quillomat::kAdresseContact)))) return;
  m_pMessages->information(m_pMainFrame, QStringLiteral("Quillomat"), depuisLatin1(quillomat::messageContactImpossible()));
}

void CQuillomatApp::OnCleanWorkspace() {
  quillomat::nettoyerEspace(repertoireCourant());
  m_pMessages->information(nullptr, QStringLiteral("Quillomat"), depuisLatin1(quillomat::messageEspaceNettoye()));
}

void CQuillomatApp::OnResetDefaults() {
  // The flags in memory stay as they are until the next start.
  if (!quillomat::remettreParDefaut(repertoireCourant())) {
    m_pMessages->erreur(nullptr, QStringLiteral("Quillomat"),
                        QStringLiteral("Impossible d'écrire le fichier \"DebugKVR4.dat\" !"));
    return;
  }
  Q_EMIT reglagesAppliques();
  m_pMessages->information(nullptr, QStringLiteral("Quillomat"), depuisLatin1(quillomat::messageParDefaut()));
}

void CQuillomatApp::OnAppAbout() {
  CAboutDlg boite(m_pMainFrame);
  m_pMessages->executer(boite);
}
