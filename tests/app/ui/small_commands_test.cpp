// Help, web site, contact, clean-up, defaults, About: what they open and say.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QUrlQuery>

#include "app/core/small_commands.hpp"
#include "app/find_dlg.hpp"
#include "bench.hpp"
#include "pipeline/records.hpp"

TEST(PetitesCommandes, AideCherchePageHtmlPuisTexteSinonLeDit) {
  Banc b;
  b.declencher(32775);
  EXPECT_TRUE(b.ouvreur->ouverts.isEmpty());
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].texte,
            "  Impossible de trouver le fichier \"AideDebug.htm\" ou \"AideDebug.txt\" dans le répertoire courant.");
  EXPECT_EQ(b.messages->messages[0].titre, "Quillomat");
  EXPECT_EQ(b.messages->messages[0].icone, Icone::Information);
  EXPECT_EQ(b.messages->messages[0].proprietaire, &b.cadre());

  b.ecrire("AideDebug.txt", "aide");
  b.declencher(32785);
  ASSERT_EQ(b.ouvreur->ouverts.size(), 1);
  EXPECT_EQ(b.ouvreur->ouverts[0], QUrl::fromLocalFile(b.chemin("AideDebug.txt")));

  // Beside the program when the current directory has none.
  b.dossier().mkdir("programme");
  b.ecrire("programme/AideDebug.htm", "<p>aide</p>");
  QFile::remove(b.chemin("AideDebug.txt"));
  b.declencher(32775);
  ASSERT_EQ(b.ouvreur->ouverts.size(), 2);
  EXPECT_EQ(b.ouvreur->ouverts[1], QUrl::fromLocalFile(b.chemin("programme/AideDebug.htm")));
  EXPECT_EQ(b.messages->messages.size(), 1u);
}

TEST(PetitesCommandes, SiteEtContact) {
  Banc b;
  b.declencher(32776);
  b.declencher(32778);
  ASSERT_EQ(b.ouvreur->ouverts.size(), 2);
  EXPECT_EQ(b.ouvreur->ouverts[0].path(), "/index.php");
  EXPECT_EQ(b.ouvreur->ouverts[1].scheme(), "mailto");
  EXPECT_TRUE(b.messages->messages.empty());

  b.ouvreur->reussite = false;
  b.declencher(32776);
  b.declencher(32778);
  ASSERT_EQ(b.messages->messages.size(), 2u);
  EXPECT_EQ(b.messages->messages[0].titre, "Quillomat - Erreur");
  EXPECT_EQ(b.messages->messages[0].texte,
            "Vous pouvez aller à l'adresse suivante : " + b.ouvreur->ouverts[0].toString());
  EXPECT_EQ(b.messages->messages[1].titre, "Quillomat");
  EXPECT_EQ(b.messages->messages[1].texte, "Vous pouvez écrire à l'adresse suivante:  " +
                                               b.ouvreur->ouverts[1].path() + "\r\n" + QString(42, u' ') +
                                               "Merci !");
}

TEST(PetitesCommandes, NettoyerEtRemettreParDefaut) {
  Banc b;
  const QStringList travail = {"ScriptVaelmoor.txt", "DbPlatform.dat", "DebugKVR4.dat", "DbTempKVR4",
                               "InfTempKVR4",        "InfTempKVR4.2",  "InfTempKVR4.3"};
  for (const QString& f : travail) b.ecrire(f, "x");
  b.ecrire("Correction de ScriptVaelmoor.txt", "rapport");
  b.declencher(32783);
  for (const QString& f : travail) EXPECT_FALSE(QFile::exists(b.chemin(f))) << f.toStdString();
  EXPECT_TRUE(QFile::exists(b.chemin("Correction de ScriptVaelmoor.txt")));
  b.declencher(32783);  // nothing left to delete: still said
  ASSERT_EQ(b.messages->messages.size(), 2u);
  EXPECT_EQ(b.messages->messages[1].texte, "Les fichiers temporaires ont été effacés.");
  EXPECT_EQ(b.messages->messages[1].proprietaire, nullptr);

  b.app->m_bColouring = false;
  b.declencher(32784);
  const QByteArray reglages = b.lire("DebugKVR4.dat");
  EXPECT_EQ(quillomat::decoderSettings(std::string_view(reglages.constData(), reglages.size())),
            quillomat::SettingsRecord{});
  EXPECT_EQ(reglages.size(), 32);
  EXPECT_FALSE(b.app->m_bColouring);  // until the next start
  EXPECT_EQ(b.messages->messages.back().texte, "Les variables ont été remises par défaut.");
  EXPECT_EQ(b.messages->messages.back().icone, Icone::Information);
}

TEST(PetitesCommandes, DrapeauxLusAuDemarrageEtAPropos) {
  Banc b([](const QDir& d) {
    quillomat::SettingsRecord r;
    r.noFormatHelp = 1;
    r.noColouring = 1;
    r.autoSpacing = 0;
    quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r);
  });
  EXPECT_FALSE(b.app->m_bFormatHelp);
  EXPECT_FALSE(b.app->m_bColouring);
  EXPECT_FALSE(b.app->m_bFixSpacing);

  QStringList textes;
  QStringList coupes;
  b.messages->surDialogue = [&](QDialog& d) {
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    for (QLabel* l : d.findChildren<QLabel*>()) {
      textes.append(l->text());
      // Every line of every text is shown whole.
      const QRect place = l->contentsRect();
      const QSize voulu = l->wordWrap() ? QSize(place.width(), l->heightForWidth(place.width())) : l->sizeHint();
      if (place.height() < voulu.height() || (!l->wordWrap() && place.width() < voulu.width())) coupes.append(l->text());
    }
  };
  b.declencher(57664);
  EXPECT_EQ(b.messages->dialogues, QStringList({"À propos de Quillomat"}));
  EXPECT_TRUE(textes.contains("Version : 3.02"));
  EXPECT_EQ(coupes, QStringList());
  EXPECT_TRUE(std::any_of(textes.begin(), textes.end(), [](const QString& t) { return t.startsWith("Date de sortie : "); }));
}

TEST(PetitesCommandes, EnvoyerRechercherRemplacer) {
  Banc b;
  b.vue().setPlainText("set a to 1\nset b to a");
  b.declencher(57612);
  ASSERT_EQ(b.ouvreur->ouverts.size(), 1);
  const QUrl courrier = b.ouvreur->ouverts[0];
  EXPECT_EQ(courrier.scheme(), "mailto");
  EXPECT_EQ(QUrlQuery(courrier).queryItemValue("subject"), "Quillomat1");
  EXPECT_EQ(QUrlQuery(courrier).queryItemValue("body", QUrl::FullyDecoded), "set a to 1\nset b to a");

  b.declencher(57641);
  auto* boite = b.cadre().findChild<CFindDlg*>();
  ASSERT_NE(boite, nullptr);
  boite->champRecherche()->setText("SET");
  boite->champRemplacement()->setText("Set");
  EXPECT_EQ(boite->remplacerTout(), 2);
  EXPECT_EQ(b.app->documentActif()->contenu(), "Set a to 1\nSet b to a");
  EXPECT_EQ(b.messages->messages.back().texte, "2 remplacement(s) effectué(s).");
  boite->champRecherche()->setText("absent");
  b.declencher(57640);  // F3 repeats the search
  EXPECT_EQ(b.messages->messages.back().texte, "Impossible de trouver « absent ».");
  boite->champRecherche()->setText("b");
  b.vue().setSelection(0, 0);
  b.declencher(57640);
  EXPECT_EQ(b.vue().textCursor().selectedText(), "b");
}
