#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

Row ligneDe(Checker check, std::string_view nom) { return rows::avec(check, nom); }

TEST(DedicatedMoveTo, MarkerThenUpToThreeOffsets) {
  const Row moveTo = ligneDe(strFoncMoveTo, "MoveTo");
  verifierCas(strFoncMoveTo, moveTo,
              {{"MoveTo Marker01", ""},
               {"MoveTo Marker01 10 -20 30.5", ""},
               {"MoveTo Marker01, 10 ", ""},
               {"MoveTo ", " : impossible de détecter la cellule !"},
               {"MoveTo \"a\"b\" 1", " : erreur dans la syntaxe du nom de la cellule : trop de guillemets."},
               {"MoveTo Marker01,5", " : erreur, la valeur de MoveTo sur l'axe X est incorrecte !"},
               {"MoveTo Marker01 10 y", " : erreur, la valeur de MoveTo sur l'axe Y est incorrecte !"},
               {"MoveTo Marker01 1 2  3", " : erreur, la valeur de MoveTo sur l'axe Z est incorrecte !"},
               {"MoveTo Marker01 1 2 3 4", " : erreur dans la syntaxe de la fonction MoveTo, trop de paramètres !"}});
  EXPECT_EQ(idsApres(strFoncMoveTo, moveTo, "player.MoveTo Marker01 0 0 0"), (V{"player:19", "Marker01:95"}));
  Banc b;
  EXPECT_EQ(b.appeler(strFoncMoveTo, moveTo, "MoveTo"), 0);
}

TEST(DedicatedMoveTo, StatementCatalogueTellsTheTwoNamesApart) {
  Banc b;
  Context ctx{b.wf, 0, 0, 0};
  const std::string l1 = "MoveToMarker m x", l2 = "MoveTo m 1.5.2";
  EXPECT_EQ(verifierInstruction(ctx, Text(l1)), 1);
  EXPECT_EQ(verifierInstruction(ctx, Text(l2)), 1);
  EXPECT_EQ(b.textes(), (V{ligne(1, " : erreur, la valeur de MoveToMarker sur l'axe X est incorrecte !"),
                           ligne(1, " : erreur, la valeur de MoveTo sur l'axe X est incorrecte !")}));
}

TEST(DedicatedForceAV, StatisticThenExpression) {
  const std::string_view invalide = " : erreur, l'expression du \"Health\" n'est pas valide !";
  verifierCas(strFoncForceAV, ligneDe(strFoncForceAV, "ForceAV"),
              {{"ForceAV Health 50", ""},
               {"ForceAV health, -5", ""},
               {"ForceAV Health myVar*2 ", ""},
               {"ForceAV ", " : impossible de détecter la statistique !"},
               {"ForceAV \"a\"b\" 1", " : erreur dans la syntaxe de la statistique de la fonction ForceAV : "
                "trop de guillemets."},
               {"ForceAV Strenght 5", " : erreur dans la fonction ForceAV : \"Strenght\" n'est pas une "
                "statistique valide !"},
               {"ForceAV Health", " : pas d'espace après la statistique \"Health\" !"},
               {"ForceAV Health ", invalide},
               {"ForceAV Health 12.", invalide},
               {"ForceAV Health 12 ab",
                " : erreur, la fonction ForceAV ne doit contenir aucun paramètre après la valeur de la statistique "
                "\"Health\" !"}});
  const Row force = ligneDe(strFoncForceActorValue, "ForceActorValue");
  EXPECT_EQ(idsApres(strFoncForceActorValue, force, "player.ForceActorValue Luck myVar"), (V{"player:15", "myVar:9"}));
}

TEST(DedicatedModPCMiscStat, TwoNumbersWithoutCaller) {
  const Row modPcms = ligneDe(strFoncModPCMS, "ModPCMS");
  const std::string_view premier =
      " : erreur dans le premier paramètre. Attention, ModPCMS ne prend pas de variables en entrée !";
  const std::string_view dernier = " : impossible de détecter le dernier paramètre de la fonction ModPCMS";
  verifierCas(strFoncModPCMS, modPcms,
              {{"ModPCMS 3 -5", ""},
               {"ModPCMS, 3 5 ", ""},
               {"ModPCMS ", " : impossible de détecter le premier paramètre de la fonction ModPCMS"},
               {"ModPCMS x 5", premier},
               {"ModPCMS -3 5", premier},
               {"ModPCMS 3", " : pas d'espace après le premier paramètre !"},
               {"ModPCMS 3 ", dernier},
               {"ModPCMS 3  5", dernier},
               {"ModPCMS 3 x", " : erreur dans le dernier paramètre. Attention, ModPCMS ne prend pas de "
                "variables en entrée !"},
               {"ModPCMS 3 5 6", " : erreur, la fonction ModPCMS contient trop de paramètres !"}});
  Banc b;
  EXPECT_EQ(b.appeler(strFoncModPCMS, modPcms, "player.ModPCMS 3 5"), 0);
  EXPECT_EQ(b.appeler(strFoncModPCMiscStat, ligneDe(strFoncModPCMiscStat, "ModPCMiscStat"), "ModPCMiscStat 3 5"), 1);
  EXPECT_EQ(b.ids(), V{});
}

TEST(DedicatedLockSetLevel, ShortsThenOptionalShorts) {
  const Row lock = ligneDe(strFoncLock, "Lock");
  verifierCas(strFoncLock, lock,
              {{"Lock 50 1", ""},
               {"Lock ", ""},
               {"Lock  50", " : impossible de détecter la valeur de type Short !"},
               {"Lock x", " : erreur dans la valeur de type Short. Attention, Lock ne prend pas de variables en "
                "entrée !"},
               {"Lock 50  1", " : impossible de détecter le paramètre optionnel de Lock !"},
               {"Lock 50 x", " : erreur dans le paramètre optionnel. Attention, Lock ne prend pas de variables "
                "en entrée !"},
               {"Lock 50 1 2", " : erreur, la fonction Lock contient trop de paramètres !"}});
  EXPECT_EQ(idsApres(strFoncLock, lock, "MyDoor.Lock 50"), V{"MyDoor:41"});

  const Row setLevel = ligneDe(strFoncSetLevel, "SetLevel");
  verifierCas(strFoncSetLevel, setLevel,
              {{"SetLevel 5 1 2 30 ", ""},
               {"SetLevel ", " : impossible de détecter la valeur de type Short !"},
               {"SetLevel -5", " : erreur dans la valeur de type Short. Attention, SetLevel ne prend pas de "
                "variables en entrée !"},
               {"SetLevel 5 1  2", " : impossible de détecter le paramètre optionnel de SetLevel !"},
               {"SetLevel 5 1 2 x",
                " : erreur dans le paramètre optionnel. Attention, SetLevel ne prend pas de variables en entrée !"},
               {"SetLevel 5 1 2 3 4", " : erreur, la fonction SetLevel contient trop de paramètres !"}});
  EXPECT_EQ(idsApres(strFoncSetLevel, setLevel, "Guard.SetLevel 5"), V{"Guard:19"});
  Banc b;
  EXPECT_EQ(b.appeler(strFoncLock, lock, "Lock"), 0);
}

TEST(DedicatedItemsDialogue, RemoveItemAndSayTo) {
  const Row removeItem = ligneDe(strFoncRemoveItem, "RemoveItem");
  verifierCas(strFoncRemoveItem, removeItem,
              {{"RemoveItem Gold001, 5 1", ""},
               {"RemoveItem ", " : impossible de détecter l'appelé !"},
               {"RemoveItem Gold001", " : pas d'espace après l'ID \"Gold001\" !"},
               {"RemoveItem Gold001 -5",
                " : erreur dans la valeur de type Short. Attention, RemoveItem ne prend pas de variables en "
                 "entrée !"},
               {"RemoveItem Gold001 5 x",
                " : erreur dans le paramètre optionnel. Attention, RemoveItem ne prend pas de variables en entrée !"},
               {"RemoveItem Gold001 5 1 2", " : erreur, la fonction RemoveItem contient trop de paramètres !"}});
  EXPECT_EQ(idsApres(strFoncRemoveItem, removeItem, "Chest.RemoveItem Gold001 5"), (V{"Chest:10", "Gold001:11"}));

  const Row sayTo = ligneDe(strFoncSayTo, "SayTo");
  verifierCas(strFoncSayTo, sayTo,
              {{"SayTo Guard Greeting", ""},
               {"SayTo Guard, Greeting, 1", ""},
               {"SayTo  Guard Greeting", " : impossible de détecter le premier appelé !"},
               {"SayTo Guard", " : impossible de détecter le second appelé !"},
               {"SayTo Guard,Greeting", " : impossible de détecter le second appelé !"},
               {"SayTo Guard Greeting,", " : impossible de détecter le paramètre optionnel de SayTo !"},
               {"SayTo Guard Greeting x",
                " : erreur dans le paramètre optionnel. Attention, SayTo ne prend pas de variables en entrée !"},
               {"SayTo Guard Greeting 1 2", " : erreur, la fonction SayTo contient trop de paramètres !"}});
  EXPECT_EQ(idsApres(strFoncSayTo, sayTo, "player.SayTo Guard Greeting"), (V{"player:15", "Guard:15", "Greeting:50"}));
}

TEST(DedicatedItemsDialogue, GetCrimeKnownAsAValue) {
  const Row crime = ligneDe(strFoncGetCrimeKnown, "GetCrimeKnown");
  verifierCas(strFoncGetCrimeKnown, crime,
              {{"GetCrimeKnown 1 Thief Victim ", ""},
               {"GetCrimeKnown ", " : impossible de détecter le premier paramètre de la fonction GetCrimeKnown"},
               {"GetCrimeKnown x Thief Victim", " : impossible de détecter le type de crime dans la fonction "
                "GetCrimeKnown"},
               {"GetCrimeKnown 1", " : impossible de détecter le premier appelé !"},
               {"GetCrimeKnown 1 Thief", " : impossible de détecter le second appelé !"},
               {"GetCrimeKnown 1 Thief Victim 2",
                " : erreur, la fonction GetCrimeKnown ne doit contenir aucun paramètre après l'ID \"Victim\" !"}});
  Banc b;
  EXPECT_EQ(b.valeur("player.GetCrimeKnown 1 Thief Victim"), 1);
  EXPECT_EQ(b.valeur("SayTo Guard Greeting"), 1);
  EXPECT_EQ(b.textes(), V{});
  EXPECT_EQ(b.ids(), (V{"player:15", "Thief:15", "Victim:15", "Guard:15", "Greeting:50"}));
}

}  // namespace
}  // namespace quillomat
