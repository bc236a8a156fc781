#include <nlohmann/json.hpp>

#include "cli/check_command.hpp"
#include "cli/run_listing.hpp"
#include "cli/sarif_log.hpp"

#include "cli_support.hpp"
#include "pipeline/report_shape.hpp"

namespace quillomat {
namespace {

using test::lancerCheck;

using forme::decouperLignes;

TEST(QuillomatCheckFormats, FindingTextOnOneLine) {
  EXPECT_EQ(texteSurUneLigne("    - Ligne 12 : un guillemet n'a pas \xE9t\xE9 referm\xE9."),
            "un guillemet n'a pas \xE9t\xE9 referm\xE9.");
  EXPECT_EQ(texteSurUneLigne("    - Le premier caract\xE8re de \"_x\" est un underscore"),
            "Le premier caract\xE8re de \"_x\" est un underscore");
  EXPECT_EQ(texteSurUneLigne("    - Erreur, deux types :\n        * Ligne 7 : a\n        * Ligne 9 : b\n"),
            "Erreur, deux types : * Ligne 7 : a * Ligne 9 : b");
  // Blanks inside the text may quote the script: kept.
  EXPECT_EQ(texteSurUneLigne("    - Ligne 3 : \"a  b\""), "\"a  b\"");
  EXPECT_EQ(texteSurUneLigne("    - Ligne x"), "Ligne x");
  EXPECT_EQ(texteSurUneLigne(""), "");
}

// The line format says what the report says, one finding per line, in its order.
TEST(QuillomatCheckFormats, LineFormatFollowsTheReport) {
  test::DossierTemporaire dir;
  const std::string nom = "Qu\xC3\xAAte d'\xC3\xA9t\xC3\xA9 1.txt";
  ecrireBinaire(dir.chemin() / nom, test::fichierExemple());
  const auto r = lancerCheck(dir.chemin(), "--format lignes " + test::citer(nom), "2>/dev/null");
  EXPECT_EQ(r.statut, kStatutErreurs);
  const auto lignes = decouperLignes(r.texte);
  const auto rapport = test::erreursDuRapport(test::rapportDe(test::fichierExemple()));
  ASSERT_EQ(lignes.size(), 15u);
  // The report's whole-script finding on three lines is one line here.
  EXPECT_EQ(rapport.size(), 17u);
  EXPECT_EQ(lignes[0],
            nom + ":20: erreur: erreur dans la valeur de type Short. Attention, AddItem ne prend pas de variables en "
                  "entr\xC3\xA9" "e !");
  EXPECT_EQ(lignes[4], nom + ":39: alerte: " + latin1VersUtf8(rapport[4].substr(std::string("    - Ligne 39 : ").size())));
  EXPECT_EQ(lignes[13], nom + ": erreur: Erreur, le script a plusieurs types : * Ligne 7 : script de qu\xC3\xAAte * "
                              "Ligne 53 : script d'effet magique");
  EXPECT_EQ(lignes[14], nom + ": alerte: Le premier caract\xC3\xA8re de \"_secret\" est un underscore, risques de "
                              "bugs in-game.");
  for (size_t i = 0; i < 13; ++i) {
    const std::string numero = rapport[i].substr(12, rapport[i].find(' ', 12) - 12);
    EXPECT_EQ(lignes[i].rfind(nom + ":" + numero + ": ", 0), 0u) << lignes[i];
    EXPECT_NE(lignes[i].find(latin1VersUtf8(rapport[i].substr(12 + numero.size() + 3))), std::string::npos);
  }
  // Editor and tool formats leave nothing in the user's folder.
  EXPECT_EQ(test::instantane(dir.chemin()).size(), 1u);

  const auto cache = lancerCheck(dir.chemin(), "-f lignes --sans-alertes " + test::citer(nom), "2>/dev/null");
  EXPECT_EQ(decouperLignes(cache.texte).size(), 12u);
  EXPECT_EQ(cache.texte.find(": alerte: "), std::string::npos);
  EXPECT_EQ(cache.statut, kStatutErreurs);

  ecrireBinaire(dir.chemin() / "propre.txt", "scn Propre\n");
  const auto propre = lancerCheck(dir.chemin(), "-f lignes propre.txt");
  EXPECT_EQ(propre.texte, "");
  EXPECT_EQ(propre.statut, kStatutAucuneErreur);

  const auto absent = lancerCheck(dir.chemin(), "-f lignes absent.txt", "2>/dev/null");
  EXPECT_EQ(absent.texte, "absent.txt: erreur: impossible de lire le script \"absent.txt\" (fichier introuvable ou "
                          "illisible).\n");
  EXPECT_EQ(absent.statut, kStatutEchec);
}

TEST(QuillomatCheckFormats, JsonHoldsFindingsAndInventories) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "ex.txt", test::fichierExemple());
  const auto r = lancerCheck(dir.chemin(), "--format json ex.txt", "2>/dev/null");
  EXPECT_EQ(r.statut, kStatutErreurs);
  const auto j = nlohmann::json::parse(r.texte);
  EXPECT_EQ(j["version"], "3.02");
  ASSERT_EQ(j["scripts"].size(), 1u);
  const auto& s = j["scripts"][0];
  EXPECT_EQ(s["fichier"], "ex.txt");
  EXPECT_EQ(s["statut"], "erreurs");
  EXPECT_EQ(s["script"], "TaverneQuete");
  EXPECT_EQ(s["lignes"], 58);
  ASSERT_EQ(s["constats"].size(), 15u);
  EXPECT_EQ(s["constats"][0], nlohmann::json::parse(latin1VersUtf8(R"({"fichier": "ex.txt", "ligne": 20,
      "nature": "erreur", "code": "QM212",
      "texte": "erreur dans la valeur de type Short. Attention, AddItem ne prend pas de variables en entrée !"})")));
  EXPECT_EQ(s["constats"][4]["nature"], "alerte");
  EXPECT_EQ(s["constats"][14]["code"], "QM903");
  EXPECT_TRUE(s["constats"][14]["ligne"].is_null());
  EXPECT_EQ(j["bilan"], nlohmann::json::parse(R"({"scripts": 1, "sans_erreur": 0, "avec_erreurs": 1, "echecs": 0})"));

  // Every inventory entry is an entry line of the report, in the same order.
  const std::string rapport = latin1VersUtf8(test::rapportDe(test::fichierExemple()));
  const auto& inv = s["inventaires"];
  EXPECT_EQ(inv.size(), 7u);
  EXPECT_EQ(inv["variables_locales_externes"][0],
            nlohmann::json::parse(latin1VersUtf8(R"({"nom": "ivresse", "type": "indéterminé", "objet": "taverneq"})")));
  EXPECT_EQ(inv["objets_physiques"][1], nlohmann::json::parse(R"({"nom": "player", "type": "PERSONNE"})"));
  size_t p = rapport.find("Liste des variables locales utilis");
  size_t entrees = 0;
  for (const auto& cle : sectionsInventaire())
    for (const auto& e : inv[std::string(cle)]) {
      const std::string ligne =
          e.contains("objet")
              ? "    - \"" + e["nom"].get<std::string>() + "\" (variable de type " + e["type"].get<std::string>() +
                    " attach\xC3\xA9" "e \xC3\xA0 l'objet \"" + e["objet"].get<std::string>() + "\")\n"
              : "    - \"" + e["nom"].get<std::string>() + "\" (type " + e["type"].get<std::string>() + ")\n";
      const size_t q = rapport.find(ligne, p);
      ASSERT_NE(q, std::string::npos) << ligne;
      p = q + ligne.size();
      ++entrees;
    }
  EXPECT_EQ(entrees, 18u);
  EXPECT_EQ(s["variables_erronees"], nlohmann::json::parse(R"(["pieces"])"));

  const auto sans = nlohmann::json::parse(lancerCheck(dir.chemin(), "-f json --sans-inventaires ex.txt").texte);
  EXPECT_FALSE(sans["scripts"][0].contains("inventaires"));
  EXPECT_EQ(sans["scripts"][0]["variables_erronees"].size(), 1u);

  const auto absent = nlohmann::json::parse(lancerCheck(dir.chemin(), "-f json absent.txt ex.txt").texte);
  EXPECT_EQ(absent["scripts"][0]["statut"], "echec");
  EXPECT_NE(absent["scripts"][0]["message"].get<std::string>().find("absent.txt"), std::string::npos);
  EXPECT_EQ(absent["bilan"]["echecs"], 1);
  EXPECT_EQ(test::instantane(dir.chemin()).size(), 1u);
}

// SARIF locations are URI references: what is not plainly a letter, a digit
// or "-._~/" is percent-encoded, UTF-8 byte by byte.
TEST(QuillomatCheckFormats, SarifFileNamesAreUriReferences) {
  const std::vector<std::pair<std::string, std::string>> cas = {
      {"scripts/quete.txt", "scripts/quete.txt"},
      {"mon script.txt", "mon%20script.txt"},
      {"Qu\xC3\xAAte#1?.txt", "Qu%C3%AAte%231%3F.txt"},
      {"/home/moi/a b.txt", "file:///home/moi/a%20b.txt"},
      {"50%.txt", "50%25.txt"},
  };
  for (const auto& [fichier, uri] : cas) EXPECT_EQ(uriDeFichier(fichier), uri) << fichier;
}

// Names and texts that are not UTF-8 in the script still give valid JSON.
TEST(QuillomatCheckFormats, JsonIsValidUtf8ForLatin1Scripts) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "s.txt", "scn Qu\xEAte\nshort \xE9t\xE9\nbegin GameMode\nset \xE9t\xE9 to \"\xFF\n");
  const auto r = lancerCheck(dir.chemin(), "-f json s.txt", "2>/dev/null");
  ASSERT_TRUE(estUtf8Valide(r.texte));
  const auto j = nlohmann::json::parse(r.texte);
  EXPECT_EQ(j["scripts"][0]["script"], "Qu\xC3\xAAte");
  EXPECT_FALSE(j["scripts"][0]["constats"].empty());
}

}  // namespace
}  // namespace quillomat
