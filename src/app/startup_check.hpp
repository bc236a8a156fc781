// The test option "--essai-demarrage": the editor starts as usual, opens the
// files named, writes what it found to the standard output and quits. Used by
// the installation test, which has no one to close the window.
#pragma once

#include <QString>

inline const QString kOptionEssaiDemarrage = QStringLiteral("--essai-demarrage");

// One line per data file ("fonctions.txt : /chemin" or "... : introuvable"),
// whether the colouring words were loaded, the number of windows open, and
// the language of Qt's own dialogs.
QString rapportDemarrage(bool motsCharges, qsizetype fenetres);
