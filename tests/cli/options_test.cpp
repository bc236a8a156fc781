#include "cli/options.hpp"

#include "cli/check_command.hpp"
#include "cli_support.hpp"

namespace quillomat {
namespace {

using test::lancerCheck;

LectureOptions lire(std::vector<std::string> args) {
  args.insert(args.begin(), "quillomat-check");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  return lireOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(QuillomatCheckOptions, OverridesReplaceOnlyTheFieldsGiven) {
  SettingsRecord fichier;
  fichier.showInfo = 0;
  fichier.hideAlerts = 1;
  fichier.scriptKind = 2;
  fichier.vlseDependent = 1;

  const auto aucune = lire({"a.txt"});
  ASSERT_TRUE(aucune.options);
  EXPECT_EQ(aucune.options->appliquer(fichier), fichier);
  EXPECT_EQ(aucune.options->format, Format::Rapport);

  const auto toutes = lire({"--type", "effet", "--sans-vlse", "--alertes", "--inventaires", "-f", "json", "a", "b"});
  ASSERT_TRUE(toutes.options);
  const SettingsRecord r = toutes.options->appliquer(fichier);
  EXPECT_EQ(r.scriptKind, 3);
  EXPECT_EQ(r.vlseDependent, 0);
  EXPECT_EQ(r.hideAlerts, 0);
  EXPECT_EQ(r.showInfo, 1);
  EXPECT_EQ(r.showReport, fichier.showReport);
  EXPECT_EQ(toutes.options->format, Format::Json);
  EXPECT_EQ(toutes.options->entrees, (std::vector<std::string>{"a", "b"}));

  // The preferences dialog's numbering: "Quête" 1, "Objet" 2.
  EXPECT_EQ(lire({"-t", "quete", "a"}).options->scriptKind, 1);
  EXPECT_EQ(lire({"-t", "qu\xC3\xAAte", "a"}).options->scriptKind, 1);
  EXPECT_EQ(lire({"-t", "Objet", "a"}).options->scriptKind, 2);
  EXPECT_EQ(lire({"-t", "inconnu", "a"}).options->scriptKind, 0);
  EXPECT_EQ(lire({"--vlse", "--sans-alertes", "--sans-inventaires", "-"}).options->appliquer({}),
            (SettingsRecord{1, 0, 1, 0, 1, 0, 0, 1}));
  EXPECT_EQ(lire({"-f", "lignes", "a"}).options->format, Format::Lignes);
  EXPECT_EQ(lire({"-f", "SARIF", "a"}).options->format, Format::Sarif);
}

TEST(QuillomatCheckOptions, WrongCommandLinesAreRefusedInFrench) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--type", "sort", "a"},
                                                                {"--format", "xml", "a"},
                                                                {"--vlse", "--sans-vlse", "a"},
                                                                {"--alertes", "--sans-alertes", "a"},
                                                                {"-", "-"},
                                                                {"--type"},
                                                                {}}) {
    const auto l = lire(args);
    EXPECT_FALSE(l.options);
    EXPECT_EQ(l.statut, 1);
    EXPECT_EQ(l.texte.rfind("Erreur : ", 0), 0u) << l.texte;
    EXPECT_NE(l.texte.find("Utilisation : quillomat-check"), std::string::npos);
    EXPECT_TRUE(estUtf8Valide(l.texte));
  }
  EXPECT_NE(lire({"--type", "sort", "a"}).texte.find("\"sort\""), std::string::npos);
}

TEST(QuillomatCheckOptions, HelpAndVersionInFrenchOnStandardOutput) {
  test::DossierTemporaire dir;
  const auto aide = lancerCheck(dir.chemin(), "--help", "2>/dev/null");
  EXPECT_EQ(aide.statut, 0);
  EXPECT_TRUE(estUtf8Valide(aide.texte));
  for (const char* mot : {"Utilisation", "--format", "--type", "--vlse", "--sans-vlse", "--sans-alertes",
                          "--alertes", "--sans-inventaires", "--inventaires", "--version", "lignes", "json", "sarif", "SARIF 2.1.0",
                          "FICHIER:LIGNE: erreur: texte", "dossier de travail priv\xC3\xA9", ".txt",
                          "Statut de sortie"})
    EXPECT_NE(aide.texte.find(mot), std::string::npos) << mot;

  const auto version = lancerCheck(dir.chemin(), "--version", "2>/dev/null");
  EXPECT_EQ(version.statut, 0);
  EXPECT_EQ(version.texte, "quillomat-check, v\xC3\xA9rificateur de scripts Vaelmoor, version 3.02\n");
  EXPECT_TRUE(test::instantane(dir.chemin()).empty());
}

// Each override changes the run as the matching preference does.
TEST(QuillomatCheckOptions, OverridesChangeTheRun) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "ex.txt", test::fichierExemple());
  ecrireBinaire(dir.chemin() / "v.txt", "scn V\nshort x\nbegin GameMode\nset x to GetVLSEVersion\nend\n");
  SettingsRecord s;
  auto avec = [&](auto modifier) {
    SettingsRecord r;
    modifier(r);
    return test::rapportAttendu(test::fichierExemple(), r);
  };

  EXPECT_EQ(lancerCheck(dir.chemin(), "--type quete ex.txt").texte, avec([](SettingsRecord& r) { r.scriptKind = 1; }));
  EXPECT_EQ(lancerCheck(dir.chemin(), "--sans-alertes ex.txt").texte,
            avec([](SettingsRecord& r) { r.hideAlerts = 1; }));
  EXPECT_EQ(lancerCheck(dir.chemin(), "--sans-inventaires ex.txt").texte,
            avec([](SettingsRecord& r) { r.showInfo = 0; }));
  EXPECT_EQ(lancerCheck(dir.chemin(), "v.txt").statut, kStatutErreurs);
  EXPECT_EQ(lancerCheck(dir.chemin(), "--vlse v.txt").statut, kStatutAucuneErreur);

  // Against a preferences file that says the opposite; the file is left as it was.
  s.hideAlerts = 1;
  s.showInfo = 0;
  s.vlseDependent = 1;
  s.scriptKind = 1;
  ecrireReglages(dir.chemin(), s);
  const std::string fichier = lireBinaire(dir.chemin() / "DebugKVR4.dat").value();
  EXPECT_EQ(lancerCheck(dir.chemin(), "--alertes --inventaires -t inconnu ex.txt").texte, avec([](SettingsRecord&) {}));
  EXPECT_EQ(lancerCheck(dir.chemin(), "--sans-vlse v.txt").statut, kStatutErreurs);
  EXPECT_EQ(lancerCheck(dir.chemin(), "v.txt").statut, kStatutAucuneErreur);
  EXPECT_EQ(lireBinaire(dir.chemin() / "DebugKVR4.dat").value(), fichier);
}

// The script generator's options: help on demand, anything else that looks
// like an option refused, and no folder made from either.
TEST(QuillomatGen, HelpAndUnknownOptionsMakeNoFolder) {
  struct Cas {
    std::string args;
    int statut;
    std::string texte;
  };
  const Cas cas[] = {
      {"--help", 0, "Utilisation : quillomat-gen DOSSIER"},
      {"-h", 0, "Utilisation : quillomat-gen DOSSIER"},
      {"--inconnue", 2, "option inconnue"},
      {"-x scripts", 2, "option inconnue"},
      {"", 2, "dossier manquant"},
      {"a b", 2, "un seul dossier"},
  };
  test::DossierTemporaire dir;
  for (const Cas& c : cas) {
    const std::string commande = "cd " + test::citer(dir.chemin().string()) + " && " + test::citer(QUILLOMAT_GEN_BINARY) +
                                 " " + c.args + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> p(popen(commande.c_str(), "r"), pclose);
    std::string out;
    char tampon[4096];
    for (size_t n; (n = fread(tampon, 1, sizeof tampon, p.get())) > 0;) out.append(tampon, n);
    EXPECT_EQ(WEXITSTATUS(pclose(p.release())), c.statut) << c.args;
    EXPECT_NE(out.find(c.texte), std::string::npos) << c.args << " : " << out;
    EXPECT_TRUE(std::filesystem::is_empty(dir.chemin())) << c.args;
  }
}

}  // namespace
}  // namespace quillomat
