// What every checker of a script line needs besides the text: the work files
// it reports to, the line it reports on, and the settings that change checks.
#pragma once

#include <string>
#include <vector>

#include "pipeline/work_files.hpp"

namespace quillomat {

class CataloguePersonnel;

// What the later syntax of the script extender keeps over one run: the
// declared functions, and what it has reported once per script.
struct EtatEtendu {
  const CataloguePersonnel* catalogue = nullptr;
  std::vector<std::string> inconnuesSignalees;  // lower case
  bool fonctionVue = false;                     // a Begin Function line: a function script
};

struct Context {
  WorkFiles& wf;
  int line = 0;           // 0-based line index
  int vlse = 0;           // the script may use the script extender's functions
  int scriptKind = 0;     // declared kind: 0 unknown, 1 quest, 2 object, 3 magic effect
  EtatEtendu* etendu = nullptr;  // set when the later syntax is accepted
};

}  // namespace quillomat
