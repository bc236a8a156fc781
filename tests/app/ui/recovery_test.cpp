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

constexpr auto kVite = 20ms;
const QString kMort = QStringLiteral("0123456789abcdef0123456789abcdef");  // an editor that stopped

MagasinRecuperation& magasin(const Banc& b) { return b.app->findChild<CRecuperation*>()->magasin(); }

// The files under the folder, every copy decoded.
QStringList fichiers(const QString& dossier) {
  QStringList liste;
  for (QDirIterator it(dossier, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) liste.append(it.next());
  return liste;
}
std::vector<CopieRecuperation> copies(const QString& dossier) {
  std::vector<CopieRecuperation> liste;
  for (const QString& f : fichiers(dossier)) {
    QFile fichier(f);
    fichier.open(QIODevice::ReadOnly);
    if (auto c = quillomat::decoderCopie(fichier.readAll().toStdString())) liste.push_back(*c);
  }
  return liste;
}
// Keys as a user types them, accents included.
void taper(CQuillomatView& vue, const QString& texte) {
  for (const QChar c : texte) {
    QKeyEvent touche(QEvent::KeyPress, c.isLetter() ? Qt::Key_A : Qt::Key_Space, Qt::NoModifier, QString(c));
    QApplication::sendEvent(&vue, &touche);
  }
}

size_t attendreCopies(const Banc& b, const QString& dossier, size_t nombre) {
  (void)QTest::qWaitFor([&] {
    magasin(b).attendre();
    return copies(dossier).size() == nombre;
  });
  return copies(dossier).size();
}

void deposer(const QString& dossier, const CopieRecuperation& c, int numero = 1) {
  QDir().mkpath(dossier + u'/' + kMort);
  QFile f(QStringLiteral("%1/%2/document-%3.copie").arg(dossier, kMort).arg(numero));
  f.open(QIODevice::WriteOnly);
  f.write(QByteArray::fromStdString(quillomat::encoderCopie(c)));
}

// Starts an editor that answers the offer with `choix` (none: "Plus tard").
struct Offre {
  QStringList lignes;
  std::unique_ptr<Banc> banc;
  Offre(const QString& dossier, std::optional<ChoixCopie> choix) : banc(std::make_unique<Banc>(nullptr, dossier, kVite)) {
    banc->messages->surDialogue = [this, choix](QDialog& d) {
      auto& r = dynamic_cast<CRecuperationDlg&>(d);
      for (int i = 0; i < r.liste()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* l = r.liste()->topLevelItem(i);
        lignes.append(QStringList{l->text(0), l->text(1), l->text(3)}.join(u'|'));
      }
      if (choix) r.bouton(*choix)->click();
    };
    QCoreApplication::processEvents();
  }
};

}  // namespace

TEST(Recuperation, LaCopieVientApresUnChangementEtPartAvecLeDocument) {
  struct Cas {
    const char* fin;
    std::function<void(Banc&)> action;
    size_t restent;
  };
  const Cas cas[] = {
      {"enregistré", [](Banc& b) { b.declencher(57603); }, 0},
      {"annulé jusqu'au texte du fichier", [](Banc& b) {
         for (int i = 0; i < 20 && b.vue().document()->isModified(); ++i) b.vue().undo();
       }, 0},
      {"fermé sans enregistrer", [](Banc& b) { b.messages->reponses = {Reponse::Non}; b.app->OnFileClose(); }, 0},
      {"fermeture annulée", [](Banc& b) { b.messages->reponses = {Reponse::Annuler}; b.app->OnFileClose(); }, 1},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.fin);
    QTemporaryDir donnees;
    const QString dossier = donnees.filePath(QStringLiteral("recuperation"));
    Banc b(nullptr, dossier, kVite);
    b.messages->aEnregistrer = b.chemin(QStringLiteral("neuf.txt"));
    QTest::qWait(50);
    EXPECT_FALSE(QDir(dossier).exists());  // nothing to copy, nothing written
    taper(b.vue(), QStringLiteral("scn Tête"));
    ASSERT_EQ(attendreCopies(b, dossier, 1), 1u);
    EXPECT_EQ(copies(dossier)[0].texte, u"scn T\u00EAte");
    EXPECT_EQ(copies(dossier)[0].nom, u"Quillomat1");
    c.action(b);
    EXPECT_EQ(attendreCopies(b, dossier, c.restent), c.restent);
    // Never in the user's script folder.
    EXPECT_TRUE(b.dossier().entryList({QStringLiteral("*.copie"), QStringLiteral("recuperation")}).isEmpty());
  }
}

TEST(Recuperation, QuitterNormalementNeLaisseRienEtLaVerificationCopieAvant) {
  QTemporaryDir donnees;
  const QString dossier = donnees.filePath(QStringLiteral("recuperation"));
  Banc b(nullptr, dossier, 1h);
  taper(b.vue(), QStringLiteral("scn Avant"));
  EXPECT_TRUE(copies(dossier).empty());
  b.declencher(32771);  // "Débuguer": the copy is on disk before the check runs
  EXPECT_EQ(copies(dossier).size(), 1u);
  b.messages->reponses = {Reponse::Non, Reponse::Non};
  b.fermerTout();
  b.app.reset();
  EXPECT_TRUE(QDir(dossier).isEmpty()) << fichiers(dossier).join(u' ').toStdString();
}

TEST(Recuperation, UneCopieImpossibleEstDiteUneFoisSansGenerLaFrappe) {
  QTemporaryDir donnees;
  QFile(donnees.filePath(QStringLiteral("fichier"))).open(QIODevice::WriteOnly);
  Banc b(nullptr, donnees.filePath(QStringLiteral("fichier/recuperation")), kVite);  // no folder can go there
  QSignalSpy echecs(&magasin(b), &MagasinRecuperation::echec);
  for (const QString& mot : {QStringLiteral("scn "), QStringLiteral("Un"), QStringLiteral("Deux")}) {
    taper(b.vue(), mot);
    QTest::qWait(60);
  }
  EXPECT_EQ(b.vue().toPlainText(), "scn UnDeux");
  ASSERT_EQ(echecs.size(), 1);
  EXPECT_TRUE(b.cadre().textePanneau(0).startsWith(QStringLiteral("Impossible d'écrire la copie de récupération")));
  EXPECT_TRUE(b.messages->messages.empty());
}

TEST(Recuperation, AuDemarrageLesCopiesLaisseesSontRendues) {
  QTemporaryDir donnees;
  const QString dossier = donnees.filePath(QStringLiteral("recuperation"));
  const QString fichier = donnees.filePath(QStringLiteral("a.txt"));
  const auto ecrireFichier = [&] {
    QFile f(fichier);
    f.open(QIODevice::WriteOnly);
    f.write("scn A\n");
  };
  ecrireFichier();
  deposer(dossier, {fichier.toStdU16String(), u"a.txt", quillomat::EncodageCopie::Utf8, false, 100, u"scn A\n; \u00E9 \u263A"}, 1);
  deposer(dossier, {u"", u"Quillomat3", quillomat::EncodageCopie::Latin1, true, 200, u"\n  scn Neuf  \n"}, 2);

  {  // Later: nothing changes, the copies are offered again.
    const Offre plusTard(dossier, std::nullopt);
    EXPECT_EQ(plusTard.lignes, QStringList({QStringLiteral("Quillomat3|(jamais enregistré)|scn Neuf"),
                                            QStringLiteral("a.txt|%1|scn A").arg(QDir::toNativeSeparators(fichier))}));
    EXPECT_EQ(plusTard.banc->fenetres(), 1);
  }
  {  // Restored: modified, where they belong, the empty start document gone.
    const Offre restaure(dossier, ChoixCopie::Restaurer);
    EXPECT_EQ(restaure.lignes.size(), 2);
    Banc& b = *restaure.banc;
    ASSERT_EQ(b.fenetres(), 2);
    const CQuillomatDoc& neuf = b.app->enfants()[0]->GetActiveDocument();
    const CQuillomatDoc& a = b.app->enfants()[1]->GetActiveDocument();
    EXPECT_EQ(neuf.nom(), "Quillomat3 (récupéré)");
    EXPECT_EQ(neuf.contenu(), "\n  scn Neuf  \n");
    EXPECT_TRUE(neuf.chemin().isEmpty());
    EXPECT_EQ(a.chemin(), fichier);
    EXPECT_EQ(a.contenu(), QStringLiteral("scn A\n; é ☺"));
    EXPECT_TRUE(a.estModifie() && neuf.estModifie());
    EXPECT_EQ(a.encodage(), CQuillomatDoc::Encodage::Utf8);
    EXPECT_EQ(a.finDeLigne(), "\n");
    // The old copies went once this editor had its own.
    EXPECT_FALSE(QDir(dossier).exists(kMort));
    EXPECT_EQ(copies(dossier).size(), 2u);
    b.messages->reponses = {Reponse::Non, Reponse::Non};
    b.fermerTout();
  }
  {  // Beside the file: the file as it is on disk, the copy in a window of its own.
    deposer(dossier, {fichier.toStdU16String(), u"a.txt", quillomat::EncodageCopie::Latin1, true, 100, u"scn B"});
    const Offre aCote(dossier, ChoixCopie::OuvrirACote);
    Banc& b = *aCote.banc;
    ASSERT_EQ(b.fenetres(), 2);
    QStringList vus;
    for (CChildFrame* e : b.app->enfants()) {
      const CQuillomatDoc& d = e->GetActiveDocument();
      vus.append(QStringLiteral("%1|%2|%3").arg(d.nom(), d.contenu(), d.estModifie() ? "*" : ""));
    }
    EXPECT_TRUE(vus.contains(QStringLiteral("a.txt|scn A\n|"))) << vus.join(u' ').toStdString();
    EXPECT_TRUE(vus.contains(QStringLiteral("a.txt (copie récupérée)|scn B|*"))) << vus.join(u' ').toStdString();
  }
  {  // Discarded: gone, no window opens.
    const Offre supprime(dossier, ChoixCopie::Ecarter);
    EXPECT_EQ(supprime.lignes, QStringList{QStringLiteral("a.txt (copie récupérée)|(jamais enregistré)|scn B")});
    EXPECT_EQ(supprime.banc->fenetres(), 1);
    EXPECT_TRUE(QDir(dossier).isEmpty()) << fichiers(dossier).join(u' ').toStdString();
  }
}

TEST(Recuperation, LesCopiesDUnEditeurQuiTourneNeSontNiOffertesNiSupprimees) {
  QTemporaryDir donnees;
  const QString dossier = donnees.filePath(QStringLiteral("recuperation"));
  Banc premier(nullptr, dossier, kVite);
  taper(premier.vue(), QStringLiteral("scn Vivant"));
  ASSERT_EQ(attendreCopies(premier, dossier, 1), 1u);
  deposer(dossier, {}, 1);
  QFile abime(QStringLiteral("%1/%2/document-2.copie").arg(dossier, kMort));
  abime.open(QIODevice::WriteOnly);
  abime.write("QUILLOMAT-RECUPERATION 1\ncoupé");
  abime.close();

  const Offre second(dossier, ChoixCopie::Ecarter);
  EXPECT_EQ(second.lignes, QStringList{QStringLiteral("|(jamais enregistré)|(vide)")});  // only the stopped editor's
  EXPECT_EQ(copies(dossier).size(), 1u);
  EXPECT_EQ(copies(dossier)[0].texte, u"scn Vivant");
  EXPECT_TRUE(abime.exists());  // not a whole copy: left as it is
}

TEST(Recuperation, LeTitreSuitLeDocumentRenomme) {
  Banc b;
  b.messages->aEnregistrer = b.chemin(QStringLiteral("nomme.txt"));
  b.declencher(57604);
  EXPECT_TRUE(QTest::qWaitFor([&] { return b.cadre().windowTitle() == "Quillomat - nomme.txt"; }, 1000));
}
