// The line a finding of the report speaks of: "    - Ligne N : ..." or, in
// the list of a script with several types, "        * Ligne N : ...".
#pragma once

#include <optional>
#include <string_view>

namespace quillomat {

// N (1-based) for a finding line of the report; none for any other line.
std::optional<int> ligneDuConstat(std::string_view ligne);

}  // namespace quillomat
