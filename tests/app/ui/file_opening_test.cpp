// Opening files by dropping them on the main window and by naming them on
// the command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>

#include "app/file_drop.hpp"
#include "bench.hpp"
#include "espace.hpp"

namespace {

QStringList nomsDesFenetres(const Banc& b) {
  QStringList noms;
  for (CChildFrame* e : b.app->enfants()) noms.append(e->GetActiveDocument().nom());
  return noms;
}

// A drag enter, then a drop, of `donnees` on `cible`; whether both were accepted.
bool deposer(QWidget* cible, const QMimeData& donnees) {
  const QPoint point = cible->rect().center();
  QDragEnterEvent entree(point, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &entree);
  QDropEvent depot(QPointF(point), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &depot);
  return entree.isAccepted() && depot.isAccepted();
}

void deuxScripts(const QDir& d) {
  for (const char* nom : {"un.txt", "deux.txt"}) {
    QFile f(d.filePath(QString::fromLatin1(nom)));
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray("scn ") + nom);
  }
}

}  // namespace

TEST(DepotFichiers, LesFichiersDeposesSurLaFenetreSontOuvertsDansLeurOrdre) {
  EspaceDeTest espace;
  new DepotFichiers(espace);  // owned by the frame
  CQuillomatView& vue = espace.ouvrir(QStringLiteral("Quillomat1")).GetActiveView();
  QWidget ailleurs;  // a window of its own
  const QUrl un = QUrl::fromLocalFile(QStringLiteral("/tmp/un.txt"));
  const QUrl deux = QUrl::fromLocalFile(QStringLiteral("/tmp/deux.txt"));
  const QUrl web(QStringLiteral("https://lunebrac.example/script.txt"));
  const struct {
    QWidget* cible;
    QList<QUrl> adresses;
    bool pris;
    QStringList ouverts;
  } kCas[] = {
      // On a text window: opened, not inserted as text.
      {vue.viewport(), {un, deux}, true, {"/tmp/un.txt", "/tmp/deux.txt"}},
      {espace.cadre(), {web, un}, true, {"/tmp/un.txt"}},
      {espace.cadre(), {web}, false, {}},
      {&ailleurs, {un}, false, {}},
  };
  for (const auto& c : kCas) {
    espace.ouverts.clear();
    QMimeData donnees;
    donnees.setUrls(c.adresses);
    EXPECT_EQ(deposer(c.cible, donnees), c.pris) << c.adresses.size();
    EXPECT_EQ(espace.ouverts, c.ouverts);
  }
  EXPECT_EQ(vue.toPlainText(), QString());
  QMimeData texte;
  texte.setText(QStringLiteral("set a to 1"));
  EXPECT_TRUE(fichiersDeposes(&texte).isEmpty());
}

TEST(LigneDeCommande, PlusieursFichiersNommesSOuvrentSansDocumentVide) {
  // Relative names are taken from the current directory; a missing one is said and skipped.
  const Banc b(deuxScripts, {}, std::chrono::milliseconds(3000), {"un.txt", "absent.txt", "deux.txt"});
  EXPECT_EQ(nomsDesFenetres(b), (QStringList{QStringLiteral("un.txt"), QStringLiteral("deux.txt")}));
  EXPECT_EQ(b.app->documentActif()->chemin(), b.chemin(QStringLiteral("deux.txt")));
  EXPECT_EQ(b.messages->messages.size(), 1u);
  // Opened again: the window that holds it comes to the front.
  EXPECT_EQ(b.app->OpenDocumentFile(QStringLiteral("un.txt")), &b.app->enfants().front()->GetActiveDocument());
  EXPECT_EQ(b.app->documentActif()->nom(), "un.txt");
  EXPECT_EQ(b.fenetres(), 2);
}
