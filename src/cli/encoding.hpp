// What quillomat-check writes is UTF-8, whatever the locale; the scripts and
// the report on disk stay Latin-1.
#pragma once

#include <string>
#include <string_view>

namespace quillomat {

std::string latin1VersUtf8(std::string_view latin1);

bool estUtf8Valide(std::string_view bytes);

// A file name as the user typed or stored it: kept when it is UTF-8 already
// (the usual case), read as Latin-1 otherwise, so that output stays UTF-8.
std::string nomAffiche(std::string_view nom);

}  // namespace quillomat
