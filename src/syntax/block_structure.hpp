// Begin/End and if/endif structure over the whole script.
#pragma once

#include <string_view>

#include "pipeline/work_files.hpp"

namespace quillomat {

// n: the number of script lines plus 1. Returns 0, or 10 when the findings
// file cannot be written (then nothing is checked).
int verifierBlocs(WorkFiles& wf, std::string_view script, int n);

}  // namespace quillomat
