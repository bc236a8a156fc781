// Reading of the functions that display a text: the text itself (a quoted
// string or one unquoted word), its format fields and the variables that fill
// them. Message, MessageBox and PrintToConsole share these rules and differ
// only in the words of their messages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "functions/catalogue.hpp"

namespace quillomat {

inline constexpr int kChampsMax = 9;

// The displayed text: quotes counted and not kept, reading stops after the
// second quote or at a space or tab outside quotes.
struct TexteAffiche {
  std::string texte;
  size_t fin = 0;  // just after the closing quote, or at the blank that ended the word
};
TexteAffiche lireTexteAffiche(const Text& t, size_t from);

// Format fields of a text: "%s" (kind 1), "%g" (kind 2), "%.0f" to "%.9f"
// (kind 3), tested in this order at each position. Counting stops at the
// tenth field, so a result above kChampsMax means "too many".
struct ChampsDeFormat {
  int nombre = 0;
  int kinds[kChampsMax + 1] = {};
};
ChampsDeFormat champsDeFormat(std::string_view texte);

// The text, then one variable per format field.
struct TexteEtVariables {
  enum class Faute {
    Aucune,
    TexteVide,            // no text after the name
    TropDeChamps,         // more than nine format fields
    VariableIntrouvable,  // variable `rang` missing or not a value
    PasDEspace,           // no blank before variable `rang` (1: right after the text)
    Signalee,             // a malformed argument of the later syntax, its finding written
  };
  Faute faute = Faute::Aucune;
  int rang = 0;    // 1-based rank of the variable at fault
  size_t fin = 0;  // where reading stopped: after the last variable when there is no fault
};
// Reads from `from` (just after the function's name and separator). Each
// variable of a numeric field goes to the value recogniser. With the later
// syntax, a text holding a field of the later versions ("%z", "%n", "%3.1f"...),
// whose number of values is not certain, takes the rest of the line as
// arguments, each a well-formed expression.
TexteEtVariables lireTexteEtVariables(Context& ctx, const Text& t, size_t from);

}  // namespace quillomat
