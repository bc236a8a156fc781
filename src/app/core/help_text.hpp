// The help files "AideDebug.txt" and "AideDebug.htm" (Latin-1): what the
// program does, its commands and preferences, and the checker's messages
// with the examples of help_examples, as the checker writes them today.
#pragma once

#include <string>

#include "pipeline/libelle.hpp"

namespace quillomat {

// autres: messages that other programs than the checker write (the language
// server's), listed among the checker's by their codes.
std::string texteAide(Libelles autres = {});  // plain text, '\n' line ends
std::string pageAide(Libelles autres = {});   // HTML page, charset iso-8859-1

}  // namespace quillomat
