// CColorationEtendue: in the script windows the later syntax applies to
// (Débuguage > "Syntaxe étendue de VLSE", or "vlse-etendu" in the settings
// file of the script's folder), its keywords and functions are coloured, and
// as functions those the folder's personal catalogue declares. The settings
// file and the catalogue are read when a document gets its window or becomes
// the active one, when any document is saved (the settings file or the
// catalogue may be the one), and when the settings change (the menu item
// among them): never while typing.
#pragma once

#include <QObject>
#include <QString>

#include "app/core/word_list.hpp"

class CQuillomatDoc;
class EspaceTravail;

class CColorationEtendue : public QObject {
  Q_OBJECT

 public:
  // Belongs to the workspace's main frame, which must exist.
  explicit CColorationEtendue(EspaceTravail& espace);

 private:
  quillomat::ListeMots motsDu(const QString& dossier) const;
  void lire(CQuillomatDoc& document);
  void lireTout();

  EspaceTravail& m_espace;
};
