// The "Débuguer" command without its windows: the work copy of the script,
// the settings, the check, and what the command must tell the user.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "pipeline/options_verification.hpp"
#include "pipeline/records.hpp"

namespace quillomat {

inline constexpr int kCopieImpossible = -1;  // ScriptVaelmoor.txt could not be created
inline constexpr int kArretFatalRun = -2;    // a work file could not be opened during the check
inline constexpr int kReglagesIllisibles = -3;  // the script's settings file is wrong: nothing was checked

struct ResultatVerification {
  int code = 0;             // the check's result code, or one of the two above
  SettingsRecord reglages;  // as read for this run
  std::string message;      // Latin-1 text of the message box to show; empty for none
};

// Reads the settings of `dossier`, writes `texte` (Latin-1, '\n' line ends)
// to ScriptVaelmoor.txt with CR LF line ends, and runs the check. Never ends
// the process: a fatal stop comes back as kArretFatalRun with its message.
// `dossierDuScript`, when given, is where the script's settings file is looked for;
// `options` are the editor's, which that file may override.
ResultatVerification verifierScript(const std::filesystem::path& dossier, std::string_view texte,
                                    const std::function<void()>& progression = {},
                                    const std::filesystem::path& dossierDuScript = {},
                                    const OptionsVerification& options = {});

}  // namespace quillomat
