// The command-line checker: checks one script in the current directory, as
// the editor's "Débuguer" command does, and shows the report.
#pragma once

#include <string>
#include <string_view>

namespace quillomat {

// Exit statuses of quillomat-check.
inline constexpr int kStatutAucuneErreur = 0;  // the report says no bug was found
inline constexpr int kStatutEchec = 1;         // nothing checked, or the check was stopped
inline constexpr int kStatutErreurs = 2;       // the report lists findings

// Latin-1 text in the terminal's encoding (UTF-8 when the locale says so).
std::string versTerminal(std::string_view latin1, bool utf8);

int lancerCommande(int argc, char** argv);

}  // namespace quillomat
