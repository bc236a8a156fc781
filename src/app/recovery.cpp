#include "recovery.hpp"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include "child_frame.hpp"
#include "document.hpp"
#include "main_frame.hpp"
#include "recovery_dlg.hpp"
#include "recovery_store.hpp"
#include "message_service.hpp"
#include "view.hpp"
#include "workspace.hpp"

namespace {

constexpr int kNouveau = 57600;  // "Nouveau" in the command table

QString dossierParDefaut() {
  const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return donnees.isEmpty() ? QString() : QDir(donnees).filePath(QStringLiteral("recuperation"));
}

bool estVideInchange(const CQuillomatDoc& d) {
  return d.chemin().isEmpty() && !d.estModifie() && d.texte()->isEmpty();
}

}  // namespace

CRecuperation::CRecuperation(EspaceTravail& espace, const QString& dossier, std::chrono::milliseconds delai)
    : QObject(&espace),
      m_espace(espace),
      m_pMagasin(new MagasinRecuperation(dossier.isEmpty() ? dossierParDefaut() : dossier, delai, this)) {
  connect(&espace, &EspaceTravail::documentAjoute, m_pMagasin, [this](CQuillomatDoc* d) { m_pMagasin->suivre(*d); });
  connect(&espace, &EspaceTravail::documentAbandonne, m_pMagasin,
          [this](CQuillomatDoc* d) { m_pMagasin->abandonner(*d); });
  // A check that brings the program down must find the text on disk.
  connect(&espace, &EspaceTravail::verificationCommence, m_pMagasin, &MagasinRecuperation::ecrireMaintenant);
  // Said in the status bar: typing goes on.
  connect(m_pMagasin, &MagasinRecuperation::echec, this, [this](const QString& message) {
    if (m_espace.cadre()) m_espace.cadre()->SetPaneText(0, message);
  });
  QTimer::singleShot(0, this, &CRecuperation::proposer);
}

void CRecuperation::proposer() {
  if (m_pMagasin->dossier().isEmpty() || !m_espace.cadre()) return;
  // Once the main window shows, so that the box comes over it, not beside.
  const QWindow* fenetre = m_espace.cadre()->windowHandle();
  if (fenetre && !fenetre->isExposed() && ++m_attentes < 40) {
    QTimer::singleShot(50, this, &CRecuperation::proposer);
    return;
  }
  const CopiesLaissees laissees(m_pMagasin->dossier());
  if (laissees.copies().empty()) return;

  QList<CRecuperationDlg::Ligne> lignes;
  for (const CopiesLaissees::Copie& c : laissees.copies()) {
    lignes.append({QString::fromStdU16String(c.copie.nom), QString::fromStdU16String(c.copie.chemin),
                   QDateTime::fromSecsSinceEpoch(c.copie.date),
                   QString::fromStdU16String(quillomat::premiereLigne(c.copie.texte))});
  }
  // The empty document of the start gives way to the documents restored.
  QList<QPointer<CChildFrame>> vides;
  for (CChildFrame* enfant : m_espace.enfants()) {
    if (estVideInchange(enfant->GetActiveDocument())) vides.append(enfant);
  }
  bool restaure = false;
  CRecuperationDlg dialogue(lignes, m_espace.cadre());
  connect(&dialogue, &CRecuperationDlg::choisi, this, [&](int i, quillomat::ChoixCopie choix) {
    appliquer(laissees, laissees.copies().at(static_cast<size_t>(i)), choix);
    restaure = restaure || choix != quillomat::ChoixCopie::Ecarter;
  });
  m_espace.messages().executer(dialogue);
  if (!restaure) return;
  for (const QPointer<CChildFrame>& enfant : vides) {
    if (enfant && estVideInchange(enfant->GetActiveDocument())) enfant->close();
  }
}

void CRecuperation::appliquer(const CopiesLaissees& laissees, const CopiesLaissees::Copie& c,
                              quillomat::ChoixCopie choix) {
  std::vector<std::u16string> noms;
  for (CChildFrame* enfant : m_espace.enfants()) noms.push_back(enfant->GetActiveDocument().nom().toStdU16String());
  const quillomat::PlanRecuperation plan = quillomat::planifier(c.copie, choix, noms);
  if (plan.fenetre) {
    const QString chemin = QString::fromStdU16String(plan.chemin);
    if (plan.ouvrirFichier) m_espace.OpenDocumentFile(QString::fromStdU16String(c.copie.chemin));
    // A window that shows the file unchanged takes the text; else a new one.
    CChildFrame* cible = nullptr;
    for (CChildFrame* enfant : m_espace.enfants()) {
      const CQuillomatDoc& d = enfant->GetActiveDocument();
      if (!chemin.isEmpty() && d.chemin() == QFileInfo(chemin).absoluteFilePath() && !d.estModifie()) cible = enfant;
    }
    if (!cible) {
      const qsizetype avant = m_espace.enfants().size();
      m_espace.cadre()->action(kNouveau)->trigger();
      const QList<CChildFrame*> enfants = m_espace.enfants();
      if (enfants.size() == avant) return;
      cible = enfants.back();
    }
    m_espace.cadre()->zoneDocuments()->setActiveSubWindow(cible);
    CQuillomatDoc& document = cible->GetActiveDocument();
    document.reprendre(QString::fromStdU16String(c.copie.texte), chemin, QString::fromStdU16String(plan.nom),
                       c.copie.encodage == quillomat::EncodageCopie::Utf8 ? CQuillomatDoc::Encodage::Utf8
                                                                          : CQuillomatDoc::Encodage::Latin1,
                       c.copie.bom, c.copie.crlf ? QByteArray("\r\n") : QByteArray("\n"));
    CQuillomatView& vue = cible->GetActiveView();
    vue.texteInsere(0, vue.document()->characterCount() - 1);
    // The old copy goes only once the text is in this editor's copies.
    if (!m_pMagasin->ecrireMaintenant()) return;
  }
  laissees.supprimer(c);
}
