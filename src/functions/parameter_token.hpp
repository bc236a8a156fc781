// Pieces of a parameter list that several checkers read the same way: a
// number written as one token, and the separator between two parameters.
#pragma once

#include <cstddef>

#include "functions/text.hpp"

// Kept apart until they move into the shared call reader.
namespace quillomat::jetons {

// A numeric parameter: the characters from `debut` up to the next blank or the
// end of the text. One ',' at its very end is the separator of ", " and not
// part of the value. A number is a leading '-' (only when allowed), digits and
// at most one '.' (only when decimals are allowed), with at least one digit.
struct Nombre {
  size_t fin = 0;        // the blank (or the end) that ends the token
  bool vide = true;      // a blank or the end stands right at `debut`
  bool virgule = false;  // the token ends with ','
  bool valide = false;
};
Nombre lireNombre(const Text& t, size_t debut, bool decimales, bool negatif);

// Skips the separator after a word ended by ',' or a blank: one ',' then one
// space, each only when present.
size_t passerSeparateur(const Text& t, size_t p);

// The number of blank-separated words from p to the end of the text.
size_t compterMots(const Text& t, size_t p);

}  // namespace quillomat::jetons
