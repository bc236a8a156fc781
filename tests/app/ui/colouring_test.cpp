// Syntax colouring on real windows: opening, typing, Enter, paste under and
// over 50 lines, edits that change a line by other means, the Preferences
// switch, and the undo history and modified flag left alone.
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

const QByteArray kMots =
    "syst\xE8me   mots de la langue\n"
    "if\nset\nto\n"
    "- un commentaire\n"
    "fonction\n"
    "GetStage\nMessage\nForceAV\n"
    "statistique\n"
    "strength";

void ecrireMots(const QDir& d) {
  QFile f(d.filePath(QStringLiteral("fonctions.txt")));
  f.open(QIODevice::WriteOnly);
  f.write(kMots);
}

// The format shown at (line, column): "fonction", "systeme", "statistique",
// "chaine", "commentaire", "normal" (the explicit black), "" (none at all).
std::string formatA(const CQuillomatView& vue, int ligne, int colonne) {
  const QTextBlock bloc = vue.document()->findBlockByNumber(ligne);
  for (const QTextLayout::FormatRange& r : bloc.layout()->formats()) {
    if (colonne < r.start || colonne >= r.start + r.length) continue;
    const QColor c = r.format.foreground().color();
    const bool gras = r.format.fontWeight() == QFont::Bold;
    const bool italique = r.format.fontItalic();
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

// True when no character of the text has a colour other than plain.
bool toutNoir(const CQuillomatView& vue) {
  for (QTextBlock b = vue.document()->begin(); b.isValid(); b = b.next()) {
    for (int k = 0; k < b.length() - 1; ++k) {
      const std::string f = formatA(vue, b.blockNumber(), k);
      if (!f.empty() && f != "normal") return false;
    }
  }
  return true;
}

// Records the progress bars shown while it lives: message, step count,
// last step reached, and the pane 0 text after the end.
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
    // Shown once its range is set.
    if (e->type() == QEvent::Show) {
      if (auto* barre = qobject_cast<QProgressBar*>(objet)) {
        const size_t n = barres.size();
        barres.push_back({m_cadre.textePanneau(0), barre->maximum(), barre->value()});
        connect(barre, &QProgressBar::valueChanged, this, [this, n](int v) {
          barres[n].valeur = v;
        });
      }
    }
    return QObject::eventFilter(objet, e);
  }

 private:
  CMainFrame& m_cadre;
};

QString lignes(int n, const QString& texte) {
  QStringList l;
  for (int i = 0; i < n; ++i) l << texte;
  return l.join(u'\n');
}

void placer(CQuillomatView& vue, int ligne, int colonne) {
  QTextCursor c(vue.document()->findBlockByNumber(ligne));
  c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, colonne);
  vue.setTextCursor(c);
}

CPrefDlg& preferences(Banc& b) {
  b.app->OnPreferences();
  auto* dlg = b.cadre().findChild<CPrefDlg*>();
  EXPECT_NE(dlg, nullptr);
  return *dlg;
}

void appliquer(CPrefDlg& dlg, bool sansCouleurs) {
  dlg.findChild<QCheckBox*>(QStringLiteral("1015"))->setChecked(sansCouleurs);
  QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("1012")), Qt::LeftButton);
}

}  // namespace

TEST(Coloration, OuvertureColoreMotsChainesEtCommentaires) {
  Banc b(ecrireMots);
  b.ecrire("s.txt",
           "if GetStage MyQuest >= 10 ; GetStage ici\r\n"  // 0
           "set x to \"a ; GetStage\"\r\n"                 // 1
           "Message \"Bonjour GetStage\r\n"                // 2
           "player.GETSTAGE q\r\n"                         // 3
           "(GetStage x)\r\n"                              // 4
           "ForceAV Strength 10\r\n"                       // 5
           "\r\n"                                          // 6
           "x\r\n"                                         // 7
           "if");                                          // 8
  EspionProgression espion(b.cadre());
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("s.txt"));
  ASSERT_NE(doc, nullptr);
  const CQuillomatView& v = b.vue();
  EXPECT_EQ(formatA(v, 0, 0), "systeme");
  EXPECT_EQ(formatA(v, 0, 1), "systeme");
  EXPECT_EQ(formatA(v, 0, 2), "normal");
  EXPECT_EQ(formatA(v, 0, 3), "fonction");
  EXPECT_EQ(formatA(v, 0, 10), "fonction");
  EXPECT_EQ(formatA(v, 0, 12), "normal");  // the quest name
  EXPECT_EQ(formatA(v, 0, 20), "normal");  // >=
  EXPECT_EQ(formatA(v, 0, 23), "normal");  // 10
  EXPECT_EQ(formatA(v, 0, 26), "commentaire");
  EXPECT_EQ(formatA(v, 0, 30), "commentaire");  // a name in a comment is comment
  EXPECT_EQ(formatA(v, 1, 9), "normal");        // the quote stays black
  EXPECT_EQ(formatA(v, 1, 10), "chaine");
  EXPECT_EQ(formatA(v, 1, 12), "chaine");  // a ';' between quotes is text
  EXPECT_EQ(formatA(v, 1, 21), "chaine");
  EXPECT_EQ(formatA(v, 1, 22), "normal");
  EXPECT_EQ(formatA(v, 1, 0), "systeme");
  EXPECT_EQ(formatA(v, 1, 6), "systeme");                      // to
  EXPECT_EQ(formatA(v, 2, 0), "fonction");                     // Message
  EXPECT_EQ(formatA(v, 2, 24), "chaine");                      // unclosed: to the end
  EXPECT_EQ(formatA(v, 3, 0), "normal");                       // the caller
  EXPECT_EQ(formatA(v, 3, 7), "fonction");                     // after the '.', in capitals
  EXPECT_EQ(formatA(v, 4, 1), "normal");                       // "(GetStage" is one word
  EXPECT_EQ(formatA(v, 5, 8), "statistique");
  EXPECT_EQ(formatA(v, 6, 0), "");
  EXPECT_EQ(formatA(v, 8, 0), "systeme");

  ASSERT_EQ(espion.barres.size(), 1u);
  EXPECT_EQ(espion.barres[0].message, QStringLiteral("Coloration du document..."));
  EXPECT_EQ(espion.barres[0].maximum, 8);
  EXPECT_EQ(espion.barres[0].valeur, 8);
  EXPECT_FALSE(b.cadre().progressionAffichee());
  EXPECT_EQ(b.cadre().textePanneau(0), QStringLiteral("Coloration du document terminée."));
  EXPECT_FALSE(doc->estModifie());
  EXPECT_FALSE(doc->texte()->isUndoAvailable());
  EXPECT_TRUE(b.vue().updatesEnabled());

  // Each line was coloured once: nothing is left to colour again later.
  int lignesColorees = 0;
  CSurligneurScript* s = CSurligneurScript::de(*doc->texte());
  ASSERT_NE(s, nullptr);
  s->setApresLigne([&] { ++lignesColorees; });
  QCoreApplication::processEvents();
  EXPECT_EQ(lignesColorees, 0);
  s->setApresLigne({});
}

TEST(Coloration, SansFichierDeMotsSeulsChainesEtCommentaires) {
  Banc b;
  b.ecrire("s.txt", "GetStage \"t\" ; c");
  b.app->OpenDocumentFile(b.chemin("s.txt"));
  EXPECT_EQ(formatA(b.vue(), 0, 0), "normal");
  EXPECT_EQ(formatA(b.vue(), 0, 10), "chaine");
  EXPECT_EQ(formatA(b.vue(), 0, 13), "commentaire");
}

TEST(Coloration, FrappeEntreeEtHistoire) {
  Banc b(ecrireMots);
  b.ecrire("s.txt", "set x to GetStag\nif");
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("s.txt"));
  CQuillomatView& v = b.vue();
  placer(v, 0, 16);
  EXPECT_EQ(formatA(v, 0, 9), "normal");
  QTest::keyClick(&v, Qt::Key_E);
  EXPECT_EQ(formatA(v, 0, 9), "fonction");
  EXPECT_EQ(doc->texte()->availableUndoSteps(), 1);  // the letter alone

  QTest::keyClick(&v, Qt::Key_Return);
  QTest::keyClicks(&v, "; GetStage");
  EXPECT_EQ(formatA(v, 1, 2), "commentaire");
  EXPECT_EQ(formatA(v, 0, 9), "fonction");
  EXPECT_EQ(formatA(v, 2, 0), "systeme");

  // Delete (no character produced), cut, undo, redo: each line shows its own text's colours.
  placer(v, 1, 0);
  QTest::keyClick(&v, Qt::Key_Delete);
  EXPECT_EQ(v.document()->findBlockByNumber(1).text(), QStringLiteral(" GetStage"));
  EXPECT_EQ(formatA(v, 1, 2), "fonction");
  b.app->OnEditUndo();
  EXPECT_EQ(formatA(v, 1, 2), "commentaire");
  b.app->OnEditRedo();
  EXPECT_EQ(formatA(v, 1, 2), "fonction");
  placer(v, 0, 9);
  QTextCursor c = v.textCursor();
  c.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
  v.setTextCursor(c);
  b.app->OnEditCut();  // "Get"
  EXPECT_EQ(formatA(v, 0, 9), "normal");
  b.app->OnEditUndo();
  EXPECT_EQ(formatA(v, 0, 9), "fonction");
  // A replacement writes through a cursor, as the Replace command does.
  QTextCursor r(v.document()->findBlockByNumber(2));
  r.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  r.insertText(QStringLiteral("\"if\""));
  EXPECT_EQ(formatA(v, 2, 1), "chaine");

  // Colouring itself added no step: typing back to the opened text leaves it unmodified.
  while (doc->texte()->isUndoAvailable()) b.app->OnEditUndo();
  EXPECT_EQ(doc->contenu(), QStringLiteral("set x to GetStag\nif"));
  EXPECT_FALSE(doc->estModifie());
  EXPECT_EQ(formatA(v, 0, 9), "normal");
}

TEST(Coloration, NouveauDocumentColoreDesLaPremiereFrappe) {
  Banc b(ecrireMots);
  CQuillomatView& v = b.vue();
  QTest::keyClicks(&v, "if x");
  EXPECT_EQ(formatA(v, 0, 0), "systeme");
  EXPECT_EQ(v.document()->availableUndoSteps(), 1);

  b.app->OnFileNew();  // a paste first
  QApplication::clipboard()->setText(QStringLiteral("x\nGetStage"));
  b.app->OnPasteColoured();
  EXPECT_EQ(formatA(b.vue(), 1, 0), "fonction");
}

TEST(Coloration, CollerSousEtAuDessusDeCinquanteLignes) {
  Banc b(ecrireMots);
  b.ecrire("s.txt", "debut\nfin");
  b.app->OpenDocumentFile(b.chemin("s.txt"));
  CQuillomatView& v = b.vue();

  for (const int ecart : {49, 50}) {
    EspionProgression espion(b.cadre());
    QApplication::clipboard()->setText(lignes(ecart, QStringLiteral("GetStage \"t\"")) + u'\n');
    placer(v, 1, 0);
    b.app->OnPasteColoured();
    for (int l = 1; l <= ecart; ++l) {
      ASSERT_EQ(formatA(v, l, 0), "fonction") << ecart << " " << l;
      ASSERT_EQ(formatA(v, l, 10), "chaine") << ecart << " " << l;
    }
    EXPECT_EQ(formatA(v, ecart + 1, 0), "normal") << "fin";
    if (ecart == 49) {
      EXPECT_TRUE(espion.barres.empty());
    } else {
      ASSERT_EQ(espion.barres.size(), 1u);
      EXPECT_EQ(espion.barres[0].message, QStringLiteral("Coloration du nouveau texte..."));
      EXPECT_EQ(espion.barres[0].maximum, 50);
      EXPECT_EQ(espion.barres[0].valeur, 50);
      EXPECT_EQ(b.cadre().textePanneau(0), QStringLiteral("Coloration du nouveau texte terminée."));
    }
    b.app->OnEditUndo();  // undo of the paste: the line left there has its own colours
    EXPECT_EQ(v.document()->findBlockByNumber(1).text(), QStringLiteral("fin"));
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
  EXPECT_EQ(formatA(va, 1, 0), "fonction");

  CPrefDlg& dlg = preferences(b);
  {
    EspionProgression espion(b.cadre());
    appliquer(dlg, true);
    EXPECT_TRUE(espion.barres.empty());
  }
  EXPECT_FALSE(b.app->m_bColouring);
  EXPECT_TRUE(toutNoir(va));
  EXPECT_TRUE(toutNoir(vb));
  QTest::keyClicks(&vb, "if ");  // typing while off colours nothing
  EXPECT_TRUE(toutNoir(vb));
  b.app->OnEditUndo();

  {
    EspionProgression espion(b.cadre());
    appliquer(dlg, false);
    ASSERT_EQ(espion.barres.size(), 1u);
    EXPECT_EQ(espion.barres[0].message, QStringLiteral("Coloration des documents..."));
    EXPECT_EQ(espion.barres[0].maximum, 1 + 2);
    EXPECT_EQ(espion.barres[0].valeur, 3);
  }
  EXPECT_EQ(b.cadre().textePanneau(0), QStringLiteral("Coloration des documents terminée."));
  EXPECT_EQ(formatA(va, 0, 0), "systeme");
  EXPECT_EQ(formatA(va, 1, 10), "commentaire");
  EXPECT_EQ(formatA(vb, 1, 1), "chaine");
  EXPECT_EQ(formatA(vb, 2, 8), "statistique");
  {
    EspionProgression espion(b.cadre());
    appliquer(dlg, false);  // no change: nothing recoloured
    EXPECT_TRUE(espion.barres.empty());
  }
  EXPECT_FALSE(a->estModifie());
  EXPECT_FALSE(d->estModifie());
  EXPECT_FALSE(a->texte()->isUndoAvailable());
  EXPECT_FALSE(d->texte()->isUndoAvailable());
  dlg.close();
}

TEST(Coloration, OuvertureSansColorationPuisAllumage) {
  Banc b([](const QDir& d) {
    ecrireMots(d);
    QFile f(d.filePath(QStringLiteral("DebugKVR4.dat")));
    f.open(QIODevice::WriteOnly);
    const int32_t champs[8] = {1, 1, 0, 0, 0, 0, 1, 1};
    f.write(reinterpret_cast<const char*>(champs), sizeof champs);
  });
  ASSERT_FALSE(b.app->m_bColouring);
  b.ecrire("s.txt", "if x");
  EspionProgression espion(b.cadre());
  b.app->OpenDocumentFile(b.chemin("s.txt"));
  EXPECT_TRUE(espion.barres.empty());
  EXPECT_TRUE(toutNoir(b.vue()));
  CPrefDlg& dlg = preferences(b);
  appliquer(dlg, false);
  EXPECT_EQ(formatA(b.vue(), 0, 0), "systeme");
  dlg.close();
}
