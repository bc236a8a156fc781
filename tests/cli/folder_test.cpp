#include <nlohmann/json.hpp>

#include "cli/check_command.hpp"
#include "cli_support.hpp"

namespace quillomat {
namespace {

using test::citer;
using test::lancerCheck;
namespace fs = std::filesystem;

// A mod folder with three scripts among files that are not scripts.
struct Mod {
  test::DossierTemporaire racine;
  const std::string nom = "mod d'\xC3\xA9t\xC3\xA9";
  fs::path dossier = racine.chemin() / nom;
  fs::path tmp = racine.chemin() / "tmp";

  Mod() {
    fs::create_directories(dossier / "sous dossier");
    fs::create_directories(dossier / ".cache");
    fs::create_directories(tmp);
    ecrireBinaire(dossier / "Qu\xC3\xAAte principale.txt", test::fichierExemple());
    ecrireBinaire(dossier / "sous dossier" / "propre.txt", "scn Propre\n");
    ecrireBinaire(dossier / "sous dossier" / "Maj.TXT", "scn Maj\r\nshort x\r\n");
    const std::string fautif = "scn Fautif\nend\n";
    ecrireBinaire(dossier / "binaire.txt", std::string("scn B\0\x01\x02", 8));
    ecrireBinaire(dossier / "notes.md", fautif);
    ecrireBinaire(dossier / "image.png", std::string("\x89PNG\r\n\x1A\n\0\0", 10));
    ecrireBinaire(dossier / ".cache" / "vieux.txt", fautif);
    ecrireBinaire(dossier / ".cach\xC3\xA9.txt", fautif);
    ecrireBinaire(dossier / "ScriptVaelmoor.txt", fautif);
    ecrireBinaire(dossier / "Correction de ScriptVaelmoor.txt", fautif);
    ecrireBinaire(dossier / "fonctions.txt", fautif);
  }
  test::Sortie lancer(const std::string& args, const std::string& redirections = "2>/dev/null") {
    return lancerCheck(racine.chemin(), args, redirections, "TMPDIR=" + citer(tmp.string()));
  }
  std::string chemin(const std::string& fichier) const { return nom + "/" + fichier; }
};

TEST(QuillomatCheckFolders, OnlyScriptsAreCheckedAndNothingIsWrittenInTheFolder) {
  Mod mod;
  const auto avant = test::instantane(mod.racine.chemin());
  const auto r = mod.lancer("--format lignes " + citer(mod.nom));
  EXPECT_EQ(r.statut, kStatutErreurs);
  // Every line comes from the one faulty script, then the summary.
  size_t p = 0, n = 0;
  const std::string quete = mod.chemin("Qu\xC3\xAAte principale.txt") + ":";
  while (p < r.texte.size()) {
    const size_t e = r.texte.find('\n', p);
    const std::string ligne = r.texte.substr(p, e - p);
    p = e + 1;
    if (p < r.texte.size()) {
      EXPECT_EQ(ligne.rfind(quete, 0), 0u) << ligne;
    }
    ++n;
  }
  EXPECT_EQ(n, 16u);
  EXPECT_NE(r.texte.find("\nBilan : 3 scripts : 2 sans erreur, 1 avec des erreurs ou des alertes, 0 non v\xC3\xA9rifi\xC3\xA9.\n"),
            std::string::npos);
  // Neither the folder, nor the current directory, nor the temporary directory keeps anything.
  EXPECT_EQ(test::instantane(mod.racine.chemin()), avant);
}

TEST(QuillomatCheckFolders, ReportsComeInPathOrderWithTheirFileNames) {
  Mod mod;
  const auto r = mod.lancer(citer(mod.nom));
  std::string attendu;
  for (const auto& [fichier, script] : std::vector<std::pair<std::string, std::string>>{
           {"Qu\xC3\xAAte principale.txt", test::fichierExemple()},
           {"sous dossier/Maj.TXT", "scn Maj\r\nshort x\r\n"},
           {"sous dossier/propre.txt", "scn Propre\n"}})
    attendu += "==== " + mod.chemin(fichier) + " ====\n" + test::rapportAttendu(script) + "\n";
  attendu += "Bilan : 3 scripts : 2 sans erreur, 1 avec des erreurs ou des alertes, 0 non v\xC3\xA9rifi\xC3\xA9.\n";
  EXPECT_EQ(r.texte, attendu);
  EXPECT_EQ(r.statut, kStatutErreurs);

  const auto j = nlohmann::json::parse(mod.lancer("-f json " + citer(mod.chemin("sous dossier"))).texte);
  ASSERT_EQ(j["scripts"].size(), 2u);
  EXPECT_EQ(j["scripts"][1]["fichier"], mod.chemin("sous dossier/propre.txt"));
  EXPECT_EQ(j["bilan"]["sans_erreur"], 2);
  EXPECT_EQ(mod.lancer("-f lignes " + citer(mod.chemin("sous dossier"))).statut, kStatutAucuneErreur);
}

TEST(QuillomatCheckFolders, StatusTellsTheWorstScript) {
  Mod mod;
  // A file named on the command line is checked whatever its name.
  const auto nomme = mod.lancer("-f lignes " + citer(mod.chemin("notes.md")) + " " + citer(mod.chemin("sous dossier")));
  EXPECT_EQ(nomme.statut, kStatutErreurs);
  EXPECT_NE(nomme.texte.find(mod.chemin("notes.md") + ":2: erreur: "), std::string::npos);

  const auto absent = mod.lancer("-f lignes absent.txt " + citer(mod.nom));
  EXPECT_EQ(absent.statut, kStatutEchec);
  EXPECT_EQ(absent.texte.rfind("absent.txt: erreur: impossible de lire le script", 0), 0u);
  EXPECT_NE(absent.texte.find("Bilan : 4 scripts : 2 sans erreur, 1 avec des erreurs ou des alertes, 1 non v"),
            std::string::npos);

  fs::create_directories(mod.racine.chemin() / "vide");
  const auto vide = mod.lancer("vide", "2>&1");
  EXPECT_EQ(vide.statut, kStatutAucuneErreur);
  EXPECT_NE(vide.texte.find("aucun script trouv\xC3\xA9 dans le dossier \"vide\""), std::string::npos);
  EXPECT_NE(vide.texte.find("Bilan : 0 script : "), std::string::npos);
  const auto j = nlohmann::json::parse(mod.lancer("-f json vide").texte);
  EXPECT_TRUE(j["scripts"].empty());
  EXPECT_EQ(j["bilan"]["scripts"], 0);
}

TEST(QuillomatCheckFolders, ScriptFromStandardInput) {
  Mod mod;
  ecrireBinaire(mod.racine.chemin() / "ex.txt", test::fichierExemple());
  const auto avant = test::instantane(mod.racine.chemin());
  const auto rapport = mod.lancer("-", "< ex.txt 2>/dev/null");
  EXPECT_EQ(rapport.texte, test::rapportAttendu(test::fichierExemple()));
  EXPECT_EQ(rapport.statut, kStatutErreurs);
  const auto lignes = mod.lancer("-f lignes -", "< ex.txt");
  EXPECT_EQ(lignes.texte.rfind("-:20: erreur: erreur dans la valeur", 0), 0u);
  const auto vide = mod.lancer("-f json -", "< /dev/null");
  EXPECT_EQ(nlohmann::json::parse(vide.texte)["scripts"][0]["statut"], "aucune_erreur");
  EXPECT_EQ(vide.statut, kStatutAucuneErreur);
  EXPECT_EQ(test::instantane(mod.racine.chemin()), avant);

  // An endless pipe is not read to the end of memory.
  ecrireBinaire(mod.tmp / "enorme", std::string(size_t{17} << 20, 'a'));
  const auto enorme = mod.lancer("-f lignes -", "< tmp/enorme");
  EXPECT_EQ(enorme.statut, kStatutEchec);
  EXPECT_NE(enorme.texte.find("d\xC3\xA9passe 16 Mo"), std::string::npos);
}

}  // namespace
}  // namespace quillomat
