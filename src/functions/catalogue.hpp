// The two ordered catalogues of known script functions (values and
// statements) and the value recogniser. A row ties one name to the checker of
// its signature and to the fixed kinds and flags that checker needs; the
// first row whose checker recognises a text ends the search.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "functions/context.hpp"
#include "functions/text.hpp"

namespace quillomat {

struct Row;
// 0: the text is not this function (nothing written); 1: recognised, any fault already reported.
using Checker = int (*)(Context&, const Text&, const Row&);

enum class Group : uint8_t {
  Plain,
  Vlse,     // exists only with the script extender
  VlseRef,  // script extender, returns a reference
  Ref,      // returns a reference
};

struct Row {
  Checker check = nullptr;
  std::string_view name;  // as the catalogue spells it; matched without regard to case
  int callerKind = 0;     // kind recorded for the caller
  int idKind = 0;         // kind recorded for the (first) ID parameter, or the place kind
  int idKind2 = 0;        // kind recorded for the second ID parameter
  int callerAllowed = 1;  // 1: object.Name is accepted
  int negativeAllowed = 0;
  Group group = Group::Plain;
  bool etendu = false;  // tried only with the script extender's later syntax
  // Functions whose arguments are expressions: how many they take.
  uint8_t argsMin = 0, argsMax = 0;
};

// Every checker looks for its whole name (letter case aside) at the first
// non-blank position or right after a '.': a row whose name stands at none of
// those places cannot recognise the text. This spares the checkers of most
// rows on most texts; the letters of initiales() settle most rows at once.
inline bool nomEnPlace(const Text& t, size_t pos, std::string_view name) {
  if (pos > t.size() || t.size() - pos < name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (t.low()[pos + i] != ((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c)) return false;
  }
  return true;
}

inline bool peutReconnaitre(const Text& t, const Row& r) {
  if (r.name.empty() || (t.initiales() & bitInitiale(r.name[0])) == 0) return false;
  if (nomEnPlace(t, t.debut(), r.name)) return true;
  for (const uint16_t point : t.points())
    if (nomEnPlace(t, point + size_t{1}, r.name)) return true;
  return false;
}

// Value catalogue, in order of trial: the plain group, then the two script
// extender groups, then the reference group.
std::span<const Row> catalogueValeurs();
// Statement catalogue, in order of trial, header and declaration rows first.
std::span<const Row> catalogueInstructions();

// Every distinct function name of both catalogues, as spelled, in catalogue
// order (the value catalogue first): the word list of the known functions.
std::vector<std::string_view> nomsDesFonctions();

// The functions of the script extender's later versions, whose arguments are
// expressions; tried after each catalogue when the later syntax is on.
std::span<const Row> fonctionsEtendues();

// Is `nom` (whole, any case) a function of the value catalogue (or, with
// `instructions`, of either catalogue), of the later functions or of the
// personal catalogue when the later syntax is on?
bool estFonctionConnue(const Context& ctx, std::string_view nom, bool instructions);

// The catalogue part of the value recogniser: 0 when no row recognises the
// text, else 1 or 10 (a reference).
int reconnaitreFonction(Context& ctx, std::string_view texte);

// 0 not a value, 1 a value, 10 a reference returned by a function; the
// product of the operands' results for an arithmetic expression.
int reconnaitreValeur(Context& ctx, std::string_view text);
int reconnaitreValeur(WorkFiles& wf, std::string_view text, int lineIndex, int vlseFlag);

// Line scanner's use of the statement catalogue; each returns 1 when a row recognised the line.
int verifierEnTete(Context& ctx, const Text& line);      // ScriptName, Scn
int verifierDeclaration(Context& ctx, const Text& line); // Short, Float, Long, Ref
// Every later row, with the script-extender finding and the magic-effect mark.
int verifierInstruction(Context& ctx, const Text& line);

}  // namespace quillomat
