#include "extended_syntax.hpp"

#include <QAction>
#include <QSettings>

#include "main_frame.hpp"
#include "workspace.hpp"

namespace {
const QString kCle = QStringLiteral("Debuguage/SyntaxeEtendue");
}

CSyntaxeEtendue::CSyntaxeEtendue(EspaceTravail& espace) : QObject(espace.cadre()) {
  setObjectName(QStringLiteral("syntaxeEtendue"));
  QAction* item = espace.cadre()->action(kCommande);
  item->setChecked(active(espace.profil()));
  connect(item, &QAction::triggered, this, [&espace](bool etendue) {
    espace.profil().setValue(kCle, etendue);
    // Every script is checked again with the other syntax.
    Q_EMIT espace.reglagesAppliques();
  });
}

bool CSyntaxeEtendue::active(const QSettings& profil) { return profil.value(kCle, false).toBool(); }
