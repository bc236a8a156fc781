// Qt's own dialogs and buttons (open, save, print, preview, "Annuler"...) in
// French, as the rest of the editor.
#pragma once

#include <QString>

class QCoreApplication;

// Installs Qt's French translation "qtbase_fr" into `application`: from Qt's
// translations directory, else from a copy beside the program or in its
// share/quillomat directory. Returns the file loaded, empty when none was
// found (the dialogs then stay in English).
QString installerTraductionQt(QCoreApplication& application);
