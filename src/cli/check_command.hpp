// The command-line checker: checks one script in the current directory, as
// the editor's "Débuguer" command does, or many scripts and folders each in a
// private work directory, and shows the reports or the findings.
#pragma once

#include <string>
#include <string_view>

#include "cli/output_formats.hpp"

namespace quillomat {

// Latin-1 text in the terminal's encoding (UTF-8 when `utf8`).
std::string versTerminal(std::string_view latin1, bool utf8);

int lancerCommande(int argc, char** argv);

}  // namespace quillomat
