// CQuillomatApp: the application object. Holds the editor flags, the report
// window of the last check, the registry of open views, and the command
// handlers of the command table. Only its own member files and main.cpp
// include this header: the editor's features know it as an EspaceTravail.
#pragma once

#include <chrono>
#include <memory>

#include <QList>
#include <QPointer>
#include <QString>

#include "message_service.hpp"
#include "system_opener.hpp"
#include "workspace.hpp"

class QCloseEvent;
class QPrinter;
class QSettings;
class CChildFrame;
class CFindDlg;
class CGoToLineDlg;
class CMainFrame;
class CPrefDlg;
class CQuillomatDoc;
class CQuillomatView;
class DispositionFenetres;

namespace quillomat {
class ListeMots;
struct SettingsRecord;
}

struct OptionsApp {
  QString fichierProfil;     // INI file of the profile settings; empty: the user's profile
  QString dossierProgramme;  // where the shipped data files are; empty: the program's directory
  std::unique_ptr<MessageService> messages;  // null: real message boxes
  std::unique_ptr<SystemOpener> ouvreur;     // null: the system's handlers
  QString dossierRecuperation;  // the recovery copies; empty: "recuperation" in the user's data folder
  std::chrono::milliseconds delaiRecuperation{3000};  // from the last change to the recovery copy
};

class CQuillomatApp : public EspaceTravail {
  Q_OBJECT

 public:
  explicit CQuillomatApp(OptionsApp options = {});
  ~CQuillomatApp() override;

  // Creates and shows the main window, then opens the files named (a new
  // empty document when there is none).
  bool InitInstance(const QStringList& fichiers);

  CMainFrame* m_pMainFrame = nullptr;
  bool m_bGoToLineOpen = false;
  QPointer<CGoToLineDlg> m_pGoToLineDlg;
  QPointer<CQuillomatDoc> rapportOuvert;
  bool m_bFormatHelp = true;
  bool m_bColouring = true;
  bool m_bFixSpacing = true;
  std::unique_ptr<quillomat::ListeMots> m_pFunctionWords;

  // The workspace its features see.
  CMainFrame* cadre() const override { return m_pMainFrame; }
  QList<CChildFrame*> enfants() const override;
  CChildFrame* enfantActif() const override;
  CQuillomatView* vueActive() const override;
  CQuillomatDoc* documentActif() const override;
  // Views that colouring visits, newest first; the report's is not there.
  const QList<QPointer<CQuillomatView>>& openViews() const override { return m_openViews; }
  QSettings& profil() const override { return *m_pProfil; }
  MessageService& messages() override { return *m_pMessages; }
  // Also puts the file first in the recent files.
  CQuillomatDoc* OpenDocumentFile(const QString& chemin) override;

  void RegisterView(CQuillomatView& vue);
  void UnregisterView(CQuillomatView& vue);
  QStringList fichiersRecents() const;

  // Window events.
  bool peutFermer(CChildFrame& enfant);  // asks about unsaved changes
  bool peutQuitter();
  void documentFerme(CChildFrame& enfant);
  bool confirmerAllerALigne();  // a view gains the focus; false when no box was open
  // Hooks of the colouring: a character typed, a text pasted.
  void caractereTape(CQuillomatView& vue);
  void texteColle(CQuillomatView& vue, int debut, int fin);

  // Handlers of the command table.
  void OnFileNew();
  void OnFileOpen();
  void OnFileClose();
  void OnFileSave();
  void OnFileSaveAs();
  void OnFileSendMail();
  void OnFileMru(int index);
  void OnFilePrint();
  void OnFilePrintDirect();
  void OnFilePrintPreview();
  void OnFilePrintSetup();
  void OnAppExit();
  void OnEditUndo();
  void OnEditRedo();
  void OnEditCut();
  void OnEditCopy();
  void OnPasteColoured();
  void OnEditFind();
  void OnEditRepeat();
  void OnEditReplace();
  void OnEditSelectAll();
  void lancerVerification();
  void OnPreferences();
  // The Preferences box was saved: the three flags follow the record.
  void appliquerReglages(const quillomat::SettingsRecord& r);
  void OnFormat();
  void OnStatistics();
  void OnCleanWorkspace();
  void OnResetDefaults();
  void OnNewLine();
  void OnGoToLine();
  void OnWindowCascade();
  void OnWindowTile();
  void OnNextPane();
  void OnPrevPane();
  void OnViewToolbar();
  void OnViewStatusBar();
  void OnHelp();
  void OnWebSite();
  void OnContact();
  void OnAppAbout();

 private:
  // Runs the handler of the command table's row `id`.
  void executer(int id);
  CChildFrame* ajouterFenetre(CQuillomatDoc* document);
  CChildFrame* ouvrirFenetre(const QString& chemin, bool rapport = false);  // a report is read as Latin-1
  bool enregistrer(CQuillomatDoc& document, bool demanderNom);
  void ajouterRecent(const QString& chemin);
  void ecrireRecents(const QStringList& fichiers);
  void rechercher(bool remplacer);
  // Hooks of the formatting and colouring aids.
  void corrigerEspacement(CQuillomatView& vue);
  void indenterNouvelleLigne(CQuillomatView& vue, int position);
  void colorerLignes(CQuillomatView& vue, int ligne);
  void colorerDocument(CQuillomatView& vue);
  void colorerTousDocuments();    // colouring switched on
  void decolorerTousDocuments();  // colouring switched off
  QString fichierDonnees(const QString& nom) const;

  std::unique_ptr<MessageService> m_pMessages;
  std::unique_ptr<SystemOpener> m_pOuvreur;
  std::unique_ptr<QSettings> m_pProfil;
  std::unique_ptr<QPrinter> m_pImprimante;
  QPointer<CFindDlg> m_pRecherche;
  QPointer<CPrefDlg> m_pPreferences;
  DispositionFenetres* m_pDisposition = nullptr;  // owned by the main frame
  QString m_dossierProgramme;
  QList<QPointer<CQuillomatView>> m_openViews;
  int m_nouveaux = 0;  // numbers the untitled documents
};
