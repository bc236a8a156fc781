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
// `etendu`: the script extender's later syntax, where while and foreach open
// a level as if does, and loop closes it as endif does.
NouvelleLigne IndentForNewLine(std::string_view texte, int position, Selection selection, bool etendu = false);

Retouches FormatScript(std::string_view texte, Selection selection, bool etendu = false);

Retouches CorrectSpacing(std::string_view texte, Selection selection);

}  // namespace quillomat
