// The end of a run: the underscore alerts, then the report "Correction de
// ScriptVaelmoor.txt" written from the work files.
#pragma once

#include <filesystem>
#include <string>

#include "pipeline/work_files.hpp"

namespace quillomat {

// Alerts for every identifier whose name begins with "_".
void verifierUnderscore(WorkFiles& wf);

// The report text (LF line ends) for the given work files.
std::string composerRapport(const WorkFiles& wf, int lines, int showInfo, int hideAlerts);

// Writes the report in text mode into `fichierRapport`, then deletes the four
// work files; returns the text written. Throws ArretFatal when the report
// cannot be created.
std::string ecrireRapport(WorkFiles& wf, const std::filesystem::path& fichierRapport, int lines, int showInfo,
                   int hideAlerts);

}  // namespace quillomat
