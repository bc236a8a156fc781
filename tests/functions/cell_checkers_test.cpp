#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using V = std::vector<std::string>;

const Row kIsCellOwner = rows::avec(strFoncCelluleOptID, "IsCellOwner");
const Row kPosCell = rows::positionCellule(95, "PosCell");
const Row kPosWorld = rows::positionCellule(68, "PositionWorld");
const Row kFlee = rows::avec(strFoncOptCelluleOptRef, "Flee");

V findings(Checker check, const Row& row, std::string_view text) {
  Banc b;
  EXPECT_EQ(b.appeler(check, row, text), 1) << text;
  return b.textes();
}
V une(std::string_view message) { return {ligne(1, message)}; }

TEST(CelluleOptId, RequiredCellThenOptionalOwner) {
  auto f = [](std::string_view s) { return findings(strFoncCelluleOptID, kIsCellOwner, s); };
  EXPECT_EQ(f("IsCellOwner MyCell "), V{});
  EXPECT_EQ(f("IsCellOwner, MyCell, Owner"), V{});
  const V cellule = une(" : impossible de détecter l'appelé non optionnel !");
  EXPECT_EQ(f("IsCellOwner "), cellule);
  EXPECT_EQ(f("IsCellOwner  MyCell"), cellule);
  EXPECT_EQ(f("IsCellOwner MyCell  Owner"), une(" : impossible de détecter l'appelé !"));
  EXPECT_EQ(f("IsCellOwner MyCell Owner x"),
            une(" : erreur, la fonction IsCellOwner ne doit contenir aucun paramètre après l'ID \"Owner\" !"));

  Banc b;
  EXPECT_EQ(b.appeler(strFoncCelluleOptID, kIsCellOwner, "IsCellOwner"), 0);
  EXPECT_EQ(b.appeler(strFoncCelluleOptID, kIsCellOwner, "x.IsCellOwner MyCell"), 0);
  EXPECT_EQ(b.appeler(strFoncCelluleOptID, kIsCellOwner, "IsCellOwner \"My Cell\" Owner"), 1);
  EXPECT_EQ(b.ids(), (V{"My Cell:95", "Owner:66"}));
}

TEST(PositionCellule, FourNumbersThenThePlace) {
  auto f = [](std::string_view s) { return findings(strFoncPositionCellule, kPosCell, s); };
  EXPECT_EQ(f("PosCell -12.5 300 0, 90 \"My Cell\" "), V{});
  EXPECT_EQ(f("PosCell x 0 0 0 C"), une(" : erreur, la valeur de PosCell sur l'axe X est incorrecte !"));
  EXPECT_EQ(f("PosCell 0 1.2.3 0 0 C"), une(" : erreur, la valeur de PosCell sur l'axe Y est incorrecte !"));
  EXPECT_EQ(f("PosCell 0 0"), une(" : erreur, la valeur de PosCell sur l'axe Z est incorrecte !"));
  EXPECT_EQ(f("PosCell 0 0 0  0 C"), une(" : erreur, la valeur de rotation de PosCell sur l'axe Z est incorrecte !"));
  const V espace = une(" : pas d'espace après la rotation sur l'axe Z de la fonction PosCell");
  EXPECT_EQ(f("PosCell 0 0 0 0"), espace);
  EXPECT_EQ(f("PosCell 0 0 0 0 "), une(" : impossible de détecter la cellule !"));
  EXPECT_EQ(f("PosCell 0 0 0 0 \"a\"b\"c"), une(" : erreur dans la syntaxe du nom de la cellule : trop de guillemets."));
  const V nom = une(" : erreur dans le nom de la cellule !");
  EXPECT_EQ(f("PosCell 0 0 0 0 My Cell"), nom);
  EXPECT_EQ(f("PosCell 0 0 0 0 \"My Cell"), nom);
}

TEST(PositionCellule, PlaceKindFromTheRowCallerAsObject) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncPositionCellule, kPosWorld, "PositionWorld"), 0);
  EXPECT_EQ(b.appeler(strFoncPositionCellule, kPosWorld, "Chest.PositionWorld 1 2 3 4 Tamriel"), 1);
  EXPECT_EQ(b.appeler(strFoncPositionCellule, kPosCell, "PosCell 1 2 3 4 Bad Name"), 1);  // not recorded
  EXPECT_EQ(b.ids(), (V{"Chest:19", "Tamriel:68"}));
}

TEST(OptCelluleOptRef, BothParametersOptional) {
  auto f = [](std::string_view s) { return findings(strFoncOptCelluleOptRef, kFlee, s); };
  EXPECT_EQ(f("Flee "), V{});
  EXPECT_EQ(f("Flee MyCell, Bandit"), V{});
  EXPECT_EQ(f("Flee  MyCell"), une(" : impossible de détecter l'appelé !"));
  EXPECT_EQ(f("Flee MyCell,Bandit"), une(" : erreur dans la fonction Flee, pas d'espace après l'objet \"MyCell\" !"));
  const V second = une(" : impossible de détecter le second appelé optionnel de la fonction Flee");
  EXPECT_EQ(f("Flee MyCell, "), second);
  EXPECT_EQ(f("Flee MyCell  Bandit"), second);
  EXPECT_EQ(f("Flee MyCell Bandit x"),
            une(" : erreur, la fonction Flee ne doit contenir aucun paramètre après l'ID \"Bandit\" !"));

  Banc b;
  EXPECT_EQ(b.appeler(strFoncOptCelluleOptRef, kFlee, "Flee"), 0);
  EXPECT_EQ(b.appeler(strFoncOptCelluleOptRef, kFlee, "Guard.Flee MyCell Bandit"), 1);
  EXPECT_EQ(b.ids(), (V{"Guard:15", "MyCell:95", "Bandit:19"}));
}

}  // namespace
}  // namespace quillomat
