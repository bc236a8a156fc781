// Recovery copies: when they are written and removed, and what the start
// offers back. The copies go to a temporary data folder, never the user's.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "app/core/recovery_choice.hpp"
#include "app/recovery.hpp"
#include "app/recovery_dlg.hpp"
#include "app/recovery_store.hpp"
#include "bench.hpp"

using namespace std::chrono_literals;
using quillomat::ChoixCopie;
using quillomat::CopieRecuperation;

namespace {

const QString kMort = QStringLiteral("0123456789abcdef0123456789abcdef");  // an editor that stopped

struct Donnees {
  QTemporaryDir dossier;
  QString recuperation = dossier.filePath(QStringLiteral("recuperation"));

  // Every copy under the folder, decoded.
  std::vector<CopieRecuperation> copies() const {
    std::vector<CopieRecuperation> liste;
    for (QDirIterator it(recuperation, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
      QFile f(it.next());
      f.open(QIODevice::ReadOnly);
      if (auto c = quillomat::decoderCopie(f.readAll().toStdString())) liste.push_back(*c);
    }
    return liste;
  }
  size_t attendre(const Banc& b, size_t nombre) const {
    (void)QTest::qWaitFor([&] {
      b.app->findChild<CRecuperation*>()->magasin().attendre();
      return copies().size() == nombre;
    });
    return copies().size();
  }
  // A copy left by an editor that stopped.
  void deposer(const CopieRecuperation& c, int numero = 1) const {
    ecrire(QStringLiteral("%1/%2/document-%3.copie").arg(recuperation, kMort).arg(numero),
           QByteArray::fromStdString(quillomat::encoderCopie(c)));
  }
  static void ecrire(const QString& chemin, const QByteArray& octets) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(octets);
  }
};

// An editor started on the folder, that answers the offer with `choix`
// (none: "Plus tard"); `lignes` holds what the box listed.
struct Offre {
  QStringList lignes;
  std::unique_ptr<Banc> banc;
  bool vue = false;
  Offre(const Donnees& d, std::optional<ChoixCopie> choix)
      : banc(std::make_unique<Banc>(nullptr, d.recuperation, 20ms)) {
    banc->messages->surDialogue = [this, choix](QDialog& boite) {
      auto& r = dynamic_cast<CRecuperationDlg&>(boite);
      for (int i = 0; i < r.liste()->topLevelItemCount(); ++i)
        lignes.append(QStringList{r.liste()->topLevelItem(i)->text(0), r.liste()->topLevelItem(i)->text(1),
                                  r.liste()->topLevelItem(i)->text(3)}.join(u'|'));
      if (choix) r.bouton(*choix)->click();
      vue = true;
    };
    (void)QTest::qWaitFor([this] { return vue; }, 5000);  // once the main window shows
  }
  QStringList documents() const {
    QStringList vus;
    for (CChildFrame* e : banc->app->enfants()) {
      const CQuillomatDoc& d = e->GetActiveDocument();
      vus.append(QStringList{d.nom(), d.chemin(), d.contenu(), d.estModifie() ? "*" : ""}.join(u'|'));
    }
    return vus;
  }
};

}  // namespace

TEST(Recuperation, LaCopieVientApresUnChangementEtPartAvecLeDocument) {
  const std::pair<const char*, std::function<void(Banc&)>> cas[] = {
      {"enregistré", [](Banc& b) { b.declencher(57603); }},
      {"annulé jusqu'au texte du fichier", [](Banc& b) { b.vue().undo(); }},
      {"fermé sans enregistrer",
       [](Banc& b) {
         b.messages->reponses = {Reponse::Non};
         b.app->OnFileClose();
       }},
  };
  for (const auto& [fin, action] : cas) {
    SCOPED_TRACE(fin);
    const Donnees d;
    Banc b(nullptr, d.recuperation, 20ms);
    b.messages->aEnregistrer = b.chemin(QStringLiteral("neuf.txt"));
    QTest::qWait(50);
    EXPECT_FALSE(QDir(d.recuperation).exists());  // nothing to copy, nothing written
    b.vue().insertPlainText(QStringLiteral("scn Tête"));
    ASSERT_EQ(d.attendre(b, 1), 1u);
    EXPECT_EQ(d.copies()[0], (CopieRecuperation{u"", u"Quillomat1", quillomat::EncodageCopie::Latin1, true,
                                                d.copies()[0].date, u"scn T\u00EAte"}));
    action(b);
    EXPECT_EQ(d.attendre(b, 0), 0u);
    EXPECT_TRUE(b.dossier().entryList({QStringLiteral("*.copie"), QStringLiteral("recuperation")}).isEmpty());
  }
}

TEST(Recuperation, QuitterNormalementNeLaisseRienEtLaVerificationCopieAvant) {
  const Donnees d;
  Banc b(nullptr, d.recuperation, 1h);
  b.vue().insertPlainText(QStringLiteral("scn Avant"));
  EXPECT_TRUE(d.copies().empty());
  b.declencher(32771);  // "Débuguer": the copy is on disk before the check runs
  EXPECT_EQ(d.copies().size(), 1u);
  b.messages->reponses = {Reponse::Annuler};  // the window stays, and its copy
  b.app->OnFileClose();
  EXPECT_EQ(d.copies().size(), 1u);
  b.messages->reponses = {Reponse::Non};
  b.fermerTout();
  b.app.reset();
  EXPECT_TRUE(QDir(d.recuperation).isEmpty());
}

TEST(Recuperation, UneCopieImpossibleEstDiteUneFoisSansGenerLaFrappe) {
  const Donnees d;
  Donnees::ecrire(d.recuperation, "un fichier où le dossier devrait être");
  Banc b(nullptr, d.recuperation + QStringLiteral("/dedans"), 20ms);
  QSignalSpy echecs(&b.app->findChild<CRecuperation*>()->magasin(), &MagasinRecuperation::echec);
  for (const QString& mot : {QStringLiteral("scn "), QStringLiteral("Un"), QStringLiteral("Deux")}) {
    b.vue().insertPlainText(mot);
    QTest::qWait(60);
  }
  EXPECT_EQ(b.vue().toPlainText(), "scn UnDeux");
  ASSERT_EQ(echecs.size(), 1);
  EXPECT_TRUE(b.cadre().textePanneau(0).startsWith(QStringLiteral("Impossible d'écrire la copie de récupération")));
  EXPECT_TRUE(b.messages->messages.empty());
}

TEST(Recuperation, AuDemarrageLesCopiesLaisseesSontRendues) {
  const Donnees d;
  const QString fichier = d.dossier.filePath(QStringLiteral("a.txt"));
  Donnees::ecrire(fichier, "scn A\n");
  d.deposer({fichier.toStdU16String(), u"a.txt", quillomat::EncodageCopie::Utf8, false, 100, u"scn A\n; \u00E9 \u263A"});
  d.deposer({u"", u"Quillomat3", quillomat::EncodageCopie::Latin1, true, 200, u"\n  scn Neuf  \n"}, 2);
  const QString abimee = QStringLiteral("%1/%2/document-3.copie").arg(d.recuperation, kMort);
  Donnees::ecrire(abimee, "QUILLOMAT-RECUPERATION 1\n");  // not a whole copy: never offered nor removed

  {  // Later: nothing changes, the copies are offered again, newest first.
    const Offre plusTard(d, std::nullopt);
    EXPECT_EQ(plusTard.lignes, QStringList({QStringLiteral("Quillomat3|(jamais enregistré)|scn Neuf"),
                                            QStringLiteral("a.txt|%1|scn A").arg(QDir::toNativeSeparators(fichier))}));
    EXPECT_EQ(plusTard.documents(), QStringList{QStringLiteral("Quillomat1|||")});
  }
  {  // Restored: modified, where they belong, the empty start document gone.
    const Offre restaure(d, ChoixCopie::Restaurer);
    ASSERT_EQ(restaure.documents(), QStringList({QStringLiteral("Quillomat3 (récupéré)||\n  scn Neuf  \n|*"),
                                                 QStringLiteral("a.txt|%1|scn A\n; é ☺|*").arg(fichier)}));
    const CQuillomatDoc& a = restaure.banc->app->enfants()[1]->GetActiveDocument();
    EXPECT_EQ(a.encodage(), CQuillomatDoc::Encodage::Utf8);
    EXPECT_EQ(a.finDeLigne(), "\n");
    // The old copies went once this editor had its own.
    EXPECT_EQ(QDir(d.recuperation + u'/' + kMort).entryList(QDir::Files), QStringList{"document-3.copie"});
    EXPECT_EQ(d.copies().size(), 2u);
    restaure.banc->messages->reponses = {Reponse::Non, Reponse::Non};
    restaure.banc->fermerTout();
  }
  {  // Beside the file: the file as it is on disk, the copy in a window of its own.
    d.deposer({fichier.toStdU16String(), u"a.txt", quillomat::EncodageCopie::Latin1, true, 100, u"scn B"});
    const Offre aCote(d, ChoixCopie::OuvrirACote);
    EXPECT_EQ(aCote.documents(), QStringList({QStringLiteral("a.txt|%1|scn A\n|").arg(fichier),
                                              QStringLiteral("a.txt (copie récupérée)||scn B|*")}));
  }
  EXPECT_TRUE(QFile::exists(abimee));
}

TEST(Recuperation, UnLongTexteRestaureMontreSonCurseur) {
  const Donnees d;
  std::u16string texte = u"scn Long";
  for (int i = 0; i < 300; ++i) texte += u"\nset a to " + QString::number(i).toStdU16String();
  d.deposer({u"", u"Quillomat7", quillomat::EncodageCopie::Latin1, true, 100, texte});
  const Offre restaure(d, ChoixCopie::Restaurer);
  const CQuillomatView& v = restaure.banc->vue();
  ASSERT_EQ(v.GetDocument().nom(), QStringLiteral("Quillomat7 (récupéré)"));
  EXPECT_TRUE(v.viewport()->rect().contains(v.cursorRect().center()))
      << "ligne " << v.textCursor().blockNumber() + 1 << ", vue depuis la ligne " << v.premierBlocVisible().blockNumber() + 1;
}
