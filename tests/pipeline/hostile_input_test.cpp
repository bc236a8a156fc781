// Hostile scripts and settings through the whole check run: nothing crashes,
// hangs or writes outside a field, every report keeps its shape, and the
// user is told in French what stopped a run.
#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <string>

#include "functions/catalogue.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/report_shape.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

namespace fs = std::filesystem;
using test::DossierTemporaire;

struct Issue {
  int code = -1;
  std::string rapport;  // bytes on disk, CR LF
  std::string arret;    // the fatal-stop message, when the run stopped
};

// One run of `script` in `dir` (which may hold traps), with `reglages` bytes
// as the settings file when given.
Issue lancer(const fs::path& dir, std::string_view script, const std::string* reglages = nullptr) {
  EXPECT_TRUE(ecrireBinaire(dir / "ScriptVaelmoor.txt", script));
  if (reglages) {
    EXPECT_TRUE(ecrireBinaire(dir / std::string(kFichierReglages), *reglages));
  }
  const SettingsRecord s = lireReglages(dir);
  Issue issue;
  try {
    issue.code = EnchaineTests(dir, s.showInfo, s.scriptKind, s.vlseDependent, s.hideAlerts);
  } catch (const ArretFatal& a) {
    issue.arret = a.message();
  }
  if (issue.code == kSucces) issue.rapport = lireBinaire(dir / "Correction de ScriptVaelmoor.txt").value_or("");
  return issue;
}

// The report of `script`, which must be written and well formed, within a
// time that rules out any blow-up (the sanitizer build is several times slower).
std::string rapportSain(std::string_view script, const std::string* reglages = nullptr) {
  DossierTemporaire dir;
  const auto debut = std::chrono::steady_clock::now();
  const Issue issue = lancer(dir.chemin(), script, reglages);
  EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
  EXPECT_EQ(issue.code, kSucces) << issue.arret;
  EXPECT_EQ(forme::defautDuFichier(issue.rapport), "");
  for (const char* f : {"DbTempKVR4", "InfTempKVR4", "InfTempKVR4.2", "InfTempKVR4.3"})
    EXPECT_FALSE(fs::exists(dir.chemin() / f)) << f;

  // The same script in memory: every record within its field.
  const std::string texte = versModeTexteLecture(script);
  const int lines = compterLignes(texte);
  WorkFiles wf;
  EXPECT_EQ(executerVerifications(wf, texte, lines, 0, 0), kSucces);
  for (const auto& f : wf.findings) {
    EXPECT_LE(f.text.size(), kTexteMax);
    EXPECT_EQ(f.text.find('\0'), std::string::npos);
  }
  for (const auto& r : wf.identifiers.records()) EXPECT_LE(r.name.size(), kNomMax);
  return versModeTexteLecture(issue.rapport);
}

std::string repeter(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const std::string kAucunBug = "   Aucun bug n'a été trouvé sur ce script.";

TEST(HostileInput, EmptyOrBlankScripts) {
  EXPECT_NE(rapportSain("").find(kAucunBug), std::string::npos);
  EXPECT_NE(rapportSain("\n\n\n\n").find(kAucunBug), std::string::npos);
  EXPECT_NE(rapportSain("\r\n\r\n\r\n").find(kAucunBug), std::string::npos);
  EXPECT_NE(rapportSain(repeter("\r", 4000)).find(kAucunBug), std::string::npos);
  rapportSain(repeter(" \t\v\f", 3000));
}

TEST(HostileInput, CarriageReturnsAloneEndLines) {
  // Without any line feed, every CR ends a line, as CR LF would; with one
  // line feed somewhere, a lone CR stays inside its line.
  const std::string r = rapportSain("scn T\rshort x\rbegin GameMode\r\tzorglub\rend\r");
  EXPECT_EQ(r, rapportSain("scn T\r\nshort x\r\nbegin GameMode\r\n\tzorglub\r\nend\r\n"));
  EXPECT_NE(r.find("Ligne 4 : impossible"), std::string::npos);
  rapportSain("scn T\r\r\nbegin GameMode\r\r\nend\r\r\r\n");
  rapportSain(repeter("\r", 6000).insert(3000, "\n"));
}

TEST(HostileInput, NulAndHighBytes) {
  rapportSain(std::string("scn T\nbegin GameMode\nset x\0 to 1\nend\n", 35));
  rapportSain(std::string("\0\0\0\n\0scn\0T\n\0", 12));
  std::string hauts;
  for (int c = 128; c < 256; ++c) hauts += static_cast<char>(c);
  rapportSain(hauts + "\n" + hauts + " " + hauts + "\n");
  rapportSain("scn \xE9t\xE9\nshort \xFF\xFE\nbegin GameMode\nset \xFF\xFE to \xE9\nMessage \"\xE9\xE8\" \xFF\nend\n");
  std::string tous;
  for (int c = 0; c < 256; ++c) tous += std::string("set x to ") + static_cast<char>(c) + "\n";
  rapportSain("scn T\nbegin GameMode\n" + tous + "end\n");
}

TEST(HostileInput, VeryLongLinesAreCutAndSaySo) {
  const std::string r = rapportSain("scn T\nbegin GameMode\nset x to " + std::string(200000, '1') + "\nend\n");
  EXPECT_NE(r.find("    - Ligne 3 : "), std::string::npos);
  rapportSain("scn T\nbegin GameMode\n" + std::string(200000, 'a') + "\nend\n");
  rapportSain("scn T\nbegin GameMode\nMessage \"" + std::string(200000, 'x') + "\nend\n");
  rapportSain(std::string(200000, '"') + "\n" + std::string(200000, '(') + "\n" + std::string(200000, '.'));
}

TEST(HostileInput, LineCountLimit) {
  const std::string ligne = "set x to 1\n";
  // 4998 lines (4997 line feeds) are checked, 4999 are refused with a message.
  rapportSain("scn T\nshort x\nbegin GameMode\n" + repeter(ligne, 4993) + "end");
  rapportSain(repeter("\n", 4997));
  for (int feeds : {4998, 100000}) {
    DossierTemporaire dir;
    const Issue issue = lancer(dir.chemin(), repeter("\n", feeds));
    EXPECT_EQ(issue.code, kScriptTropLong);
    EXPECT_FALSE(fs::exists(dir.chemin() / "Correction de ScriptVaelmoor.txt"));
  }
  EXPECT_NE(messageResultat(kScriptTropLong).find("plus de 4998 lignes"), std::string::npos);
}

TEST(HostileInput, DeepNestingNeitherOverflowsNorBlowsUp) {
  const std::string ouvertes(10000, '(');
  const std::string fermees(10000, ')');
  rapportSain("scn T\nbegin GameMode\nif " + ouvertes + "x == 1" + fermees + "\nendif\nend\n");
  rapportSain("scn T\nbegin GameMode\nif " + ouvertes + "\nendif\nend\n");
  rapportSain("scn T\nbegin GameMode\nset x to " + ouvertes + "1" + fermees + "\nend\n");
  rapportSain("scn T\nbegin GameMode\nset x to " + repeter("(1+", 3000) + "\nend\n");
  rapportSain("scn T\nbegin GameMode\nif " + repeter("x && ", 2000) + "x\nendif\nend\n");
  rapportSain("scn T\nbegin GameMode\nMessage \"%g\" " + repeter("GetAV(", 2000) + "\nend\n");

  // Ten thousand 'if' make more than 4998 lines: refused; as many as fit are checked.
  DossierTemporaire dir;
  EXPECT_EQ(lancer(dir.chemin(), "scn T\nbegin GameMode\n" + repeter("if x\n", 10000)).code, kScriptTropLong);
  const std::string r = rapportSain("scn T\nbegin GameMode\n" + repeter("if x\n", 4990) + "end");
  EXPECT_NE(r.find("    - Il y a 4990 'endif' manquants dans le script."), std::string::npos);
  rapportSain("scn T\nbegin GameMode\n" + repeter("endif\n", 4990) + "end");
  rapportSain(repeter("begin GameMode\n", 2000) + repeter("end\n", 2000));
}

// The deepest lines that a script can hold (4999 characters) within 8 MiB of
// stack, the usual main thread's: the sanitizers' frames are many
// times larger, so their build gets more.
TEST(HostileInput, DeepLinesFitInASmallStack) {
#if defined(__SANITIZE_ADDRESS__)
  constexpr size_t kPile = size_t{64} << 20;
#else
  constexpr size_t kPile = size_t{8} << 20;
#endif
  pthread_attr_t attributs;
  ASSERT_EQ(pthread_attr_init(&attributs), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributs, kPile), 0);
  pthread_t fil;
  auto corps = [](void*) -> void* {
    for (const std::string& ligne :
         {"set x to " + std::string(2495, '(') + "1" + std::string(2495, ')'), "set x to " + std::string(4990, '-'),
          "set x to 1" + repeter("+1", 2490), "if " + repeter("((-", 1660), "if " + repeter("x && ", 999) + "x",
          "set x to " + repeter("(1)+", 1247) + "1", "Message \"%g\" " + repeter("(", 4980)})
      rapportSain("scn T\nshort x\nbegin GameMode\n" + ligne + "\nendif\nend\n");
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&fil, &attributs, corps, nullptr), 0);
  pthread_join(fil, nullptr);
  pthread_attr_destroy(&attributs);
}

TEST(HostileInput, LongNamesAreCutToTheirField) {
  const std::string nom(1000, 'n');
  const std::string r = rapportSain("scn " + nom + "\nshort " + nom + "\nref R" + nom + "\nbegin GameMode\nset " + nom +
                                    " to " + nom + "\nset Q" + nom + "." + nom + " to 1\nR" + nom +
                                    ".AddItem G" + nom + " 1\nMessage \"" + nom + "\" " + nom + "\nend\n");
  EXPECT_NE(r.find("\"" + std::string(49, 'n') + "\""), std::string::npos);
  EXPECT_EQ(r.find(std::string(50, 'n')), std::string::npos);
}

TEST(HostileInput, EveryCatalogueNameFollowedByGarbage) {
  const char* dechets[] = {"", " \"\"\"", "(((", " ,,,", ". .", " -99999999999999999999", " x.y.z.",
                           " \"a\" \"b", " \xFF\xE9\t;", " 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12"};
  std::string corps;
  for (auto catalogue : {catalogueValeurs(), catalogueInstructions()})
    for (const Row& row : catalogue)
      for (const char* d : dechets) {
        corps += std::string(row.name) + d + "\n";
        corps += "set x to " + std::string(row.name) + d + "\n";
        corps += "if player." + std::string(row.name) + d + "\n";
        // A report holds at most 4998 lines: check in pieces.
        if (std::count(corps.begin(), corps.end(), '\n') > 4900) {
          rapportSain("scn T\nshort x\nbegin GameMode\n" + corps + "end\n");
          corps.clear();
        }
      }
  rapportSain("scn T\nshort x\nbegin GameMode\n" + corps + "end\n");
}

TEST(HostileInput, SettingsFilesOfAnySizeOrValue) {
  const std::string script = "scn T\nshort x\nbegin GameMode\nset x to 1\nset _y to z\nend\n";
  const std::string normal = rapportSain(script);
  // Shorter than 32 bytes: the defaults as a whole; longer: the first 32 bytes.
  for (size_t taille : {0, 31}) {
    const std::string octets(taille, '\x07');
    EXPECT_EQ(rapportSain(script, &octets), normal);
  }
  const std::string exact = encoder(SettingsRecord{});
  EXPECT_EQ(rapportSain(script, &exact), normal);
  const std::string long33 = exact + "\xFF";
  EXPECT_EQ(rapportSain(script, &long33), normal);

  for (int32_t v : {INT_MAX, INT_MIN, -1, -99, 2, 100, 1 << 20}) {
    SettingsRecord s{v, v, v, v, v, v, v, v};
    const std::string octets = encoder(s);
    rapportSain(script, &octets);
    const std::string melange = encoder(SettingsRecord{v, 1, v, v, ~v, v, v, v});
    rapportSain(script, &melange);
  }
}

// Running as root, permissions stop nothing: a directory with a work file's
// name makes that file impossible to create.
TEST(HostileInput, WorkFilesOrReportThatCannotBeWritten) {
  const std::string script = "scn T\nshort x\nbegin GameMode\nset x to 1\nset _y to z\nend\n";
  {
    DossierTemporaire dir;
    // Not empty: a run deletes the work files of the last one, and an empty directory with them.
    fs::create_directories(dir.chemin() / "DbTempKVR4" / "occupe");
    EXPECT_EQ(lancer(dir.chemin(), script).code, kBlocsImpossible);
    EXPECT_EQ(messageResultat(kBlocsImpossible), "Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests");
  }
  // Each work file stops the run when a record must go into it; until then the run goes on.
  const std::pair<const char*, const char*> besoins[] = {
      {"InfTempKVR4", "scn T\nshort x\n"},
      {"InfTempKVR4.2", "scn T\nbegin ScriptEffectStart\nend\n"},
      {"InfTempKVR4.3", "scn T\nbegin GameMode\nset Quest1.var to 1\nend\n"},
  };
  for (const auto& [f, besoin] : besoins) {
    DossierTemporaire dir;
    fs::create_directories(dir.chemin() / f / "occupe");
    const Issue issue = lancer(dir.chemin(), besoin);
    EXPECT_EQ(issue.code, -1) << f;
    EXPECT_NE(issue.arret.find(std::string("Impossible d'ouvrir le fichier \"") + f + "\" depuis le fichier source \""),
              std::string::npos)
        << f << " : " << issue.arret;
    EXPECT_TRUE(issue.arret.ends_with("\".\n\n")) << f;
  }
  for (const char* f : {"InfTempKVR4.2", "InfTempKVR4.3"}) {
    DossierTemporaire dir;
    fs::create_directories(dir.chemin() / f / "occupe");
    const Issue issue = lancer(dir.chemin(), "scn T\nbegin GameMode\nend\n");
    EXPECT_EQ(issue.code, kSucces) << f;
    EXPECT_EQ(forme::defautDuFichier(issue.rapport), "");
  }
  {
    DossierTemporaire dir;
    fs::create_directory(dir.chemin() / "Correction de ScriptVaelmoor.txt");
    const Issue issue = lancer(dir.chemin(), script);
    EXPECT_EQ(issue.arret, "Erreur : impossible d'ouvrir le fichier \"Correction de ScriptVaelmoor.txt\" !\n\n");
    EXPECT_TRUE(fs::is_directory(dir.chemin() / "Correction de ScriptVaelmoor.txt"));
  }
  {
    DossierTemporaire dir;
    fs::create_directory(dir.chemin() / "ScriptVaelmoor.txt");
    EXPECT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0), kScriptIllisible);
    EXPECT_EQ(messageResultat(kScriptIllisible), "Impossible d'ouvrir le fichier \"ScriptVaelmoor.txt\" !");
  }
  // A run whose directory does not exist at all.
  EXPECT_EQ(EnchaineTests(fs::temp_directory_path() / "quillomat-absent" / "nulle-part", 1, 0, 0, 0),
            kScriptIllisible);
}

}  // namespace
}  // namespace quillomat
