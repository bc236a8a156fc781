// The "&Fichier" commands: new, open, close, save, send, recent files, print, quit.
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrlQuery>

#include "app.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "main_frame.hpp"
#include "view.hpp"

void CQuillomatApp::OnFileNew() {
  auto* document = new CQuillomatDoc(QStringLiteral("Quillomat%1").arg(++m_nouveaux));
  ajouterFenetre(document);
}

void CQuillomatApp::OnFileOpen() {
  for (const QString& f : m_pMessages->fichiersAOuvrir(m_pMainFrame)) {
    OpenDocumentFile(f);
  }
}

void CQuillomatApp::OnFileMru(int index) {
  const QStringList liste = fichiersRecents();
  if (index < 0 || index >= liste.size()) return;
  if (!OpenDocumentFile(liste[index])) {
    QStringList reste = liste;
    reste.removeAt(index);
    ecrireRecents(reste);
  }
}

void CQuillomatApp::OnFileClose() {
  if (CChildFrame* enfant = enfantActif()) enfant->close();
}

void CQuillomatApp::OnFileSave() {
  if (CQuillomatDoc* document = documentActif()) enregistrer(*document, false);
}

void CQuillomatApp::OnFileSaveAs() {
  if (CQuillomatDoc* document = documentActif()) enregistrer(*document, true);
}

bool CQuillomatApp::enregistrer(CQuillomatDoc& document, bool demanderNom) {
  QString chemin = document.chemin();
  if (demanderNom || chemin.isEmpty()) {
    const QString propose = chemin.isEmpty() ? document.nom() + QStringLiteral(".txt") : chemin;
    chemin = m_pMessages->fichierAEnregistrer(m_pMainFrame, propose);
    if (chemin.isEmpty()) return false;
  }
  QString erreur;
  if (!document.enregistrer(chemin, &erreur)) {
    m_pMessages->erreur(m_pMainFrame, QStringLiteral("Quillomat"), erreur);
    return false;
  }
  ajouterRecent(document.chemin());
  Q_EMIT documentEnregistre(&document);
  return true;
}

void CQuillomatApp::OnFileSendMail() {
  CQuillomatDoc* document = documentActif();
  if (!document) return;
  QUrlQuery requete;
  requete.addQueryItem(QStringLiteral("subject"), document->nom());
  requete.addQueryItem(QStringLiteral("body"), document->contenu());
  QUrl adresse(QStringLiteral("mailto:"));
  adresse.setQuery(requete);
  if (!m_pOuvreur->ouvrir(adresse)) {
    m_pMessages->information(m_pMainFrame, QStringLiteral("Quillomat"),
                             QStringLiteral("Impossible d'ouvrir la messagerie électronique."));
  }
}

void CQuillomatApp::OnAppExit() {
  if (m_pMainFrame) m_pMainFrame->close();
}

namespace {

QPrinter& imprimante(std::unique_ptr<QPrinter>& p) {
  if (!p) p = std::make_unique<QPrinter>();
  return *p;
}

}  // namespace

void CQuillomatApp::OnFilePrint() {
  CQuillomatView* vue = vueActive();
  if (!vue) return;
  QPrintDialog dialogue(&imprimante(m_pImprimante), m_pMainFrame);
  if (m_pMessages->executer(dialogue) == QDialog::Accepted) vue->print(m_pImprimante.get());
}

void CQuillomatApp::OnFilePrintDirect() {
  if (CQuillomatView* vue = vueActive()) vue->print(&imprimante(m_pImprimante));
}

void CQuillomatApp::OnFilePrintPreview() {
  CQuillomatView* vue = vueActive();
  if (!vue) return;
  QPrintPreviewDialog apercu(&imprimante(m_pImprimante), m_pMainFrame);
  QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, vue, [vue](QPrinter* p) { vue->print(p); });
  m_pMessages->executer(apercu);
}

void CQuillomatApp::OnFilePrintSetup() {
  QPageSetupDialog dialogue(&imprimante(m_pImprimante), m_pMainFrame);
  m_pMessages->executer(dialogue);
}
