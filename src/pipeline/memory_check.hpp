// A check of a script held in memory, for the editor's check while typing and
// the language server: the same checks as a run, with the work files in
// memory only, so that no file is read or written.
#pragma once

#include "pipeline/options_verification.hpp"

#include <string>
#include <string_view>
#include <vector>

#include "pipeline/records.hpp"
#include "pipeline/suppressions.hpp"

namespace quillomat {

// One finding as the report lists it.
struct Constat {
  int ligne;  // 1-based; 0 for a finding on the whole script
  bool alerte;
  std::string texte;  // Latin-1, on one line, without the "    - Ligne N : " head
  std::string_view code = {};  // the message's stable code
};

// The findings the report lists, in its order: by line, whole-script findings
// last, alerts left out when hideAlerts is 1 (errors when it is 2).
std::vector<Constat> constatsListes(const std::vector<FindingRecord>& findings, int lines, int hideAlerts);

// A finding text on one line, without its "    - Ligne N : " or "    - " head.
std::string texteSurUneLigne(std::string_view texte);

struct VerificationMemoire {
  int code = 0;  // kSucces, or kScriptTropLong (nothing checked)
  int lines = 0;
  std::vector<FindingRecord> findings;  // as appended, hidden alerts included
  std::vector<IdentifierRecord> identifiers;
  std::vector<AttachmentRecord> attachments;
  std::vector<Constat> constats;  // what the report would list, in its order
  Tri tri;                        // the findings silenced, in neither list
};

// Checks `script` (Latin-1; CR LF read as LF, as the run reads its work copy)
// with the script kind, script-extender dependence and hidden alerts of
// `reglages`. The spacing correction is not applied: the text is checked as
// it stands. The script's directives and `consignes` silence findings as in a run.
VerificationMemoire verifierEnMemoire(std::string_view script, const SettingsRecord& reglages,
                                      const OptionsVerification& options = {}, const Consignes& consignes = {});

}  // namespace quillomat
