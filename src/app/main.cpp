// The Quillomat editor. Every argument names a file to open; "--version"
// prints the version, "--help" the usage (the manual page is made of it),
// and the test option of startup_check.hpp starts, tells what it found and
// quits.
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QLocale>

#include "app.hpp"
#include "qt_translation.hpp"
#include "startup_check.hpp"

namespace {
constexpr const char* kAide =
    "Utilisation : quillomat [SCRIPT...]\n"
    "\n"
    "Éditeur des scripts du jeu Vaelmoor : ouvre chaque script nommé dans une fenêtre (sans argument, "
    "un document vide), le colore et le vérifie pendant la frappe. « Débuguage > Débuguer » (Ctrl+D) "
    "écrit le rapport « Correction de ScriptVaelmoor.txt » dans le dossier courant et l'ouvre. Les "
    "scripts sont du texte Latin-1.\n"
    "\n"
    "  --version   affiche la version et quitte\n"
    "  -h, --help  affiche cette aide et quitte\n";
}  // namespace

int main(int argc, char** argv) {
  // Before any window system is needed, so that it works without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::fputs("Quillomat, éditeur de scripts Vaelmoor, version 3.02\n", stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kAide, stdout);
      return 0;
    }
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillomat"));
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  installerTraductionQt(application);
  QStringList fichiers = QApplication::arguments();
  fichiers.removeFirst();
  const bool essai = fichiers.removeAll(kOptionEssaiDemarrage) > 0;
  CQuillomatApp app;
  if (!app.InitInstance(fichiers)) return 1;
  if (essai) {
    std::fputs(rapportDemarrage(app.m_pFunctionWords != nullptr, app.enfants().size()).toUtf8().constData(), stdout);
    return 0;
  }
  return QApplication::exec();
}
