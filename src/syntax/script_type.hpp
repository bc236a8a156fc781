// Script kinds (1 quest, 2 object, 3 magic effect): the marks left by the
// constructs that belong to one kind, and the verdict against the declared kind.
#pragma once

#include <string_view>

#include "pipeline/work_files.hpp"

namespace quillomat {

void ajouterMarqueType(WorkFiles& wf, int kind, int lineIndex);
void verifierTypeScript(WorkFiles& wf, int declaredKind);

// "de quête", "d'objet", "d'effet magique"; nothing for any other kind.
std::string_view nomTypeScript(int kind);

}  // namespace quillomat
