// Questions about the words of the script: declared variables, keyword marks,
// character classes and references.
#pragma once

#include <string_view>
#include <vector>

#include "pipeline/work_files.hpp"

namespace quillomat {

// 1 blank or ';', 2 letter or '_', 3 digit, 4 '(' ')' '"', 5 '=' '<' '>', 0 other (and the end).
int classeCaractere(int c);

// marks[i] = 1 when the first word of line i (0 to lineCount) is `keyword`
// (lower case), compared without regard to case.
void strDetectTest(std::string_view script, std::vector<int>& marks, int lineCount, std::string_view keyword);

// Records the variables declared with `typeWord` ("short", "float", "long",
// "ref"). Returns 0 (the 20 of an unreadable script is the driver's business).
int strDetectVar(WorkFiles& wf, std::string_view script, int lineCount, std::string_view typeWord);

// 1 when `name` is a reference of the script (declared ref, or assigned a reference).
int isRef(const WorkFiles& wf, std::string_view name);

}  // namespace quillomat
