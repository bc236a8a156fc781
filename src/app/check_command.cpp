// "Débuguer": checks the script of the active window and opens its report.
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>

#include "app.hpp"
#include "app/core/check_run.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "extended_syntax.hpp"
#include "latin1.hpp"
#include "main_frame.hpp"
#include "report_jump.hpp"
#include "view.hpp"
#include "window_layout.hpp"

namespace {

const QString kEnCours = QStringLiteral("En cours de débuguage...");
const QString kImpossible = QStringLiteral("Erreur - débuguage impossible.");
const QString kRapport = QStringLiteral("Correction de ScriptVaelmoor.txt");

}  // namespace

void CQuillomatApp::lancerVerification() {
  CMainFrame& cadre = *m_pMainFrame;
  cadre.SetPaneText(0, kEnCours);
  CChildFrame* enfant = enfantActif();
  if (!enfant) {
    cadre.SetPaneText(0, kImpossible);
    return;
  }
  CQuillomatDoc& document = enfant->GetActiveDocument();
  CQuillomatView& vue = enfant->GetActiveView();
  if (!document.contientCode) {
    m_pMessages->information(nullptr, QStringLiteral("Erreur"),
                             QStringLiteral("\tImpossible de débuguer cette fenêtre.\n"
                                            "Il s'agit d'un rapport d'erreur qui ne contient pas de code."));
    cadre.SetPaneText(0, kImpossible);
    return;
  }
  if (m_bFixSpacing) corrigerEspacement(vue);

  // The game reads Latin-1: a character it cannot hold is named, not replaced.
  const QString texte = document.contenu();
  if (const auto refus = horsLatin1(texte)) {
    m_pMessages->erreur(&cadre, QStringLiteral("Quillomat"), *refus);
    cadre.SetPaneText(0, kImpossible);
    return;
  }

  Q_EMIT verificationCommence();
  QProgressBar* barre = cadre.BeginProgress(vue.nombreLignes() - 1, kEnCours);
  const auto avancer = [barre] {
    if (barre && barre->value() < barre->maximum()) barre->setValue(barre->value() + 1);
  };
  const QString dossier = QDir::currentPath();
  // The settings file of the script's folder applies; a script never saved has none.
  const QString dossierDuScript = document.chemin().isEmpty() ? QString() : QFileInfo(document.chemin()).absolutePath();
  const quillomat::ResultatVerification resultat =
      quillomat::verifierScript(std::filesystem::path(dossier.toStdU16String()), versLatin1(texte), avancer,
                                std::filesystem::path(dossierDuScript.toStdU16String()),
                                quillomat::OptionsVerification{CSyntaxeEtendue::active(profil())});

  if (resultat.code == quillomat::kCopieImpossible) {
    cadre.SetPaneText(0, kImpossible);
    cadre.EndProgress();
    return;
  }
  if (resultat.code == quillomat::kArretFatalRun || resultat.code == quillomat::kReglagesIllisibles) {
    // The check stopped on a missing work file: every window stays as it was.
    m_pMessages->erreur(&cadre, QStringLiteral("Erreur"), depuisLatin1(resultat.message));
    cadre.SetPaneText(0, kImpossible);
    cadre.EndProgress();
    return;
  }
  if (resultat.code == 1 && resultat.reglages.showReport == 1) {
    if (rapportOuvert) {
      // Every check writes the report anew: the old window goes unasked, even
      // edited, so that nothing writes its text over the report just written.
      for (CChildFrame* f : enfants()) {
        if (&f->GetActiveDocument() != rapportOuvert) continue;
        f->fermetureAcceptee();
        f->close();
      }
      rapportOuvert = nullptr;
    }
    if (CChildFrame* rapport = ouvrirFenetre(QDir(dossier).filePath(kRapport), true)) {
      rapportOuvert = &rapport->GetActiveDocument();
      UnregisterView(rapport->GetActiveView());
      rapportOuvert->contientCode = false;
      new SautRapport(*this, rapport->GetActiveView(), document);  // owned by the view: double-click jumps
      m_pDisposition->placerRapport(*enfant, *rapport);
    }
  } else if (!resultat.message.empty()) {
    m_pMessages->simple(&cadre, QStringLiteral("Quillomat"), depuisLatin1(resultat.message));
  }
  cadre.SetPaneText(0, QStringLiteral("Débuguage terminé."));
  cadre.EndProgress();
}
