#include "qt_translation.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QString installerTraductionQt(QCoreApplication& application) {
  const QString programme = QCoreApplication::applicationDirPath();
  // Last, the copy the Windows program carries inside itself.
  for (const QString& dossier : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), programme,
                                 QDir(programme).filePath(QStringLiteral("../share/quillomat")),
                                 QStringLiteral(":/traductions")}) {
    auto traduction = std::make_unique<QTranslator>(&application);
    if (!traduction->load(QStringLiteral("qtbase_fr"), dossier)) continue;
    const QString fichier = QDir::cleanPath(traduction->filePath());
    QCoreApplication::installTranslator(traduction.release());  // owned by the application
    return fichier;
  }
  return {};
}
