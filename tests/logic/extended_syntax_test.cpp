// The script extender's later syntax: scripts as mod authors write them get
// no finding, each malformed construct gets its own, and the declared
// functions of a personal catalogue are checked like the catalogue's.
#include <memory>

#include "functions/personal_catalogue.hpp"
#include "pipeline/memory_check.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

OptionsVerification etendu(std::string_view catalogue = {}) {
  OptionsVerification o;
  o.vlseEtendu = true;
  if (!catalogue.empty()) {
    auto lu = CataloguePersonnel::lire(catalogue, "perso.txt");
    EXPECT_TRUE(lu.catalogue) << lu.erreur;
    if (lu.catalogue) o.catalogue = std::make_shared<const CataloguePersonnel>(std::move(*lu.catalogue));
  }
  return o;
}

// "QMxxx@line" for each finding, in order.
std::vector<std::string> constats(std::string_view script, const OptionsVerification& o, int type = 0) {
  SettingsRecord r;
  r.scriptKind = type;
  std::vector<std::string> out;
  for (const FindingRecord& f : verifierEnMemoire(script, r, o).findings)
    out.push_back(std::string(f.code) + "@" + std::to_string(f.line + 1));
  return out;
}

const char* const kInventaire = R"S(scn MonModInventaire

array_var objets
array_var entree
string_var nom
string_var texte
int compte
short fait
ref cible
float poids

Begin GameMode
	if fait == 0
		let objets := ar_Construct Array
		ar_Append objets, player.GetItemCount Gold001
		let compte := 0
		foreach entree <- objets
			let compte += 1
			if eval entree["value"] > 10 || compte >= 3
				break
			endif
		loop
		while compte < ar_Size objets
			let compte += 1
			if eval (objets[compte - 1] == 0)
				continue
			elseif eval !(ar_HasKey objets, compte)
				let texte := "Rien" + $compte
			endif
			let nom := sv_Construct "objet %g", compte
			let texte := "Nom : " + $nom + " (" + $compte + ")"
			PrintC "%z", texte
		loop
		let poids := call MonModPoids objets 2
		call MonModAfficher nom
		call MonModAfficher Gold001 Apple
		SetEventHandler "OnHit" MonModSurCoup "ref"::player
		let objets := ar_List Gold001 Apple 3
		let entree := ar_Map "cle"::1 "autre"::2
		let entree["cle"] := 5
		let entree->autre *= -2
		let cible := GetSelf
		let cible.fait := 1
		let compte := (sv_Length nom) * 2 ^ 3 % 7 << 1
		PrintToConsole "%z : %.1f", nom, poids
		MessageBox "%n a %3.0f objets", cible, compte, "Oui", "Non"
		Message "50 %% de %z", texte
		sv_Destruct nom texte
		set fait to 1
	endif
End
)S";

const char* const kFonction = R"S(scn MonModPoids

array_var tab
float facteur
float total

Begin Function { tab, facteur }
	let total := 0
	foreach total <- tab
		let total += facteur * 2
	loop
	SetFunctionValue total
	return
End
)S";

TEST(SyntaxeEtendue, ScriptsOfModAuthorsGetNoFinding) {
  EXPECT_EQ(constats(kInventaire, etendu()), std::vector<std::string>{});
  // A function script has no kind: declared a quest, it gets no verdict.
  EXPECT_EQ(constats(kFonction, etendu(), 1), std::vector<std::string>{});
  EXPECT_EQ(constats("scn F\nint a\nint b\nBegin Function { }\nSetFunctionValue a * b\nEnd\n", etendu()),
            std::vector<std::string>{});
}

TEST(SyntaxeEtendue, OffTheLaterLinesStayUnknown) {
  const auto off = constats(kInventaire, {});
  EXPECT_NE(std::find(off.begin(), off.end(), "QM126@3"), off.end());
}

// One malformed construct per row, in a block after the declarations of
// kEntete: the one finding it gets.
constexpr std::string_view kEntete = "scn T\narray_var a\nstring_var s\nint n\nBegin GameMode\n";  // 5 lines

struct Cas {
  std::string lignes;
  std::vector<std::string> attendus;  // line numbers count from the block's first line (6)
};

TEST(SyntaxeEtendue, EachMalformedConstructGetsItsFinding) {
  const Cas cas[] = {
      {"let n := (1 + 2", {"QM123@6"}},  // the line's own parenthesis check comes first
      {"let n := (1 + \")\"", {"QM601@6"}},  // the line's count takes the quoted ')'
      {"let n := a[1", {"QM602@6"}},
      {"let n := a[", {"QM602@6"}},
      {"let n := 1 +", {"QM603@6"}},
      {"let n := && 1", {"QM603@6"}},
      {"let n := 1 2", {"QM604@6"}},
      {"let n := (1))", {"QM604@6"}},
      {"let n :=", {"QM605@6"}},
      {"let n := 1 @ 2", {"QM606@6"}},
      {"let n := n = 2", {"QM606@6"}},
      {"let n := GetDistance", {"QM607@6"}},
      {"let n := " + std::string(120, '(') + "1" + std::string(120, ')'), {"QM608@6"}},
      {"let n := call", {"QM609@6"}},
      {"let := 5", {"QM610@6"}},
      {"let n 5", {"QM611@6"}},
      {"let a->x 5", {"QM611@6"}},
      {"let a-> := 5", {"QM603@6"}},
      {"foreach n objets\nloop", {"QM612@6"}},
      {"foreach a[0] <- a\nloop", {"QM612@6"}},
      {"let a[0 := 1", {"QM602@6"}},  // the index ends at the assignment, not inside it
      {"let a[\":=\"] := 1\nlet a[a[0] += 2", {"QM602@7"}},
      {"Message \"%z\", s +", {"QM603@6"}},  // the values of a later format field are expressions
      {"MessageBox \"%n %z\", n s, \"Oui\" ]", {"QM604@6"}},
      {"while\nloop", {"QM605@6"}},
      {"if eval\nendif", {"QM605@6"}},
      {"SetFunctionValue", {"QM605@6"}},
      {"let n := ar_Size", {"QM618@6"}},
      {"ar_Size a a", {"QM217@6"}},
      {"let a := ar_Construct Liste", {"QM619@6"}},
      {"sv_Destruct n", {"QM620@6"}},
      {"loop", {"QM621@6"}},
      {"while n\n", {"QM624@8"}},  // an open loop at the end of its block
      {"break", {"QM623@6"}},
      {"if n\ncontinue\nendif", {"QM623@7"}},
      {"if n\nwhile n\nendif\nloop", {"QM624@8", "QM621@9"}},
      {"while n\nif n\nloop\nendif", {"QM625@8"}},
      {"MonModFaire 1 2\nMonModFaire", {"QM615@6"}},  // once per name
      {"player.Update3D", {"QM615@6"}},
      {"let n := Inconnue a 2", {"QM615@6"}},
      {"ar_Append a (Inconnue 1)", {"QM615@6"}},  // in parentheses, a call is meant
  };
  for (const Cas& c : cas) {
    const std::string script = std::string(kEntete) + c.lignes + "\nEnd\n";
    EXPECT_EQ(constats(script, etendu()), c.attendus) << c.lignes;
  }
}

TEST(SyntaxeEtendue, LoopCrossingTheEndOfItsBlock) {
  EXPECT_EQ(constats("scn T\nint n\nBegin GameMode\nwhile n\nEnd\n", etendu()), std::vector<std::string>{"QM624@5"});
  EXPECT_EQ(constats("scn F\nint a\nBegin Function { a, b }\nEnd\n", etendu()), std::vector<std::string>{"QM614@3"});
  EXPECT_EQ(constats("scn F\nint a\nBegin Function a\nEnd\n", etendu()), std::vector<std::string>{"QM613@3"});
}

TEST(SyntaxeEtendue, DeclaredFunctionsAreCheckedByTheSharedReader) {
  const std::string_view perso =
      "# nom [appelant] : paramètres\n"
      "SetModelPath ref? : texte id?\n"
      "Update3D ref :\n"
      "AddItemNS ref : id nombre\n"
      "GetFormFromMod : texte texte -> ref\n"
      "Somme : nombre ...\n";
  const Cas cas[] = {
      {"SetModelPath \"a\\b.nif\"\nplayer.SetModelPath \"c.nif\" Objet\nplayer.Update3D\nplayer.AddItemNS Gold001 n\n"
       "let n := Somme 1 2 n\nlet r := GetFormFromMod \"Mod.esp\" \"0001\"\n"
       "player.AddItemNS Gold001 (n + 1)\nplayer.AddItemNS Gold001 a[n - 1]",
       {}},
      {"Update3D", {"QM616@6"}},
      {"player.AddItemNS Gold001", {"QM213@6"}},
      {"player.AddItemNS Gold001 \"dix\"", {"QM617@6"}},
      {"SetModelPath 5", {"QM617@6"}},
      {"player.Update3D 1", {"QM217@6"}},
      {"player.AddItemNS Gold001 (n + 1) 2", {"QM217@6"}},
      {"Somme", {"QM218@6"}},
  };
  for (const Cas& c : cas) {
    std::string script = std::string(kEntete) + c.lignes + "\nEnd\n";
    script.insert(script.find("Begin"), "ref r\n");
    std::vector<std::string> attendus;
    for (const std::string& a : c.attendus) {  // one more line before the block
      const size_t at = a.find('@');
      attendus.push_back(a.substr(0, at + 1) + std::to_string(std::stoi(a.substr(at + 1)) + 1));
    }
    EXPECT_EQ(constats(script, etendu(perso)), attendus) << c.lignes;
  }
}

TEST(SyntaxeEtendue, BadLinesOfAPersonalCatalogueNameFileAndLine) {
  const struct {
    std::string_view texte;
    int ligne;
    std::string_view faute;
  } cas[] = {
      {"Fonction ref", 1, "il manque \":\""},
      {"\n# commentaire\n5Fonction :", 3, "nom de fonction incorrect \"5Fonction\""},
      {"Fonction moi : id", 1, "appelant inconnu \"moi\""},
      {"Fonction : id chiffre", 1, "genre de paramètre inconnu \"chiffre\""},
      {"Fonction : id? nombre", 1, "obligatoire ne peut suivre"},
      {"Fonction : ...", 1, "il en faut un"},
      {"Fonction : id -> nombre", 1, "seul \"-> ref\""},
      {"Fonction : id\nfonction : nombre", 2, "déjà déclarée"},
  };
  for (const auto& c : cas) {
    const auto lu = CataloguePersonnel::lire(c.texte, "fonctions-perso.txt");
    ASSERT_FALSE(lu.catalogue) << c.texte;
    EXPECT_EQ(lu.ligne, c.ligne) << c.texte;
    EXPECT_NE(lu.faute.find(c.faute), std::string::npos) << lu.faute;
    EXPECT_EQ(lu.erreur.rfind("Erreur : fonctions-perso.txt, ligne " + std::to_string(c.ligne) + " : ", 0), 0u);
  }
}

TEST(SyntaxeEtendue, TheReportListsArraysAndStringsWithTheirKind) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", kInventaire);
  ASSERT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0, {}, nullptr, etendu()), kSucces);
  const std::string rapport = lireTexte(dir.chemin() / "Correction de ScriptVaelmoor.txt").value_or("");
  const auto locales = rapport.find("Liste des variables locales utilis");
  ASSERT_NE(locales, std::string::npos);
  for (std::string_view entree : {"    - \"objets\" (type TABLEAU)\n", "    - \"nom\" (type CHA\xCENE)\n",
                                  "    - \"compte\" (type LONG)\n"})
    EXPECT_GT(rapport.find(entree), locales) << entree;
}

}  // namespace
}  // namespace quillomat
