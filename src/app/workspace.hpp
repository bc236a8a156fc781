// EspaceTravail: what an editor feature knows of the editor around it: the
// main window, the document windows and the active one, the views that
// colouring visits, the profile settings, the message boxes, and the events
// of documents, windows and settings. The application implements it; a test
// of a feature can give a small one of its own. A feature includes this
// header, the headers of the windows it works on (main_frame.hpp,
// child_frame.hpp, view.hpp, document.hpp), never app.hpp.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QSettings;
class CChildFrame;
class CMainFrame;
class CQuillomatDoc;
class CQuillomatView;
class MessageService;

class EspaceTravail : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // The main window; null until it is made.
  virtual CMainFrame* cadre() const = 0;
  // The document windows in the order they were opened; the active one, its
  // view and its document (null when there is none).
  virtual QList<CChildFrame*> enfants() const = 0;
  virtual CChildFrame* enfantActif() const = 0;
  virtual CQuillomatView* vueActive() const = 0;
  virtual CQuillomatDoc* documentActif() const = 0;
  // The script views, newest first; the report's is not there.
  virtual const QList<QPointer<CQuillomatView>>& openViews() const = 0;
  virtual QSettings& profil() const = 0;
  virtual MessageService& messages() = 0;
  // Opens a file in a new window (or shows the window that has it already);
  // null when it cannot be read, after saying so.
  virtual CQuillomatDoc* OpenDocumentFile(const QString& chemin) = 0;

 Q_SIGNALS:
  // A document got a window (new, opened, the report); its window is closing.
  void documentAjoute(CQuillomatDoc* document);
  void documentAbandonne(CQuillomatDoc* document);
  // A document was written to its file.
  void documentEnregistre(CQuillomatDoc* document);
  // Another document window became the active one; null: none is left.
  void vueActivee(CQuillomatView* vue);
  // A check run, which may bring the program down, begins.
  void verificationCommence();
  // The settings record changed (Préférences, Remettre par défaut).
  void reglagesAppliques();
};
