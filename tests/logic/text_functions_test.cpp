#include "functions/checkers.hpp"
#include "logic/line_checkers.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using S = std::vector<std::string>;

const Row kMessageBox{strFoncTexteVariables, "MessageBox"};
const Row kConsole{strFoncTexteVariables, "PrintToConsole"};
const Row kActeur{synDetectSetActorFullName, "SetActorFullName"};
const Row kCellule{synDetectSetCellFullName, "SetCellFullName"};
const Row kPlace{synDetectPlaceAtMe, "PlaceAtMe"};

// Findings of one line (line index 0) given to `row`, checking that it is handled.
S verifier(const Row& row, std::string_view texte, S* ids = nullptr) {
  Banc b;
  EXPECT_EQ(b.appeler(row.check, row, texte), 1) << texte;
  if (ids) *ids = b.ids();
  return b.textes();
}

TEST(StrFoncTexteVariables, TextAndVariablesWithTheFunctionsOwnWords) {
  EXPECT_TRUE(verifier(kMessageBox, "MessageBox \"Or : %g\", or").empty());
  EXPECT_EQ(verifier(kMessageBox, "MessageBox \"A %g et %g\", x"),
            (S{ligne(1, " : impossible de détecter la 2-ième variable de la fonction MessageBox.")}));
  EXPECT_EQ(verifier(kMessageBox, "MessageBox \"%g\",x"),
            (S{ligne(1, " : pas d'espace après le texte de la fonction MessageBox.")}));
  EXPECT_EQ(verifier(kConsole, "PrintToConsole \"%g %g\", x,y"),
            (S{ligne(1, " : pas d'espace après la 2-ième variable de la fonction PrintToConsole.")}));
  EXPECT_EQ(verifier(kConsole, "PrintToConsole \"%g%g%g%g%g%g%g%g%g%g\""),
            (S{ligne(1, " : plus de 9 variables dans la fonction PrintToConsole.")}));
  EXPECT_EQ(verifier(kMessageBox, "MessageBox  \"x\""), (S{ligne(1, " : impossible de détecter le texte !")}));
  Banc b;
  EXPECT_EQ(b.appeler(strFoncTexteVariables, kMessageBox, "MessageBox\t\"x\""), 0);
  EXPECT_EQ(b.appeler(strFoncTexteVariables, kMessageBox, "Message \"x\""), 0);
}

TEST(StrFoncTexteVariables, ChoicesAreQuotedTexts) {
  for (const char* bon : {"MessageBox \"Choisir\", \"Oui\", \"Non\"", "MessageBox \"Choisir\" \"Oui\" \"Non\" ",
                          "MessageBox \"Or : %g\", or, \"Prendre\", \"Laisser\""}) {
    EXPECT_TRUE(verifier(kMessageBox, bon).empty()) << bon;
  }
  EXPECT_EQ(verifier(kMessageBox, "MessageBox \"Choisir\", \"Oui\", Non"),
            (S{ligne(1, " : impossible de détecter le 2-ième choix de la fonction MessageBox")}));
  // An extra variable without a format field is no choice either.
  EXPECT_EQ(verifier(kMessageBox, "MessageBox \"Choisir %g\", x, y"),
            (S{ligne(1, " : impossible de détecter le 1-ième choix de la fonction MessageBox")}));
  EXPECT_EQ(verifier(kMessageBox, "MessageBox \"Choisir\", \"Oui"),
            (S{ligne(1, " : impossible de détecter la fin du 1-ième choix de la fonction MessageBox")}));
  EXPECT_EQ(verifier(kMessageBox, "MessageBox \"Choisir\", \"Oui\"x"),
            (S{ligne(1, " : erreur, la fonction MessageBox contient trop de paramètres !")}));
}

TEST(SynDetectSetActorFullName, CallerAndQuotedName) {
  S ids;
  EXPECT_TRUE(verifier(kActeur, "player.SetActorFullName \"Bob\"", &ids).empty());
  EXPECT_EQ(ids, (S{"player:15"}));
  EXPECT_TRUE(verifier(kActeur, "\"Mon Ref\".setactorfullname, \"Bob\"", &ids).empty());
  EXPECT_EQ(ids, (S{"Mon Ref:15"}));
  EXPECT_TRUE(verifier(kActeur, "SetActorFullName \"Bob sans fin").empty());
  EXPECT_EQ(verifier(kActeur, "SetActorFullName Bob"), (S{ligne(1, " : impossible de détecter le nouveau nom !")}));
  EXPECT_EQ(verifier(kActeur, "player.SetActorFullName Bob"),
            (S{ligne(1, " : impossible de détecter le nouveau nom de l'acteur \"player\" !")}));
  EXPECT_EQ(verifier(kActeur, "SetActorFullName \"Bob\" x"),
            (S{ligne(1,
                     " : erreur, la fonction SetActorFullName ne doit contenir aucun paramètre après le texte du "
                     "nom !")}));
  Banc b;
  EXPECT_EQ(b.appeler(synDetectSetActorFullName, kActeur, "SetActorFullName\t\"Bob\""), 0);
  EXPECT_EQ(b.appeler(synDetectSetActorFullName, kActeur, "player.SetActorFullName"), 0);
}

TEST(SynDetectSetActorFullName, CallerFaultsEndTheCheck) {
  const std::string fonction = " : erreur dans la syntaxe de l'appelant de la fonction SetActorFullName";
  EXPECT_EQ(verifier(kActeur, "My Ref.SetActorFullName Bob"), (S{ligne(1, fonction + ". Rajoutez des guillemets.")}));
  EXPECT_EQ(verifier(kActeur, "\"My\"R\"ef.SetActorFullName Bob"),
            (S{ligne(1, fonction + " : trop de guillemets.")}));
  EXPECT_EQ(verifier(kActeur, "\"MyRef\" x.SetActorFullName Bob"),
            (S{ligne(1, fonction + " : le guillemet final n'est pas avant l'opérateur '.'.")}));
  EXPECT_EQ(verifier(kActeur, ".SetActorFullName Bob"), (S{ligne(1, " : impossible de détecter l'appelant !")}));
}

TEST(SynDetectSetCellFullName, CellThenQuotedName) {
  S ids;
  EXPECT_TRUE(verifier(kCellule, "SetCellFullName MyCell \"Nouveau nom\"", &ids).empty());
  EXPECT_EQ(ids, (S{"MyCell:95"}));
  const std::string L3 = " : pas d'espace après l'ID de la cellule MyCell !";
  const std::string L4 = " : impossible de détecter le nouveau nom de la cellule \"MyCell\" !";
  EXPECT_EQ(verifier(kCellule, "SetCellFullName MyCell"), (S{ligne(1, L4)}));
  EXPECT_EQ(verifier(kCellule, "SetCellFullName MyCell,\"Nom\""), (S{ligne(1, L3)}));
  EXPECT_EQ(verifier(kCellule, "SetCellFullName MyCell,x"), (S{ligne(1, L3), ligne(1, L4)}));
  EXPECT_EQ(verifier(kCellule, "SetCellFullName MyCell \"Nom\" x"),
            (S{ligne(1,
                     " : erreur, la fonction SetCellFullName ne doit contenir aucun paramètre après le texte du "
                     "nom !")}));
  EXPECT_EQ(verifier(kCellule, "SetCellFullName  \"Nom\"", &ids),
            (S{ligne(1, " : impossible de détecter la cellule !")}));
  EXPECT_EQ(verifier(kCellule, "SetCellFullName \"a\"b\"c \"Nom\"", &ids),
            (S{ligne(1, " : erreur dans la syntaxe du nom de la cellule : trop de guillemets.")}));
  EXPECT_TRUE(ids.empty());
}

TEST(SynDetectPlaceAtMe, FourParameters) {
  S ids;
  for (const char* bon : {"PlaceAtMe Item, 1, 256, 0", "PlaceAtMe Item 1 256 0 ", "placeatme, Item,1,256, 0"})
    EXPECT_TRUE(verifier(kPlace, bon).empty()) << bon;
  EXPECT_TRUE(verifier(kPlace, "player.PlaceAtMe \"Mon Item\", 1, 256, 0", &ids).empty());
  EXPECT_EQ(ids, (S{"player:19", "Mon Item:19"}));
  const std::string P6 = " : erreur, le nombre d'objets à placer avec PlaceAtMe est incorrect !";
  const std::string P8 = " : pas d'espace après la distance de PlaceAtMe !";
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item, 1, 256.5, 0"), (S{ligne(1, P8)}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item, 1, 256, 0, 5"),
            (S{ligne(1, " : erreur, la fonction PlaceAtMe ne prend que quatre paramètres appelés !")}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item"), (S{ligne(1, P6)}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item, x, 256, 0"), (S{ligne(1, P6), ligne(1, P8)}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item, 1, x, 0"),
            (S{ligne(1, " : erreur dans la fonction PlaceAtMe, la distance est incorrecte !"), ligne(1, P8)}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item, 1, 256"),
            (S{ligne(1, " : erreur, la direction de la fonction PlaceAtMe est incorrecte !")}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe Item, 1, 256, x"),
            (S{ligne(1, " : erreur, la direction de la fonction PlaceAtMe est incorrecte !")}));
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe  1, 256, 0"), (S{ligne(1, " : impossible de détecter l'objet à placer !")}));
  // Reading stops after the third quote; the blank after the distance is still looked for there.
  EXPECT_EQ(verifier(kPlace, "PlaceAtMe \"a\"b\"c, 1, 256, 0"),
            (S{ligne(1, " : erreur dans la syntaxe de l'appelé de la fonction PlaceAtMe : trop de guillemets."),
               ligne(1, P8)}));
}

TEST(SynDetectPlaceAtMe, CallerFaultsResumeWhereTheCallerReadingStopped) {
  // At the blank: it counts as the blank after the distance, and the rest is not read.
  EXPECT_EQ(
      verifier(kPlace, "My Ref.PlaceAtMe Item, 1, 256, 0"),
      (S{ligne(1, " : erreur dans la syntaxe de l'appelant de la fonction PlaceAtMe. Rajoutez des guillemets.")}));
  // At the '.': no blank there.
  EXPECT_EQ(verifier(kPlace, ".PlaceAtMe Item, 1, 256, 0"),
            (S{ligne(1, " : impossible de détecter l'appelant !"),
               ligne(1, " : pas d'espace après la distance de PlaceAtMe !")}));
  S ids;
  verifier(kPlace, "\"MyRef\" x.PlaceAtMe Item, 1, 256, 0", &ids);
  EXPECT_TRUE(ids.empty());
}

TEST(TextFunctions, WholeScriptRun) {
  const std::string script =
      "scn Test\nshort x\nbegin GameMode\nset x to 1\nMessage \"%g\", x\nMessageBox \"Oui ?\", \"Oui\", \"Non\"\n"
      "player.PlaceAtMe Item, 1, 256, 0\nset x y to 2\nMessage \"%g\"\nend\n";
  S erreurs = test::erreursDuRapport(test::rapportDe(script));
  // Only the lines of this file's checkers matter here.
  std::erase_if(erreurs, [](const std::string& e) { return e.find("Ligne 3 ") != std::string::npos; });
  EXPECT_EQ(erreurs, (S{ligne(8, " : erreur dans la variable à modifier !"),
                        ligne(9, " : impossible de détecter la 1-ième variable de la MessageBox.")}));
}

}  // namespace
}  // namespace quillomat
