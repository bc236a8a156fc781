#include "system_opener.hpp"

#include <QDesktopServices>

bool OuvreurSysteme::ouvrir(const QUrl& adresse) { return QDesktopServices::openUrl(adresse); }
