#include "logic/format_text.hpp"
#include "logic/line_checkers.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using S = std::vector<std::string>;

const Row kMessage{synDetectMessage, "Message"};
const Row kReload{synDetectEssentialDeathReload, "EssentialDeathReload"};

const std::string X1 = " : impossible de détecter le texte !";
const std::string M2 = " : plus de 9 variables dans le Message.";
const std::string M5 =
    " : erreur dans le dernier paramètre. Attention, Message ne prend pas de variables en entrée !";
std::string M3(int n) {
  return " : impossible de détecter la " + std::to_string(n) + "-ième variable de la MessageBox.";
}
std::string M4(int n) {
  return n == 1 ? " : pas d'espace après le texte de la MessageBox."
                : " : pas d'espace après la " + std::to_string(n) + "-ième variable de la MessageBox.";
}

// Findings of one Message line (on line index 0), checking that it is handled.
S message(std::string_view ligneScript) {
  Banc b;
  EXPECT_EQ(b.appeler(synDetectMessage, kMessage, ligneScript), 1) << ligneScript;
  return b.textes();
}

TEST(FormatFields, TestedInOrderAtEachPosition) {
  const ChampsDeFormat c = champsDeFormat("%s %g %.0f %.9f %d %5.2f %.f %%g %");
  ASSERT_EQ(c.nombre, 5);
  EXPECT_EQ((std::vector<int>(c.kinds, c.kinds + 5)), (std::vector<int>{1, 2, 3, 3, 2}));
  EXPECT_EQ(champsDeFormat(std::string(30, '%') + "g").nombre, 1);
  EXPECT_EQ(champsDeFormat("%g%g%g%g%g%g%g%g%g%g%g%g").nombre, 10);  // counting stops past nine
}

TEST(SynDetectMessage, KeywordNeedsASpaceOrACommaAndASpace) {
  for (const char* autre :
       {"Message\t\"x\"", "Message", "MessageBox \"x\"", "Messages \"x\"", "player.Message \"x\""}) {
    Banc b;
    EXPECT_EQ(b.appeler(synDetectMessage, kMessage, autre), 0) << autre;
  }
  EXPECT_TRUE(message("  message, \"Bonjour\"").empty());
  EXPECT_TRUE(message("MESSAGE \"Bonjour\"").empty());
}

TEST(SynDetectMessage, VariablesOfTheFormatFields) {
  Banc b;
  b.appeler(synDetectMessage, kMessage, "Message \"Vie : %g, or : %.0f\", vie, MyQuest.or");
  b.appeler(synDetectMessage, kMessage, "Message \"%g secondes\" GetSecondsPassed");
  b.appeler(synDetectMessage, kMessage, "Message \"Nom : %s\", \"Bob\"");
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (S{"vie:9", "MyQuest:19", "or:29"}));
  // %d and %5.2f are no format fields: the text alone is complete.
  EXPECT_TRUE(message("Message \"%d %5.2f %.f\"").empty());
}

TEST(SynDetectMessage, MissingOrInvalidVariables) {
  EXPECT_EQ(message("Message \"%g\""), (S{ligne(1, M3(1))}));
  EXPECT_EQ(message("Message \"%g\","), (S{ligne(1, M3(1))}));
  EXPECT_EQ(message("Message \"%g\", "), (S{ligne(1, M3(1))}));
  EXPECT_EQ(message("Message \"%g et %g\", x"), (S{ligne(1, M3(2))}));
  EXPECT_EQ(message("Message \"%s\", nom"), (S{ligne(1, M3(1))}));
  EXPECT_EQ(message("Message \"%g\", 12."), (S{ligne(1, M3(1))}));
}

TEST(SynDetectMessage, MissingBlankNamesTheVariableThatLacksIt) {
  EXPECT_EQ(message("Message \"%g\",x"), (S{ligne(1, M4(1))}));
  EXPECT_EQ(message("Message \"%g %g\", x,y"), (S{ligne(1, M4(2))}));
  EXPECT_EQ(message("Message \"%g %g %g\", x, y,z"), (S{ligne(1, M4(3))}));
}

TEST(SynDetectMessage, MoreThanNineFieldsIsReportedOnce) {
  EXPECT_EQ(message("Message \"" + std::string(20, '%') + "g%g%g%g%g%g%g%g%g%g\", a, b, c"), (S{ligne(1, M2)}));
  // Nine is the limit and is accepted.
  EXPECT_TRUE(message("Message \"%g%g%g%g%g%g%g%g%g\", a, b, c, d, e, f, g, h, i").empty());
}

TEST(SynDetectMessage, LastParameterIsAnOptionalNumber) {
  for (const char* bon : {"Message \"Texte\", 5", "Message \"Texte\" 5", "Message \"Texte\", 2.5",
                          "Message \"Texte\", 2.5 ", "Message \"Texte\"  ", "Message \"%g\", x, 3"}) {
    EXPECT_TRUE(message(bon).empty()) << bon;
  }
  for (const char* mauvais : {"Message \"%g\", x, y", "Message \"Texte\", 5x", "Message \"Texte\", 2.5.1",
                              "Message Bonjour tout le monde", "Message \"Texte\"x"}) {
    EXPECT_EQ(message(mauvais), (S{ligne(1, M5)})) << mauvais;
  }
}

TEST(SynDetectMessage, EmptyTextIsHandled) {
  EXPECT_EQ(message("Message  \"Bonjour\""), (S{ligne(1, X1)}));
  EXPECT_EQ(message("Message \"\""), (S{ligne(1, X1)}));
  EXPECT_EQ(message("Message "), (S{ligne(1, X1)}));
}

TEST(SynDetectMessage, HugeTextsDoNotCrash) {
  EXPECT_TRUE(message("Message \"" + std::string(4980, 'a') + "\"").empty());
  EXPECT_EQ(message("Message \"" + std::string(4990, '%') + "\"").size(), 0u);
  EXPECT_EQ(message("Message \"%g\", " + std::string(4980, 'x')), (S{ligne(1, M5)}));
}

TEST(SynDetectEssentialDeathReload, TextAloneWithOneCharacterPassedOver) {
  Banc b;
  EXPECT_EQ(b.appeler(synDetectEssentialDeathReload, kReload, "Message \"x\""), 0);
  EXPECT_EQ(b.appeler(synDetectEssentialDeathReload, kReload, "EssentialDeathReload \"Vous êtes mort\""), 1);
  EXPECT_EQ(b.appeler(synDetectEssentialDeathReload, kReload, "EssentialDeathReload Mort  "), 1);
  EXPECT_EQ(b.appeler(synDetectEssentialDeathReload, kReload, "EssentialDeathReload \"Texte\"x"), 1);
  EXPECT_TRUE(b.textes().empty());
  b.appeler(synDetectEssentialDeathReload, kReload, "EssentialDeathReload \"Texte\", 3", 1);
  b.appeler(synDetectEssentialDeathReload, kReload, "essentialdeathreload,  \"Texte\"", 2);
  EXPECT_EQ(b.textes(),
            (S{ligne(2,
                     " : erreur, la fonction EssentialDeathReload ne doit contenir aucun paramètre après le "
                     "texte à afficher !"),
               ligne(3, X1)}));
}

}  // namespace
}  // namespace quillomat
