// The functions of the script extender's later versions: arrays, strings,
// conversions, output and mod data. Their arguments are expressions; only
// what is certain is checked (their number, the kind of an array, string
// variables to destroy).
#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_set>

#include "functions/catalogue.hpp"
#include "functions/checkers.hpp"
#include "functions/personal_catalogue.hpp"
#include "functions/rows.hpp"
#include "functions/shared_messages.hpp"
#include "logic/extended_expression.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {

int strFoncArConstruct(Context&, const Text&, const Row&);
int strFoncSvDestruct(Context&, const Text&, const Row&);

namespace {
using namespace rows;

constexpr Libelle<2> kArgumentsManquants{"QM618", " : erreur, la fonction {FONCTION} attend au moins {N} argument(s) !",
                                         "La fonction reçoit moins d'arguments qu'il ne lui en faut."};
constexpr Libelle<1> kGenreDeTableau{"QM619",
                                     " : erreur, {FONCTION} construit un tableau Array, Map ou StringMap !",
                                     "ar_Construct prend le genre du tableau : Array, Map ou StringMap, entre "
                                     "guillemets ou non."};
constexpr Libelle<2> kPasUneChaine{"QM620", " : erreur, {FONCTION} ne détruit que des variables string_var (\"{NOM}\") !",
                                   "sv_Destruct prend les variables de texte (string_var) à libérer."};
constexpr const Fiche* kLibelles[] = {&kArgumentsManquants, &kGenreDeTableau, &kPasUneChaine};

constexpr uint8_t kBeaucoup = 20;  // functions that take a format and its values

constexpr Row kFonctions[] = {
    avec(strFoncArConstruct, "ar_Construct"),
    expr(1, 1, "ar_Size"), expr(2, 2, "ar_Append"), expr(1, 2, "ar_Erase"), expr(2, 3, "ar_Find"),
    expr(1, 1, "ar_Keys"), expr(2, 2, "ar_HasKey"), expr(1, 2, "ar_SortAlpha"), expr(1, 2, "ar_Sort"),
    expr(1, 1, "ar_Copy"), expr(1, 1, "ar_DeepCopy"), expr(1, 1, "ar_First"), expr(1, 1, "ar_Last"),
    expr(2, 2, "ar_Next"), expr(2, 2, "ar_Prev"), expr(3, 3, "ar_InsertRange"), expr(3, 3, "ar_Insert"),
    expr(2, 3, "ar_Resize"), expr(2, 3, "ar_Range"), expr(0, kBeaucoup, "ar_List"), expr(0, kBeaucoup, "ar_Map"),
    expr(1, 1, "ar_Dump"), expr(0, 0, "ar_Null"),
    expr(1, kBeaucoup, "sv_Construct"), avec(strFoncSvDestruct, "sv_Destruct"), expr(1, kBeaucoup, "sv_Set"),
    expr(1, 1, "sv_Length"), expr(2, 3, "sv_Compare"), expr(1, 3, "sv_Erase"), expr(1, 3, "sv_SubString"),
    expr(1, 2, "sv_ToNumeric"), expr(2, 3, "sv_Insert"), expr(2, 5, "sv_Count"), expr(2, 5, "sv_Find"),
    expr(2, 5, "sv_Replace"), expr(2, 2, "sv_GetChar"), expr(2, 2, "sv_Split"), expr(1, 1, "sv_Percentify"),
    expr(1, 1, "sv_ToUpper"), expr(1, 1, "sv_ToLower"),
    expr(1, 1, "ToString"), expr(1, 2, "ToNumber"), expr(1, 1, "TypeOf"),
    expr(1, kBeaucoup, "PrintToFile"), expr(1, kBeaucoup, "PrintC"), expr(1, kBeaucoup, "Print"),
    expr(1, kBeaucoup, "DebugPrint"), expr(1, 2, "SetDebugMode"), expr(1, kBeaucoup, "MessageBoxEx"),
    expr(1, kBeaucoup, "MessageEx"),
    expr(0, 0, "GetCallingScript"),
    expr(2, 6, "SetEventHandler"), expr(1, 6, "RemoveEventHandler"),
    expr(1, 1, "GetModLocalData"), expr(2, 2, "SetModLocalData"), expr(1, 1, "ModLocalDataExists"),
    expr(1, 1, "RemoveModLocalData"),
    expr(1, 2, "RunScriptLine"), expr(1, 1, "RunBatchScript"),
    expr(2, 2, "GetFormFromMod"),
    expr(0, 0, "GetGameLoaded"), expr(0, 0, "GetGameRestarted"),
};

// The rows, with their group: the script extender's, a reference for the
// two that return one.
constexpr auto kCatalogue = [] {
  std::array<Row, std::size(kFonctions)> out{};
  for (size_t i = 0; i < out.size(); ++i) {
    Row r = kFonctions[i];
    r.etendu = true;
    const bool ref = r.name == "GetCallingScript" || r.name == "GetFormFromMod";
    r.group = ref ? Group::VlseRef : Group::Vlse;
    out[i] = r;
  }
  return out;
}();

// The arguments after the name, when the text is a call of it: -1 when it is
// not (nothing written), -2 after a fault (reported), else their number.
int lireAppel(Context& ctx, const Text& t, const Row& row, std::vector<std::string_view>* args) {
  const size_t b = t.debut();
  if (!nomEnPlace(t, b, row.name)) return -1;
  const size_t p = b + row.name.size();
  const char c = t.at(p);
  if (!(c == '\0' || estBlanc(c) || c == ',' || c == '(')) return -1;
  const int n = lireArgumentsEtendus(ctx, t.src().substr(p), args);
  if (n < 0) return -2;
  if (n < row.argsMin) {
    signalerLigne(ctx.wf, ctx.line, kArgumentsManquants, row.name, static_cast<int>(row.argsMin));
    return -2;
  }
  if (n > row.argsMax) {
    signalerLigne(ctx.wf, ctx.line, kTropDeParametres, row.name);
    return -2;
  }
  return n;
}

std::string_view sansGuillemets(std::string_view s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

}  // namespace

Libelles libellesExtendedFunctions() { return kLibelles; }

std::span<const Row> fonctionsEtendues() { return kCatalogue; }

int strFoncExpressions(Context& ctx, const Text& t, const Row& row) {
  return lireAppel(ctx, t, row, nullptr) == -1 ? 0 : 1;
}

// The kind of array is a word, not a value: it is not read as an expression.
int strFoncArConstruct(Context& ctx, const Text& t, const Row& row) {
  const size_t b = t.debut();
  if (!nomEnPlace(t, b, row.name)) return 0;
  std::string_view reste = t.src().substr(b + row.name.size());
  if (!reste.empty() && !estBlanc(reste[0])) return 0;
  while (!reste.empty() && estBlanc(reste.front())) reste.remove_prefix(1);
  while (!reste.empty() && estBlanc(reste.back())) reste.remove_suffix(1);
  const std::string genre = enMinuscules(sansGuillemets(reste));
  if (genre != "array" && genre != "map" && genre != "stringmap")
    signalerLigne(ctx.wf, ctx.line, kGenreDeTableau, row.name);
  return 1;
}

int strFoncSvDestruct(Context& ctx, const Text& t, const Row& row) {
  Row r = row;
  r.argsMin = 1;
  r.argsMax = kBeaucoup;
  std::vector<std::string_view> args;
  const int n = lireAppel(ctx, t, r, &args);
  if (n == -1) return 0;
  for (std::string_view a : args) {
    bool chaine = false;
    for (size_t i : ctx.wf.identifiers.avecNom(enMinuscules(a)))
      chaine = chaine || ctx.wf.identifiers.records()[i].kind == kKindChaine;
    if (!chaine) {
      signalerLigne(ctx.wf, ctx.line, kPasUneChaine, row.name, a);
      break;
    }
  }
  return 1;
}

bool estFonctionConnue(const Context& ctx, std::string_view nom, bool instructions) {
  static const auto ensemble = [](bool avecInstructions) {
    std::unordered_set<std::string> s;
    for (const Row& r : catalogueValeurs()) s.insert(enMinuscules(r.name));
    for (const Row& r : kCatalogue) s.insert(enMinuscules(r.name));
    if (avecInstructions)
      for (const Row& r : catalogueInstructions()) s.insert(enMinuscules(r.name));
    return s;
  };
  static const std::unordered_set<std::string> valeurs = ensemble(false), toutes = ensemble(true);
  const std::string cle = enMinuscules(nom);
  if ((instructions ? toutes : valeurs).count(cle)) return true;
  return ctx.etendu && ctx.etendu->catalogue && ctx.etendu->catalogue->trouver(nom);
}

}  // namespace quillomat
