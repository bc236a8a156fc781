#include "file_watch.hpp"

#include <algorithm>
#include <utility>

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>

#include "app/core/disk_change.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "main_frame.hpp"
#include "message_service.hpp"
#include "view.hpp"
#include "workspace.hpp"

namespace {

constexpr int kDelaiMs = 200;  // after the last event of a change

const QString kTitre = QStringLiteral("Quillomat");

QString nomAffiche(const CQuillomatDoc& document) { return QDir::toNativeSeparators(document.chemin()); }

// Report windows are the editor's own output, rewritten by every check.
bool estSurveille(const CQuillomatDoc& document) { return document.contientCode && !document.chemin().isEmpty(); }

}  // namespace

SurveillanceFichiers::SurveillanceFichiers(EspaceTravail& espace)
    : QObject(espace.cadre()), m_cadre(*espace.cadre()), m_espace(espace) {
  m_delai.setSingleShot(true);
  m_delai.setInterval(kDelaiMs);
  connect(&m_delai, &QTimer::timeout, this, qOverload<>(&SurveillanceFichiers::examiner));
  connect(&m_observateur, &QFileSystemWatcher::fileChanged, &m_delai, qOverload<>(&QTimer::start));
  connect(&m_observateur, &QFileSystemWatcher::directoryChanged, &m_delai, qOverload<>(&QTimer::start));
  // Every new window is made the active one; the files named on the command
  // line are open by the time events run.
  connect(&espace, &EspaceTravail::vueActivee, this, &SurveillanceFichiers::suivreDocuments);
  QTimer::singleShot(0, this, &SurveillanceFichiers::suivreDocuments);
}

void SurveillanceFichiers::suivreDocuments() {
  for (CChildFrame* enfant : m_espace.enfants()) {
    CQuillomatDoc* document = &enfant->GetActiveDocument();
    if (m_documents.contains(document)) continue;
    m_documents.append(document);
    // A save as or a reload names another file; a save renames a new file over the old one.
    connect(document, &CQuillomatDoc::nomChange, this, &SurveillanceFichiers::regarder);
    connect(document, &QObject::destroyed, this, [this] {
      m_documents.removeIf([](const QPointer<CQuillomatDoc>& d) { return d.isNull(); });
      regarder();
    });
  }
  regarder();
}

void SurveillanceFichiers::regarder() {
  QSet<QString> fichiers;
  QSet<QString> dossiers;
  for (const QPointer<CQuillomatDoc>& document : std::as_const(m_documents)) {
    if (!document || !estSurveille(*document)) continue;
    fichiers.insert(document->chemin());
    // The folder tells when a file deleted, or renamed over, comes back.
    dossiers.insert(QFileInfo(document->chemin()).absolutePath());
  }
  const auto accorder = [this](const QStringList& surveilles, const QSet<QString>& voulus) {
    for (const QString& p : surveilles) {
      if (!voulus.contains(p)) m_observateur.removePath(p);
    }
    for (const QString& p : voulus) {
      if (!surveilles.contains(p) && QFileInfo::exists(p)) m_observateur.addPath(p);
    }
  };
  accorder(m_observateur.files(), fichiers);
  accorder(m_observateur.directories(), dossiers);
}

void SurveillanceFichiers::examiner() {
  if (m_bQuestionOuverte) {
    m_bAReexaminer = true;
    return;
  }
  for (const QPointer<CQuillomatDoc>& document : QList(m_documents)) {
    if (document && estSurveille(*document)) examiner(*document);
  }
  regarder();
  if (std::exchange(m_bAReexaminer, false)) m_delai.start();
}

void SurveillanceFichiers::examiner(CQuillomatDoc& document) {
  const quillomat::EtatFichier actuel = CQuillomatDoc::etatDe(document.chemin());
  const QString modifie =
      QStringLiteral("Le fichier « %1 » a été modifié par un autre programme.\n").arg(nomAffiche(document));
  QPointer<CQuillomatDoc> garde(&document);  // a question lets events run
  bool recharge = false;
  switch (quillomat::reactionDisque(document.etatDisque(), actuel, document.estModifie())) {
    case quillomat::ReactionDisque::Aucune: return;
    case quillomat::ReactionDisque::ProposerRechargement:
      recharge = demander(modifie + QStringLiteral("Le recharger ?"));
      break;
    case quillomat::ReactionDisque::ProposerAvecPerte:
      recharge = demander(modifie + QStringLiteral("Le recharger ? Les modifications non enregistrées de cette "
                                                   "fenêtre seront perdues."));
      break;
    case quillomat::ReactionDisque::SignalerSuppression:
      m_bQuestionOuverte = true;
      m_espace.messages().information(&m_cadre, kTitre,
                                   QStringLiteral("Le fichier « %1 » a été supprimé ou déplacé par un autre "
                                                  "programme.\nSon texte reste dans la fenêtre : enregistrez-le "
                                                  "pour récrire le fichier.")
                                       .arg(nomAffiche(document)));
      m_bQuestionOuverte = false;
      break;
  }
  if (!garde) return;
  if (recharge) {
    recharger(document);
    return;
  }
  // The window keeps its text, which the file no longer holds: closing asks
  // whether to save it. This change is not asked about again.
  document.setEtatDisque(actuel);
  document.texte()->setModified(true);
}

bool SurveillanceFichiers::demander(const QString& texte) {
  m_bQuestionOuverte = true;
  const Reponse r = m_espace.messages().questionOuiNon(&m_cadre, kTitre, texte);
  m_bQuestionOuverte = false;
  return r == Reponse::Oui;
}

void SurveillanceFichiers::recharger(CQuillomatDoc& document) {
  CQuillomatView* vue = nullptr;
  for (CChildFrame* enfant : m_espace.enfants()) {
    if (&enfant->GetActiveDocument() == &document) vue = &enfant->GetActiveView();
  }
  // The caret and the scrolling stay where they were, as far as the new text goes.
  const int position = vue ? vue->textCursor().position() : 0;
  const int defilement = vue ? vue->verticalScrollBar()->value() : 0;
  QString erreur;
  if (!document.charger(document.chemin(), &erreur)) {
    m_espace.messages().erreur(&m_cadre, kTitre, erreur);
    return;
  }
  m_cadre.SetPaneText(0, QStringLiteral("Document rechargé depuis le disque."));
  if (vue) {
    QTextCursor c = vue->textCursor();
    c.setPosition(std::clamp(position, 0, document.texte()->characterCount() - 1));
    vue->setTextCursor(c);
    vue->verticalScrollBar()->setValue(defilement);
  }
}
