// The Windows editor (quillomat.exe) under Wine on the real display, driven
// with the same keys as the Linux editor, and the files both write compared
// byte for byte. Run by the Windows build's tests, which name the program in
// QUILLOMAT_EDITEUR_WINDOWS and Wine's prefix in WINEPREFIX; skipped elsewhere.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>

#include "x11_editor.hpp"

namespace {

using x11::lire;

const QString kRapport = QStringLiteral("Correction de ScriptVaelmoor.txt");
// An accented folder and name, as a French user's documents are.
const QString kScript = QStringLiteral("Scripts été/quête à faire.txt");
const QString kNomScript = QStringLiteral("quête à faire.txt");

QString exeWindows() { return qEnvironmentVariable("QUILLOMAT_EDITEUR_WINDOWS"); }

bool disponible() { return x11::disponible() && !exeWindows().isEmpty(); }

// A French user's Windows: Wine's own dialogs (the file dialogs) in French,
// the arguments in UTF-8 (scripts/install-deps.sh makes the locale).
QProcessEnvironment environnement() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
  env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the Windows program has its own
  return env;
}

// The Windows user's application data in Wine's prefix (%APPDATA%).
QString appData() {
  const passwd* p = ::getpwuid(::getuid());
  return qEnvironmentVariable("WINEPREFIX") + QStringLiteral("/drive_c/users/") +
         QString::fromLocal8Bit(p ? p->pw_name : "root") + QStringLiteral("/AppData/Roaming");
}
QString recuperation() { return appData() + QStringLiteral("/Quillomat/recuperation"); }

// The editor's profile (in the registry) and recovery copies left by an
// earlier run are removed, so that every test starts as a first start does.
void effacerTraces() {
  x11::executer(QStringLiteral("wine"),
                {QStringLiteral("reg"), QStringLiteral("delete"),
                 QStringLiteral("HKCU\\Software\\Applications locales générées par AppWizard"), QStringLiteral("/f")},
                30000);
  QDir(recuperation()).removeRecursively();
}

// A folder holding the sample script under an accented path.
struct Dossier {
  QTemporaryDir d;
  Dossier() {
    QDir(d.path()).mkpath(QStringLiteral("Scripts été"));
    QFile::copy(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"), chemin(kScript));
  }
  QString chemin(const QString& nom) const { return d.filePath(nom); }
};

std::unique_ptr<x11::Editeur> windows(const Dossier& d, const QStringList& fichiers = {}) {
  return std::make_unique<x11::Editeur>(QStringList{QStringLiteral("wine"), exeWindows()}, d.d.path(), environnement(),
                                        fichiers, false);
}
std::unique_ptr<x11::Editeur> linux(const Dossier& d, QTemporaryDir& donnees) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), donnees.path());
  env.insert(QStringLiteral("XDG_DATA_HOME"), donnees.filePath(QStringLiteral("data")));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), donnees.filePath(QStringLiteral("config")));
  return std::make_unique<x11::Editeur>(QStringList{QStringLiteral(QUILLOMAT_EDITOR)}, d.d.path(), env,
                                        QStringList{kScript});
}

// Débuguer, then a line typed at the end and saved: the report and the
// script as the editor leaves them.
std::pair<QByteArray, QByteArray> deboguerPuisEnregistrer(x11::Editeur& e, const Dossier& d) {
  if (e.activer(QStringLiteral("^Quillomat - ") + kNomScript, 60000).isEmpty()) {
    ADD_FAILURE() << "pas de fenêtre « Quillomat - " << kNomScript.toStdString() << " » : " << e.sorties().toStdString();
    return {};
  }
  x11::touches(QStringLiteral("ctrl+d"));
  // The report written, then opened in a window of its own.
  EXPECT_TRUE(x11::attendre([&] { return QFile::exists(d.chemin(kRapport)); }, 20000)) << "aucun rapport écrit";
  EXPECT_FALSE(e.activer(QStringLiteral("^Quillomat - ") + kRapport, 20000).isEmpty()) << "le rapport ne s'est pas ouvert";
  const QByteArray rapport = lire(d.chemin(kRapport));
  EXPECT_TRUE(e.montrer(kNomScript));
  x11::touches(QStringLiteral("ctrl+End Return"));
  // Wine drops keys that come while it is still taking the window's activation
  // and the new line in (seen on a loaded machine): they wait a little.
  QTest::qWait(700);
  x11::taper(QStringLiteral("; déjà vérifié à l'été"));
  x11::touches(QStringLiteral("ctrl+s"));
  EXPECT_TRUE(x11::attendre([&] { return lire(d.chemin(kScript)).endsWith("; d\xE9j\xE0 v\xE9rifi\xE9 \xE0 l'\xE9t\xE9"); }, 10000))
      << lire(d.chemin(kScript)).right(60).toStdString();
  return {rapport, lire(d.chemin(kScript))};
}

// The pixels of the colour of error findings (underlines and gutter dots) on the screen.
int pixelsRouges(const QString& capture) {
  const QImage ecran = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  if (!capture.isEmpty()) ecran.save(capture);
  int n = 0;
  for (int y = 0; y < ecran.height(); ++y) {
    for (int x = 0; x < ecran.width(); ++x) n += ecran.pixel(x, y) == qRgb(215, 0, 0);
  }
  return n;
}

QString capture(const char* nom) {
  const QString dossier = qEnvironmentVariable("QUILLOMAT_CAPTURES");
  if (dossier.isEmpty()) return {};
  QDir().mkpath(dossier);
  return QDir(dossier).filePath(QString::fromUtf8(nom));
}

}  // namespace

TEST(SurWine, DebuguerEtEnregistrerDonnentLesOctetsDeLEditeurLinux) {
  if (!disponible()) GTEST_SKIP() << "pas d'éditeur Windows à essayer (QUILLOMAT_EDITEUR_WINDOWS) ou pas d'affichage X";
  const x11::ClavierFrancais clavier;
  effacerTraces();
  Dossier dl, dw;
  QTemporaryDir donneesLinux;
  std::pair<QByteArray, QByteArray> attendu, obtenu;
  {
    auto e = linux(dl, donneesLinux);
    attendu = deboguerPuisEnregistrer(*e, dl);
  }
  {
    auto e = windows(dw, {kScript});
    obtenu = deboguerPuisEnregistrer(*e, dw);
    pixelsRouges(capture("wine-rapport.png"));
    EXPECT_TRUE(e->quitter(20000)) << "l'éditeur Windows n'a pas quitté normalement";
  }
  ASSERT_TRUE(attendu.first.startsWith("                     DebugKVR4")) << attendu.first.left(200).toStdString();
  EXPECT_EQ(obtenu.first, attendu.first) << "rapports différents";
  EXPECT_EQ(obtenu.second, attendu.second) << "scripts enregistrés différents";
}

TEST(SurWine, LesConstatsSontSoulignesPendantLaFrappe) {
  if (!disponible()) GTEST_SKIP() << "pas d'éditeur Windows à essayer (QUILLOMAT_EDITEUR_WINDOWS) ou pas d'affichage X";
  effacerTraces();
  Dossier d;
  auto e = windows(d);
  ASSERT_FALSE(e->activer(QStringLiteral("^Quillomat - "), 60000).isEmpty()) << e->sorties().toStdString();
  // Line by line: Wine takes no line feed from xdotool's typing, only the Return key.
  for (const char* ligne : {"scn Essai", "short x", "Begin GameMode", "set x to 1", "end"}) {
    x11::taper(QString::fromUtf8(ligne));
    x11::touches(QStringLiteral("Return"));
  }
  // A clean script: nothing red on the screen once the check has run.
  QTest::qWait(3000);
  EXPECT_EQ(pixelsRouges(capture("wine-avant.png")), 0);
  x11::touches(QStringLiteral("Up End Return"));
  x11::taper(QStringLiteral("danser"));  // no statement of the language
  EXPECT_TRUE(x11::attendre([] { return pixelsRouges({}) > 20; }, 15000));
  pixelsRouges(capture("wine-souligne.png"));
}

TEST(SurWine, UneCopieDeRecuperationSurvitAUnKill) {
  if (!disponible()) GTEST_SKIP() << "pas d'éditeur Windows à essayer (QUILLOMAT_EDITEUR_WINDOWS) ou pas d'affichage X";
  const x11::ClavierFrancais clavier;
  effacerTraces();
  Dossier d;
  {
    auto e = windows(d);
    ASSERT_FALSE(e->activer(QStringLiteral("^Quillomat - "), 60000).isEmpty()) << e->sorties().toStdString();
    x11::taper(QStringLiteral("scn Sauvé ù"));
    ASSERT_TRUE(x11::attendre(
        [] { return QDirIterator(recuperation(), {QStringLiteral("*.copie")}, QDir::Files, QDirIterator::Subdirectories).hasNext(); },
        20000))
        << "aucune copie sous " << recuperation().toStdString();
  }  // SIGKILL
  auto e = windows(d);
  ASSERT_FALSE(e->activer(QStringLiteral("Récupération de documents"), 60000).isEmpty()) << "pas de proposition de récupération";
  pixelsRouges(capture("wine-recuperation.png"));
  x11::touches(QStringLiteral("Return"));  // "Restaurer"
  EXPECT_TRUE(e->montrer(QStringLiteral("Quillomat1 (récupéré)")));
  x11::touches(QStringLiteral("ctrl+s"));
  // Windows' own dialog, opened in the current folder, the name field focused once it is filled.
  ASSERT_FALSE(e->activer(QStringLiteral("^Enregistrer sous"), 20000).isEmpty());
  QTest::qWait(1500);
  pixelsRouges(capture("wine-enregistrer-sous.png"));
  x11::touches(QStringLiteral("Home shift+End"));
  x11::taper(QStringLiteral("sauvé.txt"));
  x11::touches(QStringLiteral("Return"));
  EXPECT_TRUE(x11::attendre([&] { return lire(d.chemin(QStringLiteral("sauvé.txt"))) == "scn Sauv\xE9 \xF9"; }, 10000))
      << lire(d.chemin(QStringLiteral("sauvé.txt"))).toStdString();
  EXPECT_TRUE(e->quitter(20000));
  EXPECT_FALSE(QDirIterator(recuperation(), QDir::Files, QDirIterator::Subdirectories).hasNext());
}
