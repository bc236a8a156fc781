// The line-by-line pass over the script: comments, quotes, parentheses, tabs,
// header, declarations, and every other line handed to the statement catalogue.
#pragma once

#include <functional>
#include <string_view>

#include "pipeline/work_files.hpp"

namespace quillomat {

using Progression = std::function<void()>;

// The tab alert for one line's code part.
void verifierTabulations(WorkFiles& wf, int lineIndex, std::string_view code);

// lines: line feeds + 1. `progression`, when set, is called once per line read.
void MainSyntaxe(WorkFiles& wf, std::string_view script, int lines, int scriptKind, int vlseDependent,
                 const Progression& progression = {});

}  // namespace quillomat
