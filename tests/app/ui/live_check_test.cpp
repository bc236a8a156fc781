// The check while typing in the editor: the findings of "Débuguer", where
// and how they are shown, the checks that must never be shown.
#include <gtest/gtest.h>

#include <algorithm>

#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>

#include "app/core/finding_line.hpp"
#include "app/extended_syntax.hpp"
#include "live_check_support.hpp"
#include "pipeline/memory_check.hpp"
#include "pipeline/records.hpp"
#include "pipeline/text_mode.hpp"
#include "script_generator.hpp"

using namespace constats_test;

namespace {

// The findings of the report "Débuguer" writes for the active script, as rows
// without their nature (the report has none). A finding begins with
// "    - "; the several-types one goes on over deeper lines.
QList<Rangee> constatsDeDebuguer(Banc& b) {
  b.declencher(32771);
  const std::string rapport =
      quillomat::versModeTexteLecture(b.lire(QStringLiteral("Correction de ScriptVaelmoor.txt")).toStdString());
  const std::string_view entete = " Liste des erreurs :\n---------------------\n";
  std::vector<std::string> constats;
  for (size_t p = rapport.find(entete) + entete.size(); p < rapport.size() && rapport[p] != '\n';) {
    const size_t fin = rapport.find('\n', p);
    const std::string ligne = rapport.substr(p, fin - p);
    if (ligne.starts_with("    - ")) constats.emplace_back();
    constats.back() += (constats.back().empty() ? "" : "\n") + ligne;
    p = fin + 1;
  }
  QList<Rangee> rangees;
  for (const std::string& c : constats)
    rangees.append({quillomat::ligneDuConstat(c).value_or(0), {}, QString::fromLatin1(quillomat::texteSurUneLigne(c))});
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
  // Without the spacing correction, which Débuguer would apply to the text first.
  for (const quillomat::SettingsRecord& r : {quillomat::SettingsRecord{1, 1, 0, 0, 0, 0, 0, 0},
                                             quillomat::SettingsRecord{1, 0, 1, 2, 1, 0, 0, 0}}) {
    Banc b(reglages(r));
    for (const auto& [nom, octets] : scripts) {
      b.ouvrir(nom, octets);
      ASSERT_TRUE(verifie(b)) << nom;
      QList<Rangee> affichees = rangees(b);
      ASSERT_FALSE(affichees.isEmpty()) << nom;
      for (Rangee& rangee : affichees) rangee.nature.clear();
      EXPECT_TRUE(affichees == constatsDeDebuguer(b)) << nom;
    }
  }
}

TEST(VerificationEnDirect, SoulignementsInfobullesPanneauEtComptes) {
  Banc b;
  b.ouvrir("essai.txt", kScript);
  const QStringList fichiers = b.dossier().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();

  // Under the code, not its indentation nor its comment; red for an error, orange for an alert.
  EXPECT_EQ(soulignements(v), (std::vector<Soulignement>{{5, 1, 7, true}, {6, 1, 10, false}}));
  EXPECT_EQ(rangees(b), (QList<Rangee>{{5, "erreur", kSyntaxe}, {6, "alerte", kTabulation}, {0, "alerte", kUnderscore}}));
  const QLabel& comptes = controle(b).comptes();
  EXPECT_TRUE(comptes.isVisible());
  EXPECT_EQ(comptes.text(), "1 erreur, 2 alertes, dont 1 sur tout le script");
  EXPECT_EQ(comptes.toolTip(), kUnderscore);
  const CConstatsVue& s = *suivi(b);
  EXPECT_EQ(s.messagesEn(pointDeLigne(v, 5)), kSyntaxe);
  EXPECT_EQ(s.messagesEn(QPoint(5, v.viewport()->height() - 2)), "");  // below the last line
  EXPECT_GE(v.viewport()->x(), s.goutiere()->largeurVoulue());         // room for the gutter

  // Nothing in the text's history, nothing on disk.
  EXPECT_FALSE(v.document()->isModified());
  EXPECT_FALSE(v.document()->isUndoAvailable());
  EXPECT_EQ(b.dossier().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), fichiers);
}

// Until the next check, findings and underlines move with their lines.
TEST(VerificationEnDirect, LesConstatsSuiventLeursLignes) {
  struct Cas {
    int ligne, colonne, otes;  // the edit: 1-based line, 0-based column, characters removed
    const char* ajoute;
    std::vector<int> lignes;  // of the findings of lines 5 and 6
  };
  const Cas cas[] = {
      {5, 0, 0, "\n", {6, 7}},
      {5, 22, 0, "\n", {5, 7}},
      {5, 0, 0, "\tset a to 2\n\tset a to 3\n", {7, 8}},
      {5, 0, 23, "", {5}},
      {4, 14, 42, "", {}},  // lines 5 and 6 joined to line 4
  };
  for (const Cas& c : cas) {
    Banc b;
    b.ouvrir("essai.txt", kScript);
    ASSERT_TRUE(verifie(b));
    QTextCursor curseur(b.vue().document()->findBlockByNumber(c.ligne - 1));
    curseur.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, c.colonne);
    curseur.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, c.otes);
    curseur.insertText(QString::fromUtf8(c.ajoute));
    std::vector<int> soulignees;
    for (const Soulignement& s : soulignements(b.vue())) soulignees.push_back(s.ligne);
    EXPECT_EQ(lignesSignalees(b), c.lignes) << c.ligne << " " << c.ajoute;
    EXPECT_EQ(soulignees, c.lignes) << c.ligne << " " << c.ajoute;
  }
}

TEST(VerificationEnDirect, UneVerificationDUnTexteAncienNEstPasAffichee) {
  Banc b;
  b.ouvrir("essai.txt", kScript);
  ASSERT_TRUE(verifie(b));
  QSignalSpy affichees(&controle(b), &CVerificationContinue::constatsAffiches);
  QTextCursor curseur(b.vue().document()->findBlockByNumber(6));
  curseur.insertText(QStringLiteral("\tbaz\n"));
  controle(b).verifierMaintenant();               // runs on the worker thread...
  curseur.insertText(QStringLiteral("\tqux\n"));  // ...while the text changes again
  ASSERT_TRUE(affichees.wait(3000));
  QTest::qWait(CVerificationContinue::kPauseMs + 100);
  EXPECT_EQ(affichees.count(), 1);  // the first check ended on an older text: never shown
  EXPECT_EQ(lignesSignalees(b), (std::vector<int>{5, 6, 7, 8}));
}

TEST(VerificationEnDirect, LesInterrupteursSontGardesDansLeProfil) {
  Banc b;
  const int ids[] = {CVerificationContinue::kCommandeVerifier, CVerificationContinue::kCommandeNumeros,
                     CVerificationContinue::kCommandeConstats};
  for (int id : ids) b.declencher(id);
  b.app->profil().sync();
  Banc suivant([&](const QDir& d) { QFile::copy(b.chemin("profil.ini"), d.filePath("profil.ini")); });
  suivant.ouvrir("essai.txt", kScript);
  QTest::qWait(CVerificationContinue::kPauseMs + 100);
  for (int id : ids) EXPECT_FALSE(suivant.cadre().action(id)->isChecked()) << id;
  EXPECT_TRUE(suivi(suivant)->goutiere()->isHidden());
  EXPECT_TRUE(controle(suivant).panneau().isHidden());
  EXPECT_TRUE(suivi(suivant)->constats().constats().empty());
}

TEST(VerificationEnDirect, RapportsTexteHorsLatin1EtNouveauxReglages) {
  Banc b(reglages({1, 1, 0, 0, 0, 0, 0, 0}));
  b.ouvrir("essai.txt", kScript);
  ASSERT_TRUE(verifie(b));

  // A report window is never checked; the panel keeps the script's findings.
  const QList<Rangee> duScript = rangees(b);
  b.declencher(32771);
  ASSERT_EQ(b.app->documentActif(), b.app->rapportOuvert);
  QTest::qWait(50);
  EXPECT_EQ(suivi(b), nullptr);
  EXPECT_TRUE(b.vue().extraSelections().isEmpty());
  EXPECT_EQ(rangees(b), duScript);
  EXPECT_FALSE(controle(b).comptes().isHidden());

  // A character Latin-1 cannot hold: a finding of its own, nothing checked.
  b.ouvrir("euro.txt", "scn Prix\r\nshort a\r\nbegin GameMode\r\n\tfoo\r\nend\r\n");
  ASSERT_TRUE(verifie(b));
  QTextCursor curseur(b.vue().document()->findBlockByNumber(1));
  curseur.movePosition(QTextCursor::EndOfBlock);
  curseur.insertText(QStringLiteral(" ; 5 €"));
  ASSERT_TRUE(verifie(b));
  EXPECT_EQ(rangees(b), (QList<Rangee>{{2, "erreur",
                                        "le caractère de la colonne 13 n'existe pas en Latin-1 : le script ne sera "
                                        "vérifié qu'une fois ce caractère remplacé."}}));

  // New settings: checked again with them.
  b.ouvrir("essai.txt", kScript);
  ASSERT_TRUE(verifie(b));
  ASSERT_EQ(rangees(b).size(), 3);
  const quillomat::SettingsRecord sansAlertes{1, 1, 1, 0, 0, 0, 0, 0};
  reglages(sansAlertes)(b.dossier());
  b.app->appliquerReglages(sansAlertes);
  ASSERT_TRUE(verifie(b));
  EXPECT_EQ(rangees(b), (QList<Rangee>{{5, "erreur", kSyntaxe}}));
}

// The menu of an underlined line writes the directive as one undo step; the
// settings file of the script's folder applies to the check while typing and
// to Débuguer.
TEST(VerificationEnDirect, IgnorerUnConstatEtFichierDeReglages) {
  Banc b;
  b.ouvrir("essai.txt", kScript);
  ASSERT_TRUE(verifie(b));
  CConstatsVue& s = *suivi(b);
  QMenu menu;
  s.ajouterActionsIgnorer(menu, 5);
  ASSERT_EQ(menu.actions().size(), 2);
  EXPECT_EQ(menu.actions()[0]->text(), "Ignorer QM126 sur cette ligne");
  EXPECT_EQ(menu.actions()[1]->text(), "Ignorer QM126 dans tout le script");
  menu.actions()[0]->trigger();
  EXPECT_EQ(b.vue().document()->findBlockByNumber(4).text(), "\tfoo bar ; commentaire ; quillomat: ignorer QM126");
  ASSERT_TRUE(verifie(b));
  EXPECT_EQ(rangees(b), (QList<Rangee>{{6, "alerte", kTabulation}, {0, "alerte", kUnderscore}}));
  b.vue().undo();
  EXPECT_EQ(b.vue().document()->findBlockByNumber(4).text(), "\tfoo bar ; commentaire");

  // A whole-script finding has only the whole-script action.
  ASSERT_TRUE(verifie(b));
  QMenu script;
  s.ajouterActionsIgnorer(script, 0);
  ASSERT_EQ(script.actions().size(), 1);
  script.actions()[0]->trigger();
  EXPECT_EQ(b.vue().document()->firstBlock().text(), "; quillomat: ignorer-fichier QM903");

  b.ecrire(".quillomat", "ignorer = QM126, QM120\nalertes = non\n");
  b.vue().undo();
  ASSERT_TRUE(verifie(b));
  EXPECT_TRUE(rangees(b).isEmpty());
  b.ecrire(".quillomat", "alertes = peut-etre\n");
  b.vue().insertPlainText(QStringLiteral(" "));
  ASSERT_TRUE(verifie(b));
  ASSERT_EQ(rangees(b).size(), 1);
  EXPECT_TRUE(rangees(b)[0].texte.contains(QStringLiteral("ligne 1 : valeur \"peut-etre\" incorrecte")));
}

TEST(VerificationEnDirect, SyntaxeEtendueDuMenuGardeeDansLeProfil) {
  const QByteArray script = "scn Essai\r\nshort a\r\nbegin GameMode\r\n\tlet a := 1\r\n\twhile a < 3\r\n\t\tlet a += 1\r\n"
                            "\tloop\r\nend\r\n";
  struct Cas {
    bool etendue;
    bool syntaxeInconnue;  // some line gets "impossible de détecter la syntaxe !"
    QString apresEntree;
  };
  for (const Cas& c : {Cas{false, true, "begin GameMode\n\twhile x\n\t"},
                       Cas{true, false, "begin GameMode\n\twhile x\n\t\t"}}) {
    Banc b;
    if (c.etendue) b.declencher(CSyntaxeEtendue::kCommande);
    b.redemarrer();
    EXPECT_EQ(b.cadre().action(CSyntaxeEtendue::kCommande)->isChecked(), c.etendue);
    b.ouvrir("etendu.txt", script);
    ASSERT_TRUE(verifie(b));
    const QList<Rangee> r = rangees(b);
    EXPECT_EQ(std::any_of(r.begin(), r.end(), [](const Rangee& x) { return x.texte == kSyntaxe; }), c.syntaxeInconnue)
        << c.etendue;

    CQuillomatView& v = b.vue();
    v.setPlainText(QStringLiteral("begin GameMode\n\twhile x"));
    v.moveCursor(QTextCursor::End);
    QTest::keyClick(&v, Qt::Key_Return);
    EXPECT_EQ(v.toPlainText(), c.apresEntree) << c.etendue;
  }
}
