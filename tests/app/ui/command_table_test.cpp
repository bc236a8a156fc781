// The command table as the windows show it: the two menus, enabled states,
// accelerators (the usual Linux ones added to the table's), the recent files.
#include <gtest/gtest.h>

#include <QMenu>

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
                     "Remettre par défaut | Vérifier pendant la frappe");
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
  for (int i = 1; i <= 5; ++i) b.ecrire(QString("s%1.txt").arg(i), "x");
  for (int i = 1; i <= 5; ++i) b.app->OpenDocumentFile(b.chemin(QString("s%1.txt").arg(i)));
  const QStringList recents = b.app->fichiersRecents();
  ASSERT_EQ(recents.size(), 4);
  EXPECT_TRUE(recents.first().endsWith("s5.txt"));
  EXPECT_TRUE(recents.last().endsWith("s2.txt"));
  EXPECT_TRUE(b.cadre().action(57619)->text().startsWith("&4 "));
}
