// The help files "AideDebug.txt" and "AideDebug.htm" (Latin-1): what the
// program does, its commands and preferences, and the checker's messages
// with the examples of help_examples, as the checker writes them today.
#pragma once

#include <string>

namespace quillomat {

std::string texteAide();  // plain text, '\n' line ends
std::string pageAide();   // HTML page, charset iso-8859-1

}  // namespace quillomat
