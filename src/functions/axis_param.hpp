// The axis parameter of GetPos, SetPos and the like: one word, x, y or z.
#pragma once

#include <string>

#include "functions/call_reader.hpp"

namespace quillomat::axe {

// Reads the axis at pos(), read like an ID; it must be exactly x, y or z in any
// letter case. Messages: " : impossible de détecter l'axe !" and " : erreur
// dans la syntaxe de l'axe de la fonction NAME". On success `axe` holds the
// word as written and pos() stands right after it.
bool lireAxe(Call& c, std::string& axe);

}  // namespace quillomat::axe
