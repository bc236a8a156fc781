// Which files of a folder quillomat-check takes for scripts.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace quillomat {

// The files the program itself reads or writes under these names.
bool estFichierDuQuillomat(std::string_view nom);

// A script is text: no NUL byte.
bool ressembleAUnScript(std::string_view contenu);

// The .txt files under `dossier` and its sub-folders, hidden entries and the
// program's own files left out, sorted by path. Unreadable sub-folders are
// skipped. Throws std::filesystem::filesystem_error when `dossier` itself
// cannot be read.
std::vector<std::filesystem::path> chercherScripts(const std::filesystem::path& dossier);

}  // namespace quillomat
