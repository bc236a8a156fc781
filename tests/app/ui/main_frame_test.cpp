// The main window: the command table as the menus show it (enabled states,
// accelerators with the usual Linux ones added, recent files), the four status
// panes (caret line and column, idle text) and the progress bar.
#include <gtest/gtest.h>

#include <QMenu>
#include <QProgressBar>

#include "bench.hpp"

namespace {

// The menus shown, "Titre: item, item | item" each.
QStringList menus(const Banc& b) {
  QStringList t;
  for (QMenu* m : b.cadre().menusAffiches()) {
    QString ligne = m->title() + u':';
    for (QAction* a : m->actions()) ligne += a->isSeparator() ? QStringLiteral(" |") : u' ' + a->text().section(u'\t', 0, 0);
    t.append(ligne);
  }
  return t;
}

}  // namespace

TEST(TableDesCommandes, MenusEtEtatsSansPuisAvecDocument) {
  Banc b;
  b.fermerTout();
  b.cadre().mettreAJourCommandes();
  const QStringList sans = menus(b);
  ASSERT_EQ(sans.size(), 4);
  EXPECT_EQ(sans[1], "Débuguage: Débuguer | Préférences Mettre en forme | Statistiques du script Nettoyer l'espace "
                     "Remettre par défaut | Vérifier pendant la frappe "
                     "Syntaxe étendue de VLSE (let, tableaux, chaînes, boucles, fonctions)");
  for (int id : {32770, 32799, 32800, 32797, 32798, 32771, 57602}) EXPECT_FALSE(b.cadre().action(id)->isEnabled()) << id;
  for (int id : {32773, 32783, 32784, 57600, 57601, 57665, 32775}) EXPECT_TRUE(b.cadre().action(id)->isEnabled()) << id;

  b.declencher(57600);
  const QStringList avec = menus(b);
  ASSERT_EQ(avec.size(), 5);
  EXPECT_EQ(avec[1], "&Edition: &Annuler &Rétablir | &Couper C&opier Co&ller | Rechercher... Rechercher le suivant "
                     "Remplacer...");
  EXPECT_TRUE(avec[2].startsWith("Débuguage: Débuguer |"));
  for (int id : {32771, 32796, 32794, 57603, 32801, 32787, 57650}) EXPECT_TRUE(b.cadre().action(id)->isEnabled()) << id;
  // Undo, redo, cut and copy follow the text at once.
  for (int id : {57643, 57644, 57635, 57634}) EXPECT_FALSE(b.cadre().action(id)->isEnabled()) << id;
  b.vue().insertPlainText("abc");
  b.vue().selectAll();
  for (int id : {57643, 57635, 57634}) EXPECT_TRUE(b.cadre().action(id)->isEnabled()) << id;
  b.app->OnEditUndo();
  EXPECT_TRUE(b.cadre().action(57644)->isEnabled());
}

TEST(TableDesCommandes, RaccourcisLuEtFichiersRecents) {
  Banc b;
  // The table's accelerators as written, the usual ones after them.
  const std::pair<int, const char*> raccourcis[] = {
      {57643, "Ctrl+E, Alt+Backspace"}, {57634, "Ctrl+C, Ctrl+P, Ctrl+Ins"}, {57635, "Ctrl+X, Shift+Del"},
      {57644, "Ctrl+Y, Ctrl+Shift+Z"},  {57602, "Ctrl+W, Ctrl+F4"}};
  for (const auto& [id, touches] : raccourcis) {
    QStringList t;
    for (const QKeySequence& k : b.cadre().action(id)->shortcuts()) t << k.toString();
    EXPECT_EQ(t.join(", "), touches) << id;
  }
  for (int i = 1; i <= 5; ++i) b.ouvrir(QString("s%1.txt").arg(i), "x");
  const QStringList recents = b.app->fichiersRecents();
  ASSERT_EQ(recents.size(), 4);
  EXPECT_TRUE(recents.first().endsWith("s5.txt") && recents.last().endsWith("s2.txt"));
  EXPECT_TRUE(b.cadre().action(57619)->text().startsWith("&4 "));
}

TEST(BarreEtat, PositionDuCurseurDeLaFenetreActiveRapportComprisPuisPret) {
  Banc b;
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
  b.vue().setPlainText("ligne un\nligne deux\nabcdefgh\nx\ny\nz\nqwerty\n");
  b.vue().setSelection(9 + 11 + 4, 9 + 11 + 9 + 2 + 2 + 2 + 1);  // line 3 column 5 to line 7 column 2
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1) + ' ' + b.cadre().textePanneau(2), "Ln 3-7 Col 5-2");

  // The report's caret once it is active, not blanks nor the script's.
  CQuillomatView& script = b.vue();
  script.setPlainText("ScriptName Essai\nshort a");
  b.declencher(32771);
  ASSERT_EQ(b.app->documentActif(), b.app->rapportOuvert);
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1) + ' ' + b.cadre().textePanneau(2), "Ln 1 Col 1");
  b.app->vueActive()->setSelection(3, 3);
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1) + ' ' + b.cadre().textePanneau(2), "Ln 1 Col 4");
  b.activer(b.app->enfants().first());
  script.setSelection(17, 17);
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1) + ' ' + b.cadre().textePanneau(2), "Ln 2 Col 1");
  b.activer(b.app->enfants().last());
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1) + ' ' + b.cadre().textePanneau(2), "Ln 1 Col 4");
  b.fermerTout();
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
  EXPECT_EQ(b.cadre().textePanneau(2), "");
  b.cadre().SetPaneText(0, "autre");
  b.cadre().OnTimer();  // once only
  EXPECT_EQ(b.cadre().textePanneau(0), "autre");
}

TEST(BarreEtat, BarreDeProgressionUneSeuleALaFois) {
  Banc b;
  const int ligne = b.cadre().largeurPanneau(1), progression = b.cadre().largeurPanneau(3);
  EXPECT_GT(ligne, 3 * progression * 20);
  QProgressBar* barre = b.cadre().BeginProgress(41, "En cours");
  ASSERT_NE(barre, nullptr);
  EXPECT_EQ(barre->maximum(), 41);
  EXPECT_EQ(b.cadre().largeurPanneau(1), ligne / 10);
  EXPECT_EQ(b.cadre().largeurPanneau(3), progression * 450);
  EXPECT_EQ(b.cadre().BeginProgress(5, "Autre"), nullptr);
  EXPECT_EQ(b.cadre().textePanneau(0), "En cours");
  b.cadre().EndProgress();
  EXPECT_FALSE(b.cadre().progressionAffichee());
  EXPECT_EQ(std::pair(b.cadre().largeurPanneau(1), b.cadre().largeurPanneau(3)), std::pair(ligne, progression));
  b.cadre().EndProgress();  // harmless when none is shown
}
