// The "&Edition" and window commands.
#include <QMdiArea>
#include <QStatusBar>
#include <QToolBar>

#include "app.hpp"
#include "find_dlg.hpp"
#include "main_frame.hpp"
#include "view.hpp"
#include "window_layout.hpp"

void CQuillomatApp::OnEditUndo() {
  if (CQuillomatView* vue = vueActive()) vue->undo();
}
void CQuillomatApp::OnEditRedo() {
  if (CQuillomatView* vue = vueActive()) vue->redo();
}
void CQuillomatApp::OnEditCut() {
  if (CQuillomatView* vue = vueActive()) vue->cut();
}
void CQuillomatApp::OnEditCopy() {
  if (CQuillomatView* vue = vueActive()) vue->copy();
}
void CQuillomatApp::OnPasteColoured() {
  if (CQuillomatView* vue = vueActive()) vue->OnPasteColoured();
}
void CQuillomatApp::OnEditSelectAll() {
  if (CQuillomatView* vue = vueActive()) vue->selectAll();
}

void CQuillomatApp::rechercher(bool remplacer) {
  if (!vueActive()) return;
  if (!m_pRecherche) m_pRecherche = new CFindDlg(*this, m_pMainFrame);
  m_pRecherche->montrer(remplacer);
}

void CQuillomatApp::OnEditFind() { rechercher(false); }
void CQuillomatApp::OnEditReplace() { rechercher(true); }
void CQuillomatApp::OnEditRepeat() {
  if (!m_pRecherche || !m_pRecherche->suivant()) rechercher(false);
}

void CQuillomatApp::OnWindowCascade() { m_pDisposition->cascader(); }
void CQuillomatApp::OnWindowTile() { m_pMainFrame->zoneDocuments()->tileSubWindows(); }
void CQuillomatApp::OnNextPane() { m_pMainFrame->zoneDocuments()->activateNextSubWindow(); }
void CQuillomatApp::OnPrevPane() { m_pMainFrame->zoneDocuments()->activatePreviousSubWindow(); }

void CQuillomatApp::OnViewToolbar() {
  QToolBar* barre = m_pMainFrame->barreOutils();
  barre->setVisible(barre->isHidden());
  m_pMainFrame->mettreAJourCommandes();
}

void CQuillomatApp::OnViewStatusBar() {
  QStatusBar* barre = m_pMainFrame->statusBar();
  barre->setVisible(barre->isHidden());
  m_pMainFrame->mettreAJourCommandes();
}
