// The names a personal catalogue declares, coloured as functions in a script
// window: the catalogue the checker would use for the script's folder.
#pragma once

#include <filesystem>

#include "app/core/word_list.hpp"

namespace quillomat {

// The declared functions that apply to a script in `dossierDuScript` (empty:
// never saved), with the editor's later-syntax switch `vlseEtendu`, which the
// folder's settings file may override. Empty when the later syntax is off,
// when no catalogue is named, or when the settings file or the catalogue has
// an error (the check reports it).
ListeMots fonctionsDeclarees(bool vlseEtendu, const std::filesystem::path& dossierDuScript);

}  // namespace quillomat
