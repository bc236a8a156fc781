// The indentation aids: Enter, "Mettre en forme", and the spacing correction.
// Texts are Latin-1 with '\n' between lines; positions are character indices.
#pragma once

#include <string_view>

#include "app/core/text_edits.hpp"

namespace quillomat {

struct NouvelleLigne {
  Retouches retouches;  // the re-indentation of the line just ended
  int tabulations = 0;  // tabs that start the new line
};

// After Enter: `texte` already holds the line break, `position` is where
// Enter was pressed, `selection` the caret after the break.
NouvelleLigne IndentForNewLine(std::string_view texte, int position, Selection selection);

Retouches FormatScript(std::string_view texte, Selection selection);

Retouches CorrectSpacing(std::string_view texte, Selection selection);

}  // namespace quillomat
