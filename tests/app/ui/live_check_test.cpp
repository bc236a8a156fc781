// The check while typing in the editor: the same findings as "Débuguer",
// underlines, tooltips, panel, counts, gutter, the switches, and the checks
// that must never be shown.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>

#include "app/findings_panel.hpp"
#include "app/line_gutter.hpp"
#include "app/live_check.hpp"
#include "app/report_findings.hpp"
#include "app/view_findings.hpp"
#include "live_check_support.hpp"
#include "pipeline/records.hpp"
#include "pipeline/text_mode.hpp"
#include "script_generator.hpp"

using namespace constats_test;

namespace {

void reglages(const QDir& d, const quillomat::SettingsRecord& r) {
  quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r);
}

// The report "Débuguer" writes for the active script, as the panel lists findings.
QList<Rangee> constatsDeDebuguer(Banc& b) {
  b.declencher(32771);
  const QByteArray rapport = b.lire(QStringLiteral("Correction de ScriptVaelmoor.txt"));
  QList<Rangee> rangees;
  for (const auto& [ligne, texte] :
       quillomat::test::constatsDuRapport(quillomat::versModeTexteLecture(rapport.toStdString()))) {
    rangees.append({ligne, QString(), QString::fromLatin1(texte.data(), static_cast<qsizetype>(texte.size()))});
  }
  return rangees;
}

}  // namespace

TEST(VerificationEnDirect, MemesConstatsQueDebuguer) {
  QFile exemple(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"));
  ASSERT_TRUE(exemple.open(QIODevice::ReadOnly));
  const std::pair<const char*, QByteArray> scripts[] = {
      {"exemple.txt", exemple.readAll()},
      {"typique.txt", QByteArray::fromStdString(quillomat::bench::scriptTypique())},
      {"stress.txt", QByteArray::fromStdString(quillomat::bench::scriptStress(700))},
  };
  // Débuguer corrects the spacing first when asked: not here, so that both check the same text.
  for (const quillomat::SettingsRecord& r : {quillomat::SettingsRecord{1, 1, 0, 0, 0, 0, 0, 0},
                                             quillomat::SettingsRecord{1, 0, 1, 2, 1, 0, 0, 0}}) {
    Banc b([&](const QDir& d) { reglages(d, r); });
    for (const auto& [nom, octets] : scripts) {
      ouvrir(b, nom, octets);
      ASSERT_TRUE(verifie(b)) << nom;
      QList<Rangee> affichees = rangees(b);
      ASSERT_FALSE(affichees.isEmpty()) << nom;
      for (Rangee& rangee : affichees) rangee.nature.clear();  // the report has no column for it
      EXPECT_EQ(affichees, constatsDeDebuguer(b)) << nom;
    }
  }
}

TEST(VerificationEnDirect, SoulignementsInfobullesPanneauEtComptes) {
  Banc b;
  ouvrir(b, "essai.txt", kScript);
  const QStringList avant = b.dossier().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();

  // Under the code, not the indentation nor the comment; red for an error, orange for an alert.
  EXPECT_EQ(soulignements(v), (std::vector<Soulignement>{{5, 1, 7, true}, {6, 1, 10, false}}));
  EXPECT_EQ(rangees(b), (QList<Rangee>{
                            {5, "erreur", "impossible de détecter la syntaxe !"},
                            {6, "alerte", kTabulation},
                            {0, "alerte", kUnderscore},
                        }));
  QLabel& comptes = controle(b).comptes();
  EXPECT_FALSE(comptes.isHidden());
  EXPECT_EQ(comptes.text(), "1 erreur, 2 alertes, dont 1 sur tout le script");
  EXPECT_EQ(comptes.toolTip(), kUnderscore);

  const CConstatsVue& s = *suivi(b);
  EXPECT_EQ(s.messagesEn(pointDeLigne(v, 5)), "impossible de détecter la syntaxe !");
  EXPECT_EQ(s.messagesEn(pointDeLigne(v, 6)), kTabulation);
  EXPECT_EQ(s.messagesEn(pointDeLigne(v, 7)), "");
  EXPECT_EQ(s.messagesEn(QPoint(5, v.viewport()->height() - 2)), "");  // below the last line

  // A dot in the gutter, the text moved right to make room for it.
  ASSERT_NE(s.goutiere(), nullptr);
  EXPECT_FALSE(s.goutiere()->isHidden());
  EXPECT_GE(v.viewport()->x(), s.goutiere()->largeurVoulue());

  // Nothing in the text's history, nothing on disk.
  EXPECT_FALSE(v.document()->isModified());
  EXPECT_FALSE(v.document()->isUndoAvailable());
  EXPECT_EQ(b.dossier().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), avant);
}

// Until the next check, findings and underlines move with their lines; the
// check then finds them where they went.
TEST(VerificationEnDirect, LesConstatsSuiventLeursLignes) {
  struct Cas {
    const char* quoi;
    int ligne, colonne, otes;  // where the edit goes: 1-based line, 0-based column; characters removed
    const char* ajoute;
    std::vector<int> lignes;  // of the two findings on lines 5 and 6
  };
  const Cas cas[] = {
      {"caractère tapé dans un commentaire", 7, 22, 0, "x", {5, 6}},
      {"Entrée au début de la ligne 5", 5, 0, 0, "\n", {6, 7}},
      {"Entrée à la fin de la ligne 5", 5, 22, 0, "\n", {5, 7}},
      {"deux lignes collées au début de la ligne 5", 5, 0, 0, "\tset a to 2\n\tset a to 3\n", {7, 8}},
      {"ligne 5 supprimée", 5, 0, 23, "", {5}},
      {"lignes 5 et 6 jointes à la 4", 4, 14, 42, "", {}},
  };
  for (const Cas& c : cas) {
    Banc b;
    ouvrir(b, "essai.txt", kScript);
    ASSERT_TRUE(verifie(b));
    QTextCursor curseur(b.vue().document()->findBlockByNumber(c.ligne - 1));
    curseur.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, c.colonne);
    curseur.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, c.otes);
    curseur.insertText(QString::fromUtf8(c.ajoute));
    EXPECT_EQ(lignesSignalees(b), c.lignes) << c.quoi;
    EXPECT_EQ(lignesSoulignees(b.vue()), c.lignes) << c.quoi;
    ASSERT_TRUE(verifie(b));
    EXPECT_EQ(lignesSignalees(b), c.lignes) << c.quoi << " (vérifié)";
  }
}

TEST(VerificationEnDirect, UneVerificationDUnTexteAncienNEstPasAffichee) {
  Banc b;
  ouvrir(b, "essai.txt", kScript);
  ASSERT_TRUE(verifie(b));
  QSignalSpy affichees(&controle(b), &CVerificationContinue::constatsAffiches);
  QTextCursor curseur(b.vue().document()->findBlockByNumber(6));
  curseur.insertText(QStringLiteral("\tbaz\n"));
  controle(b).verifierMaintenant();  // runs on the worker thread...
  curseur.insertText(QStringLiteral("\tqux\n"));  // ...while the text changes again
  ASSERT_TRUE(affichees.wait(3000));
  QTest::qWait(CVerificationContinue::kPauseMs + 100);
  EXPECT_EQ(affichees.count(), 1);  // the first check ended on an older text: dropped, never shown
  EXPECT_EQ(lignesSignalees(b), (std::vector<int>{5, 6, 7, 8}));
}

TEST(VerificationEnDirect, InterrupteursGardesDansLeProfil) {
  Banc b;
  ouvrir(b, "essai.txt", kScript);
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();
  CGoutiere& goutiere = *suivi(b)->goutiere();
  CVerificationContinue& c = controle(b);
  const auto profil = [&](const char* cle) { return b.app->profil().value(QStringLiteral("Constats/") + cle); };

  b.declencher(CVerificationContinue::kCommandeNumeros);
  EXPECT_TRUE(goutiere.isHidden());
  EXPECT_EQ(v.viewport()->x(), v.contentsRect().left());
  EXPECT_EQ(profil("NumerosDeLigne"), false);
  b.declencher(CVerificationContinue::kCommandeNumeros);
  EXPECT_FALSE(goutiere.isHidden());
  EXPECT_GT(v.viewport()->x(), v.contentsRect().left());

  b.declencher(CVerificationContinue::kCommandeConstats);
  EXPECT_TRUE(c.panneau().isHidden());
  EXPECT_EQ(profil("Panneau"), false);
  b.declencher(CVerificationContinue::kCommandeConstats);
  EXPECT_FALSE(c.panneau().isHidden());

  // Off: nothing shown, nothing checked however the text changes.
  b.declencher(CVerificationContinue::kCommandeVerifier);
  EXPECT_EQ(profil("VerifierPendantLaFrappe"), false);
  EXPECT_TRUE(v.extraSelections().isEmpty());
  EXPECT_TRUE(rangees(b).isEmpty());
  EXPECT_TRUE(c.comptes().isHidden());
  QSignalSpy affichees(&c, &CVerificationContinue::constatsAffiches);
  v.textCursor().insertText(QStringLiteral("faute\n"));
  QTest::qWait(CVerificationContinue::kPauseMs + 200);
  EXPECT_EQ(affichees.count(), 0);
  EXPECT_TRUE(suivi(b)->constats().constats().empty());
  // On again: the script is checked at once.
  b.declencher(CVerificationContinue::kCommandeVerifier);
  ASSERT_TRUE(affichees.wait(3000));
  EXPECT_EQ(lignesSignalees(b), (std::vector<int>{1, 6, 7}));

  // The next start follows the profile.
  b.declencher(CVerificationContinue::kCommandeVerifier);
  b.declencher(CVerificationContinue::kCommandeNumeros);
  b.declencher(CVerificationContinue::kCommandeConstats);
  b.app->profil().sync();
  Banc suivant([&](const QDir& d) {
    QFile::copy(b.chemin(QStringLiteral("profil.ini")), d.filePath(QStringLiteral("profil.ini")));
  });
  ouvrir(suivant, "essai.txt", kScript);
  QTest::qWait(CVerificationContinue::kPauseMs + 200);
  for (int id : {CVerificationContinue::kCommandeVerifier, CVerificationContinue::kCommandeNumeros,
                 CVerificationContinue::kCommandeConstats}) {
    EXPECT_FALSE(suivant.cadre().action(id)->isChecked()) << id;
  }
  EXPECT_TRUE(suivi(suivant)->goutiere()->isHidden());
  EXPECT_TRUE(controle(suivant).panneau().isHidden());
  EXPECT_TRUE(suivi(suivant)->constats().constats().empty());
}

TEST(VerificationEnDirect, RapportsTexteHorsLatin1EtNouveauxReglages) {
  Banc b([](const QDir& d) { reglages(d, {1, 1, 0, 0, 0, 0, 0, 0}); });
  ouvrir(b, "essai.txt", kScript);
  ASSERT_TRUE(verifie(b));

  // A report window is never checked.
  b.declencher(32771);
  ASSERT_EQ(b.app->documentActif(), b.app->rapportOuvert);
  QTest::qWait(50);
  EXPECT_EQ(suivi(b), nullptr);
  EXPECT_TRUE(b.vue().extraSelections().isEmpty());
  EXPECT_TRUE(rangees(b).isEmpty());
  EXPECT_TRUE(controle(b).comptes().isHidden());

  // A character Latin-1 cannot hold: a finding of its own, nothing checked.
  ouvrir(b, "euro.txt", "scn Prix\r\nshort a\r\nbegin GameMode\r\n\tfoo\r\nend\r\n");
  ASSERT_TRUE(verifie(b));
  QTextCursor curseur(b.vue().document()->findBlockByNumber(1));
  curseur.movePosition(QTextCursor::EndOfBlock);
  curseur.insertText(QStringLiteral(" ; 5 €"));
  ASSERT_TRUE(verifie(b));
  EXPECT_EQ(rangees(b), (QList<Rangee>{{2, "erreur",
                                        "le caractère de la colonne 13 n'existe pas en Latin-1 : le script ne sera "
                                        "vérifié qu'une fois ce caractère remplacé."}}));

  // New settings: checked again with them.
  ouvrir(b, "essai.txt", kScript);
  ASSERT_TRUE(verifie(b));
  ASSERT_EQ(rangees(b).size(), 3);
  const quillomat::SettingsRecord sansAlertes{1, 1, 1, 0, 0, 0, 0, 0};
  reglages(b.dossier(), sansAlertes);
  b.app->appliquerReglages(sansAlertes);
  ASSERT_TRUE(verifie(b));
  EXPECT_EQ(rangees(b), (QList<Rangee>{{5, "erreur", "impossible de détecter la syntaxe !"}}));
}
