// What differs between systems for the server: raw standard input and
// output, where the program lies, how file URIs map to paths
// (platform_posix.cpp, platform_windows.cpp). Everything else is portable.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace quillomat::lsp {

// Standard input and output carry bytes, untouched: no CR LF translation on
// Windows; a write to a client that has gone fails instead of killing the
// process on POSIX systems.
void preparerEntreesSorties();

// Memory freed after a check stays in the process for the next one instead
// of going back to the system: faulting it in again doubled the time of a
// check of a long script (GNU C library only; elsewhere nothing changes).
void garderLaMemoireLiberee();

// Bytes read from standard input: 0 at its end, -1 on an error.
long lireEntree(char* tampon, size_t taille);

// Writes and flushes; false when the client can no longer read.
bool ecrireSortie(std::string_view octets);

// The directory of the running program; `argv0` serves when the system
// cannot tell.
std::filesystem::path dossierDuProgramme(const char* argv0);

// Paths of this system take a drive or a share ("file:///C:/...", "file://serveur/...").
bool cheminsWindows();

}  // namespace quillomat::lsp
