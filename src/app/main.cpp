// The Quillomat editor.
#include <QApplication>

#include "app.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillomat"));
  CQuillomatApp app;
  QStringList fichiers = QApplication::arguments();
  fichiers.removeFirst();
  if (!app.InitInstance(fichiers)) return 1;
  return QApplication::exec();
}
