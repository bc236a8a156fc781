// Files changed on disk by another program while their window is open.
#include <gtest/gtest.h>

#include <filesystem>

#include <QTest>
#include <QTextDocument>

#include "bench.hpp"

namespace {

constexpr int kCalme = 600;  // long enough for a change to be weighed, when checking that none was

bool attendreQuestions(const Banc& b, qsizetype n) {
  return QTest::qWaitFor([&] { return b.messages->questions.size() >= n; }, 5000);
}

}  // namespace

TEST(ModifieSurDisque, ChaqueFaconDEcrireDemandeUneFoisEtOuiRecharge) {
  Banc b;
  CQuillomatDoc* doc = b.ouvrir("s.txt", "ancien");
  const std::function<void(const QByteArray&)> facons[] = {
      [&](const QByteArray& o) { b.ecrire("s.txt", o); },
      [&](const QByteArray& o) {  // a new file renamed over the old one
        b.ecrire("s.tmp", o);
        std::filesystem::rename(b.chemin("s.tmp").toStdString(), b.chemin("s.txt").toStdString());
      },
      [&](const QByteArray& o) {
        QFile::remove(b.chemin("s.txt"));
        b.ecrire("s.txt", o);
      },
  };
  for (int i = 0; i < 3; ++i) {
    b.messages->reponses = {Reponse::Oui};
    facons[i](QByteArray::number(i));
    ASSERT_TRUE(attendreQuestions(b, i + 1)) << i;
    EXPECT_EQ(b.messages->questions.last(), "Le fichier « " + QDir::toNativeSeparators(b.chemin("s.txt")) +
                                                " » a été modifié par un autre programme.\nLe recharger ?");
    EXPECT_EQ(doc->contenu(), QString::number(i));
    EXPECT_FALSE(doc->estModifie());
  }
  QTest::qWait(kCalme);
  EXPECT_EQ(b.messages->questions.size(), 3) << "once per change, whatever the events";
}

TEST(ModifieSurDisque, NonGardeLeTexteEtUnChangementPendantLaQuestionEstDemandeEnsuite) {
  Banc b;
  CQuillomatDoc* doc = b.ouvrir("s.txt", "ancien");
  b.vue().selectAll();
  b.vue().insertPlainText("le mien");  // typed: unsaved changes
  qsizetype pendant = -1;  // while the box is open, the file changes again: no second box on top
  b.messages->pendantQuestion = [&] {
    b.messages->pendantQuestion = nullptr;
    b.ecrire("s.txt", "encore");
    QTest::qWait(kCalme);
    pendant = b.messages->questions.size();
  };
  b.messages->reponses = {Reponse::Non};
  b.ecrire("s.txt", "autre");
  ASSERT_TRUE(attendreQuestions(b, 2));  // the newer change is asked about next, once
  EXPECT_TRUE(b.messages->questions[0].endsWith(QStringLiteral("seront perdues.")));
  EXPECT_EQ(pendant, 1);
  QTest::qWait(kCalme);
  EXPECT_EQ(b.messages->questions.size(), 2);
  EXPECT_EQ(doc->contenu(), "le mien");
  EXPECT_TRUE(doc->estModifie());
}

TEST(ModifieSurDisque, LaBarreDEtatDitCeQuiAEteFaitJusquALaCommandeSuivante) {
  Banc b;
  b.ouvrir("s.txt", "ancien");
  const QString recharge = QStringLiteral("Document rechargé depuis le disque.");
  const std::tuple<Reponse, QByteArray, QString> cas[] = {
      {Reponse::Oui, "un", recharge},
      {Reponse::Non, "deux", QStringLiteral("Document non rechargé : la fenêtre garde son texte.")},
      {Reponse::Oui, "trois", recharge},
  };
  qsizetype n = 0;
  for (const auto& [reponse, octets, message] : cas) {
    b.messages->reponses = {reponse};
    b.ecrire("s.txt", octets);
    ASSERT_TRUE(attendreQuestions(b, ++n)) << octets.constData();
    EXPECT_TRUE(QTest::qWaitFor([&] { return b.cadre().textePanneau(0) == message; }, 2000))
        << octets.constData() << ": " << b.cadre().textePanneau(0);
  }
  b.declencher(32794);  // any command
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
}

TEST(ModifieSurDisque, EnregistrementsDeLEditeurSansQuestionFichierSupprimeRecree) {
  Banc b;
  CQuillomatDoc* doc = b.ouvrir("s.txt", "ancien");
  b.vue().setPlainText("un");
  b.declencher(57603);
  b.messages->aEnregistrer = b.chemin("t.txt");
  b.declencher(57604);
  b.ecrire("s.txt", "ailleurs");  // no longer this window's file
  QTest::qWait(kCalme);
  EXPECT_TRUE(b.messages->questions.empty());

  // A file deleted: said once; the text stays, to be saved again.
  QFile::remove(b.chemin("t.txt"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !b.messages->messages.empty(); }, 5000));
  EXPECT_TRUE(b.messages->messages[0].texte.contains(QStringLiteral("supprimé")));
  EXPECT_TRUE(doc->estModifie());
  b.declencher(57603);
  EXPECT_EQ(b.lire("t.txt"), "un");
  QTest::qWait(kCalme);
  EXPECT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->questions.empty());
  b.ecrire("t.txt", "autre");  // the file the save renamed into place is watched
  ASSERT_TRUE(attendreQuestions(b, 1));
}
