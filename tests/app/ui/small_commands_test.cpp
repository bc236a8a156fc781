// Go to line, help, web site, contact, clean-up, defaults, About, send, find
// and replace: what they open, write and say; the help names every command and
// preference. (Go to line by Enter or a click on a real display: desktop_x11_test.cpp.)
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QUrlQuery>

#include "app/command_table.hpp"
#include "app/core/help_text.hpp"
#include "app/find_dlg.hpp"
#include "app/go_to_line_dlg.hpp"
#include "app/help_window.hpp"
#include "app/pref_dlg.hpp"
#include "bench.hpp"
#include "pipeline/records.hpp"

TEST(PetitesCommandes, AllerALaFinDeLaLigneTapeeSinonLeCurseurReste) {
  Banc b;
  b.vue().setPlainText("premiere\ndeuxieme\ntroisieme");
  // A line past the end: the caret stays and the status bar says why, until the next command.
  const std::tuple<const char*, int, QString> cas[] = {
      {"999", 5, "Le script n'a pas de ligne 999 : il en a 3."},
      {"3", 27, "Prêt"},
      {"0", 5, "Le script n'a pas de ligne 0 : il en a 3."},
  };
  for (const auto& [saisie, position, message] : cas) {
    b.vue().setSelection(5, 5);
    b.declencher(32787);
    ASSERT_TRUE(b.app->m_pGoToLineDlg);
    b.app->m_pGoToLineDlg->champ()->setText(saisie);
    b.app->m_pGoToLineDlg->OnOK();
    EXPECT_EQ(std::pair(b.vue().debutSelection(), b.vue().finSelection()), std::pair(position, position)) << saisie;
    EXPECT_FALSE(b.app->m_bGoToLineOpen);
    EXPECT_EQ(b.cadre().textePanneau(0), message) << saisie;
  }
  // Digits only; Escape closes and the caret stays.
  b.declencher(32787);
  QTest::keyClicks(b.app->m_pGoToLineDlg->champ(), "-2a");
  EXPECT_EQ(b.app->m_pGoToLineDlg->champ()->text(), "2");
  b.app->m_pGoToLineDlg->reject();
  EXPECT_EQ(b.vue().debutSelection(), 5);
  EXPECT_FALSE(b.app->m_pGoToLineDlg);
}

TEST(PetitesCommandes, AideParLeBureauSinonDansUneFenetreSinonLeDit) {
  const struct {
    const char* fichier;  // written in the working directory, or beside the program ("programme/...")
    QByteArray contenu;
    bool bureauSait;      // the desktop has a program for it
    const char* montre;   // what the editor's help window shows, "" for no window
  } cas[] = {
      {"", "", true, ""},
      {"programme/AideDebug.htm", "<p>aide</p>", true, ""},
      {"programme/AideDebug.htm",
       "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"></head>"
       "<body><h1>D\xE9" "buguer</h1></body></html>",
       false, "Débuguer"},
      {"AideDebug.txt", "Aide du d\xE9" "buguage", false, "Aide du débuguage"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.fichier);
    Banc b;
    b.dossier().mkdir(QStringLiteral("programme"));
    if (*c.fichier) b.ecrire(c.fichier, c.contenu);
    b.ouvreur->reussite = c.bureauSait;
    b.declencher(32775);
    b.declencher(32785);  // the tool bar's, a second time: still one window
    EXPECT_EQ(b.ouvreur->ouverts.value(1), *c.fichier ? QUrl::fromLocalFile(b.chemin(c.fichier)) : QUrl());
    const auto fenetres = b.cadre().findChildren<CFenetreAide*>();
    ASSERT_EQ(fenetres.size(), *c.montre ? 1 : 0);
    for (const CFenetreAide* f : fenetres) EXPECT_TRUE(f->texte()->toPlainText().contains(QString::fromUtf8(c.montre)));
    ASSERT_EQ(b.messages->messages.size(), *c.fichier ? 0u : 2u);
    if (!*c.fichier) {
      EXPECT_EQ(b.messages->messages[0].texte, "  Impossible de trouver le fichier \"AideDebug.htm\" ou "
                                               "\"AideDebug.txt\" dans le répertoire courant.");
      EXPECT_EQ(b.messages->messages[0].proprietaire, &b.cadre());
    }
  }
  QString erreur;
  EXPECT_FALSE(CFenetreAide::afficher(QStringLiteral("/absent/AideDebug.htm"), nullptr, &erreur));
  // The path as the system writes it: \absent\AideDebug.htm on Windows.
  EXPECT_TRUE(erreur.contains(QStringLiteral("\"%1\" n'a pas pu être lu")
                                  .arg(QDir::toNativeSeparators(QStringLiteral("/absent/AideDebug.htm")))))
      << erreur;
}

TEST(PetitesCommandes, AideCompleteNommeChaqueCommandeEtChaquePreference) {
  const QString aide = QString::fromLatin1(quillomat::texteAide());
  for (const auto& c : commandes::table()) {
    if (c.texte && *c.texte) {
      const QString nom = QString::fromUtf8(c.texte).section(u'\t', 0, 0).remove(u'&');
      EXPECT_TRUE(aide.contains(nom)) << nom;
    }
  }
  QTemporaryDir dossier;
  CPrefDlg boite(std::filesystem::path(dossier.path().toStdU16String()), [](const quillomat::SettingsRecord&) {});
  EXPECT_EQ(boite.findChildren<QCheckBox*>().size(), 7);
  for (const QCheckBox* c : boite.findChildren<QCheckBox*>()) EXPECT_TRUE(aide.contains(c->text().trimmed())) << c->text();
  for (const char* mot : {"Type de script", "Inconnu", "Objet", "Quête", "Effet magique"})
    EXPECT_TRUE(aide.contains(QString::fromUtf8(mot))) << mot;
  EXPECT_TRUE(QString::fromLatin1(quillomat::pageAide()).contains(QStringLiteral("Remettre par défaut")));
}

TEST(PetitesCommandes, SiteEtContactSinonLAdresseAEcrire) {
  Banc b;
  b.ouvreur->reussite = false;
  b.declencher(32776);
  b.declencher(32778);
  ASSERT_EQ(b.ouvreur->ouverts.size(), 2);
  EXPECT_EQ(b.ouvreur->ouverts[0].path(), "/index.php");
  EXPECT_EQ(b.ouvreur->ouverts[1].scheme(), "mailto");
  ASSERT_EQ(b.messages->messages.size(), 2u);
  EXPECT_EQ(b.messages->messages[0].titre, "Quillomat - Erreur");
  EXPECT_EQ(b.messages->messages[0].texte, "Vous pouvez aller à l'adresse suivante : " + b.ouvreur->ouverts[0].toString());
  EXPECT_EQ(b.messages->messages[1].texte, "Vous pouvez écrire à l'adresse suivante:  " + b.ouvreur->ouverts[1].path() +
                                               "\r\n" + QString(42, u' ') + "Merci !");
}

TEST(PetitesCommandes, DrapeauxDuDemarrageNettoyerDefautEtAProposLisibleEnEntier) {
  Banc b([](const QDir& d) {
    quillomat::SettingsRecord r;
    r.noFormatHelp = r.noColouring = 1;
    r.autoSpacing = 0;
    quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r);
  });
  EXPECT_FALSE(b.app->m_bFormatHelp || b.app->m_bColouring || b.app->m_bFixSpacing);
  b.declencher(32783);
  b.declencher(32784);
  ASSERT_EQ(b.messages->messages.size(), 2u);
  EXPECT_EQ(b.messages->messages[0].texte, "Les fichiers temporaires ont été effacés.");
  EXPECT_EQ(b.messages->messages[1].texte, "Les variables ont été remises par défaut.");
  EXPECT_EQ(b.messages->messages[1].proprietaire, nullptr);
  EXPECT_EQ(b.lire("DebugKVR4.dat").size(), 32);
  EXPECT_FALSE(b.app->m_bColouring);  // until the next start

  QStringList textes, coupes;
  b.messages->surDialogue = [&](QDialog& d) {
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    for (QLabel* l : d.findChildren<QLabel*>()) {
      textes.append(l->text());
      const QRect place = l->contentsRect();
      const QSize voulu = l->wordWrap() ? QSize(place.width(), l->heightForWidth(place.width())) : l->sizeHint();
      if (place.height() < voulu.height() || place.width() < voulu.width()) coupes.append(l->text());
    }
  };
  b.declencher(57664);
  EXPECT_EQ(b.messages->dialogues, QStringList({"À propos de Quillomat"}));
  EXPECT_TRUE(textes.contains("Version : 3.02"));
  EXPECT_EQ(coupes, QStringList());
}

TEST(PetitesCommandes, EnvoyerRechercherRemplacer) {
  Banc b;
  b.vue().setPlainText("set a to 1\nset b to a");
  b.declencher(57612);
  ASSERT_EQ(b.ouvreur->ouverts.size(), 1);
  EXPECT_EQ(QUrlQuery(b.ouvreur->ouverts[0]).queryItemValue("subject"), "Quillomat1");
  EXPECT_EQ(QUrlQuery(b.ouvreur->ouverts[0]).queryItemValue("body", QUrl::FullyDecoded), "set a to 1\nset b to a");

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
