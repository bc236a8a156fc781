// The real program on the real display, stopped as a crash stops it: keys
// typed with xdotool, SIGKILL, a new start, the recovery box answered with
// keys. Its data folder (HOME, XDG_*) is temporary: the user's is never touched.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QTemporaryDir>

#include "app/core/recovery_copy.hpp"
#include "x11_editor.hpp"

namespace {

using x11::lire;

const QString kBoite = QStringLiteral("Récupération de documents");

struct Dossiers {
  QTemporaryDir scripts, donnees;
  QString recuperation() const { return donnees.filePath(QStringLiteral("data/Quillomat/recuperation")); }
  QString script(const QString& nom) const { return scripts.filePath(nom); }
  void ecrire(const QString& nom, const QByteArray& octets) const {
    QFile f(script(nom));
    f.open(QIODevice::WriteOnly);
    f.write(octets);
  }
  // The texts of the recovery copies, sorted; none left at all, not even a file.
  QStringList copies() const {
    QStringList textes;
    for (QDirIterator it(recuperation(), {QStringLiteral("*.copie")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
      if (auto c = quillomat::decoderCopie(lire(it.next()).toStdString())) textes.append(QString::fromStdU16String(c->texte));
    }
    textes.sort();
    return textes;
  }
  bool vide() const { return !QDirIterator(recuperation(), QDir::Files, QDirIterator::Subdirectories).hasNext(); }
};

// The Linux editor with its data folders in the test's temporary one.
class Editeur : public x11::Editeur {
 public:
  explicit Editeur(const Dossiers& d, const QStringList& fichiers = {})
      : x11::Editeur({QStringLiteral(QUILLOMAT_EDITOR)}, d.scripts.path(), environnement(d), fichiers) {}

 private:
  static QProcessEnvironment environnement(const Dossiers& d) {
    const QString donnees = d.donnees.path();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), donnees);
    env.insert(QStringLiteral("XDG_DATA_HOME"), donnees + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), donnees + QStringLiteral("/config"));
    return env;
  }
};

}  // namespace

TEST(SurX11Recuperation, ApresUnKillLesTextesTapesSontRendusOctetPourOctet) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  const x11::ClavierFrancais clavier;
  Dossiers d;
  d.ecrire(QStringLiteral("latin1.txt"), "scn Latin\r\n; caf\xE9\r\n");
  d.ecrire(QStringLiteral("utf8.txt"), "scn Utf\n; caf\xC3\xA9 \xE2\x98\xBA\n");
  {
    Editeur avant(d, {QStringLiteral("latin1.txt"), QStringLiteral("utf8.txt")});
    ASSERT_FALSE(avant.activer(QStringLiteral("^Quillomat - ")).isEmpty());
    ASSERT_TRUE(avant.montrer(QStringLiteral("utf8.txt")));
    x11::touches(QStringLiteral("ctrl+End"));
    x11::taper(QStringLiteral("; ajout"));
    ASSERT_TRUE(avant.montrer(QStringLiteral("latin1.txt")));
    x11::touches(QStringLiteral("ctrl+End"));
    x11::taper(QStringLiteral("; été à ç è"));
    x11::touches(QStringLiteral("ctrl+n"));
    x11::taper(QStringLiteral("scn Neuf ù"));
    ASSERT_TRUE(x11::attendre(
        [&] {
          const QStringList c = d.copies();
          return c.size() == 3 && c.contains(QStringLiteral("scn Latin\n; café\n; été à ç è")) &&
                 c.contains(QStringLiteral("scn Neuf ù"));
        },
        20000))
        << d.copies().join(u'|').toStdString();

    // Another editor started meanwhile offers nothing and takes nothing.
    Editeur second(d);
    ASSERT_FALSE(second.activer(QStringLiteral("^Quillomat - ")).isEmpty());
    EXPECT_TRUE(second.activer(kBoite, 2000).isEmpty());
    EXPECT_TRUE(second.quitter());
    EXPECT_EQ(d.copies().size(), 3);
  }  // both stopped by SIGKILL

  Editeur apres(d);
  ASSERT_FALSE(apres.activer(kBoite).isEmpty());
  x11::touches(QStringLiteral("Return"));  // "Restaurer", for every copy
  // Saved where they belong, in the bytes they were read in.
  const std::pair<QString, QByteArray> fichiers[] = {
      {QStringLiteral("latin1.txt"), "scn Latin\r\n; caf\xE9\r\n; \xE9t\xE9 \xE0 \xE7 \xE8"},
      {QStringLiteral("utf8.txt"), "scn Utf\n; caf\xC3\xA9 \xE2\x98\xBA\n; ajout"},
  };
  for (const auto& [nom, octets] : fichiers) {
    ASSERT_TRUE(apres.montrer(nom));
    x11::touches(QStringLiteral("ctrl+s"));
    EXPECT_TRUE(x11::attendre([&] { return lire(d.script(nom)) == octets; })) << lire(d.script(nom)).toStdString();
  }
  ASSERT_TRUE(apres.montrer(QStringLiteral("Quillomat1 (récupéré)")));
  x11::touches(QStringLiteral("ctrl+s"));
  ASSERT_FALSE(apres.activer(QStringLiteral("^Enregistrer sous")).isEmpty());
  x11::touches(QStringLiteral("ctrl+a"));
  x11::taper(d.script(QStringLiteral("neuf.txt")));
  x11::touches(QStringLiteral("Return"));
  EXPECT_TRUE(x11::attendre([&] { return lire(d.script(QStringLiteral("neuf.txt"))) == "scn Neuf \xF9"; }));
  EXPECT_TRUE(apres.quitter());  // a normal quit leaves nothing behind
  EXPECT_TRUE(d.vide());
}

TEST(SurX11Recuperation, SupprimerLaCopieLEfface) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  Dossiers d;
  {
    Editeur premier(d);
    ASSERT_FALSE(premier.activer(QStringLiteral("^Quillomat - ")).isEmpty());
    x11::taper(QStringLiteral("scn Premier"));
    ASSERT_TRUE(x11::attendre([&] { return d.copies() == QStringList{QStringLiteral("scn Premier")}; }, 15000));
  }
  Editeur suivant(d);
  ASSERT_FALSE(suivant.activer(kBoite).isEmpty());
  x11::touches(QStringLiteral("alt+s"));  // "Supprimer la copie"
  EXPECT_TRUE(x11::attendre([&] { return d.vide(); }));
  EXPECT_TRUE(suivant.quitter());
  EXPECT_TRUE(d.vide());
}
