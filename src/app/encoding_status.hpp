// UTF-8 documents in the window: the status bar says when the active document
// is UTF-8, which the game does not read, and the command "Convertir en
// Latin-1" makes it Latin-1 (the file changes at the next save). Nothing else
// ever changes a document's encoding.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>

class CMainFrame;
class EspaceTravail;
class CQuillomatDoc;

class IndicateurEncodage : public QObject {
  Q_OBJECT

 public:
  static constexpr int kConvertir = 32840;  // the command's id in the command table

  // Owned by the workspace's main frame; adds its pane to the frame's status bar.
  explicit IndicateurEncodage(EspaceTravail& espace);

 private:
  void suivreDocumentActif();
  void afficher();
  void convertir();

  CMainFrame& m_cadre;
  EspaceTravail& m_espace;
  QPointer<QLabel> m_pEtiquette;
  QPointer<CQuillomatDoc> m_pDocument;  // the active document, whose encoding changes are followed
};
