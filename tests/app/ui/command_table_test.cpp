// The command table: menus with and without a document, accelerators,
// prompts, tool bar, enabled states.
#include <gtest/gtest.h>

#include <QMenu>
#include <QToolBar>

#include "app/command_table.hpp"
#include "bench.hpp"

namespace {

QStringList titres(const QList<QMenu*>& menus) {
  QStringList t;
  for (QMenu* m : menus) t.append(m->title());
  return t;
}

QMenu* menu(const Banc& b, const QString& titre) {
  for (QMenu* m : b.cadre().menusAffiches()) {
    if (m->title() == titre) return m;
  }
  return nullptr;
}

// Item texts with "|" for separators.
QStringList elements(QMenu* m) {
  QStringList t;
  for (QAction* a : m->actions()) t.append(a->isSeparator() ? QStringLiteral("|") : a->text());
  return t;
}

}  // namespace

TEST(TableDesCommandes, MenusSansDocument) {
  Banc b;
  b.fermerTout();
  b.cadre().mettreAJourCommandes();
  EXPECT_EQ(titres(b.cadre().menusAffiches()),
            QStringList({"&Fichier", "Débuguage", "&Affichage", "&Aide"}));
  EXPECT_EQ(elements(menu(b, "Débuguage")),
            QStringList({"Débuguer", "|", "Préférences", "Mettre en forme", "|", "Statistiques du script",
                         "Nettoyer l'espace", "Remettre par défaut"}));
  EXPECT_EQ(elements(menu(b, "&Aide")),
            QStringList({"Aide", "|", "Le site Lunebrac", "Me contacter", "|", "&À propos de Quillomat..."}));
  for (int id : {32770, 32799, 32800, 32797, 32798, 32771, 57602}) EXPECT_FALSE(b.cadre().action(id)->isEnabled()) << id;
  for (int id : {32773, 32783, 32784, 57600, 57601, 57665, 32775, 32776, 32778, 57664, 59392, 59393}) {
    EXPECT_TRUE(b.cadre().action(id)->isEnabled()) << id;
  }
  EXPECT_EQ(b.cadre().action(57616)->text(), "Fichier récent");
  EXPECT_FALSE(b.cadre().action(57616)->isEnabled());
}

TEST(TableDesCommandes, MenusAvecDocument) {
  Banc b;
  EXPECT_EQ(titres(b.cadre().menusAffiches()),
            QStringList({"&Fichier", "&Edition", "Débuguage", "&Affichage", "&Aide"}));
  EXPECT_EQ(elements(menu(b, "&Edition")),
            QStringList({"&Annuler\tCtrl+Z", "&Rétablir\tCtrl+Y", "|", "&Couper\tCtrl+X", "C&opier\tCtrl+C", "Co&ller\tCtrl+V", "|",
                         "Rechercher...\tCtrl+F", "Rechercher le suivant\tF3", "Remplacer...\tCtrl+H"}));
  const QStringList fichier = elements(menu(b, "&Fichier"));
  for (const char* t : {"&Nouveau\tCtrl+N", "&Ouvrir...\tCtrl+O", "&Fermer", "&Enregistrer\tCtrl+S",
                        "Enregistrer &sous...", "En&voyer...", "Fichier récent", "&Quitter"}) {
    EXPECT_TRUE(fichier.contains(QString::fromUtf8(t))) << t;
  }
  EXPECT_EQ(elements(menu(b, "Débuguage")).first(), "Débuguer");
  for (int id : {32771, 32796, 32794, 57603, 57604, 57612, 32801, 57636, 57640, 57641, 57642, 32787, 57650, 57651}) {
    EXPECT_TRUE(b.cadre().action(id)->isEnabled()) << id;
  }
  // Nothing typed, nothing selected yet.
  for (int id : {57643, 57644, 57635, 57634}) EXPECT_FALSE(b.cadre().action(id)->isEnabled()) << id;
  b.vue().insertPlainText("abc");
  b.vue().selectAll();
  b.cadre().mettreAJourCommandes();
  for (int id : {57643, 57635, 57634}) EXPECT_TRUE(b.cadre().action(id)->isEnabled()) << id;
}

TEST(TableDesCommandes, RaccourcisInvitesEtBarreOutils) {
  Banc b;
  const auto raccourcis = [&](int id) { return b.cadre().action(id)->shortcuts(); };
  EXPECT_EQ(raccourcis(32771), QList<QKeySequence>({QKeySequence("Ctrl+D")}));
  EXPECT_EQ(raccourcis(57643), QList<QKeySequence>({QKeySequence("Ctrl+E"), QKeySequence("Alt+Backspace")}));
  EXPECT_EQ(raccourcis(57634),
            QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+P"), QKeySequence("Ctrl+Ins")}));
  EXPECT_EQ(raccourcis(57635), QList<QKeySequence>({QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}));
  EXPECT_EQ(raccourcis(32801), QList<QKeySequence>({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}));
  EXPECT_EQ(raccourcis(32787), QList<QKeySequence>({QKeySequence("Ctrl+G")}));
  EXPECT_EQ(raccourcis(57681), QList<QKeySequence>({QKeySequence("Shift+F6")}));
  EXPECT_EQ(b.cadre().action(57600)->statusTip(), "Crée un nouveau document");
  EXPECT_EQ(b.cadre().action(57600)->toolTip(), "Nouveau");
  EXPECT_EQ(b.cadre().action(32773)->statusTip(), "Modifie les préférences");
  EXPECT_EQ(b.cadre().action(32782)->toolTip(), "Préférences");
  EXPECT_EQ(b.cadre().action(57616)->statusTip(), "Ouvrir ce document");

  QStringList barre;
  for (QAction* a : b.cadre().barreOutils()->actions()) barre.append(a->isSeparator() ? "|" : a->toolTip());
  EXPECT_EQ(barre, QStringList({"Nouveau", "Ouvrir", "Enregistrer", "|", "Débuguer", "Préférences",
                                "Aller à la ligne...", "|", "Rétablir", "Annuler", "|", "Couper", "Copier",
                                "Coller", "|", "Aide", "À propos de"}));
  for (const auto& c : commandes::table()) ASSERT_NE(b.cadre().action(c.id), nullptr) << c.id;
}

TEST(TableDesCommandes, BarresAffichablesEtFichiersRecents) {
  Banc b;
  b.declencher(59392);
  EXPECT_TRUE(b.cadre().barreOutils()->isHidden());
  EXPECT_FALSE(b.cadre().action(59392)->isChecked());
  b.declencher(59392);
  EXPECT_TRUE(b.cadre().action(59392)->isChecked());

  for (int i = 1; i <= 5; ++i) b.ecrire(QString("s%1.txt").arg(i), "x");
  for (int i = 1; i <= 5; ++i) b.app->OpenDocumentFile(b.chemin(QString("s%1.txt").arg(i)));
  const QStringList recents = b.app->fichiersRecents();
  ASSERT_EQ(recents.size(), 4);
  EXPECT_TRUE(recents.first().endsWith("s5.txt"));
  EXPECT_TRUE(recents.last().endsWith("s2.txt"));
  EXPECT_TRUE(b.cadre().action(57619)->text().startsWith("&4 "));
}
