#include "main_frame.hpp"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>

#include "app/core/small_commands.hpp"
#include "child_frame.hpp"
#include "command_table.hpp"
#include "document.hpp"
#include "icons.hpp"
#include "latin1.hpp"
#include "view.hpp"

namespace {

QString depuisUtf8(const char* texte) { return texte ? QString::fromUtf8(texte) : QString(); }

}  // namespace

CMainFrame::CMainFrame() : m_pZone(new QMdiArea(this)) {
  setWindowTitle(QStringLiteral("Quillomat"));
  setWindowIcon(iconeProgramme());
  setCentralWidget(m_pZone);
  m_pZone->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_pZone->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  creerActions();
  creerBarreOutils();
  creerBarreEtat();
  for (const char* titre : commandes::menus()) {
    if (QMenu* m = creerMenu(titre, commandes::kN)) m_menusSansDocument.append(m);
    if (QMenu* m = creerMenu(titre, commandes::kD)) m_menusDocument.append(m);
  }
  for (QMenu* m : m_menusSansDocument) menuBar()->addMenu(m);
  connect(m_pZone, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
    mettreAJourCommandes();
    majTitre();
    // The title follows a rename by "Enregistrer sous" too; undo, redo, cut
    // and copy are enabled as soon as they can run, so that their keys work.
    if (active) {
      connect(active, &QWidget::windowTitleChanged, this, &CMainFrame::majTitre, Qt::UniqueConnection);
      connect(active, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::majTitre, Qt::UniqueConnection);
    }
    if (CQuillomatView* vue = vueActive()) {
      connect(vue->document(), &QTextDocument::undoAvailable, this, &CMainFrame::mettreAJourCommandes, Qt::UniqueConnection);
      connect(vue->document(), &QTextDocument::redoAvailable, this, &CMainFrame::mettreAJourCommandes, Qt::UniqueConnection);
      connect(vue, &QPlainTextEdit::copyAvailable, this, &CMainFrame::mettreAJourCommandes, Qt::UniqueConnection);
    }
  });
  connect(&m_timer, &QTimer::timeout, this, &CMainFrame::OnTimer);
  m_timer.start(200);
  mettreAJourCommandes();
}

CMainFrame::~CMainFrame() {
  // The document windows go with the base class, after this class's members.
  m_timer.stop();
  disconnect(m_pZone, nullptr, this, nullptr);
}

namespace {

QList<QKeySequence> touchesDe(const char* raccourcis) {
  QList<QKeySequence> touches;
  for (const QString& t : depuisUtf8(raccourcis).split(u';', Qt::SkipEmptyParts)) touches.append(QKeySequence(t));
  return touches;
}

}  // namespace

void CMainFrame::creerActions() {
  for (const auto& c : commandes::table()) {
    const QString invite = depuisUtf8(c.invite);
    const QString infobulle = invite.section(u'\n', -1);
    auto* a = new QAction(c.texte ? depuisUtf8(c.texte) : infobulle, this);
    a->setStatusTip(invite.section(u'\n', 0, 0));
    a->setToolTip(infobulle);
    a->setCheckable(c.cochable);
    if (c.raccourcis) a->setShortcuts(touchesDe(c.raccourcis));
    if (c.etat == commandes::Etat::FichierRecent || c.handler) {
      connect(a, &QAction::triggered, this, [this, id = c.id] { Q_EMIT commandeChoisie(id); });
    }
    a->setEnabled(c.etat != commandes::Etat::SansCommande);
    if (c.dansLaVue) {
      a->setShortcutContext(Qt::WidgetShortcut);
      m_commandesDeLaVue.append(a);
    }
    addAction(a);  // accelerators work whatever menu is shown
    m_actions[c.id] = a;
  }
  for (const auto& h : commandes::habitudes()) {
    QAction* a = m_actions.at(h.id);
    a->setShortcuts(a->shortcuts() + touchesDe(h.raccourcis));
  }
}

QMenu* CMainFrame::creerMenu(const char* titre, unsigned ensemble) {
  QMenu* menu = nullptr;
  int groupe = -1;
  for (const auto& c : commandes::table()) {
    if (!c.menu || QByteArray(c.menu) != titre || !(c.dans & ensemble)) continue;
    if (!menu) {
      menu = new QMenu(depuisUtf8(titre), this);
    } else if (c.groupe != groupe) {
      menu->addSeparator();
    }
    groupe = c.groupe;
    menu->addAction(m_actions.at(c.id));
  }
  return menu;
}

void CMainFrame::creerBarreOutils() {
  m_wndToolBar = addToolBar(QStringLiteral("Barre d'outils"));
  m_wndToolBar->setObjectName(QStringLiteral("barreOutils"));
  m_wndToolBar->setIconSize(QSize(16, 15));
  m_wndToolBar->setMovable(true);
  m_wndToolBar->setFloatable(true);
  m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
  for (int id : commandes::barreOutils()) {
    if (id == 0) {
      m_wndToolBar->addSeparator();
      continue;
    }
    QAction* a = m_actions.at(id);
    a->setIcon(iconeCommande(id, *style()));
    m_wndToolBar->addAction(a);
  }
}

void CMainFrame::creerBarreEtat() {
  m_wndStatusBar = statusBar();
  for (auto& p : m_panneaux) p = new QLabel(this);
  m_panneaux[0]->setText(QStringLiteral("Prêt"));
  m_wndStatusBar->addWidget(m_panneaux[0], 1);
  // An indicator pane is as wide as its "NUM" text.
  const int indicateur = fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 8;
  m_largeurs = {0, static_cast<int>(indicateur * 3.5), static_cast<int>(indicateur * 3.5), indicateur / 20};
  for (int i = 1; i < 4; ++i) {
    m_panneaux[i]->setFixedWidth(m_largeurs[i]);
    m_wndStatusBar->addPermanentWidget(m_panneaux[i]);
  }
  auto* disposition = new QHBoxLayout(m_panneaux[3]);
  disposition->setContentsMargins(0, 0, 0, 0);
}

CChildFrame* CMainFrame::enfantActif() const { return qobject_cast<CChildFrame*>(m_pZone->currentSubWindow()); }

CQuillomatView* CMainFrame::vueActive() const {
  CChildFrame* enfant = enfantActif();
  return enfant ? &enfant->GetActiveView() : nullptr;
}

QList<CChildFrame*> CMainFrame::enfants() const {
  QList<CChildFrame*> liste;
  for (QMdiSubWindow* w : m_pZone->subWindowList()) {
    if (auto* enfant = qobject_cast<CChildFrame*>(w)) liste.append(enfant);
  }
  return liste;
}

void CMainFrame::accueillir(CChildFrame& enfant) {
  // The frame's own window menu also closes on Ctrl+W: a key with two owners
  // would do nothing, and the command "Fermer" asks about changes the same way.
  if (QMenu* menu = enfant.systemMenu()) {
    for (QAction* a : menu->actions()) {
      QList<QKeySequence> touches = a->shortcuts();
      touches.removeIf([&](const QKeySequence& t) { return commandeDeLaTouche(t) != nullptr; });
      a->setShortcuts(touches);
    }
  }
  // Enter is a command only where a text window has the focus.
  enfant.GetActiveView().addActions(m_commandesDeLaVue);
  m_pZone->addSubWindow(&enfant);
}

QAction* CMainFrame::action(int id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

QList<QMenu*> CMainFrame::menusAffiches() const { return m_bMenusDocument ? m_menusDocument : m_menusSansDocument; }

QString CMainFrame::textePanneau(int panneau) const { return m_panneaux.at(panneau)->text(); }

void CMainFrame::SetPaneText(int panneau, const QString& texte) {
  m_panneaux.at(panneau)->setText(texte);
  if (panneau == 0) m_panneaux[0]->repaint();  // long operations do not return to the event loop
}

int CMainFrame::largeurPanneau(int panneau) const {
  return panneau == 0 ? m_panneaux[0]->width() : m_panneaux.at(panneau)->maximumWidth();
}

QProgressBar* CMainFrame::BeginProgress(int pas, const QString& message) {
  if (m_bProgressShown) return nullptr;
  m_panneaux[1]->clear();
  m_panneaux[2]->clear();
  m_panneaux[1]->setFixedWidth(m_largeurs[1] / 10);
  m_panneaux[2]->setFixedWidth(m_largeurs[2] / 10);
  m_panneaux[3]->setFixedWidth(m_largeurs[3] * 450);
  SetPaneText(0, message);
  m_wndProgress = new QProgressBar(m_panneaux[3]);
  m_wndProgress->setTextVisible(false);
  // The bound is a 16-bit count.
  m_wndProgress->setRange(0, std::clamp(pas, 0, 0xFFFF));
  m_wndProgress->setValue(0);
  m_panneaux[3]->layout()->addWidget(m_wndProgress);
  m_wndProgress->show();
  m_bProgressShown = true;
  return m_wndProgress;
}

void CMainFrame::EndProgress() {
  if (m_bProgressShown) {
    delete m_wndProgress;
    m_wndProgress = nullptr;
    m_panneaux[1]->clear();
    m_panneaux[2]->clear();
    for (int i = 1; i < 4; ++i) m_panneaux[i]->setFixedWidth(m_largeurs[i]);
  }
  m_bProgressShown = false;
}

void CMainFrame::OnTimer() {
  QMdiSubWindow* enfant = m_pZone->currentSubWindow();
  if (!enfant) {
    if (m_bPanesDirty) {
      SetPaneText(0, QStringLiteral("Prêt"));
      m_panneaux[1]->clear();
      m_panneaux[2]->clear();
      m_bPanesDirty = false;
    }
  } else if (CQuillomatView* vue = vueActive()) {
    m_bPanesDirty = true;
    UpdateCaretPosition(*vue);
  }
  mettreAJourCommandes();
}

void CMainFrame::UpdateCaretPosition(CQuillomatView& vue) {
  const int debut = vue.debutSelection();
  const int fin = vue.finSelection();
  if (!vue.GetDocument().contientCode) return;  // the report's window keeps the panes as they are
  const bool panneauxVides = m_panneaux[1]->text().isEmpty() || m_panneaux[2]->text().isEmpty();
  if (!panneauxVides && debut == m_dernierDebut && fin == m_dernierFin && &vue == m_derniereVue) return;
  m_dernierDebut = debut;
  m_dernierFin = fin;
  m_derniereVue = &vue;
  const std::string texte = versLatin1(vue.GetDocument().contenu());
  m_panneaux[1]->setText(depuisLatin1(quillomat::texteLigneCurseur(texte, debut, fin)));
  m_panneaux[2]->setText(depuisLatin1(quillomat::texteColonneCurseur(texte, debut, fin)));
}

void CMainFrame::mettreAJourCommandes() {
  const bool avecDocument = m_pZone->currentSubWindow() != nullptr;
  if (avecDocument != m_bMenusDocument) {
    m_bMenusDocument = avecDocument;
    menuBar()->clear();
    for (QMenu* m : menusAffiches()) menuBar()->addMenu(m);
  }
  const CQuillomatView* vue = vueActive();
  for (const auto& c : commandes::table()) {
    QAction* a = m_actions.at(c.id);
    switch (c.etat) {
      case commandes::Etat::SansCommande: a->setEnabled(false); break;
      case commandes::Etat::Toujours: a->setEnabled(true); break;
      case commandes::Etat::AvecVue: a->setEnabled(vue != nullptr); break;
      case commandes::Etat::PeutAnnuler: a->setEnabled(vue && vue->document()->isUndoAvailable()); break;
      case commandes::Etat::PeutRetablir: a->setEnabled(vue && vue->document()->isRedoAvailable()); break;
      case commandes::Etat::AvecSelection: a->setEnabled(vue && vue->textCursor().hasSelection()); break;
      case commandes::Etat::FichierRecent: break;  // follows the list
      case commandes::Etat::DocumentUtf8:
        a->setEnabled(vue && vue->GetDocument().encodage() == CQuillomatDoc::Encodage::Utf8);
        break;
    }
  }
  m_actions.at(59392)->setChecked(!m_wndToolBar->isHidden());
  m_actions.at(59393)->setChecked(!m_wndStatusBar->isHidden());
}

void CMainFrame::mettreAJourRecents(const QStringList& fichiers) {
  constexpr int kIds[] = {57616, 57617, 57618, 57619};
  for (int i = 0; i < 4; ++i) {
    QAction* a = m_actions.at(kIds[i]);
    if (i < fichiers.size()) {
      a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(fichiers[i])));
      a->setEnabled(true);
      a->setVisible(true);
    } else {
      a->setText(i == 0 ? QStringLiteral("Fichier récent") : QString());
      a->setEnabled(false);
      a->setVisible(i == 0);
    }
  }
}

QAction* CMainFrame::commandeDeLaTouche(const QKeySequence& touche) const {
  QAction* trouvee = nullptr;
  for (const auto& [id, a] : m_actions) {
    if (!a->shortcuts().contains(touche)) continue;
    if (a->isEnabled()) return a;
    trouvee = a;
  }
  return trouvee;
}

void CMainFrame::majTitre() {
  // A maximised document window adds " - [its title]" to this title itself.
  const QMdiSubWindow* active = m_pZone->currentSubWindow();
  const CChildFrame* enfant = enfantActif();
  const CQuillomatDoc* doc = enfant ? &enfant->GetActiveDocument() : nullptr;
  const bool nomDejaAjoute = active && active->isMaximized();
  setWindowTitle(doc && !nomDejaAjoute ? QStringLiteral("Quillomat - %1").arg(doc->nom()) : QStringLiteral("Quillomat"));
}

void CMainFrame::closeEvent(QCloseEvent* e) {
  e->accept();
  Q_EMIT fermetureDemandee(e);
  if (!e->isAccepted()) return;
  m_pZone->closeAllSubWindows();
  Q_EMIT fermee();
  QMainWindow::closeEvent(e);
}
