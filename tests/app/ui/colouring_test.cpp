// Syntax colouring on real windows: opening, every kind of edit, pasting under
// and over 50 lines and the Preferences switch colour each line from its own
// text; never an undo step, never a modified document.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "app/extended_syntax.hpp"
#include "app/pref_dlg.hpp"
#include "app/view_colouring.hpp"
#include "bench.hpp"

namespace {

void ecrireMots(const QDir& d) {
  QFile f(d.filePath(QStringLiteral("fonctions.txt")));
  f.open(QIODevice::WriteOnly);
  f.write("syst\xE8me\nif\nset\nto\nfonction\nGetStage\nForceAV\nstatistique\nstrength");
}

// The format shown at (line, column), "" for none at all.
std::string formatA(const CQuillomatView& vue, int ligne, int colonne) {
  static const struct {
    const char* nom;
    QColor couleur;
    bool gras, italique;
  } kFormats[] = {{"fonction", QColor(0, 0, 150), false, false},   {"systeme", QColor(80, 0, 100), true, false},
                  {"statistique", QColor(80, 80, 80), true, false}, {"chaine", QColor(120, 0, 35), false, false},
                  {"commentaire", QColor(130, 130, 130), false, true}, {"normal", QColor(0, 0, 0), false, false}};
  for (const QTextLayout::FormatRange& r : vue.document()->findBlockByNumber(ligne).layout()->formats()) {
    if (colonne < r.start || colonne >= r.start + r.length) continue;
    for (const auto& f : kFormats) {
      if (r.format.foreground().color() == f.couleur && (r.format.fontWeight() == QFont::Bold) == f.gras &&
          r.format.fontItalic() == f.italique)
        return f.nom;
    }
    return "inconnu";
  }
  return "";
}

bool toutNoir(const CQuillomatView& vue) {
  for (QTextBlock b = vue.document()->begin(); b.isValid(); b = b.next())
    for (int k = 0; k < b.length() - 1; ++k)
      if (const std::string f = formatA(vue, b.blockNumber(), k); !f.empty() && f != "normal") return false;
  return true;
}

// The progress bars shown while it lives: message, step count, last step.
class EspionProgression : public QObject {
 public:
  explicit EspionProgression(CMainFrame& cadre) : m_cadre(cadre) { qApp->installEventFilter(this); }
  ~EspionProgression() override { qApp->removeEventFilter(this); }
  struct Barre {
    QString message;
    int maximum, valeur;
  };
  std::vector<Barre> barres;

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override {
    if (auto* barre = qobject_cast<QProgressBar*>(objet); barre && e->type() == QEvent::Show) {
      barres.push_back({m_cadre.textePanneau(0), barre->maximum(), barre->value()});
      connect(barre, &QProgressBar::valueChanged, this, [this, n = barres.size() - 1](int v) { barres[n].valeur = v; });
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
  EXPECT_EQ(espion.barres[0].message + QStringLiteral(" %1/%2").arg(espion.barres[0].valeur).arg(espion.barres[0].maximum),
            QStringLiteral("Coloration du document... 5/5"));
  EXPECT_EQ(b.cadre().textePanneau(0), QStringLiteral("Coloration du document terminée."));
  EXPECT_FALSE(doc->estModifie() || doc->texte()->isUndoAvailable());
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
  CQuillomatDoc* doc = b.ouvrir("s.txt", "set x to GetStag\nif");
  CQuillomatView& v = b.vue();
  placer(v, 0, 16);
  QTest::keyClick(&v, Qt::Key_E);
  EXPECT_EQ(formatA(v, 0, 9), "fonction");
  EXPECT_EQ(doc->texte()->availableUndoSteps(), 1);  // the letter alone
  QTest::keyClick(&v, Qt::Key_Return);
  QTest::keyClicks(&v, "; GetStage");
  EXPECT_EQ(formatA(v, 1, 2), "commentaire");
  EXPECT_EQ(formatA(v, 2, 0), "systeme");

  // Delete (no character produced), undo, cut.
  placer(v, 1, 0);
  QTest::keyClick(&v, Qt::Key_Delete);
  EXPECT_EQ(formatA(v, 1, 2), "fonction");
  b.app->OnEditUndo();
  EXPECT_EQ(formatA(v, 1, 2), "commentaire");
  v.setSelection(9, 12);
  b.app->OnEditCut();  // "Get"
  EXPECT_EQ(formatA(v, 0, 9), "normal");

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
    QApplication::clipboard()->setText(QStringLiteral("GetStage \"t\"\n").repeated(n));
    placer(v, 1, 0);
    b.app->OnPasteColoured();
    for (int l = 1; l <= n; ++l) ASSERT_EQ(formatA(v, l, 10), "chaine") << n << " " << l;
    EXPECT_EQ(formatA(v, n + 1, 0), "normal");
    ASSERT_EQ(espion.barres.size(), n == 50 ? 1u : 0u);
    for (const auto& barre : espion.barres) EXPECT_EQ(barre.message + QString::number(barre.valeur), "Coloration du nouveau texte...50");
    b.app->OnEditUndo();  // the line left there has its own colours
    EXPECT_EQ(formatA(v, 1, 0), "normal");
  }
}

TEST(Coloration, PreferencesEteignentEtRallumentTout) {
  Banc b(ecrireMots);
  CQuillomatDoc* a = b.ouvrir("a.txt", "if x\nGetStage ; c");
  CQuillomatDoc* d = b.ouvrir("b.txt", "set x to 1\n\"t\"\nForceAV strength 1");
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
  EXPECT_TRUE(toutNoir(va) && toutNoir(vb));
  QTest::keyClicks(&vb, "if ");  // typing while off colours nothing
  EXPECT_TRUE(toutNoir(vb));
  b.app->OnEditUndo();
  for (const int n : {1, 0}) {  // on again: every document at once; no change: nothing recoloured
    EspionProgression espion(b.cadre());
    appliquer(false);
    ASSERT_EQ(espion.barres.size(), static_cast<size_t>(n));
    for (const auto& barre : espion.barres) EXPECT_EQ(barre.message + QString::number(barre.valeur), "Coloration des documents...3");
  }
  EXPECT_EQ(formatA(va, 1, 10), "commentaire");
  EXPECT_EQ(formatA(vb, 2, 8), "statistique");
  for (CQuillomatDoc* doc : {a, d}) EXPECT_FALSE(doc->estModifie() || doc->texte()->isUndoAvailable());
  dlg->close();
}

// The words of the later syntax, and the functions a personal catalogue
// declares, are coloured while the later syntax applies to the script's
// folder: the Débuguage item turns it on, the folder's settings file, once
// saved, turns it off again.
TEST(Coloration, SyntaxeEtendueEtCataloguePersonnel) {
  Banc b(ecrireMots);
  b.ecrire(QStringLiteral(".quillomat"), "catalogue = perso.txt\n");
  b.ecrire(QStringLiteral("perso.txt"), "Update3D ref :\n");
  b.ouvrir(QStringLiteral("s.txt"), "x.Update3D GetStage\nlet n := ar_Size n");
  CQuillomatView& script = b.vue();
  const struct {
    int ligne, colonne;
    const char *avant, *etendue;
  } mots[] = {{0, 2, "normal", "fonction"}, {0, 11, "fonction", "fonction"}, {1, 0, "normal", "systeme"},
              {1, 9, "normal", "fonction"}};
  for (const auto& m : mots) EXPECT_EQ(formatA(script, m.ligne, m.colonne), m.avant) << m.ligne << ":" << m.colonne;
  b.declencher(CSyntaxeEtendue::kCommande);
  for (const auto& m : mots) EXPECT_EQ(formatA(script, m.ligne, m.colonne), m.etendue) << m.ligne << ":" << m.colonne;
  ASSERT_NE(b.ouvrir(QStringLiteral(".quillomat"), "vlse-etendu = non\ncatalogue = perso.txt\n"), nullptr);
  EXPECT_EQ(formatA(script, 0, 2), "fonction");  // read when saved, not when merely opened
  b.declencher(57603);
  for (const auto& m : mots) EXPECT_EQ(formatA(script, m.ligne, m.colonne), m.avant) << m.ligne << ":" << m.colonne;
  EXPECT_FALSE(script.GetDocument().estModifie() || script.document()->isUndoAvailable());
}
