// File access of the checker: "text mode" as on the reference platform
// (CR LF read as LF, LF written as CR LF) and whole-file binary access.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillomat {

// Whole file as bytes; nothing when it cannot be opened.
std::optional<std::string> lireBinaire(const std::filesystem::path& file);
// Whole file in text mode (versModeTexteLecture).
std::optional<std::string> lireTexte(const std::filesystem::path& file);
// Creates or truncates the file; false on failure.
bool ecrireBinaire(const std::filesystem::path& file, std::string_view bytes);
// Same, in text mode: every LF is written as CR LF.
bool ecrireTexte(const std::filesystem::path& file, std::string_view text);

// True for bytes whose lines end with CR alone: a CR and no LF at all.
bool finsDeLigneCR(std::string_view bytes);
// Text mode on reading: every CR LF pair becomes LF; in bytes whose lines end
// with CR alone, every CR becomes LF. With one LF anywhere, a CR not followed
// by LF stays part of its line.
std::string versModeTexteLecture(std::string_view bytes);
std::string versModeTexteEcriture(std::string_view text);

// Deletes a file, ignoring failures (a missing file is no error).
void supprimer(const std::filesystem::path& file);

}  // namespace quillomat
