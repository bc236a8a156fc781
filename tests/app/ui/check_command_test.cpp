// "Débuguer" end to end in a temporary working directory.
#include <gtest/gtest.h>

#include <QTest>

#include "bench.hpp"
#include "pipeline/records.hpp"

namespace {

const QString kRapport = QStringLiteral("Correction de ScriptVaelmoor.txt");
const QString kScript = QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to 1\nEnd");

}  // namespace

TEST(Debuguer, OuvreLeRapportMarqueEtLeRemplaceAuLancementSuivant) {
  Banc b;
  CChildFrame* script = b.app->enfantActif();
  b.vue().setPlainText(kScript);
  b.declencher(32771);

  // The work copy has CR LF line ends; the report opened in a new window.
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), QByteArray("ScriptName Essai\r\nshort a\r\nBegin GameMode\r\n\tset a to 1\r\nEnd"));
  ASSERT_EQ(b.fenetres(), 2);
  ASSERT_TRUE(b.app->rapportOuvert);
  CQuillomatDoc* premier = b.app->rapportOuvert;
  EXPECT_FALSE(premier->contientCode);
  EXPECT_TRUE(script->GetActiveDocument().contientCode);
  EXPECT_EQ(b.app->documentActif(), premier);
  EXPECT_EQ(premier->nom(), kRapport);
  EXPECT_EQ(premier->contenu().toLatin1(), b.lire(kRapport).replace("\r\n", "\n"));
  EXPECT_EQ(b.app->openViews().size(), 1);  // the report's view is not coloured
  EXPECT_EQ(b.app->openViews().first(), &script->GetActiveView());
  EXPECT_EQ(b.cadre().textePanneau(0), "Débuguage terminé.");
  EXPECT_FALSE(b.cadre().progressionAffichee());
  EXPECT_TRUE(b.messages->messages.empty());

  // The report itself cannot be checked.
  b.declencher(32771);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  const Message& refus = b.messages->messages.front();
  EXPECT_EQ(refus.titre, "Erreur");
  EXPECT_EQ(refus.texte, "\tImpossible de débuguer cette fenêtre.\nIl s'agit d'un rapport d'erreur qui ne contient pas de code.");
  EXPECT_EQ(refus.icone, Icone::Information);
  EXPECT_EQ(refus.proprietaire, nullptr);
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");

  // Next run from the script, the report edited meanwhile: the old report
  // closes unasked, a new one shows the report just written.
  b.vue().insertPlainText(QStringLiteral("ancienne note\n"));
  b.activer(script);
  b.vue().insertPlainText(QStringLiteral("; nouveau\n"));
  b.declencher(32771);
  EXPECT_TRUE(b.messages->questions.isEmpty());
  EXPECT_EQ(b.fenetres(), 2);
  ASSERT_TRUE(b.app->rapportOuvert);
  EXPECT_NE(b.app->rapportOuvert, premier);
  EXPECT_FALSE(b.app->rapportOuvert->contientCode);
  EXPECT_EQ(b.app->rapportOuvert->contenu().toLatin1(), b.lire(kRapport).replace("\r\n", "\n"));
  EXPECT_FALSE(b.app->rapportOuvert->contenu().contains(QStringLiteral("ancienne note")));

  // Closed by hand: nothing stale is closed on the next run.
  b.app->enfantActif()->close();
  EXPECT_FALSE(b.app->rapportOuvert);
  b.activer(script);
  b.declencher(32771);
  EXPECT_EQ(b.fenetres(), 2);
}

TEST(Debuguer, CtrlDAuClavierEtDocumentVide) {
  Banc b;
  b.cadre().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&b.cadre()));
  b.vue().setFocus();
  QTest::keyClick(&b.vue(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), QByteArray());
  EXPECT_EQ(b.fenetres(), 2);
  ASSERT_TRUE(b.app->rapportOuvert);
}

TEST(Debuguer, SansFenetreOuSansAffichageDuRapport) {
  Banc b([](const QDir& d) {
    quillomat::SettingsRecord r;
    r.showReport = 0;
    quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r);
  });
  b.vue().setPlainText(kScript);
  b.declencher(32771);
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_TRUE(QFile::exists(b.chemin(kRapport)));
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].titre, "Quillomat");
  EXPECT_EQ(b.messages->messages[0].texte,
            "Un rapport d'erreur a ete créé dans le fichier \"Correction de ScriptVaelmoor.txt\"");
  EXPECT_EQ(b.messages->messages[0].proprietaire, &b.cadre());

  b.fermerTout();
  b.app->lancerVerification();
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");
  EXPECT_EQ(b.messages->messages.size(), 1u);
}

TEST(Debuguer, CaractereHorsLatin1NommeAvantLaCopie) {
  Banc b;
  b.vue().setPlainText(QStringLiteral("ScriptName Essai\nMessage \"5 €\""));
  b.declencher(32771);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->messages[0].texte.contains("€"));
  EXPECT_TRUE(b.messages->messages[0].texte.contains("ligne 2"));
  EXPECT_FALSE(QFile::exists(b.chemin("ScriptVaelmoor.txt")));
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");
  EXPECT_FALSE(b.cadre().progressionAffichee());
}

TEST(Debuguer, CodeDuResultatDitSonMessage) {
  // A directory where a work file must go: the check cannot open it.
  Banc b([](const QDir& d) { d.mkpath("DbTempKVR4/occupe"); });
  b.vue().setPlainText(kScript);
  b.declencher(32771);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].texte, "Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests");
  EXPECT_EQ(b.messages->messages[0].titre, "Quillomat");
  EXPECT_EQ(b.cadre().textePanneau(0), "Débuguage terminé.");
  EXPECT_EQ(b.fenetres(), 1);
}

TEST(Debuguer, ArretFatalGardeLesDocuments) {
  // The identifier work file cannot be opened: the checker's fatal stop. The
  // editor shows its message and keeps running with every document.
  Banc b([](const QDir& d) { d.mkpath("InfTempKVR4/occupe"); });
  b.vue().setPlainText(kScript);
  b.app->OnFileNew();
  b.vue().setPlainText(QStringLiteral("short b\n"));
  b.declencher(32771);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].texte,
            "Impossible d'ouvrir le fichier \"InfTempKVR4\" depuis le fichier source \"MainTriInfo\".");
  EXPECT_EQ(b.fenetres(), 2);
  EXPECT_FALSE(b.app->rapportOuvert);
  EXPECT_EQ(b.vue().toPlainText(), QStringLiteral("short b\n"));
  EXPECT_FALSE(b.cadre().progressionAffichee());
}
