// The line-by-line pass over the script: comments, quotes, parentheses, tabs,
// header, declarations, and every other line handed to the statement catalogue.
#pragma once

#include <functional>
#include <string_view>

#include "functions/context.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {

using Progression = std::function<void()>;

// The code part of a line: up to its first line feed or carriage return, or
// to a ';' that stands after an even number of double quotes (a comment).
// Every byte it stops at is ASCII, so it cuts a UTF-8 line as well.
std::string_view partieCode(std::string_view ligne);

// The tab alert for one line's code part.
void verifierTabulations(WorkFiles& wf, int lineIndex, std::string_view code);

// lines: line feeds + 1. `progression`, when set, is called once per line read.
// `etendu`, when set, accepts the script extender's later syntax.
void MainSyntaxe(WorkFiles& wf, std::string_view script, int lines, int scriptKind, int vlseDependent,
                 const Progression& progression = {}, EtatEtendu* etendu = nullptr);

}  // namespace quillomat
