// Opening files by dropping them on the main window and by naming them on
// the command line.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>

#include "app/file_drop.hpp"
#include "bench.hpp"

namespace {

QStringList nomsDesFenetres(const CQuillomatApp& app) {
  QStringList noms;
  for (CChildFrame* e : app.enfants()) noms.append(e->GetActiveDocument().nom());
  return noms;
}

// Sends a drag enter, then a drop, of `donnees` on `cible`; whether both were accepted.
bool deposer(QWidget* cible, QMimeData& donnees) {
  const QPoint point = cible->rect().center();
  QDragEnterEvent entree(point, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &entree);
  QDropEvent depot(QPointF(point), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &depot);
  return entree.isAccepted() && depot.isAccepted();
}

}  // namespace

TEST(DepotFichiers, LesFichiersDeposesSOuvrentChacunDansSaFenetre) {
  Banc b;
  b.ecrire(QStringLiteral("un.txt"), "scn Un\n");
  b.ecrire(QStringLiteral("deux.txt"), "scn Deux\n");
  QMimeData donnees;
  donnees.setUrls({QUrl::fromLocalFile(b.chemin(QStringLiteral("un.txt"))),
                   QUrl::fromLocalFile(b.chemin(QStringLiteral("deux.txt")))});
  // Dropped on a text window: opened, not inserted as text.
  CQuillomatView& vide = b.vue();
  ASSERT_TRUE(deposer(vide.viewport(), donnees));
  EXPECT_EQ(vide.toPlainText(), QString());
  EXPECT_EQ(b.fenetres(), 3);
  EXPECT_EQ(b.app->documentActif()->nom(), "deux.txt");
  EXPECT_EQ(b.app->documentActif()->contenu(), "scn Deux\n");
  EXPECT_EQ(b.app->fichiersRecents().value(0), b.chemin(QStringLiteral("deux.txt")));

  // Dropped again on the frame itself: the windows that hold them come to the front.
  QMimeData encore;
  encore.setUrls({QUrl::fromLocalFile(b.chemin(QStringLiteral("un.txt")))});
  ASSERT_TRUE(deposer(&b.cadre(), encore));
  EXPECT_EQ(b.fenetres(), 3);
  EXPECT_EQ(b.app->documentActif()->nom(), "un.txt");

  // A missing file is said, as File > Open says it; no window.
  QMimeData absent;
  absent.setUrls({QUrl::fromLocalFile(b.chemin(QStringLiteral("absent.txt")))});
  deposer(&b.cadre(), absent);
  EXPECT_EQ(b.fenetres(), 3);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->messages.front().texte.contains(QStringLiteral("absent.txt")));
}

TEST(DepotFichiers, SeulsLesFichiersLocauxComptent) {
  QMimeData texte;
  texte.setText(QStringLiteral("set a to 1"));
  EXPECT_TRUE(fichiersDeposes(&texte).isEmpty());
  EXPECT_TRUE(fichiersDeposes(nullptr).isEmpty());
  QMimeData melange;
  melange.setUrls({QUrl(QStringLiteral("https://lunebrac.example/script.txt")), QUrl::fromLocalFile("/tmp/a.txt")});
  EXPECT_EQ(fichiersDeposes(&melange), QStringList{QStringLiteral("/tmp/a.txt")});
}

TEST(LigneDeCommande, PlusieursFichiersNommesSOuvrentSansDocumentVide) {
  QTemporaryDir dossier;
  const QString ancien = QDir::currentPath();
  QDir::setCurrent(dossier.path());
  QFile(QStringLiteral("a.txt")).open(QIODevice::WriteOnly);
  {
    QFile f(QStringLiteral("b.txt"));
    f.open(QIODevice::WriteOnly);
    f.write("scn B\n");
  }
  auto messages = std::make_unique<MessagesEnregistres>();
  MessagesEnregistres* recus = messages.get();
  OptionsApp options;
  options.fichierProfil = QDir(dossier.path()).filePath(QStringLiteral("profil.ini"));
  options.dossierRecuperation = QDir(dossier.path()).filePath(QStringLiteral("recuperation"));
  options.messages = std::move(messages);
  options.ouvreur = std::make_unique<OuvreurEnregistre>();
  {
    CQuillomatApp app(std::move(options));
    // Relative names are taken from the current directory; a missing one is said and skipped.
    ASSERT_TRUE(app.InitInstance({QStringLiteral("a.txt"), QStringLiteral("absent.txt"), QStringLiteral("b.txt")}));
    EXPECT_EQ(nomsDesFenetres(app), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    EXPECT_EQ(app.documentActif()->nom(), "b.txt");
    EXPECT_EQ(app.documentActif()->chemin(), QDir(dossier.path()).filePath(QStringLiteral("b.txt")));
    EXPECT_EQ(recus->messages.size(), 1u);
  }
  QDir::setCurrent(ancien);
}
