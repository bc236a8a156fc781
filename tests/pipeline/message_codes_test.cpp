// Every finding carries the code of its message; a code names one wording and
// a wording has one code; every message defined in the sources is listed.
#include <regex>
#include <set>

#include "app/core/help_examples.hpp"
#include "functions/personal_catalogue.hpp"
#include "pipeline/memory_check.hpp"
#include "lsp/diagnostics.hpp"
#include "pipeline/registre_libelles.hpp"
#include "script_generator.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

// The wording with every piece written "{}": two wordings that differ only by
// the names of their pieces are one shape.
std::string normalisee(std::string_view forme) {
  return std::regex_replace(std::string(forme), std::regex("\\{[A-Z0-9_]+\\}"), "{}");
}

// What the finding texts of a message look like: each piece any text, the
// line number before the message of a line.
std::regex motif(const Fiche& f) {
  std::string m = f.forme.substr(0, 6) == "    - " ? "" : "    - Ligne [0-9]+";
  for (char c : normalisee(f.forme)) {
    if (std::string_view("\\^$.|?*+()[]").find(c) != std::string_view::npos) m += '\\';
    m += c;
  }
  return std::regex(std::regex_replace(m, std::regex("\\{\\}"), "[\\s\\S]*"));
}

TEST(CodesDesMessages, OneCodePerWordingAndOneWordingPerCode) {
  std::set<std::string_view> codes;
  std::set<std::string> formes;
  ASSERT_GE(tousLesLibelles().size(), 100u);
  for (const Fiche* f : tousLesLibelles()) {
    EXPECT_TRUE(codes.insert(f->code).second) << "code given twice: " << f->code;
    EXPECT_TRUE(formes.insert(normalisee(f->forme)).second) << "wording with two codes: " << f->forme;
    // A message of a line follows "Ligne N"; a whole text begins with the report's indentation.
    EXPECT_TRUE(f->forme.substr(0, 3) == " : " || f->forme.substr(0, 6) == "    - ") << f->code;
    EXPECT_EQ(libelleDe(f->code), f);
  }
  EXPECT_EQ(libelleDe("QM000"), nullptr);
}

// A message left out of its file's list would get no help entry and no rule.
TEST(CodesDesMessages, EveryMessageOfTheSourcesIsListed) {
  const std::regex definition("Libelle<[0-9]+>\\s+k\\w+\\s*\\{\\s*\"(QM[0-9]{3})\"");
  const std::filesystem::path sources = std::filesystem::path(QUILLOMAT_TESTS_DIR) / "../src";
  std::multiset<std::string> definis;
  for (const auto& e : std::filesystem::recursive_directory_iterator(sources)) {
    if (!e.is_regular_file()) continue;
    const std::string texte = *lireBinaire(e.path());
    for (std::sregex_iterator it(texte.begin(), texte.end(), definition), fin; it != fin; ++it) definis.insert((*it)[1]);
  }
  std::multiset<std::string> listes;
  for (const Fiche* f : tousLesLibelles()) listes.insert(std::string(f->code));
  for (const Fiche* f : lsp::libellesServeur()) listes.insert(std::string(f->code));
  EXPECT_EQ(definis, listes);
}

// Lines that bring out the messages that the sample script, the generated
// scripts and the help examples do not, checked as the help checks its
// examples: in a small script, or as a whole script.
struct Ligne {
  std::string lignes;
  std::string_view code;
  bool scriptEntier = false;
  bool etendu = false;  // checked with the script extender's later syntax
  OptionsVerification options() const {
    OptionsVerification o;
    o.vlseEtendu = etendu;
    if (etendu) {
      auto lu = CataloguePersonnel::lire("Update3D ref :\nAddItemNS ref : id nombre\n", "perso.txt");
      o.catalogue = std::make_shared<const CataloguePersonnel>(std::move(*lu.catalogue));
    }
    return o;
  }
  std::string script() const {
    return scriptDeExemple({lignes.c_str(), nullptr, "", "", scriptEntier}, false);
  }
};
const std::vector<Ligne> kLignes = {
    {"end\nscn T\n", "QM104", true},
    {"begin GameMode\nendif\nend\n", "QM106", true},
    {"set compteur to " + std::string(5000, '1'), "QM121"},
    {"player.PlayMagicEffectVisuals Effet,", "QM215"},
    {"if MenuMode x\nendif", "QM216"},
    {"Activate cible 1 2 3", "QM217"},
    {"ModPCMS ", "QM218"},
    {"Cast ", "QM220"},
    {"TakeCover Garde -5", "QM231"},
    {"Activate  cible", "QM240"},
    {"Activate cible,1", "QM241"},
    {"Activate cible, ", "QM242"},
    {"Activate cible x", "QM243"},
    {"Activate cible 1 2", "QM244"},
    {"con_SetFog x 1", "QM250"},
    {"con_SetFog 1 2 3", "QM251"},
    {"if MenuMode 1 2\nendif", "QM255"},
    {"scn T\nbegin OnAlarm 3,\nend\n", "QM256", true},
    {"player.PlayMagicEffectVisuals Effet 1 2", "QM260"},
    {"con_ModWaterShader \"a\"b\"c\" 1", "QM261"},
    {"player.ForceAV \"a\"b\"c\" 1", "QM304"},
    {"player.ForceAV Health ==", "QM307"},
    {"MoveTo \"a\"b\"c\" 1", "QM312"},
    {"PositionCell 0 0 0 0 Ma Cellule", "QM313"},
    {"SetCellOwnership ", "QM314"},
    {"PositionCell x 0 0 0 Cellule", "QM315"},
    {"PositionCell 0 0 0 0", "QM317"},
    {"Flee Cellule,Bandit", "QM318"},
    {"Flee Cellule, ", "QM319"},
    {"MoveTo Marqueur 1 2 3 4", "QM320"},
    {"if GetCrimeKnown x Voleur Victime\nendif", "QM321"},
    {"ModPCMS 3", "QM322"},
    {"PlaceAtMe Chope, 1, x, 0", "QM332"},
    {"PlaceAtMe Chope, 1, 256", "QM334"},
    {"if compteur = 1\nendif", "QM405"},
    {"scn T\nbegin (GameMode) == (OnLoad)\nend\n", "QM407", true},
    {"Message \"%g %g\", compteur,compteur", "QM505"},
    {"PrintToConsole \"%g%g%g%g%g%g%g%g%g%g\"", "QM512"},
    {"MessageBox \"A %g et %g\", compteur", "QM513"},
    {"MessageBox \"%g\",compteur", "QM514"},
    {"PrintToConsole \"%g %g\", compteur,compteur", "QM515"},
    {"SetActorFullName Bob", "QM522"},
    {"SetCellFullName Cellule,\"Nom\"", "QM523"},
    {"let n := a[1", "QM602", false, true},
    {"let n := 1 +", "QM603", false, true},
    {"let n := 1 2", "QM604", false, true},
    {"let n :=", "QM605", false, true},
    {"let n := 1 @ 2", "QM606", false, true},
    {"let n := (1 + \")\"", "QM601", false, true},
    {"let n := GetDistance", "QM607", false, true},
    {"let n := " + std::string(120, '(') + "1" + std::string(120, ')'), "QM608", false, true},
    {"call", "QM609", false, true},
    {"let := 5", "QM610", false, true},
    {"let n 5", "QM611", false, true},
    {"foreach n objets\nloop", "QM612", false, true},
    {"scn F\nBegin Function a\nEnd\n", "QM613", true, true},
    {"scn F\nBegin Function { a }\nEnd\n", "QM614", true, true},
    {"MonModFaire 1 2", "QM615", false, true},
    {"Update3D", "QM616", false, true},
    {"player.AddItemNS Gold001 \"dix\"", "QM617", false, true},
    {"let n := ar_Size", "QM618", false, true},
    {"let a := ar_Construct Liste", "QM619", false, true},
    {"sv_Destruct n", "QM620", false, true},
    {"loop", "QM621", false, true},
    {"scn T\nbegin GameMode\nwhile 1\n", "QM622", true, true},
    {"break", "QM623", false, true},
    {"if 1\nwhile 1\nendif\nloop", "QM624", false, true},
    {"while 1\nif 1\nloop\nendif", "QM625", false, true},
    {"Activate cible ; quillomat: ignorr QM240", "QM910"},
    {"Activate cible ; quillomat: ignorer QM999", "QM911"},
    {"Activate cible ; quillomat: ignorer", "QM912"},
    {"Activate cible ; quillomat: ignorer QM101", "QM913"},
};

// Unused directives are reported only on demand: here they are.
const Consignes kSignalerInutiles{{}, true};

// Scripts that bring the messages out, with the script type they are checked as.
struct ScriptVerifie {
  std::string script;
  int type = 0;
  OptionsVerification options;
};
std::vector<ScriptVerifie> scriptsVerifies() {
  std::vector<ScriptVerifie> scripts = {
      {*lireBinaire(std::filesystem::path(QUILLOMAT_DATA_DIR) / "exemple.txt"), 0, {}},
      {bench::scriptStress(600), 0, {}},
      {bench::scriptTypique(), 1, {}},
  };
  for (const ExempleAide& e : exemplesAide()) scripts.push_back({scriptDeExemple(e, false), e.scriptKind, {}});
  for (const Ligne& l : kLignes) scripts.push_back({l.script(), 0, l.options()});
  return scripts;
}

TEST(CodesDesMessages, EveryFindingHasTheCodeOfItsWording) {
  std::set<std::string_view> vus;
  for (const auto& [script, type, options] : scriptsVerifies()) {
    SettingsRecord reglages;
    reglages.scriptKind = type;
    const VerificationMemoire v = verifierEnMemoire(script, reglages, options, kSignalerInutiles);
    for (const FindingRecord& f : v.findings) {
      const Fiche* fiche = libelleDe(f.code);
      ASSERT_NE(fiche, nullptr) << "no code: " << f.text;
      EXPECT_EQ(fiche->nature, f.kind) << f.code;
      // A text cut to 199 bytes may stop inside its wording.
      if (f.text.size() < kTexteMax) {
        EXPECT_TRUE(std::regex_match(f.text, motif(*fiche))) << f.code << " " << f.text;
      }
      vus.insert(f.code);
    }
    for (const Constat& c : v.constats) EXPECT_NE(libelleDe(c.code), nullptr) << c.texte;
  }
  // QM511, a last choice whose quote nothing closes, leaves an odd number of
  // quotes on the line: the line's own quote check reports it instead.
  for (const Fiche* f : tousLesLibelles())
    EXPECT_TRUE(vus.count(f->code) || f->code == "QM511") << "never written: " << f->code;
}

// Each line of the table writes the message it stands for.
TEST(CodesDesMessages, EachLineOfTheTableWritesItsMessage) {
  for (const Ligne& l : kLignes) {
    std::string ecrits;
    for (const FindingRecord& f : verifierEnMemoire(l.script(), {}, l.options(), kSignalerInutiles).findings)
      (ecrits += f.code) += " ";
    EXPECT_NE(ecrits.find(l.code), std::string::npos) << l.lignes.substr(0, 60) << " writes " << ecrits;
  }
}

}  // namespace
}  // namespace quillomat
