#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(IdIntApp, IdThenShort) {
  verifierCas(strFoncIDintApp, rangee(strFoncIDintApp, "SetStage"),
              {{"SetStage MyQuest 10", ""},
               {"SetStage MyQuest, 10", ""},
               {"SetStage MyQuest x",
                " : erreur dans la valeur de type Short. Attention, SetStage ne prend pas de variables en entrée !"},
               {"SetStage MyQuest", " : pas d'espace après l'ID \"MyQuest\" !"},
               {"SetStage MyQuest ", " : impossible de détecter la valeur de type Short !"},
               {"SetStage ", " : impossible de détecter l'appelé !"},
               {"SetStage MyQuest 10 20",
                " : erreur, la fonction SetStage ne doit contenir aucun paramètre après l'ID \"MyQuest\" !"}});
  verifierCas(strFoncIDintApp, rangee(strFoncIDintApp, "AddItem"),
              {{"AddItem Gold001 -5",
                " : erreur dans la valeur de type Short. Attention, AddItem ne prend pas de variables en entrée !"}});
  verifierCas(strFoncIDintApp, rangee(strFoncIDintApp, "ModFactionRank"), {{"ModFactionRank Guilde -1", ""}});
}

TEST(IdIntApp, KindsAndCallerByFlag) {
  EXPECT_EQ(idsApres(strFoncIDintApp, rangee(strFoncIDintApp, "SetStage"), "SetStage MyQuest 10"), V{"MyQuest:51"});
  EXPECT_EQ(idsApres(strFoncIDintApp, rangee(strFoncIDintApp, "AddItem"), "Coffre.AddItem Gold001 5"),
            (V{"Coffre:10", "Gold001:11"}));
  Banc b;
  EXPECT_EQ(b.appeler(strFoncIDintApp, rangee(strFoncIDintApp, "SetStage"), "Coffre.SetStage MyQuest 10"), 0);
  EXPECT_EQ(b.appeler(strFoncIDintApp, rangee(strFoncIDintApp, "SetStage"), "SetStage"), 0);
}

TEST(IdIntApp, SetEssentialRefusesADeclaredReference) {
  const Row setEssential = rangee(strFoncIDintApp, "SetEssential");
  Banc b;
  triInfo(b.wf, IdentifierRecord{3, "MaRef"});
  EXPECT_EQ(b.appeler(strFoncIDintApp, setEssential, "SetEssential maref 1", 6), 1);
  EXPECT_EQ(b.textes(), V{ligne(7, " : erreur, l'objet \"maref\" est une référence et non une ID !")});
  EXPECT_EQ(b.ids(), V{"MaRef:3"});
  // A base actor is recorded as a person; the test is SetEssential's alone.
  EXPECT_EQ(b.appeler(strFoncIDintApp, setEssential, "SetEssential Garde 1"), 1);
  EXPECT_EQ(b.appeler(strFoncIDintApp, rangee(strFoncIDintApp, "SetStage"), "SetStage MaRef 1"), 1);
  EXPECT_EQ(b.textes().size(), 1u);
}

TEST(IdIntApp, SetEssentialOnADeclaredReferenceInAScript) {
  const std::string rapport = rapportDe("scn Essai\nref MaRef\nbegin GameMode\nSetEssential MaRef 1\nend\n");
  EXPECT_EQ(erreursDuRapport(rapport),
            V{ligne(4, " : erreur, l'objet \"MaRef\" est une référence et non une ID !")});
}

}  // namespace
}  // namespace quillomat
