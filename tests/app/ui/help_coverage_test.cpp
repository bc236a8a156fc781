// The help names every menu command and every preference of the editor.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTemporaryDir>

#include "app/command_table.hpp"
#include "app/core/help_text.hpp"
#include "app/pref_dlg.hpp"
#include "pipeline/records.hpp"

TEST(AideComplete, NommeChaqueCommandeDesMenusEtChaquePreference) {
  const QString aide = QString::fromLatin1(quillomat::texteAide());
  const QString page = QString::fromLatin1(quillomat::pageAide());
  for (const auto& c : commandes::table()) {
    if (!c.texte || !*c.texte) continue;
    const QString nom = QString::fromUtf8(c.texte).section(u'\t', 0, 0).remove(u'&');
    EXPECT_TRUE(aide.contains(nom)) << nom.toStdString();
  }
  QTemporaryDir dossier;
  CPrefDlg boite(std::filesystem::path(dossier.path().toStdU16String()), [](const quillomat::SettingsRecord&) {});
  const auto cases = boite.findChildren<QCheckBox*>();
  EXPECT_EQ(cases.size(), 7);
  for (const QCheckBox* c : cases) EXPECT_TRUE(aide.contains(c->text().trimmed())) << c->text().toStdString();
  for (const char* mot : {"Type de script", "Inconnu", "Objet", "Quête", "Effet magique"})
    EXPECT_TRUE(aide.contains(QString::fromUtf8(mot))) << mot;
  // The page holds the same texts, escaped.
  EXPECT_TRUE(page.contains(QStringLiteral("Ne pas afficher les alertes")));
  EXPECT_TRUE(page.contains(QStringLiteral("Remettre par défaut")));
}
