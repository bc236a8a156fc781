// The check while typing on a real X display: a fault typed as a user types
// it gets its underline, the mouse resting on it shows its message, a click
// on the panel moves the caret, the gutter and the check go off and on; every
// way of moving through a long script leaves the findings on screen underlined.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include <QToolTip>

#include "app/go_to_line_dlg.hpp"
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

namespace {

// A script of 300 lines with an error on every tenth line from line 10.
QByteArray scriptLong(int ligneChangee = 0) {
  QByteArray s = "scn Essai\nshort a\nbegin GameMode";
  for (int i = 4; i < 300; ++i) {
    s += i % 10 == 0 ? "\n\tGetStuff Truc" : "\n\tset a to " + QByteArray::number(i);
    if (i == ligneChangee) s += " ; ici";
  }
  return s + "\nend\n";
}

// The lines with findings on screen; those of them without their underline.
std::pair<std::vector<int>, std::vector<int>> signaleesALEcran(const Banc& b) {
  const CQuillomatView& v = b.vue();
  std::set<int> soulignees;
  for (const Soulignement& s : soulignements(v)) soulignees.insert(s.ligne);
  std::pair<std::vector<int>, std::vector<int>> out;
  for (const quillomat::LigneSignalee& l : suivi(b)->constats().lignes()) {
    const QRectF place = v.placeDuBloc(v.document()->findBlockByNumber(l.ligne - 1));
    if (place.bottom() < 0 || place.top() > v.viewport()->height()) continue;
    out.first.push_back(l.ligne);
    if (!soulignees.contains(l.ligne)) out.second.push_back(l.ligne);
  }
  return out;
}

// How far the caret's line is from the middle of the view, in lines.
int ecartAuMilieu(const CQuillomatView& v) {
  const QRect c = v.cursorRect();
  return std::abs(c.center().y() - v.viewport()->height() / 2) / std::max(1, c.height());
}

}  // namespace

TEST(SurX11VerificationEnDirect, ChaqueFaconDeSeDeplacerLaisseLesConstatsALEcranSoulignes) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  Banc b([](const QDir& d) {
    QFile f(d.filePath("long.txt"));
    f.open(QIODevice::WriteOnly);
    f.write(scriptLong());
  }, {}, std::chrono::milliseconds(3000), {QStringLiteral("long.txt")});
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.app->enfantActif()->showMaximized();
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();
  CPanneauConstats& panneau = controle(b).panneau();

  const std::pair<const char*, std::function<void()>> deplacements[] = {
      {"ligne choisie dans Constats", [&] {  // the click itself: the test above
         Q_EMIT panneau.ligneChoisie(250);
         ASSERT_TRUE(x11::attendre([&] { return v.textCursor().blockNumber() == 249; }));
         EXPECT_LE(ecartAuMilieu(v), 2) << "ligne choisie loin du milieu de la vue";
       }},
      {"Ctrl+Fin", [] { x11::touches(QStringLiteral("ctrl+End")); }},
      {"Page précédente", [] { x11::touches(QStringLiteral("Prior")); }},
      {"Ctrl+Début", [] { x11::touches(QStringLiteral("ctrl+Home")); }},
      {"Ctrl+G", [&] {
         x11::touches(QStringLiteral("ctrl+g"));
         ASSERT_TRUE(x11::attendre([&] { return b.app->m_pGoToLineDlg && b.app->m_pGoToLineDlg->isActiveWindow(); }));
         x11::taper(QStringLiteral("200"));
         x11::touches(QStringLiteral("Return"));
         ASSERT_TRUE(x11::attendre([&] { return v.textCursor().blockNumber() == 199 && v.hasFocus(); }));
       }},
      {"Ctrl+Z", [&] {
         x11::touches(QStringLiteral("x ctrl+Home"));
         ASSERT_TRUE(verifie(b));
         x11::touches(QStringLiteral("ctrl+z"));
         ASSERT_TRUE(x11::attendre([&] { return v.textCursor().blockNumber() == 199; }));
       }},
      {"rechargement", [&] {
         b.messages->reponses = {Reponse::Oui};
         const qsizetype questions = b.messages->questions.size();
         b.ecrire(QStringLiteral("long.txt"), scriptLong(205));
         ASSERT_TRUE(x11::attendre([&] { return v.document()->findBlockByNumber(204).text().endsWith("ici"); }, 5000))
             << b.messages->questions.size() - questions << " question(s)";
       }},
  };
  for (const auto& [nom, deplacer] : deplacements) {
    v.setFocus();
    deplacer();
    ASSERT_TRUE(verifie(b)) << nom;
    std::pair<std::vector<int>, std::vector<int>> ecran;
    EXPECT_TRUE(x11::attendre([&] { return (ecran = signaleesALEcran(b)).second.empty(); }, 2000))
        << nom << " : " << ecran.second.size() << " ligne(s) sans soulignement sur " << ecran.first.size()
        << ", la première " << (ecran.second.empty() ? 0 : ecran.second.front());
    EXPECT_FALSE(ecran.first.empty()) << nom;
  }

  // The mouse resting on a dot of the gutter shows its line's findings.
  const int ligne = signaleesALEcran(b).first.front();
  CGoutiere& goutiere = *suivi(b)->goutiere();
  const QRectF place = v.placeDuBloc(v.document()->findBlockByNumber(ligne - 1));
  x11::survoler(goutiere, QPoint(5, static_cast<int>(place.center().y())));
  EXPECT_TRUE(x11::attendre([&] { return QToolTip::isVisible() && QToolTip::text() == kSyntaxe; }, 5000))
      << "ligne " << ligne << " : " << QToolTip::text();
}
