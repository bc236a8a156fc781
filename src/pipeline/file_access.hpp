// Opening files by path: the one thing the checker does differently on each
// system (file_access_posix.cpp, file_access_windows.cpp). Every stream is
// binary: the line ends are the text mode's business (text_mode.hpp).
#pragma once

#include <cstdio>
#include <filesystem>

namespace quillomat {

// For reading; null when the file cannot be opened.
std::FILE* ouvrirEnLecture(const std::filesystem::path& file);

// For writing, created when missing but not emptied: a file emptied by its
// opening is flushed to the disk when it is closed (ext4 does so to save the
// old contents from a crash), which costs more than the whole write. The
// writer cuts what is left of the old contents with couperA().
std::FILE* ouvrirSansVider(const std::filesystem::path& file);

// Flushes `f` and cuts a regular file to `taille` bytes (other files, such as
// a device, are left as they are). False on failure.
bool couperA(std::FILE* f, size_t taille);

// Deletes a file, ignoring failures (a missing file is no error).
void supprimerFichier(const std::filesystem::path& file);

}  // namespace quillomat
