// The Preferences box: what it reads, what each control writes, and the three
// ways to leave it without writing.
#include "app/pref_dlg.hpp"

#include <gtest/gtest.h>

#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct BancPref {
  QTemporaryDir dossier;
  std::vector<quillomat::SettingsRecord> recus;
  QPointer<CPrefDlg> dlg;

  explicit BancPref(const QByteArray& fichier = {}) {
    if (!fichier.isEmpty()) {
      QFile f(dossier.filePath(QStringLiteral("DebugKVR4.dat")));
      f.open(QIODevice::WriteOnly);
      f.write(fichier);
    }
    dlg = new CPrefDlg(std::filesystem::path(dossier.path().toStdString()),
                       [this](const quillomat::SettingsRecord& r) { recus.push_back(r); });
    dlg->show();
  }
  QCheckBox* boite(const char* id) const { return dlg->findChild<QCheckBox*>(QString::fromLatin1(id)); }
  QComboBox* liste() const { return dlg->findChild<QComboBox*>(QStringLiteral("1006")); }
  void cliquer(const char* id) const {
    QTest::mouseClick(dlg->findChild<QPushButton*>(QString::fromLatin1(id)), Qt::LeftButton);
  }
  QByteArray fichier() const {
    QFile f(dossier.filePath(QStringLiteral("DebugKVR4.dat")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  bool ferme() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dlg.isNull();
  }
};

QByteArray octets(std::initializer_list<int32_t> champs) {
  QByteArray b;
  for (int32_t v : champs)
    for (int k = 0; k < 4; ++k) b.append(static_cast<char>((static_cast<uint32_t>(v) >> (8 * k)) & 0xFF));
  return b;
}

TEST(DialoguePreferences, EntreeEnregistreAnnulerEchapEtFermerNEcriventRien) {
  const std::function<void(BancPref&)> manieres[] = {
      [](BancPref& b) { QTest::keyClick(b.dlg, Qt::Key_Return); },  // OK
      [](BancPref& b) { b.cliquer("2"); },
      [](BancPref& b) { QTest::keyClick(b.dlg, Qt::Key_Escape); },
      [](BancPref& b) { b.dlg->close(); },
  };
  for (int i = 0; i < 4; ++i) {
    BancPref banc;  // the first start: the defaults
    EXPECT_EQ(banc.liste()->currentText(), QStringLiteral("Inconnu"));
    banc.boite("1011")->setChecked(true);
    manieres[i](banc);
    EXPECT_TRUE(banc.ferme()) << i;
    EXPECT_EQ(banc.fichier(), i ? QByteArray() : octets({1, 1, 1, 0, 0, 0, 0, 1})) << i;
    EXPECT_EQ(banc.recus.size(), i ? 0u : 1u) << i;
    for (const auto& r : banc.recus) EXPECT_EQ(r, (quillomat::SettingsRecord{1, 1, 1, 0, 0, 0, 0, 1}));
  }
}

TEST(DialoguePreferences, ChaqueCaseEcritSonChamp) {
  const struct {
    const char* id;
    const char* texte;
    std::initializer_list<int32_t> apres;  // the defaults with this box ticked the other way
  } cases[] = {
      {"1009", " Afficher le rapport d'erreur après traitement", {0, 1, 0, 0, 0, 0, 0, 1}},
      {"1010", " Afficher les informations sur le script", {1, 0, 0, 0, 0, 0, 0, 1}},
      {"1011", " Ne pas afficher les alertes", {1, 1, 1, 0, 0, 0, 0, 1}},
      {"1008", " Dépendant d'Vaelmoor Script Extender v8 ou inférieur", {1, 1, 0, 0, 1, 0, 0, 1}},
      {"1014", " Désactiver l'aide de mise en forme automatique", {1, 1, 0, 0, 0, 1, 0, 1}},
      {"1015", " Désactiver la coloration syntaxique", {1, 1, 0, 0, 0, 0, 1, 1}},
      {"1016", " Corriger automatiquement les erreurs d'espacement", {1, 1, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    BancPref banc;
    ASSERT_NE(banc.boite(c.id), nullptr) << c.id;
    EXPECT_EQ(banc.boite(c.id)->text(), QString::fromUtf8(c.texte));
    banc.boite(c.id)->toggle();
    banc.cliquer("1012");  // "Appliquer" writes and leaves the box open
    EXPECT_EQ(banc.fichier(), octets(c.apres)) << c.id;
    EXPECT_FALSE(banc.ferme());
    banc.dlg->close();
  }
}

TEST(DialoguePreferences, LitLeFichierEtEcritLeType) {
  BancPref banc(octets({0, 1, 1, 2, 1, 1, 2, 0}));  // field 6 holds 2: only 1 ticks a box
  for (const char* id : {"1011", "1008", "1014"}) EXPECT_TRUE(banc.boite(id)->isChecked()) << id;
  for (const char* id : {"1009", "1015", "1016"}) EXPECT_FALSE(banc.boite(id)->isChecked()) << id;
  EXPECT_EQ(banc.liste()->currentText(), QStringLiteral("Objet"));
  banc.liste()->setCurrentIndex(banc.liste()->findText(QStringLiteral("Effet magique")));
  banc.cliquer("1");
  EXPECT_EQ(banc.fichier(), octets({0, 1, 1, 3, 1, 1, 0, 0}));

  BancPref inconnu(octets({1, 1, 0, 7, 0, 0, 0, 1}));  // a kind the list does not have
  EXPECT_EQ(inconnu.liste()->currentIndex(), -1);
  inconnu.cliquer("1");
  EXPECT_EQ(inconnu.fichier(), octets({1, 1, 0, -1, 0, 0, 0, 1}));
}

}  // namespace
