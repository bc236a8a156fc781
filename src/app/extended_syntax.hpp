// CSyntaxeEtendue: the switch of the script extender's later syntax (let,
// arrays, strings, loops, user functions), an item of the "Débuguage" menu
// kept in the user's profile settings, not in the 32-byte preferences record.
// The check while typing, "Débuguer", Enter and "Mettre en forme" read it
// through `active`; a settings file's "vlse-etendu" may turn it on for a folder.
#pragma once

#include <QObject>

class EspaceTravail;
class QSettings;

class CSyntaxeEtendue : public QObject {
  Q_OBJECT

 public:
  static constexpr int kCommande = 32823;

  // Belongs to the workspace's main frame, which must exist.
  explicit CSyntaxeEtendue(EspaceTravail& espace);

  static bool active(const QSettings& profil);
};
