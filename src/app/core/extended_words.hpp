// The words a script window colours besides those of "fonctions.txt" when the
// script extender's later syntax applies to the script: its keywords, its
// functions, and the functions a personal catalogue declares (the catalogue
// the checker would use for the script's folder).
#pragma once

#include <filesystem>

#include "app/core/word_list.hpp"

namespace quillomat {

// The words of the later syntax for a script in `dossierDuScript` (empty:
// never saved), with the editor's later-syntax switch `vlseEtendu`, which the
// folder's settings file may override. Empty when the later syntax does not
// apply or when the settings file has an error; without the declared
// functions when the catalogue has one (the check reports both).
ListeMots motsEtendus(bool vlseEtendu, const std::filesystem::path& dossierDuScript);

}  // namespace quillomat
