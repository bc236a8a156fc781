#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"
#include "functions/checkers.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

const Row kIsCellOwner = rangee(strFoncCelluleOptID, "IsCellOwner");
const Row kPosCell = rangee(strFoncPositionCellule, "PosCell");
const Row kFlee = rangee(strFoncOptCelluleOptRef, "Flee");

TEST(CelluleOptId, RequiredCellThenOptionalOwner) {
  const std::string_view cellule = " : impossible de détecter l'appelé non optionnel !";
  const std::string_view proprietaire = " : impossible de détecter l'appelé !";
  verifierCas(strFoncCelluleOptID, kIsCellOwner,
              {{"IsCellOwner MyCell ", ""},
               {"IsCellOwner, MyCell, Owner", ""},
               {"IsCellOwner ", cellule},
               {"IsCellOwner  MyCell", cellule},
               {"IsCellOwner MyCell  Owner", proprietaire},
               // A ',' announces the owner, and only " " or ", " separates it from the cell.
               {"IsCellOwner MyCell, ", proprietaire},
               {"IsCellOwner MyCell,", proprietaire},
               {"IsCellOwner MyCell,Owner", proprietaire},
               {"IsCellOwner MyCell Owner x",
                " : erreur, la fonction IsCellOwner ne doit contenir aucun paramètre après l'ID \"Owner\" !"}});
  verifierCas(strFoncCelluleOptID, rangee(strFoncCelluleOptID, "SetCellOwnership"),
              {{"SetCellOwnership 0,0,0 32, 284", proprietaire}});

  Banc b;
  EXPECT_EQ(b.appeler(strFoncCelluleOptID, kIsCellOwner, "IsCellOwner"), 0);
  EXPECT_EQ(b.appeler(strFoncCelluleOptID, kIsCellOwner, "x.IsCellOwner MyCell"), 0);
  EXPECT_EQ(b.appeler(strFoncCelluleOptID, kIsCellOwner, "IsCellOwner \"My Cell\" Owner"), 1);
  EXPECT_EQ(b.ids(), (V{"My Cell:95", "Owner:66"}));
}

TEST(PositionCellule, FourNumbersThenThePlace) {
  const std::string_view nom = " : erreur dans le nom de la cellule !";
  verifierCas(strFoncPositionCellule, kPosCell,
              {{"PosCell -12.5 300 0, 90 \"My Cell\" ", ""},
               {"PosCell x 0 0 0 C", " : erreur, la valeur de PosCell sur l'axe X est incorrecte !"},
               {"PosCell 0 1.2.3 0 0 C", " : erreur, la valeur de PosCell sur l'axe Y est incorrecte !"},
               {"PosCell 0 0", " : erreur, la valeur de PosCell sur l'axe Z est incorrecte !"},
               {"PosCell 0 0 0  0 C", " : erreur, la valeur de rotation de PosCell sur l'axe Z est incorrecte !"},
               {"PosCell 0 0 0 0", " : pas d'espace après la rotation sur l'axe Z de la fonction PosCell"},
               {"PosCell 0 0 0 0 ", " : impossible de détecter la cellule !"},
               {"PosCell 0 0 0 0 \"a\"b\"c", " : erreur dans la syntaxe du nom de la cellule : trop de guillemets."},
               {"PosCell 0 0 0 0 My Cell", nom},
               {"PosCell 0 0 0 0 \"My Cell", nom}});
}

TEST(PositionCellule, PlaceKindFromTheRowCallerAsObject) {
  const Row world = rangee(strFoncPositionCellule, "PositionWorld");
  Banc b;
  EXPECT_EQ(b.appeler(strFoncPositionCellule, world, "PositionWorld"), 0);
  EXPECT_EQ(b.appeler(strFoncPositionCellule, world, "Chest.PositionWorld 1 2 3 4 Tamriel"), 1);
  EXPECT_EQ(b.appeler(strFoncPositionCellule, kPosCell, "PosCell 1 2 3 4 Bad Name"), 1);  // not recorded
  EXPECT_EQ(b.ids(), (V{"Chest:19", "Tamriel:68"}));
}

TEST(OptCelluleOptRef, BothParametersOptional) {
  const std::string_view second = " : impossible de détecter le second appelé optionnel de la fonction Flee";
  verifierCas(strFoncOptCelluleOptRef, kFlee,
              {{"Flee ", ""},
               {"Flee MyCell, Bandit", ""},
               {"Flee  MyCell", " : impossible de détecter l'appelé !"},
               {"Flee MyCell,Bandit", " : erreur dans la fonction Flee, pas d'espace après l'objet \"MyCell\" !"},
               {"Flee MyCell, ", second},
               {"Flee MyCell  Bandit", second},
               {"Flee MyCell Bandit x", " : erreur, la fonction Flee ne doit contenir aucun paramètre après l'ID \"Bandit\" !"}});
  Banc b;
  EXPECT_EQ(b.appeler(strFoncOptCelluleOptRef, kFlee, "Flee"), 0);
  EXPECT_EQ(b.appeler(strFoncOptCelluleOptRef, kFlee, "Guard.Flee MyCell Bandit"), 1);
  EXPECT_EQ(b.ids(), (V{"Guard:15", "MyCell:95", "Bandit:19"}));
}

}  // namespace
}  // namespace quillomat
