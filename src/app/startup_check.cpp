#include "startup_check.hpp"

#include <QCoreApplication>
#include <QDir>

#include "app/core/small_commands.hpp"

QString rapportDemarrage(bool motsCharges, qsizetype fenetres) {
  QString texte;
  const auto chemin = [](const QString& d) { return std::filesystem::path(d.toStdU16String()); };
  for (const char* nom : {"fonctions.txt", "AideDebug.htm", "AideDebug.txt"}) {
    // The same search as the editor's own, from the same two places.
    const auto trouve = quillomat::trouverFichierDonnees(nom, chemin(QDir::currentPath()),
                                                         chemin(QCoreApplication::applicationDirPath()));
    texte += QString::fromLatin1(nom) + QStringLiteral(" : ") +
             (trouve ? QDir::cleanPath(QString::fromStdU16String(trouve->u16string())) : QStringLiteral("introuvable")) +
             u'\n';
  }
  texte += QStringLiteral("mots de coloration : %1\n")
               .arg(motsCharges ? QStringLiteral("chargés") : QStringLiteral("absents"));
  texte += QStringLiteral("fenêtres : %1\n").arg(fenetres);
  // The standard buttons say which language Qt's own dialogs speak.
  const bool francais = QCoreApplication::translate("QPlatformTheme", "Cancel") == QStringLiteral("Annuler");
  texte += QStringLiteral("dialogues de Qt : %1\n").arg(francais ? QStringLiteral("en français") : QStringLiteral("en anglais"));
  return texte;
}
