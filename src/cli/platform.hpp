// What differs between the systems quillomat-check runs on, kept out of the
// rest of the program: the standard streams, the command line, the names of
// files, a fresh private directory (platform_posix.cpp, platform_windows.cpp).
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillomat {

// The standard streams carry bytes as they are: no CR LF turned into LF on
// the way in, nor LF into CR LF on the way out, no Ctrl+Z taken for the end.
void preparerFluxStandard();

// The command-line arguments, the program's name first: as given on POSIX
// systems, UTF-8 on Windows (read from the wide command line, so that a name
// the ANSI code page cannot spell arrives whole).
std::vector<std::string> argumentsDuProgramme(int argc, char** argv);

// Writes UTF-8 text on `flux` (stdout or stderr) and flushes it. In a Windows
// console the text goes through the console's own wide output, so accents
// show whatever its code page; anywhere else the bytes are written.
void ecrireSortie(std::FILE* flux, std::string_view utf8);

// A file name as the command line gives it (see argumentsDuProgramme) turned
// into a path, and back.
std::filesystem::path versChemin(const std::string& nom);
std::string depuisChemin(const std::filesystem::path& chemin);

// A file name as shown (see depuisChemin) with '/' between its components,
// as a URI wants them: unchanged on POSIX systems; on Windows '\' becomes
// '/' and a drive ("C:/...") gets a '/' before it, as in "file:///C:/...".
std::string cheminGenerique(const std::string& nom);

// Creates a directory with a name nobody holds under `base`, for its owner
// only; nothing when none could be created.
std::optional<std::filesystem::path> creerDossierUnique(const std::filesystem::path& base);

}  // namespace quillomat
