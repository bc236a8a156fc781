// Syntax colouring on real windows: opening, typing and every other edit
// recolour from the line's own text, paste under and over 50 lines, the
// Preferences switch; never an undo step, never a modified document.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "app/pref_dlg.hpp"
#include "app/view_colouring.hpp"
#include "bench.hpp"

namespace {

void ecrireMots(const QDir& d) {
  QFile f(d.filePath(QStringLiteral("fonctions.txt")));
  f.open(QIODevice::WriteOnly);
  f.write("syst\xE8me   mots de la langue\nif\nset\nto\n- un commentaire\nfonction\nGetStage\nMessage\nForceAV\n"
          "statistique\nstrength");
}

// The format shown at (line, column): "fonction", "systeme", "statistique",
// "chaine", "commentaire", "normal" (the explicit black), "" (none at all).
std::string formatA(const CQuillomatView& vue, int ligne, int colonne) {
  const QTextBlock bloc = vue.document()->findBlockByNumber(ligne);
  for (const QTextLayout::FormatRange& r : bloc.layout()->formats()) {
    if (colonne < r.start || colonne >= r.start + r.length) continue;
    const QColor c = r.format.foreground().color();
    const bool gras = r.format.fontWeight() == QFont::Bold, italique = r.format.fontItalic();
    if (c == QColor(0, 0, 150) && !gras && !italique) return "fonction";
    if (c == QColor(80, 0, 100) && gras && !italique) return "systeme";
    if (c == QColor(80, 80, 80) && gras && !italique) return "statistique";
    if (c == QColor(120, 0, 35) && !gras && !italique) return "chaine";
    if (c == QColor(130, 130, 130) && !gras && italique) return "commentaire";
    if (c == QColor(0, 0, 0) && !gras && !italique) return "normal";
    return "inconnu";
  }
  return "";
}

bool toutNoir(const CQuillomatView& vue) {
  for (QTextBlock b = vue.document()->begin(); b.isValid(); b = b.next()) {
    for (int k = 0; k < b.length() - 1; ++k) {
      const std::string f = formatA(vue, b.blockNumber(), k);
      if (!f.empty() && f != "normal") return false;
    }
  }
  return true;
}

// The progress bars shown while it lives: message, step count, last step.
class EspionProgression : public QObject {
 public:
  explicit EspionProgression(CMainFrame& cadre) : m_cadre(cadre) { qApp->installEventFilter(this); }
  ~EspionProgression() override { qApp->removeEventFilter(this); }

  struct Barre {
    QString message;
    int maximum = -1;
    int valeur = -1;
  };
  std::vector<Barre> barres;

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override {
    if (auto* barre = qobject_cast<QProgressBar*>(objet); barre && e->type() == QEvent::Show) {
      const size_t n = barres.size();
      barres.push_back({m_cadre.textePanneau(0), barre->maximum(), barre->value()});
      connect(barre, &QProgressBar::valueChanged, this, [this, n](int v) { barres[n].valeur = v; });
    }
    return QObject::eventFilter(objet, e);
  }

 private:
  CMainFrame& m_cadre;
};

void placer(CQuillomatView& vue, int ligne, int colonne) {
  QTextCursor c(vue.document()->findBlockByNumber(ligne));
  c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, colonne);
  vue.setTextCursor(c);
}

}  // namespace

TEST(Coloration, OuvertureColoreChaqueLigneUneFoisSansModifierLeDocument) {
  Banc b(ecrireMots);
  b.ecrire("s.txt", "if GetStage q >= 10 ; GetStage\r\nset x to \"a ; GetStage\"\r\nplayer.GETSTAGE q\r\n"
                    "ForceAV Strength 10\r\n\r\nif");
  EspionProgression espion(b.cadre());
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("s.txt"));
  ASSERT_NE(doc, nullptr);
  const struct {
    int ligne, colonne;
    const char* format;
  } attendus[] = {{0, 0, "systeme"}, {0, 3, "fonction"}, {0, 12, "normal"}, {0, 24, "commentaire"},
                  {1, 9, "normal"},  {1, 12, "chaine"},  {2, 0, "normal"},  {2, 7, "fonction"},
                  {3, 8, "statistique"}, {4, 0, ""}};
  for (const auto& a : attendus) EXPECT_EQ(formatA(b.vue(), a.ligne, a.colonne), a.format) << a.ligne << ":" << a.colonne;

  ASSERT_EQ(espion.barres.size(), 1u);
  EXPECT_EQ(espion.barres[0].message, QStringLiteral("Coloration du document..."));
  EXPECT_EQ(espion.barres[0].maximum, 5);
  EXPECT_EQ(espion.barres[0].valeur, 5);
  EXPECT_EQ(b.cadre().textePanneau(0), QStringLiteral("Coloration du document terminée."));
  EXPECT_FALSE(doc->estModifie());
  EXPECT_FALSE(doc->texte()->isUndoAvailable());
  EXPECT_TRUE(b.vue().updatesEnabled());
  // Nothing is left to colour again later.
  int lignesColorees = 0;
  CSurligneurScript::de(*doc->texte())->setApresLigne([&] { ++lignesColorees; });
  QCoreApplication::processEvents();
  EXPECT_EQ(lignesColorees, 0);
  CSurligneurScript::de(*doc->texte())->setApresLigne({});
}

TEST(Coloration, ChaqueModificationRecoloreLaLigneSansPasDAnnulation) {
  Banc b(ecrireMots);
  b.ecrire("s.txt", "set x to GetStag\nif");
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("s.txt"));
  CQuillomatView& v = b.vue();
  placer(v, 0, 16);
  QTest::keyClick(&v, Qt::Key_E);
  EXPECT_EQ(formatA(v, 0, 9), "fonction");
  EXPECT_EQ(doc->texte()->availableUndoSteps(), 1);  // the letter alone
  QTest::keyClick(&v, Qt::Key_Return);
  QTest::keyClicks(&v, "; GetStage");
  EXPECT_EQ(formatA(v, 1, 2), "commentaire");
  EXPECT_EQ(formatA(v, 2, 0), "systeme");

  // Delete (no character produced), undo, redo, cut, a replacement through a cursor.
  placer(v, 1, 0);
  QTest::keyClick(&v, Qt::Key_Delete);
  EXPECT_EQ(formatA(v, 1, 2), "fonction");
  b.app->OnEditUndo();
  EXPECT_EQ(formatA(v, 1, 2), "commentaire");
  b.app->OnEditRedo();
  EXPECT_EQ(formatA(v, 1, 2), "fonction");
  v.setSelection(9, 12);
  b.app->OnEditCut();  // "Get"
  EXPECT_EQ(formatA(v, 0, 9), "normal");
  b.app->OnEditUndo();
  EXPECT_EQ(formatA(v, 0, 9), "fonction");
  QTextCursor r(v.document()->findBlockByNumber(2));
  r.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  r.insertText(QStringLiteral("\"if\""));
  EXPECT_EQ(formatA(v, 2, 1), "chaine");

  // Colouring added no step: undoing everything gives back the file, unmodified.
  while (doc->texte()->isUndoAvailable()) b.app->OnEditUndo();
  EXPECT_EQ(doc->contenu(), QStringLiteral("set x to GetStag\nif"));
  EXPECT_FALSE(doc->estModifie());
  EXPECT_EQ(formatA(v, 0, 9), "normal");
}

TEST(Coloration, CollerSousEtAuDessusDeCinquanteLignes) {
  Banc b(ecrireMots);
  b.vue().setPlainText(QStringLiteral("debut\nfin"));
  CQuillomatView& v = b.vue();
  for (const int n : {49, 50}) {
    EspionProgression espion(b.cadre());
    QStringList lignes;
    for (int k = 0; k < n; ++k) lignes << QStringLiteral("GetStage \"t\"");
    QApplication::clipboard()->setText(lignes.join(u'\n') + u'\n');
    placer(v, 1, 0);
    b.app->OnPasteColoured();
    for (int l = 1; l <= n; ++l) ASSERT_EQ(formatA(v, l, 10), "chaine") << n << " " << l;
    EXPECT_EQ(formatA(v, n + 1, 0), "normal");
    EXPECT_EQ(espion.barres.size(), n == 50 ? 1u : 0u);
    if (n == 50) {
      EXPECT_EQ(espion.barres[0].message, QStringLiteral("Coloration du nouveau texte..."));
      EXPECT_EQ(espion.barres[0].valeur, 50);
    }
    b.app->OnEditUndo();  // the line left there has its own colours
    EXPECT_EQ(formatA(v, 1, 0), "normal");
  }
}

TEST(Coloration, PreferencesEteignentEtRallumentTout) {
  Banc b(ecrireMots);
  b.ecrire("a.txt", "if x\nGetStage ; c");
  b.ecrire("b.txt", "set x to 1\n\"t\"\nForceAV strength 1");
  CQuillomatDoc* a = b.app->OpenDocumentFile(b.chemin("a.txt"));
  CQuillomatDoc* d = b.app->OpenDocumentFile(b.chemin("b.txt"));
  CQuillomatView& va = *b.app->openViews()[1];
  CQuillomatView& vb = *b.app->openViews()[0];
  b.app->OnPreferences();
  auto* dlg = b.cadre().findChild<CPrefDlg*>();
  ASSERT_NE(dlg, nullptr);
  const auto appliquer = [&](bool sansCouleurs) {
    dlg->findChild<QCheckBox*>(QStringLiteral("1015"))->setChecked(sansCouleurs);
    QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("1012")), Qt::LeftButton);
  };
  appliquer(true);
  EXPECT_TRUE(toutNoir(va));
  EXPECT_TRUE(toutNoir(vb));
  QTest::keyClicks(&vb, "if ");  // typing while off colours nothing
  EXPECT_TRUE(toutNoir(vb));
  b.app->OnEditUndo();
  {
    EspionProgression espion(b.cadre());
    appliquer(false);
    ASSERT_EQ(espion.barres.size(), 1u);
    EXPECT_EQ(espion.barres[0].message, QStringLiteral("Coloration des documents..."));
    EXPECT_EQ(espion.barres[0].valeur, 3);
  }
  EXPECT_EQ(formatA(va, 1, 10), "commentaire");
  EXPECT_EQ(formatA(vb, 2, 8), "statistique");
  {
    EspionProgression espion(b.cadre());
    appliquer(false);  // no change: nothing recoloured
    EXPECT_TRUE(espion.barres.empty());
  }
  for (CQuillomatDoc* doc : {a, d}) {
    EXPECT_FALSE(doc->estModifie());
    EXPECT_FALSE(doc->texte()->isUndoAvailable());
  }
  dlg->close();
}
