// Directives read from hostile comments without error, and the findings they
// and the settings file silence.
#include "pipeline/suppressions.hpp"

#include <algorithm>

#include "pipeline/directive_insertion.hpp"
#include "pipeline/memory_check.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

std::string codes(const std::vector<FindingRecord>& findings) {
  std::string out;
  for (const FindingRecord& f : findings) (out += f.code) += ' ';
  return out;
}

TEST(Directives, ReadsWhatIsWrittenAndReportsTheRest) {
  struct Cas {
    std::string script;
    std::string directives;  // "ligne>cible:codes" for each, 'F' for a whole-script one
    std::string constats;    // codes of the directives' own findings
  };
  const std::vector<Cas> cas = {
      {"x ; quillomat: ignorer QM240", "0>0:QM240 ", ""},
      {";QUILLOMAT :  Ignorer qm240 ,QM101, qm240\n\n; autre\nx", "0>3:QM240,QM101 ", ""},
      {"x\n\t; quillomat: ignorer-fichier QM240", "1F:QM240 ", ""},
      {"x ; note ; quillomat: ignorer QM240 -- connu du jeu", "0>0:QM240 ", ""},
      {"x ; quillomat: ignorer QM240 ; quillomat: ignorer-fichier QM101", "0>0:QM240 0F:QM101 ", ""},
      {"x\n; quillomat: ignorer QM240", "1>-1:QM240 ", ""},
      {"x ; quillomat: ignorr QM240", "", "QM910 "},
      {"x ; quillomat ignorer QM240", "", "QM910 "},
      {"x ; quillomat:", "", "QM910 "},
      {"x ; quillomat: ignorer QM999, QM240", "0>0:QM240 ", "QM911 "},
      {"x ; quillomat: ignorer", "", "QM912 "},
      {"x ; quillomat: ignorer -- pourquoi", "", "QM912 "},
      {"x ; quillomat est pratique", "", ""},
      {"x ; quillomatique: ignorer QM240", "", ""},
      {"Message \"; quillomat: ignorer QM240\"", "", ""},
      {"x ; quillomat: ignorer \"QM240", "", "QM911 "},
  };
  for (const Cas& c : cas) {
    const DirectivesDuScript d = lireDirectives(c.script);
    std::string lu;
    for (const Directive& x : d.directives) {
      lu += std::to_string(x.ligne);
      lu += x.portee == Portee::Fichier ? "F" : ">" + std::to_string(x.cible);
      lu += ':';
      for (size_t i = 0; i < x.codes.size(); ++i) lu += (i ? "," : "") + x.codes[i];
      lu += ' ';
    }
    EXPECT_EQ(lu, c.directives) << c.script;
    EXPECT_EQ(codes(d.constats), c.constats) << c.script;
  }
}

TEST(Directives, HostileCommentsGiveShortFindings) {
  const std::vector<std::string> scripts = {
      "x ; quillomat: " + std::string(100000, 'a'),
      "x ; quillomat: ignorer " + std::string(100000, '"'),
      "x ; quillomat: ignorer " + std::string(5000, 'Q') + ", \xE9\xE9",
      std::string(3000, ';') + "quillomat: ignorer QM240" + std::string(3000, ';'),
      "; quillomat: ignorer-fichier" + std::string(20000, ','),
      std::string("x ; quillomat : une qu\0\0te", 26),
      std::string("x ; quillomat: ignorer QM\0\x01", 27),
  };
  for (const std::string& s : scripts) {
    const DirectivesDuScript d = lireDirectives(s);
    for (const FindingRecord& f : d.constats) {
      EXPECT_LE(f.text.size(), kTexteMax);
      EXPECT_EQ(f.text.find('\0'), std::string::npos) << "a NUL would cut the finding's text";
      EXPECT_EQ(f.line, 0);
    }
  }
}

// A script with the same finding (QM240) on lines 3 and 4.
std::string scriptAvec(std::string_view ligne3, std::string_view ligne4, std::string_view fin = "") {
  return "scn Test\nbegin GameMode\n" + std::string(ligne3) + "\n" + std::string(ligne4) + "\nend\n" +
         std::string(fin);
}

TEST(Directives, SilenceTheirLineTheScriptOrWhatTheSettingsName) {
  struct Cas {
    std::string script;
    Consignes consignes;
    std::vector<int> restants;  // 1-based lines of the QM240 findings left
    int ignores;
    Origine origine;
    std::string ajoutes;  // codes of the findings the directives add
  };
  const std::string a = "Activate  cible";
  const std::vector<Cas> cas = {
      {scriptAvec(a + " ; quillomat: ignorer QM240", a), {}, {4}, 1, Origine::Directive, ""},
      {scriptAvec("; quillomat: ignorer qm240\n" + a, a), {}, {5}, 1, Origine::Directive, ""},
      {scriptAvec(a, a, "; quillomat: ignorer-fichier QM240"), {}, {}, 2, Origine::Directive, ""},
      {scriptAvec(a, a), {{"QM240"}, false}, {}, 2, Origine::Reglages, ""},
      {scriptAvec(a, a + " ; quillomat: ignorer QM101, QM240"), {{}, true}, {3}, 1, Origine::Directive, "QM913 "},
      {scriptAvec(a + " ; quillomat: ignorer QM101", a), {}, {3, 4}, 0, Origine::Directive, ""},
      {scriptAvec(a + " ; quillomat: ignorer QM240", a), {{"QM240"}, false}, {}, 2, Origine::Directive, ""},
  };
  for (const Cas& c : cas) {
    const VerificationMemoire v = verifierEnMemoire(c.script, {}, {}, c.consignes);
    std::vector<int> restants;
    std::string autres;
    for (const FindingRecord& f : v.findings) {
      if (f.code == "QM240") restants.push_back(f.line + 1);
      if (f.code.substr(0, 3) == "QM9") (autres += f.code) += ' ';
    }
    EXPECT_EQ(restants, c.restants) << c.script;
    EXPECT_EQ(autres, c.ajoutes) << c.script;
    ASSERT_EQ(static_cast<int>(v.tri.ignores.size()), c.ignores) << c.script;
    if (c.ignores > 0) EXPECT_EQ(v.tri.ignores.front().origine, c.origine) << c.script;
    for (const Constat& k : v.constats) EXPECT_TRUE(k.code != "QM240" || k.ligne == 3 || k.ligne == 4 || k.ligne == 5);
    EXPECT_TRUE(v.tri.actif);
  }
}

// The whole-script findings (line -1) only yield to the whole script's directive.
TEST(Directives, WholeScriptFindingsYieldOnlyToTheWholeScript) {
  const std::string script = "scn _Test\n; quillomat: ignorer QM903\nbegin GameMode\nend\n";
  const auto sansLigne = [](const VerificationMemoire& v) {
    return std::count_if(v.findings.begin(), v.findings.end(), [](const FindingRecord& f) { return f.line == -1; });
  };
  const VerificationMemoire avant = verifierEnMemoire(script, {});
  ASSERT_GT(sansLigne(avant), 0);
  const std::string code(std::find_if(avant.findings.begin(), avant.findings.end(), [](const FindingRecord& f) {
                           return f.line == -1;
                         })->code);
  const VerificationMemoire fichier = verifierEnMemoire(script + "; quillomat: ignorer-fichier " + code, {});
  EXPECT_EQ(sansLigne(fichier), sansLigne(avant) - 1 - (code == "QM903" ? 0 : 0));
}

TEST(Directives, AScriptWithoutDirectiveIsUntouched) {
  std::vector<FindingRecord> findings = {{2, "    - Ligne 3 : x", kErreur, "QM240"}};
  const auto avant = findings;
  const Tri tri = trierConstats(findings, "scn T\n; rien\nActivate  cible ; quillomat", {{}, true});
  EXPECT_FALSE(tri.actif);
  EXPECT_EQ(findings, avant);
  EXPECT_EQ(codes(findings), "QM240 ");
}

// The directive the editor and the language server insert silences the finding.
TEST(Directives, TheInsertedDirectiveSilencesItsFinding) {
  struct Cas {
    std::string script;
    int ligne;  // 0-based; -1 for the whole script
    std::string apres;  // the script once the directive is inserted ("" when none can be)
  };
  const std::vector<Cas> cas = {
      {"a\nb ; note\n", 1, "a\nb ; note ; quillomat: ignorer QM240\n"},
      {"a\r\nb ; quillomat: ignorer QM101 -- connu\r\n", 1, "a\r\nb ; quillomat: ignorer QM101, QM240 -- connu\r\n"},
      {"a\n  ; seul\n", 1, ""},
      {"a\r\nb\r\n", -1, "; quillomat: ignorer-fichier QM240\r\na\r\nb\r\n"},
      {"a\n; quillomat: ignorer-fichier QM101\nb", -1, "a\n; quillomat: ignorer-fichier QM101, QM240\nb"},
  };
  for (const Cas& c : cas) {
    const auto ins = c.ligne < 0 ? std::optional(directivePourFichier(c.script, "QM240"))
                                 : directivePourLigne(c.script, c.ligne, "QM240");
    if (c.apres.empty()) {
      EXPECT_FALSE(ins) << c.script;
      continue;
    }
    ASSERT_TRUE(ins) << c.script;
    std::string s = c.script;
    size_t debut = 0;
    for (int i = 0; i < ins->ligne; ++i) debut = s.find('\n', debut) + 1;
    s.insert(debut + ins->colonne, ins->texte);
    EXPECT_EQ(s, c.apres);
  }
  // Inserted into a script with the finding twice, each silences what it says.
  const std::string script = scriptAvec("Activate  cible", "Activate  cible");
  std::string s = script;
  const auto ins = directivePourLigne(s, 2, "QM240");
  ASSERT_TRUE(ins);
  s.insert(s.find("\nActivate") + 1 + ins->colonne, ins->texte);
  EXPECT_EQ(verifierEnMemoire(s, {}).tri.ignores.size(), 1u);
}

}  // namespace
}  // namespace quillomat
