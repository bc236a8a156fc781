// The help shows what the checker writes for its examples: each example must
// still produce the message it stands for, and its correction nothing at all.
#include <gtest/gtest.h>

#include <set>

#include "app/core/help_examples.hpp"
#include "app/core/help_text.hpp"
#include "lsp/diagnostics.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

std::string joindre(const std::vector<std::string>& v) {
  std::string s;
  for (const auto& t : v) s += t + "\n";
  return s;
}

TEST(HelpExamples, EachExampleProducesItsMessageAndItsCorrectionNone) {
  ASSERT_GE(exemplesAide().size(), 40u);
  for (const ExempleAide& e : exemplesAide()) {
    const auto fautif = constatsDe(scriptDeExemple(e, false), e.scriptKind);
    EXPECT_FALSE(constatAvec(scriptDeExemple(e, false), e.scriptKind, e.repere).empty())
        << "example for \"" << e.repere << "\" writes:\n" << joindre(fautif);
    if (!e.corrige) continue;
    const auto corrige = constatsDe(scriptDeExemple(e, true), e.scriptKind);
    EXPECT_TRUE(corrige.empty()) << "correction for \"" << e.repere << "\" writes:\n" << joindre(corrige);
  }
}

TEST(HelpExamples, NoMessageIsShownTwice) {
  std::set<std::string> vus;
  for (const ExempleAide& e : exemplesAide()) {
    std::string m = constatAvec(scriptDeExemple(e, false), e.scriptKind, e.repere);
    // "    - Ligne N : text": the same text on another line is the same message.
    if (const size_t p = m.find(" : "); m.rfind("    - Ligne ", 0) == 0 && p != std::string::npos) m.erase(0, p);
    EXPECT_TRUE(vus.insert(m).second) << m;
  }
}

TEST(HelpText, HoldsTheMessagesAsTheCheckerWritesThemInBothForms) {
  const std::string txt = texteAide(), htm = pageAide();
  // One message of a line and one of the whole script, word for word.
  EXPECT_NE(txt.find("Ligne 5 : un guillemet n'a pas été refermé."), std::string::npos);
  EXPECT_NE(txt.find("Il y a 1 'end' manquant dans le script."), std::string::npos);
  EXPECT_NE(htm.find("charset=iso-8859-1"), std::string::npos);
  EXPECT_NE(htm.find("Ligne 5 : un guillemet n'a pas été refermé."), std::string::npos);
  EXPECT_NE(htm.find("&quot;Bonjour"), std::string::npos);  // quotes of the examples escaped
  EXPECT_EQ(htm.find("<pre>5   Message \"Bonjour"), std::string::npos);
  EXPECT_EQ(txt.find('\r'), std::string::npos);
  // Latin-1: "é" is one byte.
  EXPECT_NE(txt.find("\xe9"), std::string::npos);
}

// Editors and tools link to "AideDebug.htm#QM122": every code has its
// anchor, and each example stands under the code of the message it writes.
TEST(HelpText, EveryCodeHasItsEntryWithItsExamples) {
  const std::string txt = texteAide(lsp::libellesServeur()), htm = pageAide(lsp::libellesServeur());
  std::vector<const Fiche*> fiches = tousLesLibelles();
  fiches.insert(fiches.end(), lsp::libellesServeur().begin(), lsp::libellesServeur().end());
  for (const Fiche* f : fiches) {
    const std::string code(f->code);
    EXPECT_NE(htm.find("<h4 id=\"" + code + "\">"), std::string::npos) << code;
    EXPECT_NE(txt.find("\n" + code + " ("), std::string::npos) << code;
  }
  for (const ExempleAide& e : exemplesAide()) {
    const FindingRecord r = constatDeExemple(e);
    const size_t entree = txt.find("\n" + std::string(r.code) + " (");
    ASSERT_NE(entree, std::string::npos) << e.repere;
    EXPECT_LT(txt.find(e.conseil, entree), txt.find("\nQM", entree + 1)) << e.repere << " is not under " << r.code;
  }
}

}  // namespace
}  // namespace quillomat
