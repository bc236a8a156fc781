#include "live_check.hpp"

#include <filesystem>
#include <memory>

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QMdiArea>
#include <QPromise>
#include <QSettings>
#include <QStatusBar>
#include <QThreadPool>

#include "app/core/live_findings.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "extended_syntax.hpp"
#include "findings_panel.hpp"
#include "latin1.hpp"
#include "main_frame.hpp"
#include "pipeline/project_settings.hpp"
#include "pipeline/records.hpp"
#include "view.hpp"
#include "view_findings.hpp"
#include "workspace.hpp"

namespace {

const QString kCleVerifier = QStringLiteral("Constats/VerifierPendantLaFrappe");
const QString kCleNumeros = QStringLiteral("Constats/NumerosDeLigne");
const QString kClePanneau = QStringLiteral("Constats/Panneau");

using Constats = std::vector<quillomat::Constat>;

// One finding for each line that holds a character Latin-1 cannot hold:
// "Débuguer" refuses such a text, so it is not checked either.
Constats constatsHorsLatin1(const QString& texte) {
  Constats constats;
  int ligne = 1;
  int colonne = 1;
  bool dejaSignalee = false;
  for (const QChar c : texte) {
    if (c == u'\n') {
      ++ligne;
      colonne = 1;
      dejaSignalee = false;
      continue;
    }
    if (c.unicode() > 0xFF && !dejaSignalee) {
      constats.push_back(quillomat::constatHorsLatin1(ligne, colonne));
      dejaSignalee = true;
    }
    ++colonne;
  }
  return constats;
}

std::filesystem::path dossierCourant() { return std::filesystem::path(QDir::currentPath().toStdU16String()); }

// Where the settings file of a view's script is looked for: its folder; none before it is saved.
std::filesystem::path dossierDe(const CConstatsVue& suivi) {
  const QString chemin = suivi.vue().GetDocument().chemin();
  if (chemin.isEmpty()) return {};
  return std::filesystem::path(QFileInfo(chemin).absolutePath().toStdU16String());
}

}  // namespace

CVerificationContinue::CVerificationContinue(EspaceTravail& espace)
    : QObject(espace.cadre()),
      m_espace(espace),
      m_cadre(*espace.cadre()),
      m_pPanneau(new CPanneauConstats(&m_cadre)),
      m_pComptes(new QLabel(&m_cadre)) {
  setObjectName(QStringLiteral("verificationContinue"));
  QSettings& profil = espace.profil();
  m_bActive = profil.value(kCleVerifier, true).toBool();
  m_bNumeros = profil.value(kCleNumeros, true).toBool();
  const bool panneau = profil.value(kClePanneau, true).toBool();

  m_cadre.addDockWidget(Qt::BottomDockWidgetArea, m_pPanneau);
  m_cadre.resizeDocks({m_pPanneau}, {140}, Qt::Vertical);
  m_pPanneau->setVisible(panneau);
  m_pComptes->setObjectName(QStringLiteral("comptesConstats"));
  m_pComptes->setContentsMargins(6, 0, 12, 0);
  // Between the message pane and the caret panes; the four panes stay as they are.
  m_cadre.statusBar()->insertPermanentWidget(1, m_pComptes);
  m_pComptes->hide();

  QAction* verifier = m_cadre.action(kCommandeVerifier);
  QAction* numeros = m_cadre.action(kCommandeNumeros);
  QAction* constats = m_cadre.action(kCommandeConstats);
  verifier->setChecked(m_bActive);
  numeros->setChecked(m_bNumeros);
  constats->setChecked(panneau);
  connect(verifier, &QAction::triggered, this, &CVerificationContinue::setActive);
  connect(numeros, &QAction::triggered, this, &CVerificationContinue::setNumeros);
  connect(constats, &QAction::triggered, this, [this](bool affiche) {
    m_pPanneau->setVisible(affiche);
    m_espace.profil().setValue(kClePanneau, affiche);
  });
  connect(m_pPanneau, &CPanneauConstats::ferme, this, [this, constats] {
    constats->setChecked(false);
    m_espace.profil().setValue(kClePanneau, false);
  });
  connect(m_pPanneau, &CPanneauConstats::ligneChoisie, this, [this](int ligne) {
    if (CConstatsVue* suivi = suiviActif()) suivi->allerALigne(ligne);
  });

  m_pause.setSingleShot(true);
  m_pause.setInterval(kPauseMs);
  connect(&m_pause, &QTimer::timeout, this, &CVerificationContinue::verifierMaintenant);
  m_activation.setSingleShot(true);
  m_activation.setInterval(0);
  connect(&m_activation, &QTimer::timeout, this, &CVerificationContinue::fenetresChangees);
  connect(&espace, &EspaceTravail::vueActivee, &m_activation, qOverload<>(&QTimer::start));
  // New settings: every script is checked again with them (the file is
  // written by the time the pause is over).
  connect(&espace, &EspaceTravail::reglagesAppliques, this, [this] {
    for (CConstatsVue* suivi : suivis()) suivi->revisions().oublier();
    if (m_bActive) m_pause.start();
  });
}

CVerificationContinue* CVerificationContinue::de(const CMainFrame& cadre) {
  return cadre.findChild<CVerificationContinue*>(QString(), Qt::FindDirectChildrenOnly);
}

void CVerificationContinue::fenetresChangees() {
  // Every script window gets its gutter; a report window (known once the
  // command that opened it is over) gets nothing.
  for (CChildFrame* enfant : m_espace.enfants()) {
    if (enfant->GetActiveDocument().contientCode) suivre(enfant->GetActiveView());
  }
  const CQuillomatView* vue = m_espace.vueActive();
  if (!vue || vue->GetDocument().contientCode) m_pDernierScript = vue ? CConstatsVue::de(*vue) : nullptr;
  m_pPanneau->montrer(m_bActive ? suiviActif() : nullptr);
  majComptes();
  verifierMaintenant();
}

CConstatsVue* CVerificationContinue::suivre(CQuillomatView& vue) {
  if (CConstatsVue* suivi = CConstatsVue::de(vue)) return suivi;
  auto* suivi = new CConstatsVue(vue, m_bNumeros);
  connect(suivi, &CConstatsVue::texteModifie, this, [this, suivi] {
    if (m_bActive && suivi == suiviActif()) m_pause.start();
  });
  connect(suivi, &CConstatsVue::constatsChanges, this, [this, suivi] {
    if (suivi == suiviActif()) majComptes();
  });
  return suivi;
}

CConstatsVue* CVerificationContinue::suiviActif() const {
  // A report window is never checked: while it is active, the panel keeps
  // the findings of the script it was opened from, so that a click still
  // leads there.
  const CQuillomatView* vue = m_espace.vueActive();
  if (!vue) return nullptr;
  return vue->GetDocument().contientCode ? CConstatsVue::de(*vue) : m_pDernierScript.data();
}

QList<CConstatsVue*> CVerificationContinue::suivis() const {
  QList<CConstatsVue*> liste;
  for (CChildFrame* enfant : m_espace.enfants()) {
    if (CConstatsVue* suivi = CConstatsVue::de(enfant->GetActiveView())) liste.append(suivi);
  }
  return liste;
}

void CVerificationContinue::verifierMaintenant() {
  CConstatsVue* suivi = suiviActif();
  if (m_bActive && suivi && suivi->revisions().aVerifier()) lancer(*suivi);
}

void CVerificationContinue::lancer(CConstatsVue& suivi) {
  const uint64_t revision = suivi.revisions().lancer();
  const QPointer<CConstatsVue> cible(&suivi);
  const QString texte = texteDe(*suivi.vue().document());
  if (Constats refus = constatsHorsLatin1(texte); !refus.empty()) {
    recevoir(cible, revision, std::move(refus));
    return;
  }
  // The worker gets its own copy of the text and of the settings, and gives
  // back plain data; the watcher goes with this object, the result then with it.
  auto promesse = std::make_shared<QPromise<Constats>>();
  auto* veilleur = new QFutureWatcher<Constats>(this);
  connect(veilleur, &QFutureWatcherBase::finished, this, [this, veilleur, cible, revision] {
    veilleur->deleteLater();
    QFuture<Constats> futur = veilleur->future();
    if (futur.resultCount() > 0) recevoir(cible, revision, futur.takeResult());
  });
  veilleur->setFuture(promesse->future());
  QThreadPool::globalInstance()->start(
      [promesse, script = versLatin1(texte), reglages = quillomat::lireReglages(dossierCourant()),
       dossierDuScript = dossierDe(suivi),
       options = quillomat::OptionsVerification{CSyntaxeEtendue::active(m_espace.profil())}] {
        promesse->start();
        try {
          // The settings file is read on each check: an edit of it shows at the next keystroke.
          const quillomat::ReglagesDuScript r = quillomat::reglagesDuScript(reglages, dossierDuScript, options);
          if (!r.erreur.empty())
            promesse->addResult(Constats{quillomat::Constat{0, false, r.erreur}});
          else
            promesse->addResult(quillomat::verifierPendantLaFrappe(script, r.reglages, r.consignes, r.options));
        } catch (...) {
          // Nothing to show: the findings on screen stay until the next edit.
        }
        promesse->finish();
      });
}

void CVerificationContinue::recevoir(const QPointer<CConstatsVue>& suivi, uint64_t revision, Constats constats) {
  if (!m_bActive || !suivi || !suivi->revisions().accepter(revision)) return;
  suivi->afficher(quillomat::ConstatsAffiches(std::move(constats)));
  Q_EMIT constatsAffiches();
}

void CVerificationContinue::majComptes() {
  const CConstatsVue* suivi = m_bActive ? suiviActif() : nullptr;
  m_pComptes->setVisible(suivi != nullptr);
  if (!suivi) return;
  m_pComptes->setText(depuisLatin1(suivi->constats().comptes()));
  // The findings on the whole script have no line to show them.
  QStringList script;
  for (const quillomat::Constat& c : suivi->constats().constats()) {
    if (c.ligne == 0) script.append(depuisLatin1(c.texte));
  }
  m_pComptes->setToolTip(script.join(u'\n'));
}

void CVerificationContinue::setActive(bool active) {
  m_bActive = active;
  m_espace.profil().setValue(kCleVerifier, active);
  if (!active) {
    m_pause.stop();
    for (CConstatsVue* suivi : suivis()) suivi->effacer();
  }
  fenetresChangees();
}

void CVerificationContinue::setNumeros(bool affiches) {
  m_bNumeros = affiches;
  m_espace.profil().setValue(kCleNumeros, affiches);
  for (CConstatsVue* suivi : suivis()) suivi->setGoutiere(affiches);
}
