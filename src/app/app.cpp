#include "app.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPrinter>
#include <QSettings>

#include "app/core/small_commands.hpp"
#include "app/core/word_list.hpp"
#include "child_frame.hpp"
#include "command_table.hpp"
#include "document.hpp"
#include "encoding_status.hpp"
#include "extended_colouring.hpp"
#include "extended_syntax.hpp"
#include "file_drop.hpp"
#include "file_watch.hpp"
#include "find_dlg.hpp"
#include "latin1.hpp"
#include "live_check.hpp"
#include "main_frame.hpp"
#include "pref_dlg.hpp"
#include "recovery.hpp"
#include "pipeline/records.hpp"
#include "view.hpp"
#include "window_layout.hpp"

namespace {

const QString kGroupeRecents = QStringLiteral("Recent File List");
constexpr int kNombreRecents = 4;

std::filesystem::path cheminDe(const QString& dossier) { return std::filesystem::path(dossier.toStdU16String()); }

}  // namespace

CQuillomatApp::CQuillomatApp(OptionsApp options)
    : m_pMessages(options.messages ? std::move(options.messages) : std::make_unique<BoitesDeMessage>()),
      m_pOuvreur(options.ouvreur ? std::move(options.ouvreur) : std::make_unique<OuvreurSysteme>()),
      m_dossierProgramme(options.dossierProgramme.isEmpty() ? QCoreApplication::applicationDirPath()
                                                            : options.dossierProgramme) {
  const quillomat::SettingsRecord reglages = quillomat::lireReglages(cheminDe(QDir::currentPath()));
  m_bFormatHelp = reglages.noFormatHelp != 1;
  m_bColouring = reglages.noColouring != 1;
  m_bFixSpacing = reglages.autoSpacing == 1;
  const QString mots = fichierDonnees(QStringLiteral("fonctions.txt"));
  if (!mots.isEmpty()) {
    m_pFunctionWords = std::make_unique<quillomat::ListeMots>(quillomat::ListeMots::charger(cheminDe(mots)));
  }
  m_pProfil = options.fichierProfil.isEmpty()
                  ? std::make_unique<QSettings>(QStringLiteral("Applications locales générées par AppWizard"),
                                                QStringLiteral("Quillomat"))
                  : std::make_unique<QSettings>(options.fichierProfil, QSettings::IniFormat);
  new CRecuperation(*this, options.dossierRecuperation, options.delaiRecuperation);  // owned by the application
}

CQuillomatApp::~CQuillomatApp() {
  m_openViews.clear();
  delete std::exchange(m_pMainFrame, nullptr);
}

bool CQuillomatApp::InitInstance(const QStringList& fichiers) {
  m_pMainFrame = new CMainFrame;
  connect(m_pMainFrame, &CMainFrame::commandeChoisie, this, &CQuillomatApp::executer);
  connect(m_pMainFrame, &CMainFrame::fermetureDemandee, this, [this](QCloseEvent* e) {
    if (!peutQuitter()) e->ignore();
  });
  connect(m_pMainFrame->zoneDocuments(), &QMdiArea::subWindowActivated, this,
          [this] { Q_EMIT vueActivee(vueActive()); });
  // The features, owned by the frame.
  new DepotFichiers(*this);         // dropped files open
  new IndicateurEncodage(*this);    // UTF-8 documents shown and converted
  new SurveillanceFichiers(*this);  // files changed by other programs
  m_pDisposition = new DispositionFenetres(*this);
  new CVerificationContinue(*this);  // the check while typing
  new CSyntaxeEtendue(*this);        // the script extender's later syntax
  new CColorationEtendue(*this);     // the words of the later syntax and of a personal catalogue, coloured
  m_pMainFrame->mettreAJourRecents(fichiersRecents());
  if (fichiers.isEmpty()) OnFileNew();
  for (const QString& f : fichiers) OpenDocumentFile(f);
  m_pMainFrame->show();
  return true;
}

QString CQuillomatApp::fichierDonnees(const QString& nom) const {
  const auto trouve = quillomat::trouverFichierDonnees(versLatin1(nom), cheminDe(QDir::currentPath()),
                                                       cheminDe(m_dossierProgramme));
  return trouve ? QString::fromStdU16String(trouve->u16string()) : QString();
}

void CQuillomatApp::RegisterView(CQuillomatView& vue) {
  UnregisterView(vue);
  m_openViews.prepend(&vue);
}

void CQuillomatApp::UnregisterView(CQuillomatView& vue) {
  m_openViews.removeIf([&](const QPointer<CQuillomatView>& v) { return v.isNull() || v == &vue; });
}

CChildFrame* CQuillomatApp::enfantActif() const { return m_pMainFrame ? m_pMainFrame->enfantActif() : nullptr; }

CQuillomatView* CQuillomatApp::vueActive() const {
  CChildFrame* enfant = enfantActif();
  return enfant ? &enfant->GetActiveView() : nullptr;
}

CQuillomatDoc* CQuillomatApp::documentActif() const {
  CChildFrame* enfant = enfantActif();
  return enfant ? &enfant->GetActiveDocument() : nullptr;
}

QList<CChildFrame*> CQuillomatApp::enfants() const {
  return m_pMainFrame ? m_pMainFrame->enfants() : QList<CChildFrame*>();
}

CChildFrame* CQuillomatApp::ajouterFenetre(CQuillomatDoc* document) {
  auto* enfant = new CChildFrame(document);
  connect(enfant, &CChildFrame::fermetureDemandee, this, [this, enfant](QCloseEvent* e) {
    if (!peutFermer(*enfant)) e->ignore();
  });
  connect(enfant, &CChildFrame::fermee, this, [this, enfant] { documentFerme(*enfant); });
  CQuillomatView* vue = &enfant->GetActiveView();
  connect(vue, &CQuillomatView::nouvelleLigne, this, &CQuillomatApp::OnNewLine);
  connect(vue, &CQuillomatView::caractereTape, this, [this, vue] { caractereTape(*vue); });
  connect(vue, &CQuillomatView::texteColle, this, [this, vue](int debut, int fin) { texteColle(*vue, debut, fin); });
  connect(vue, &CQuillomatView::confirmationDemandee, this, [this](bool* confirmee) {
    *confirmee = confirmerAllerALigne();
  });
  QMdiArea* zone = m_pMainFrame->zoneDocuments();
  m_pMainFrame->accueillir(*enfant);
  m_pDisposition->placer(*enfant);
  enfant->show();
  zone->setActiveSubWindow(enfant);
  RegisterView(enfant->GetActiveView());
  Q_EMIT documentAjoute(document);
  enfant->GetActiveView().setFocus();
  m_pMainFrame->mettreAJourCommandes();
  return enfant;
}

CQuillomatDoc* CQuillomatApp::OpenDocumentFile(const QString& chemin) {
  const QString absolu = QFileInfo(chemin).absoluteFilePath();
  for (CChildFrame* enfant : enfants()) {
    if (enfant->GetActiveDocument().chemin() == absolu) {
      m_pMainFrame->zoneDocuments()->setActiveSubWindow(enfant);
      return &enfant->GetActiveDocument();
    }
  }
  CChildFrame* enfant = ouvrirFenetre(absolu);
  if (!enfant) return nullptr;
  ajouterRecent(absolu);
  return &enfant->GetActiveDocument();
}

CChildFrame* CQuillomatApp::ouvrirFenetre(const QString& chemin, bool rapport) {
  auto document = std::make_unique<CQuillomatDoc>(QFileInfo(chemin).fileName());
  QString erreur;
  if (!document->charger(chemin, &erreur, rapport)) {
    m_pMessages->erreur(m_pMainFrame, QStringLiteral("Quillomat"), erreur);
    return nullptr;
  }
  CChildFrame* enfant = ajouterFenetre(document.release());
  if (m_bColouring) colorerDocument(enfant->GetActiveView());
  return enfant;
}

QStringList CQuillomatApp::fichiersRecents() const {
  QStringList liste;
  m_pProfil->beginGroup(kGroupeRecents);
  for (int i = 1; i <= kNombreRecents; ++i) {
    const QString f = m_pProfil->value(QStringLiteral("File%1").arg(i)).toString();
    if (!f.isEmpty()) liste.append(f);
  }
  m_pProfil->endGroup();
  return liste;
}

void CQuillomatApp::ecrireRecents(const QStringList& fichiers) {
  m_pProfil->beginGroup(kGroupeRecents);
  for (int i = 1; i <= kNombreRecents; ++i) {
    const QString cle = QStringLiteral("File%1").arg(i);
    if (i <= fichiers.size()) {
      m_pProfil->setValue(cle, fichiers[i - 1]);
    } else {
      m_pProfil->remove(cle);
    }
  }
  m_pProfil->endGroup();
  m_pProfil->sync();
  if (m_pMainFrame) m_pMainFrame->mettreAJourRecents(fichiers);
}

void CQuillomatApp::ajouterRecent(const QString& chemin) {
  QStringList liste = fichiersRecents();
  liste.removeAll(chemin);
  liste.prepend(chemin);
  ecrireRecents(liste.mid(0, kNombreRecents));
}

bool CQuillomatApp::peutFermer(CChildFrame& enfant) {
  CQuillomatDoc& document = enfant.GetActiveDocument();
  if (!document.estModifie()) return true;
  const Reponse r = m_pMessages->question(
      m_pMainFrame, QStringLiteral("Quillomat"),
      QStringLiteral("Enregistrer les modifications apportées à %1 ?").arg(document.nom()));
  if (r == Reponse::Annuler) return false;
  return r == Reponse::Non || enregistrer(document, false);
}

bool CQuillomatApp::peutQuitter() {
  for (CChildFrame* enfant : enfants()) {
    // The question names a document: its window comes forward to show which.
    if (enfant->GetActiveDocument().estModifie()) {
      if (enfant->isMinimized()) enfant->showNormal();
      m_pMainFrame->zoneDocuments()->setActiveSubWindow(enfant);
    }
    if (!peutFermer(*enfant)) return false;
  }
  for (CChildFrame* enfant : enfants()) enfant->fermetureAcceptee();
  return true;
}

void CQuillomatApp::documentFerme(CChildFrame& enfant) {
  Q_EMIT documentAbandonne(&enfant.GetActiveDocument());
  if (rapportOuvert == &enfant.GetActiveDocument()) {
    rapportOuvert = nullptr;
  } else {
    UnregisterView(enfant.GetActiveView());
  }
}

void CQuillomatApp::executer(int id) {
  const commandes::Commande* c = commandes::trouver(id);
  if (!c) return;
  if (c->etat == commandes::Etat::FichierRecent) {
    OnFileMru(c->recent);
  } else if (c->handler) {
    (this->*(c->handler))();
  }
}

void CQuillomatApp::OnNewLine() {
  CQuillomatView* vue = vueActive();
  if (!vue) return;
  const int position = vue->debutSelection();
  vue->textCursor().insertText(QStringLiteral("\n"));
  if (m_bFormatHelp) indenterNouvelleLigne(*vue, position);
  if (m_bColouring) colorerLignes(*vue, vue->textCursor().blockNumber());
}

void CQuillomatApp::OnPreferences() {
  if (m_pPreferences) {
    m_pPreferences->raise();
    m_pPreferences->activateWindow();
    return;
  }
  m_pPreferences = new CPrefDlg(cheminDe(QDir::currentPath()),
                                [this](const quillomat::SettingsRecord& r) { appliquerReglages(r); }, m_pMainFrame);
  m_pPreferences->show();
}

void CQuillomatApp::appliquerReglages(const quillomat::SettingsRecord& r) {
  const bool colorierAvant = m_bColouring;
  m_bFormatHelp = r.noFormatHelp != 1;
  m_bColouring = r.noColouring != 1;
  m_bFixSpacing = r.autoSpacing == 1;
  Q_EMIT reglagesAppliques();
  if (m_bColouring != colorierAvant) {
    if (m_bColouring) {
      colorerTousDocuments();
    } else {
      decolorerTousDocuments();
    }
  }
}
