// One check run over "ScriptVaelmoor.txt" in a directory, from the work files
// to the report "Correction de ScriptVaelmoor.txt".
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/options_verification.hpp"
#include "pipeline/suppressions.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {

// Result codes of a run.
inline constexpr int kRapportIllisible = 0;      // the report could not be opened after the run
inline constexpr int kSucces = 1;                // the report exists
inline constexpr int kScriptIllisible = 2;       // ScriptVaelmoor.txt could not be opened
inline constexpr int kBlocsImpossible = 10;      // the nesting check could not open DbTempKVR4
inline constexpr int kVariablesImpossible = 20;  // the variable collection could not open the script
inline constexpr int kScriptTropLong = 30;       // more lines than the checker's arrays hold

inline constexpr int kLignesMax = 4998;

// The French message that tells a result code to the user (empty for success).
std::string_view messageResultat(int code);

struct BilanRun {
  int lines = 0;
  size_t findings = 0;  // findings written, hidden alerts included
  // What a successful run wrote, for callers that show it in other forms;
  // kept only when `garderContenu` is set, so that timing runs copy nothing.
  bool garderContenu = false;
  std::string rapport;  // LF line ends
  std::vector<FindingRecord> findingRecords;
  std::vector<IdentifierRecord> identifiers;
  std::vector<AttachmentRecord> attachments;
  Tri tri;  // the findings silenced, left out of the report
};

// The checks of a run on a script already read in text mode, with the work
// files `wf` (in memory or in a directory): the variables, the block
// structure, the line scan, the script-type verdict and the underscore
// alerts. Returns kSucces, or kBlocsImpossible when the findings file cannot
// be written. Throws ArretFatal as EnchaineTests does.
// `options` adds what the preferences record does not hold.
int executerVerifications(WorkFiles& wf, std::string_view script, int lines, int scriptKind, int vlseDependent,
                          const std::function<void()>& progression = {}, const OptionsVerification& options = {});

// The number of lines of a script as the checks count them: line feeds + 1.
int compterLignes(std::string_view script);

// Runs every check, then leaves out what the script's directives and
// `consignes` silence. Throws ArretFatal when a work file cannot be opened
// (the work files then hold what the run had written).
int EnchaineTests(const std::filesystem::path& dir, int showInfo, int scriptKind, int vlseDependent, int hideAlerts,
                  const std::function<void()>& progression = {}, BilanRun* bilan = nullptr,
                  const OptionsVerification& options = {}, const Consignes& consignes = {});

}  // namespace quillomat
