// What every checker of a script line needs besides the text: the work files
// it reports to, the line it reports on, and the two settings that change checks.
#pragma once

#include "pipeline/work_files.hpp"

namespace quillomat {

struct Context {
  WorkFiles& wf;
  int line = 0;           // 0-based line index
  int vlse = 0;           // the script may use the script extender's functions
  int scriptKind = 0;     // declared kind: 0 unknown, 1 quest, 2 object, 3 magic effect
};

}  // namespace quillomat
