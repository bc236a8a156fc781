#include "app/pref_dlg.hpp"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

using quillomat::SettingsRecord;

struct BancPref {
  QTemporaryDir dossier;
  std::vector<SettingsRecord> recus;
  QPointer<CPrefDlg> dlg;

  std::filesystem::path chemin() const { return std::filesystem::path(dossier.path().toStdString()); }
  void ouvrir() {
    dlg = new CPrefDlg(chemin(), [this](const SettingsRecord& r) { recus.push_back(r); });
    dlg->show();
  }
  QCheckBox* boite(const char* id) const { return dlg->findChild<QCheckBox*>(QString::fromLatin1(id)); }
  QComboBox* liste() const { return dlg->findChild<QComboBox*>(QStringLiteral("1006")); }
  QPushButton* bouton(const char* id) const { return dlg->findChild<QPushButton*>(QString::fromLatin1(id)); }
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

TEST(DialoguePreferences, TextesDesControles) {
  BancPref banc;
  banc.ouvrir();
  EXPECT_EQ(banc.dlg->windowTitle(), QStringLiteral("Préférences"));
  EXPECT_FALSE(banc.dlg->isModal());
  const std::pair<const char*, const char*> boites[] = {
      {"1009", " Afficher le rapport d'erreur après traitement"},
      {"1010", " Afficher les informations sur le script"},
      {"1011", " Ne pas afficher les alertes"},
      {"1008", " Dépendant d'Vaelmoor Script Extender v8 ou inférieur"},
      {"1016", " Corriger automatiquement les erreurs d'espacement"},
      {"1014", " Désactiver l'aide de mise en forme automatique"},
      {"1015", " Désactiver la coloration syntaxique"},
  };
  for (const auto& [id, texte] : boites) {
    ASSERT_NE(banc.boite(id), nullptr) << id;
    EXPECT_EQ(banc.boite(id)->text(), QString::fromUtf8(texte)) << id;
  }
  QStringList groupes;
  for (const QGroupBox* g : banc.dlg->findChildren<QGroupBox*>()) groupes << g->title();
  EXPECT_EQ(groupes, (QStringList{QStringLiteral("Rapport d'erreur"), QStringLiteral("Traitement"),
                                  QStringLiteral("Interface")}));
  EXPECT_EQ(qobject_cast<QGroupBox*>(banc.boite("1015")->parent())->title(), QStringLiteral("Interface"));
  bool etiquette = false;
  for (const QLabel* l : banc.dlg->findChildren<QLabel*>()) etiquette |= l->text() == QStringLiteral("Type de script :");
  EXPECT_TRUE(etiquette);
  QStringList elements;
  for (int k = 0; k < banc.liste()->count(); ++k) elements << banc.liste()->itemText(k);
  EXPECT_EQ(elements, (QStringList{QStringLiteral("Inconnu"), QStringLiteral("Objet"), QStringLiteral("Quête"),
                                   QStringLiteral("Effet magique")}));
  EXPECT_EQ(banc.bouton("1")->text(), QStringLiteral("OK"));
  EXPECT_TRUE(banc.bouton("1")->isDefault());
  EXPECT_EQ(banc.bouton("1012")->text(), QStringLiteral("Appliquer"));
  EXPECT_EQ(banc.bouton("2")->text(), QStringLiteral("Annuler"));
  banc.dlg->close();
}

TEST(DialoguePreferences, PremierLancementPuisOK) {
  BancPref banc;
  banc.ouvrir();
  for (const char* id : {"1009", "1010", "1016"}) EXPECT_TRUE(banc.boite(id)->isChecked()) << id;
  for (const char* id : {"1011", "1008", "1014", "1015"}) EXPECT_FALSE(banc.boite(id)->isChecked()) << id;
  EXPECT_EQ(banc.liste()->currentText(), QStringLiteral("Inconnu"));
  QTest::keyClick(banc.dlg, Qt::Key_Return);  // Enter is "OK"
  EXPECT_EQ(banc.fichier(), octets({1, 1, 0, 0, 0, 0, 0, 1}));
  ASSERT_EQ(banc.recus.size(), 1u);
  EXPECT_EQ(banc.recus[0], SettingsRecord{});
  EXPECT_TRUE(banc.ferme());
}

TEST(DialoguePreferences, LectureEtAppliquer) {
  BancPref banc;
  QFile f(banc.dossier.filePath(QStringLiteral("DebugKVR4.dat")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(octets({0, 1, 1, 2, 1, 1, 2, 0}));  // field 6 holds 2: only 1 ticks a box
  f.close();
  banc.ouvrir();
  EXPECT_FALSE(banc.boite("1009")->isChecked());
  EXPECT_TRUE(banc.boite("1011")->isChecked());
  EXPECT_TRUE(banc.boite("1008")->isChecked());
  EXPECT_TRUE(banc.boite("1014")->isChecked());
  EXPECT_FALSE(banc.boite("1015")->isChecked());
  EXPECT_FALSE(banc.boite("1016")->isChecked());
  EXPECT_EQ(banc.liste()->currentText(), QStringLiteral("Objet"));

  banc.liste()->setCurrentIndex(banc.liste()->findText(QStringLiteral("Quête")));
  banc.boite("1015")->setChecked(true);
  QTest::mouseClick(banc.bouton("1012"), Qt::LeftButton);
  EXPECT_EQ(banc.fichier(), octets({0, 1, 1, 1, 1, 1, 1, 0}));
  ASSERT_EQ(banc.recus.size(), 1u);
  EXPECT_EQ(banc.recus[0].noColouring, 1);
  EXPECT_FALSE(banc.ferme());  // "Appliquer" leaves the box open
  EXPECT_TRUE(banc.dlg->isVisible());

  banc.liste()->setCurrentIndex(banc.liste()->findText(QStringLiteral("Effet magique")));
  QTest::mouseClick(banc.bouton("1012"), Qt::LeftButton);
  EXPECT_EQ(banc.recus.size(), 2u);
  EXPECT_EQ(banc.recus[1].scriptKind, 3);
  banc.dlg->close();
}

TEST(DialoguePreferences, TypeInconnuDuFichier) {
  BancPref banc;
  QFile f(banc.dossier.filePath(QStringLiteral("DebugKVR4.dat")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(octets({1, 1, 0, 7, 0, 0, 0, 1}));
  f.close();
  banc.ouvrir();
  EXPECT_EQ(banc.liste()->currentIndex(), -1);
  QTest::mouseClick(banc.bouton("1"), Qt::LeftButton);
  EXPECT_EQ(banc.fichier(), octets({1, 1, 0, -1, 0, 0, 0, 1}));
  EXPECT_TRUE(banc.ferme());
}

TEST(DialoguePreferences, AnnulerNEcritRien) {
  for (int maniere = 0; maniere < 3; ++maniere) {
    BancPref banc;
    banc.ouvrir();
    banc.boite("1011")->setChecked(true);
    if (maniere == 0) QTest::mouseClick(banc.bouton("2"), Qt::LeftButton);
    if (maniere == 1) QTest::keyClick(banc.dlg, Qt::Key_Escape);
    if (maniere == 2) banc.dlg->close();
    EXPECT_TRUE(banc.ferme()) << maniere;
    EXPECT_TRUE(banc.recus.empty()) << maniere;
    EXPECT_FALSE(QFile::exists(banc.dossier.filePath(QStringLiteral("DebugKVR4.dat")))) << maniere;
  }
}

}  // namespace
