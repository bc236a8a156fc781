// One check run of quillomat-check: the script copied into a directory as
// "ScriptVaelmoor.txt", the checks and the report of the editor's run, and
// what the run found, kept for the line and JSON formats.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/options_verification.hpp"
#include "pipeline/records.hpp"
#include "pipeline/suppressions.hpp"

namespace quillomat {

enum class Issue {
  Verifie,  // the report was written
  Echec,    // nothing was checked, or the run could not end with a report
  Arret,    // a work file could not be opened: the run stopped
};

struct Verification {
  Issue issue = Issue::Echec;
  // Latin-1. Echec: "Erreur : ...\n", for the standard error. Arret: the
  // fatal-stop text and its two line ends, for the standard output.
  std::string message;
  int lines = 0;
  std::string rapport;  // Latin-1, LF line ends
  SettingsRecord reglages;
  std::vector<FindingRecord> findings;  // hidden alerts included
  std::vector<IdentifierRecord> identifiers;
  std::vector<AttachmentRecord> attachments;
  Tri tri;  // the findings silenced, in none of the lists above
};

// Checks `contenu` (the script's bytes) in `dossier`, which receives the
// work copy, the work files and the report. `prive` only words the message
// given when the copy cannot be written. The script's directives and
// `consignes` silence findings.
Verification verifierDans(const std::filesystem::path& dossier, std::string_view contenu,
                          const SettingsRecord& reglages, bool prive, const OptionsVerification& options = {},
                          const Consignes& consignes = {});

// The failure or stop message on one line, without its "Erreur : " head.
std::string messageCourt(std::string_view message);

}  // namespace quillomat
