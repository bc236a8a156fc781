#include "lsp/assistance.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cli/encoding.hpp"
#include "functions/catalogue.hpp"
#include "lsp/signature_words.hpp"

namespace quillomat::lsp {
namespace {

// Every checker a catalogue row calls is told in words, and only those are.
TEST(Signatures, EveryCheckerOfTheCataloguesIsToldInWords) {
  std::set<Checker> utilises;
  for (auto catalogue : {catalogueValeurs(), catalogueInstructions()})
    for (const Row& r : catalogue) {
      utilises.insert(r.check);
      EXPECT_NE(signatureDe(r.check), nullptr) << r.name;
    }
  for (const Signature& s : signatures()) {
    EXPECT_TRUE(utilises.count(s.checker)) << s.parametres;
    EXPECT_FALSE(s.parametres.empty());
  }
}

TEST(Signatures, WordsTakeTheRowsKindsAndFlags) {
  struct Cas {
    std::string_view nom;  // as typed
    std::string_view catalogue, appelant, parametres;
    bool vlse;
  };
  const Cas cas[] = {
      {"getitemcount", "GetItemCount", "facultatif (CONTENANT)", "un ID (CONTENU)", false},
      {"SETSTAGE", "SetStage", "aucun", "un ID (QUETE), puis un nombre entier", false},  // caller refused by its row
      {"PositionWorld", "PositionWorld", "facultatif (OBJET)",
       "les coordonnées X, Y et Z, la rotation sur l'axe Z (nombres), puis un ID (MONDE)", false},
      {"IsKeyPressed", "IsKeyPressed", "aucun", "un nombre entier (pas de variable)", true},
      {"GetBaseObject", "GetBaseObject", "facultatif (OBJET)", "aucun", true},
      // Two rows: the full form first; one is not the script extender's.
      {"KillActor", "KillActor", "facultatif (PERSONNE)", "un ID facultatif (PERSONNE)", false},
      {"CSize", "CSize", "facultatif", "syntaxe insuffisamment documentée : non vérifiés", false},
  };
  for (const Cas& c : cas) {
    const auto f = ficheDe(c.nom);
    ASSERT_TRUE(f) << c.nom;
    EXPECT_EQ(f->nom, c.catalogue);
    EXPECT_EQ(motsAppelant(*f), c.appelant) << c.nom;
    EXPECT_EQ(motsParametres(*f), c.parametres) << c.nom;
    EXPECT_EQ(f->vlse, c.vlse) << c.nom;
  }
  EXPECT_FALSE(ficheDe("zorglub"));
}

TEST(Survol, NamesTheFunctionUnderTheCursor) {
  const std::string_view ligne = "\tif player.GetAV Strength > 5 ; GetAV";
  struct Cas {
    size_t octet;
    std::optional<size_t> debut;
  };
  for (const Cas& c : {Cas{11, 11}, Cas{14, 11}, Cas{16, 11},  // inside, and right after, "GetAV"
                       Cas{4, std::nullopt},                    // "player" is no function
                       Cas{17, std::nullopt},                   // "Strength" neither
                       Cas{33, std::nullopt}}) {                // in the comment
    const auto s = survoler(ligne, c.octet, true);
    ASSERT_EQ(s.has_value(), c.debut.has_value()) << c.octet;
    if (s) {
      EXPECT_EQ(s->mot.debut, *c.debut);
    }
  }
  const auto s = survoler("IsKeyPressed 5", 0, false);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->texte, latin1VersUtf8("IsKeyPressed\nAppelant : aucun\nParamètres : un nombre entier (pas de "
                                     "variable)\nNécessite Vaelmoor Script Extender (VLSE)."));
  EXPECT_EQ(survoler("GetAV x", 2, true)->texte.substr(0, 12), "**GetAV**\n\nA");
}

std::vector<std::string> etiquettes(std::string_view ligne, size_t octet) {
  std::vector<std::string> out;
  for (const Proposition& p : completer(ligne, octet)) out.push_back(p.etiquette);
  return out;
}

TEST(Completion, ActorValuesAfterTheFunctionsThatTakeOneElseFunctionNames) {
  EXPECT_EQ(etiquettes("", 0).size(), nomsDesFonctions().size());
  EXPECT_EQ(etiquettes("set x to player.GetAV ", 22).size(), 70u);
  struct Cas {
    std::string_view ligne;
    std::vector<std::string> attendu;
  };
  const Cas cas[] = {
      {"player.ModAV, ma", {"magicka", "marksman", "magickamultiplier"}},
      {"if GetAV     resp", {"responsibility"}},
      {"ForceAV Lu", {"luck"}},
      {"  getpcmiscst", {"GetPCMiscStat"}},
      {"player.isrid", {"IsRidingHorse"}},
      {"GetAVx", {}},                // no blank after the name: a name being typed
      {"Message \"GetA", {}},        // between double quotes
      {"Return ; GetA", {}},         // in a comment
      {"AddItem Gold001 ma", {}},    // AddItem takes no actor value: names, none begin so
  };
  for (const Cas& c : cas) EXPECT_EQ(etiquettes(c.ligne, c.ligne.size()), c.attendu) << c.ligne;
  const auto p = completer("GetItemCo", 9);
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].genre, Genre::Fonction);
  EXPECT_EQ(p[0].detail, "Param\xC3\xA8tres : un ID (CONTENU)");
}

}  // namespace
}  // namespace quillomat::lsp
