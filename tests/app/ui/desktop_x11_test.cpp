// The editor as a user meets it on a real X display: keys that must not edit
// the text, the go-to-line box confirmed by Enter or by a click, and the
// shortcuts every Linux editor has.
#include <gtest/gtest.h>

#include <functional>

#include <QLabel>
#include <QLineEdit>

#include "app/go_to_line_dlg.hpp"
#include "bench.hpp"
#include "x11.hpp"

namespace {

// A script of `n` lines "set varK to K".
QString script(int n) {
  QStringList lignes;
  for (int k = 1; k <= n; ++k) lignes << QStringLiteral("set var%1 to %1").arg(k);
  return lignes.join(u'\n');
}

// The script shown, unmodified, the caret at `position`, in the active window
// of an active main window; then "Aller à la ligne" opened by Ctrl+G and `numero` typed in it.
void allerA(Banc& b, int lignes, int position, const QString& numero) {
  b.vue().setPlainText(script(lignes));
  b.app->documentActif()->texte()->setModified(false);
  b.vue().setSelection(position, position);
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.vue().setFocus();
  x11::touches(QStringLiteral("ctrl+g"));
  ASSERT_TRUE(x11::attendre([&] { return b.app->m_pGoToLineDlg && b.app->m_pGoToLineDlg->isActiveWindow(); }));
  x11::taper(numero);
  ASSERT_TRUE(x11::attendre([&] { return b.app->m_pGoToLineDlg->champ()->text() == numero; }));
}

}  // namespace

TEST(SurX11AllerALaLigne, EntreeFaitCommeOKSansToucherAuTexte) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  for (const char* touche : {"Return", "KP_Enter"}) {
    Banc b;
    allerA(b, 30, static_cast<int>(script(30).indexOf(QStringLiteral("var9"))) + 2, QStringLiteral("20"));
    x11::touches(QString::fromLatin1(touche));
    EXPECT_TRUE(x11::attendre([&] { return !b.app->m_bGoToLineOpen; })) << touche;
    EXPECT_EQ(b.vue().toPlainText(), script(30)) << touche;
    EXPECT_FALSE(b.app->documentActif()->estModifie()) << touche;
    EXPECT_EQ(b.vue().textCursor().blockNumber() + 1, 20) << touche;
    EXPECT_TRUE(b.vue().textCursor().atBlockEnd()) << touche;
  }
}

TEST(SurX11AllerALaLigne, UnClicDansLeTexteValideLeNumeroTape) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  Banc b;
  allerA(b, 200, 0, QStringLiteral("150"));
  QStringList etiquettes;
  for (const QLabel* l : b.app->m_pGoToLineDlg->findChildren<QLabel*>()) etiquettes << l->text();
  EXPECT_EQ(etiquettes, QStringList{QStringLiteral("Ligne :")});
  // On the third visible line, far from line 150.
  x11::cliquer(*b.vue().viewport(), b.vue().cursorRect(QTextCursor(b.vue().document()->findBlockByNumber(2))).center());
  EXPECT_TRUE(x11::attendre([&] { return !b.app->m_bGoToLineOpen; }));
  QTest::qWait(200);  // the click itself has been handled too
  EXPECT_EQ(b.vue().textCursor().blockNumber() + 1, 150);
  EXPECT_EQ(b.vue().toPlainText(), script(200));
}

TEST(SurX11Touches, MajEntreeEstEntreeEtUnRaccourciNEditeJamais) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  Banc b;
  b.app->m_bFormatHelp = true;
  b.vue().setPlainText(QStringLiteral("begin GameMode\nset a to 1"));
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.vue().setFocus();
  b.vue().setSelection(14, 14);
  x11::touches(QStringLiteral("shift+Return"));
  EXPECT_TRUE(x11::attendre([&] { return b.vue().toPlainText() != QStringLiteral("begin GameMode\nset a to 1"); }));
  EXPECT_EQ(b.vue().toPlainText(), QStringLiteral("begin GameMode\n\t\nset a to 1"));

  // Keys that reach the window before it is the active one: Ctrl+D, which the
  // platform binds to "delete the next character", is still the command.
  b.vue().setSelection(0, 0);
  const QString avant = b.vue().toPlainText();
  CQuillomatDoc* script = b.app->documentActif();
  ASSERT_TRUE(x11::desactiver(b.cadre()));
  x11::touchesVers(b.cadre(), QStringLiteral("ctrl+d"));
  EXPECT_TRUE(x11::attendre([&] { return !b.app->rapportOuvert.isNull(); }));
  EXPECT_EQ(script->contenu(), avant);
}

TEST(SurX11Touches, RaccourcisHabituelsDesEditeurs) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  const auto annuler = [](Banc& b) { b.app->OnEditUndo(); };
  const auto non = [](Banc& b) { b.messages->reponses = {Reponse::Non, Reponse::Non}; };
  const auto texte = [](Banc& b) { return b.vue().toPlainText() == "scn A"; };
  const auto uneFenetre = [](Banc& b) { return b.fenetres() == 1; };
  const struct {
    const char* touches;
    std::function<void(Banc&)> avant;
    std::function<bool(Banc&)> fait;
  } cas[] = {
      {"ctrl+y", annuler, texte},
      {"ctrl+shift+z", annuler, texte},
      {"ctrl+shift+s", [](Banc& b) { b.messages->aEnregistrer = b.chemin("copie.txt"); },
       [](Banc& b) { return b.lire("copie.txt") == "scn A"; }},
      {"ctrl+w", non, uneFenetre},
      {"ctrl+F4", non, uneFenetre},
      {"ctrl+q", non, [](Banc& b) { return !b.cadre().isVisible(); }},
  };
  for (const auto& c : cas) {
    Banc b;
    b.declencher(57600);
    b.vue().insertPlainText(QStringLiteral("scn A"));
    ASSERT_TRUE(x11::activer(b.cadre()));
    b.vue().setFocus();
    c.avant(b);
    x11::touches(QString::fromLatin1(c.touches));
    EXPECT_TRUE(x11::attendre([&] { return c.fait(b); })) << c.touches;
  }
}
