// "Débuguer" end to end in a temporary working directory.
#include <gtest/gtest.h>

#include "bench.hpp"
#include "pipeline/records.hpp"

namespace {

const QString kRapport = QStringLiteral("Correction de ScriptVaelmoor.txt");
const QString kScript = QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to 1\nEnd");

}  // namespace

TEST(Debuguer, OuvreLeRapportEtLeRemplaceSansQuestionAuLancementSuivant) {
  Banc b;
  CChildFrame* script = b.app->enfantActif();
  b.vue().setPlainText(kScript);
  b.declencher(32771);
  // The work copy has CR LF line ends; the report opened in a new window, uncoloured afterwards.
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), QByteArray("ScriptName Essai\r\nshort a\r\nBegin GameMode\r\n\tset a to 1\r\nEnd"));
  ASSERT_EQ(b.fenetres(), 2);
  CQuillomatDoc* premier = b.app->rapportOuvert;
  ASSERT_TRUE(premier);
  EXPECT_EQ(b.app->documentActif(), premier);
  EXPECT_FALSE(premier->contientCode);
  EXPECT_EQ(premier->contenu().toLatin1(), b.lire(kRapport).replace("\r\n", "\n"));
  EXPECT_EQ(b.app->openViews(), QList<QPointer<CQuillomatView>>{&script->GetActiveView()});
  EXPECT_EQ(b.cadre().textePanneau(0), "Débuguage terminé.");
  EXPECT_FALSE(b.cadre().progressionAffichee());

  // The report itself cannot be checked.
  b.declencher(32771);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].titre, "Erreur");
  EXPECT_EQ(b.messages->messages[0].texte,
            "\tImpossible de débuguer cette fenêtre.\nIl s'agit d'un rapport d'erreur qui ne contient pas de code.");
  EXPECT_EQ(b.messages->messages[0].proprietaire, nullptr);
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");

  // The report edited, then a new check: the old report goes unasked, the
  // new window shows the report just written.
  b.vue().insertPlainText(QStringLiteral("ancienne note\n"));
  b.activer(script);
  b.vue().insertPlainText(QStringLiteral("; nouveau\n"));
  b.declencher(32771);
  EXPECT_TRUE(b.messages->questions.isEmpty());
  EXPECT_EQ(b.fenetres(), 2);
  ASSERT_TRUE(b.app->rapportOuvert);
  EXPECT_NE(b.app->rapportOuvert, premier);
  EXPECT_EQ(b.app->rapportOuvert->contenu().toLatin1(), b.lire(kRapport).replace("\r\n", "\n"));

  // Closed by hand: nothing stale is closed on the next run.
  b.app->enfantActif()->close();
  EXPECT_FALSE(b.app->rapportOuvert);
  b.activer(script);
  b.declencher(32771);
  EXPECT_EQ(b.fenetres(), 2);
}

TEST(Debuguer, SansAffichageDuRapportPuisSansFenetre) {
  Banc b([](const QDir& d) {
    quillomat::SettingsRecord r;
    r.showReport = 0;
    quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r);
  });
  b.declencher(32771);  // an empty document: an empty work copy
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), QByteArray());
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_TRUE(QFile::exists(b.chemin(kRapport)));
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].texte,
            "Un rapport d'erreur a ete créé dans le fichier \"Correction de ScriptVaelmoor.txt\"");
  EXPECT_EQ(b.messages->messages[0].proprietaire, &b.cadre());

  b.fermerTout();
  b.app->lancerVerification();
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");
  EXPECT_EQ(b.messages->messages.size(), 1u);
}

TEST(Debuguer, EchecsDitsEtDocumentsGardes) {
  const struct {
    const char* occupe;  // a directory where a work file must go
    QString script;
    const char* message;
    const char* etat;
  } cas[] = {
      {"", QStringLiteral("ScriptName Essai\nMessage \"5 €\""), "ligne 2", "Erreur - débuguage impossible."},
      {"DbTempKVR4/occupe", kScript, "Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests",
       "Débuguage terminé."},
      {"InfTempKVR4/occupe", kScript,
       "Impossible d'ouvrir le fichier \"InfTempKVR4\" depuis le fichier source \"MainTriInfo\".",
       "Erreur - débuguage impossible."},
  };
  for (const auto& c : cas) {
    Banc b([&](const QDir& d) {
      if (*c.occupe) d.mkpath(c.occupe);
    });
    b.vue().setPlainText(c.script);
    b.declencher(32771);
    ASSERT_EQ(b.messages->messages.size(), 1u) << c.message;
    EXPECT_TRUE(b.messages->messages[0].texte.contains(QString::fromUtf8(c.message))) << b.messages->messages[0].texte;
    EXPECT_EQ(b.cadre().textePanneau(0), QString::fromUtf8(c.etat));
    EXPECT_FALSE(b.cadre().progressionAffichee());
    EXPECT_EQ(b.fenetres(), 1);
    EXPECT_EQ(b.vue().toPlainText(), c.script);
  }
}
