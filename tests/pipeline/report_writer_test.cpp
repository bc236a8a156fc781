#include "pipeline/report_writer.hpp"

#include "pipeline/findings.hpp"
#include "pipeline/tri_info.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

const std::string kTitre = "                     DebugKVR4 version 3.02";
const std::string kSouligne = "\n                    ------------------------";
const std::string kAucunBug = "\n\n\n\n   Aucun bug n'a été trouvé sur ce script.\n\n";
const std::string kListe = "\n\n\n Liste des erreurs :\n---------------------\n";

void ajouterErreur(WorkFiles& wf, int ligne, std::string texte, int kind) {
  wf.findings.push_back({ligne, std::move(texte), kind});
}

TEST(Rapport, EmptyRunSaysNoBugWasFound) {
  WorkFiles wf;
  EXPECT_EQ(composerRapport(wf, 1, 1, 0), kTitre + kSouligne + kAucunBug);
}

TEST(Rapport, ScriptNameLengthensTitleAndUnderline) {
  WorkFiles wf;
  triInfo(wf, {99, "Test"});
  EXPECT_EQ(composerRapport(wf, 1, 1, 0), kTitre + " : script \"Test\"" + "\n                    " +
                                              std::string(40, '-') + kAucunBug);
}

TEST(Rapport, FindingsAreSortedByLineStablyWithWholeScriptOnesLast) {
  WorkFiles wf;
  ajouterErreur(wf, -1, "    - global", 2);
  ajouterErreur(wf, 5, "    - cinq", 2);
  ajouterErreur(wf, 4, "    - quatre a", 1);
  ajouterErreur(wf, 4, "    - quatre b", 2);
  ajouterErreur(wf, 9, "    - hors du script", 2);  // line index >= lines: counted, never listed
  EXPECT_EQ(composerRapport(wf, 9, 1, 0),
            kTitre + kSouligne + kListe + "    - quatre a\n    - quatre b\n    - cinq\n    - global\n");
  // hideAlerts = 1 leaves the alert out.
  EXPECT_EQ(composerRapport(wf, 9, 1, 1), kTitre + kSouligne + kListe + "    - quatre b\n    - cinq\n    - global\n");
}

TEST(Rapport, OnlyHiddenAlertsGiveTheAllHiddenText) {
  WorkFiles wf;
  ajouterErreur(wf, 0, "    - alerte", 1);
  EXPECT_EQ(composerRapport(wf, 3, 1, 1),
            kTitre + kSouligne + kListe +
                "\tAucune erreur détectée, mais le quillomat a trouvé des failles au script.\n"
                "\tDécochez l'option \"Ne pas afficher les alertes\" dans le menu \"Préférences\" pour les voir.\n");
  // An out-of-range finding still suppresses the no-bug text.
  WorkFiles autre;
  ajouterErreur(autre, 7, "    - loin", 2);
  EXPECT_EQ(composerRapport(autre, 3, 1, 0),
            kTitre + kSouligne + kListe + "\tAucune erreur détectée, mais le quillomat a trouvé des failles au script.\n"
                                          "\tDécochez l'option \"Ne pas afficher les alertes\" dans le menu \"Préférences\" pour les voir.\n");
}

TEST(Rapport, InventorySectionsInTheirOrderWithFileOrderEntries) {
  WorkFiles wf;
  for (IdentifierRecord r : std::initializer_list<IdentifierRecord>{
           {19, "Coffre"}, {0, "compteur"}, {9, "GlobalX"}, {51, "MaQuete"}, {13, "Sans"}, {63, "Pluie"},
           {20, "Boule"}, {3, "cible"}, {25, "MyVar"}, {26, "Autre"}, {30, "player"}})
    triInfo(wf, r);
  triInfoExterne(wf, {"myvar", "MyQuest"});
  const std::string rapport = composerRapport(wf, 1, 1, 0);
  EXPECT_EQ(rapport.substr((kTitre + kSouligne + kAucunBug).size()),
            "\n\n\n Liste des variables locales utilisées :\n-----------------------------------------\n"
            "    - \"compteur\" (type SHORT)\n    - \"cible\" (type REFERENCE)\n"
            "\n\n\n Liste des variables locales externes utilisées :\n"
            "--------------------------------------------------\n"
            "    - \"MyVar\" (variable de type SHORT attachée à l'objet \"myquest\")\n"
            "    - \"Autre\" (type FLOAT)\n"
            "\n\n\n Liste des variables globales utilisées :\n------------------------------------------\n"
            "    - \"GlobalX\" (type indéterminé)\n"
            "\n\n\n Liste des objets physiques utilisés :\n---------------------------------------\n"
            "    - \"Coffre\" (type OBJET)\n    - \"player\" (type JOUEUR)\n"
            "\n\n\n Liste des objets non physiques utilisés :\n-------------------------------------------\n"
            "    - \"Boule\" (type SORT)\n"
            "\n\n\n Liste des dialogues utilisés :\n--------------------------------\n"
            "    - \"MaQuete\" (type QUETE)\n"
            "\n\n\n Liste des autres objets utilisés :\n------------------------------------\n"
            "    - \"Pluie\" (type TEMPS)\n");
}

TEST(Rapport, ErroneousVariablesAreListedEvenWithoutInventories) {
  WorkFiles wf;
  triInfo(wf, {0, "x"});
  triInfo(wf, {1, "x"});
  triInfo(wf, {0, "y"});
  EXPECT_EQ(composerRapport(wf, 1, 0, 0),
            kTitre + kSouligne + kAucunBug +
                "\n\n\n Liste des variables utilisées de manière erronnée (utilisées comme deux types différents) :\n"
                "---------------------------------------------------\n    - \"x\" (type ERREUR)\n");
}

TEST(Rapport, UnderscoreNamesGetAWholeScriptAlert) {
  WorkFiles wf;
  triInfo(wf, {99, "_Test"});
  triInfo(wf, {0, "ok"});
  verifierUnderscore(wf);
  ASSERT_EQ(wf.findings.size(), 1u);
  EXPECT_EQ(wf.findings[0],
            (FindingRecord{-1, "    - Le premier caractère de \"_Test\" est un underscore, risques de bugs in-game.", 1}));
}

TEST(Rapport, WrittenInTextModeAndWorkFilesDeleted) {
  test::DossierTemporaire dir;
  WorkFiles wf(dir.chemin());
  wf.creerTous();
  EXPECT_TRUE(std::filesystem::exists(dir.chemin() / "InfTempKVR4.3"));
  const auto fichier = dir.chemin() / "Correction de ScriptVaelmoor.txt";
  ecrireRapport(wf, fichier, 1, 1, 0);
  EXPECT_EQ(lireBinaire(fichier).value(),
            kTitre + "\r\n                    ------------------------\r\n\r\n\r\n\r\n   Aucun bug n'a été trouvé sur ce "
                     "script.\r\n\r\n");
  for (const char* f : {"DbTempKVR4", "InfTempKVR4", "InfTempKVR4.2", "InfTempKVR4.3"})
    EXPECT_FALSE(std::filesystem::exists(dir.chemin() / f)) << f;
}

}  // namespace
}  // namespace quillomat
