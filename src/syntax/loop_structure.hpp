// The loops of the later syntax over the whole script: while and foreach
// closed by loop, break and continue inside a loop, and no loop crossing the
// endif or the end of a block opened before it.
#pragma once

#include <string_view>

#include "pipeline/work_files.hpp"

namespace quillomat {

// n: the number of script lines plus 1.
void verifierBoucles(WorkFiles& wf, std::string_view script, int n);

}  // namespace quillomat
