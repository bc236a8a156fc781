// quillomat-check against hostile files and directories: it ends with one of
// its three statuses (never a signal), tells a failure in French, and every
// report it writes or shows keeps its shape.
#include <sys/wait.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "cli/output_formats.hpp"
#include "cli_support.hpp"
#include "pipeline/report_shape.hpp"

namespace quillomat {
namespace {

namespace fs = std::filesystem;
using test::citer;
using test::DossierTemporaire;

struct Fin {
  bool signal = false;  // ended by a signal: a crash or an abort
  int statut = -1;
  std::string sortie;   // standard output
  std::string erreur;   // standard error
};

// quillomat-check run in `dir` with `args`, both output streams kept apart.
Fin lancer(const fs::path& dir, const std::string& args, const std::string& env = "") {
  const fs::path erreurs = dir / ".erreurs";
  const std::string commande = "cd " + citer(dir.string()) + " && exec env LC_ALL=C " + env + " " +
                               citer(QUILLOMAT_CHECK_BINARY) + " " + args + " 2>" + citer(erreurs.string());
  std::unique_ptr<FILE, int (*)(FILE*)> p(popen(commande.c_str(), "r"), pclose);
  Fin fin;
  char tampon[4096];
  size_t n;
  while ((n = fread(tampon, 1, sizeof tampon, p.get())) > 0) fin.sortie.append(tampon, n);
  const int statut = pclose(p.release());
  fin.signal = WIFSIGNALED(statut) || (WIFEXITED(statut) && WEXITSTATUS(statut) >= 128);
  fin.statut = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
  fin.erreur = lireBinaire(erreurs).value_or("");
  fs::remove(erreurs);
  return fin;
}

// A run that must have checked the script: the report on disk well formed,
// and shown as it is on disk.
void exigerRapport(const fs::path& dir, const Fin& fin) {
  EXPECT_FALSE(fin.signal);
  EXPECT_TRUE(fin.statut == kStatutAucuneErreur || fin.statut == kStatutErreurs) << fin.statut << fin.erreur;
  const auto rapport = lireBinaire(dir / "Correction de ScriptVaelmoor.txt");
  ASSERT_TRUE(rapport.has_value());
  EXPECT_EQ(forme::defautDuFichier(*rapport), "");
  EXPECT_EQ(fin.sortie, latin1VersUtf8(versModeTexteLecture(*rapport)));
}

TEST(HostileCli, SettingsFilesOfAnySizeOrValue) {
  DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "s.txt", "scn T\nshort x\nbegin GameMode\nset x to 1\nset _y to z\nend\n");
  const std::string normal = lancer(dir.chemin(), "s.txt").sortie;
  for (size_t taille : {0, 31, 32, 33}) {
    std::string octets = encoder(SettingsRecord{});
    octets.resize(taille, '\x05');
    ecrireBinaire(dir.chemin() / "DebugKVR4.dat", octets);
    const Fin fin = lancer(dir.chemin(), "s.txt");
    exigerRapport(dir.chemin(), fin);
    EXPECT_EQ(fin.sortie, normal) << taille;
  }
  for (int32_t v : {INT_MAX, INT_MIN, -1, 2, 1000000}) {
    ecrireReglages(dir.chemin(), SettingsRecord{v, v, v, v, v, v, v, v});
    exigerRapport(dir.chemin(), lancer(dir.chemin(), "s.txt"));
    const Fin lignes = lancer(dir.chemin(), "--format lignes s.txt");
    EXPECT_FALSE(lignes.signal);
    EXPECT_EQ(lignes.statut, kStatutErreurs);
  }
  // The settings file a directory: the defaults.
  fs::remove(dir.chemin() / "DebugKVR4.dat");
  fs::create_directories(dir.chemin() / "DebugKVR4.dat" / "occupe");
  const Fin fin = lancer(dir.chemin(), "s.txt");
  exigerRapport(dir.chemin(), fin);
  EXPECT_EQ(fin.sortie, normal);
}

TEST(HostileCli, ScriptMissingOrUnreadable) {
  DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "fichier", "scn T\n");
  fs::create_symlink(dir.chemin() / "nulle-part", dir.chemin() / "lien.txt");
  for (const char* nom : {"absent.txt", "fichier/dedans.txt", "lien.txt"}) {
    const Fin fin = lancer(dir.chemin(), citer(nom));
    EXPECT_FALSE(fin.signal);
    EXPECT_EQ(fin.statut, kStatutEchec) << nom;
    EXPECT_EQ(fin.erreur, std::string("Erreur : impossible de lire le script \"") + nom +
                              "\" (fichier introuvable ou illisible).\n");
    EXPECT_EQ(fin.sortie, "");
    EXPECT_FALSE(fs::exists(dir.chemin() / "ScriptVaelmoor.txt"));
  }
}

TEST(HostileCli, HostileScriptsInEveryFormat) {
  DossierTemporaire dir;
  std::string tous;
  for (int c = 0; c < 256; ++c) tous += std::string("set x") + static_cast<char>(c) + " to \"" + static_cast<char>(c) + "\n";
  ecrireBinaire(dir.chemin() / "h.txt", "scn \xFF\0T\nbegin GameMode\n" + tous + std::string(20000, '(') + "\nend\r");
  exigerRapport(dir.chemin(), lancer(dir.chemin(), "h.txt"));
  for (const char* format : {"lignes", "json"}) {
    const Fin fin = lancer(dir.chemin(), std::string("--format ") + format + " h.txt - < h.txt");
    EXPECT_FALSE(fin.signal);
    EXPECT_EQ(fin.statut, kStatutErreurs) << format << fin.erreur;
    EXPECT_TRUE(estUtf8Valide(fin.sortie)) << format;
    if (std::string(format) == "json") {
      const auto j = nlohmann::json::parse(fin.sortie, nullptr, false);
      ASSERT_FALSE(j.is_discarded());
      EXPECT_EQ(j["scripts"].size(), 2u);
    }
  }

  // Over 4998 lines: refused, said so, nothing checked.
  ecrireBinaire(dir.chemin() / "long.txt", std::string(100000, '\n'));
  const Fin fin = lancer(dir.chemin(), "long.txt");
  EXPECT_EQ(fin.statut, kStatutEchec);
  EXPECT_EQ(fin.erreur, latin1VersUtf8("Erreur : Ce script compte plus de 4998 lignes : le quillomat ne vérifie que "
                                       "les scripts de 4998 lignes au plus.\n"));
  EXPECT_EQ(fin.sortie, "");
}

// Running as root, permissions stop nothing: a directory with the name of a
// file makes that file impossible to write.
TEST(HostileCli, FilesThatCannotBeWritten) {
  const std::string script = "scn T\nshort x\nbegin GameMode\nset Quest1.var to 1\nend\n";
  auto essai = [&](const char* piege) {
    DossierTemporaire dir;
    ecrireBinaire(dir.chemin() / "s.txt", script);
    fs::create_directories(dir.chemin() / piege / "occupe");
    Fin fin = lancer(dir.chemin(), "s.txt");
    EXPECT_FALSE(fin.signal) << piege;
    EXPECT_EQ(fin.statut, kStatutEchec) << piege;
    EXPECT_TRUE(fs::is_directory(dir.chemin() / piege / "occupe")) << piege;
    return fin;
  };
  EXPECT_EQ(essai("ScriptVaelmoor.txt").erreur,
            latin1VersUtf8("Erreur : impossible d'écrire le fichier \"ScriptVaelmoor.txt\" dans le dossier courant : "
                           "vérifiez que vous avez le droit d'y écrire.\n"));
  EXPECT_EQ(essai("DbTempKVR4").erreur, "Erreur : Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests\n");
  for (const char* f : {"InfTempKVR4", "InfTempKVR4.3"}) {
    const Fin fin = essai(f);
    EXPECT_NE(fin.sortie.find(std::string("Impossible d'ouvrir le fichier \"") + f + "\" depuis le fichier source"),
              std::string::npos)
        << f << fin.sortie;
  }
  EXPECT_EQ(essai("Correction de ScriptVaelmoor.txt").sortie,
            "Erreur : impossible d'ouvrir le fichier \"Correction de ScriptVaelmoor.txt\" !\n\n");

  // Several scripts: a private directory each, in a temporary directory that cannot be used.
  DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "a.txt", script);
  const Fin fin = lancer(dir.chemin(), "a.txt a.txt", "TMPDIR=" + citer((dir.chemin() / "a.txt").string()));
  EXPECT_FALSE(fin.signal);
  EXPECT_EQ(fin.statut, kStatutEchec);
  EXPECT_NE((fin.sortie + fin.erreur).find(latin1VersUtf8("impossible de créer un dossier de travail privé")),
            std::string::npos)
      << fin.sortie << fin.erreur;
}

}  // namespace
}  // namespace quillomat
