// Where the editor and the language server write a directive that silences
// one finding: the text to insert and its place, computed from the script
// alone so that both insert the same text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pipeline/suppressions.hpp"

namespace quillomat {

struct InsertionDirective {
  int ligne = 0;       // 0-based line of the script
  size_t colonne = 0;  // byte offset in that line
  std::string texte;
};

// Silences `code` on line `ligne` (0-based): the code joins the line's own
// directive, or a new directive ends the line. Nothing for a line that holds
// no code (a directive there would silence the next line).
std::optional<InsertionDirective> directivePourLigne(std::string_view script, int ligne, std::string_view code);

// Silences `code` in the whole script: the code joins the script's first
// "ignorer-fichier" directive, or a new one opens the script.
InsertionDirective directivePourFichier(std::string_view script, std::string_view code);

// The action that writes one: "Ignorer QM126 sur cette ligne", "Ignorer QM126 dans tout le script".
std::string titreIgnorer(std::string_view code, Portee portee);

}  // namespace quillomat
