// The check while typing on a real X display: a fault typed as a user types
// it gets its underline, the mouse resting on it shows its message, a click
// on the panel moves the caret, the gutter and the check go off and on.
#include <gtest/gtest.h>

#include <QToolTip>

#include "live_check_support.hpp"
#include "x11.hpp"

using namespace constats_test;

TEST(SurX11VerificationEnDirect, UneFauteTapeeSurvoleeEtChoisieDansLePanneau) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  Banc b([](const QDir& d) { QFile::copy(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"), d.filePath("exemple.txt")); },
         {}, std::chrono::milliseconds(3000), {QStringLiteral("exemple.txt")});
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.app->enfantActif()->showMaximized();
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();
  const std::vector<int> avant = lignesSignalees(b);
  ASSERT_EQ(avant.front(), 20);  // the first faulty line of the sample

  // A new line typed after line 19, as the user types it.
  QTextCursor curseur(v.document()->findBlockByNumber(18));
  curseur.movePosition(QTextCursor::EndOfBlock);
  v.setTextCursor(curseur);
  v.setFocus();
  x11::touches(QStringLiteral("Return"));
  x11::taper(QStringLiteral("GetStuff Truc"));
  ASSERT_TRUE(x11::attendre([&] {
    const quillomat::LigneSignalee* l = suivi(b)->constats().ligne(20);
    return suivi(b)->revisions().aJour() && l && QString::fromLatin1(l->messages) == kSyntaxe;
  }));
  const std::vector<int> apres = lignesSignalees(b);
  ASSERT_EQ(apres.size(), avant.size() + 1);
  ASSERT_FALSE(soulignements(v).empty());
  const Soulignement s = soulignements(v).front();
  EXPECT_EQ(std::tuple(s.ligne, s.longueur, s.erreur), std::tuple(20, 13, true));

  // The mouse resting on the line shows its message.
  x11::survoler(*v.viewport(), pointDeLigne(v, 20));
  EXPECT_TRUE(x11::attendre([&] { return QToolTip::isVisible() && QToolTip::text() == kSyntaxe; }, 5000))
      << QToolTip::text().toStdString();

  // A click on a row of the panel puts the caret on its line.
  CPanneauConstats& panneau = controle(b).panneau();
  int rang = 0;
  while (panneau.ligneDe(rang) != apres.back()) ++rang;
  QTreeView& liste = panneau.liste();
  const QModelIndex index = liste.model()->index(rang, 2);
  liste.scrollTo(index);
  x11::cliquer(*liste.viewport(), liste.visualRect(index).center());
  EXPECT_TRUE(x11::attendre([&] { return v.textCursor().blockNumber() + 1 == apres.back(); }))
      << v.textCursor().blockNumber();
  EXPECT_TRUE(x11::attendre([&] { return v.hasFocus(); }));

  // The gutter off and on.
  CGoutiere& goutiere = *suivi(b)->goutiere();
  b.declencher(CVerificationContinue::kCommandeNumeros);
  EXPECT_TRUE(x11::attendre([&] { return !goutiere.isVisible() && v.viewport()->x() == v.contentsRect().left(); }));
  b.declencher(CVerificationContinue::kCommandeNumeros);
  EXPECT_TRUE(x11::attendre([&] { return goutiere.isVisible() && v.viewport()->x() > goutiere.width() - 1; }));

  // The check off: underlines and panel empty, typing checks nothing; on: everything back.
  b.declencher(CVerificationContinue::kCommandeVerifier);
  EXPECT_TRUE(v.extraSelections().isEmpty());
  EXPECT_TRUE(rangees(b).isEmpty());
  v.setFocus();
  x11::touches(QStringLiteral("End Return"));
  x11::taper(QStringLiteral("Danser"));
  QTest::qWait(CVerificationContinue::kPauseMs + 300);
  EXPECT_TRUE(suivi(b)->constats().constats().empty());
  EXPECT_TRUE(v.extraSelections().isEmpty());
  b.declencher(CVerificationContinue::kCommandeVerifier);
  ASSERT_TRUE(verifie(b));
  EXPECT_EQ(lignesSignalees(b).size(), apres.size() + 1);
  EXPECT_FALSE(soulignements(v).empty());
}
