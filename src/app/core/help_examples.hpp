// The examples of the help file: for most messages of the checker, a faulty
// script piece and its correction. The help shows the message that the
// checker itself writes for the piece, so the help cannot drift from it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/records.hpp"

namespace quillomat {

struct ExempleAide {
  const char* fautif;    // the faulty lines (Latin-1, '\n' between lines)
  const char* corrige;   // the same lines corrected; null for an alert that asks for a reading only
  const char* repere;    // a piece of the message this example is for
  const char* conseil;   // how to correct, one sentence
  bool scriptEntier = false;  // fautif and corrige are whole scripts, not lines of a block
  int scriptKind = 0;         // the script type chosen in the preferences
};

std::span<const ExempleAide> exemplesAide();

// The script checked for an example: whole, or the lines placed in a small
// GameMode block of a script that declares "compteur" and "cible".
// Empty for the correction of an example that has none.
std::string scriptDeExemple(const ExempleAide& e, bool corrige);
// The line number of the first line of an example's piece in that script.
int premiereLigneDeExemple(const ExempleAide& e);

// Every finding text that a check of `script` writes (alerts included), in
// the report's order.
std::vector<std::string> constatsDe(std::string_view script, int scriptKind = 0);

// The finding of `script` that contains `repere`; empty when there is none.
std::string constatAvec(std::string_view script, int scriptKind, std::string_view repere);
// The same with its code; a record without text when there is none.
FindingRecord constatDeExemple(std::string_view script, int scriptKind, std::string_view repere);
// The finding an example stands for.
FindingRecord constatDeExemple(const ExempleAide& e);

}  // namespace quillomat
