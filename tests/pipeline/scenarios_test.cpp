// Whole check runs on small scripts: what the user reads in the report.
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::erreursDuRapport;
using test::rapportDe;
using L = std::vector<std::string>;

SettingsRecord declare(int kind) {
  SettingsRecord s;
  s.scriptKind = kind;
  return s;
}

TEST(Scenarios, MinimalScriptHasNoBug) {
  EXPECT_NE(rapportDe("scn Test\nbegin GameMode\nset x to 1\nend").find("Aucun bug n'a été trouvé"), std::string::npos);
}

TEST(Scenarios, PositionOfCode) {
  EXPECT_EQ(erreursDuRapport(rapportDe("set x to 1\nscn T\n")),
            (L{"    - Ligne 1 : vous avez entré des lignes de code avant l'en-tête \"ScriptName NOM\" (ou \"Scn NOM\") !",
               "    - Ligne 1 : vous avez entré des lignes de code hors d'un bloc Begin/End !"}));
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\nbegin GameMode\nend\nend")),
            (L{"    - Ligne 4 : un 'end' en trop (l'erreur a probablement été faite entre la ligne 2 et la ligne 4).",
               "    - Ligne 4 : vous avez entré des lignes de code hors d'un bloc Begin/End !"}));
}

TEST(Scenarios, DeclarationsAfterCodeIncludingTheBeginLine) {
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\nbegin GameMode\nset x to 1\nshort y\nend")),
            L{"    - Ligne 4 : vous avez déclaré des variables après des lignes de code !"});
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\nbegin GameMode\nshort y\nend")),
            L{"    - Ligne 3 : vous avez déclaré des variables après des lignes de code !"});
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\nshort y\nbegin GameMode\nend")), L{});
}

TEST(Scenarios, ScriptKinds) {
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\n\n\n\nbegin ScriptEffectStart\nend", declare(1))),
            L{"    - Ligne 5 : erreur, votre script de quête utilise une spécificité des scripts d'effet magique !"});
  EXPECT_EQ(erreursDuRapport(
                rapportDe("scn T\nbegin ScriptEffectUpdate\nset t to ScriptEffectElapsedSeconds\nend", declare(3))),
            L{});
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\nbegin GameMode\nend", declare(3))),
            L{"    - Ligne 2 : alerte, le bloc GameMode ne sera jamais executé dans un script d'effet magique !"});
  EXPECT_EQ(erreursDuRapport(rapportDe("scn T\nfloat fQuestDelayTime\nbegin ScriptEffectStart\nend")),
            (L{"    - Erreur, le script a plusieurs types :", "        * Ligne 2 : script de quête",
               "        * Ligne 3 : script d'effet magique"}));
}

TEST(Scenarios, HiddenAlertsAndInventoriesFollowTheSettings) {
  SettingsRecord s;
  s.hideAlerts = 1;
  s.showInfo = 0;
  const std::string r = rapportDe("scn T\nshort x\nbegin GameMode\nset x to 1\t\nend", s);
  EXPECT_NE(r.find("\tAucune erreur détectée, mais le quillomat a trouvé des failles au script."), std::string::npos);
  EXPECT_EQ(r.find("Liste des variables"), std::string::npos);
}

TEST(Scenarios, ScriptExtenderFunctionsInExpressions) {
  const std::string script = "scn T\nbegin GameMode\nif GetVLSEVersion > 1\nendif\nend";
  EXPECT_EQ(erreursDuRapport(rapportDe(script)),
            L{"    - Ligne 3 : le script utilise une fonction dépendant d'Vaelmoor Script Extender !"});
  SettingsRecord s;
  s.vlseDependent = 1;
  EXPECT_EQ(erreursDuRapport(rapportDe(script, s)), L{});
}

}  // namespace
}  // namespace quillomat
