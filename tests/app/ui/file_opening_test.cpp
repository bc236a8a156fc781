// Opening files by dropping them on the main window and by naming them on
// the command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>

#include "app/file_drop.hpp"
#include "bench.hpp"

namespace {

QStringList nomsDesFenetres(const Banc& b) {
  QStringList noms;
  for (CChildFrame* e : b.app->enfants()) noms.append(e->GetActiveDocument().nom());
  return noms;
}

// A drag enter, then a drop, of the files `noms` on `cible`; whether both were accepted.
bool deposer(const Banc& b, QWidget* cible, const QStringList& noms) {
  QMimeData donnees;
  QList<QUrl> adresses;
  for (const QString& n : noms) adresses.append(QUrl::fromLocalFile(b.chemin(n)));
  donnees.setUrls(adresses);
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

TEST(DepotFichiers, LesFichiersDeposesSOuvrentChacunDansSaFenetre) {
  Banc b(deuxScripts);
  // Dropped on a text window: opened, not inserted as text.
  CQuillomatView& vide = b.vue();
  ASSERT_TRUE(deposer(b, vide.viewport(), {QStringLiteral("un.txt"), QStringLiteral("deux.txt")}));
  EXPECT_EQ(vide.toPlainText(), QString());
  EXPECT_EQ(nomsDesFenetres(b), (QStringList{"Quillomat1", "un.txt", "deux.txt"}));
  EXPECT_EQ(b.app->documentActif()->contenu(), "scn deux.txt");
  // Again on the frame: the window that holds it comes to the front. A missing file is said.
  ASSERT_TRUE(deposer(b, &b.cadre(), {QStringLiteral("un.txt")}));
  EXPECT_EQ(b.app->documentActif()->nom(), "un.txt");
  deposer(b, &b.cadre(), {QStringLiteral("absent.txt")});
  EXPECT_EQ(b.fenetres(), 3);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->messages.front().texte.contains(QStringLiteral("absent.txt")));

  QMimeData melange;
  melange.setText(QStringLiteral("set a to 1"));
  EXPECT_TRUE(fichiersDeposes(&melange).isEmpty());
  melange.setUrls({QUrl(QStringLiteral("https://lunebrac.example/script.txt")), QUrl::fromLocalFile("/tmp/a.txt")});
  EXPECT_EQ(fichiersDeposes(&melange), QStringList{QStringLiteral("/tmp/a.txt")});
}

TEST(LigneDeCommande, PlusieursFichiersNommesSOuvrentSansDocumentVide) {
  // Relative names are taken from the current directory; a missing one is said and skipped.
  const Banc b(deuxScripts, {}, std::chrono::milliseconds(3000), {"un.txt", "absent.txt", "deux.txt"});
  EXPECT_EQ(nomsDesFenetres(b), (QStringList{QStringLiteral("un.txt"), QStringLiteral("deux.txt")}));
  EXPECT_EQ(b.app->documentActif()->chemin(), b.chemin(QStringLiteral("deux.txt")));
  EXPECT_EQ(b.messages->messages.size(), 1u);
}
