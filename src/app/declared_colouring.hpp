// CColorationDeclarees: the functions a personal catalogue declares are
// coloured as functions in the script windows it applies to (the catalogue of
// the settings file of the script's folder, with the later syntax on). The
// catalogue is read when a document gets its window or becomes the active
// one, when any document is saved (the settings file or the catalogue may be
// the one), and when the settings change ("Syntaxe étendue de VLSE" among
// them): never while typing.
#pragma once

#include <QObject>

class CQuillomatDoc;
class EspaceTravail;

class CColorationDeclarees : public QObject {
  Q_OBJECT

 public:
  // Belongs to the workspace's main frame, which must exist.
  explicit CColorationDeclarees(EspaceTravail& espace);

 private:
  void lire(CQuillomatDoc& document);
  void lireTout();

  EspaceTravail& m_espace;
};
