// The closed vocabularies of the game: actor statistics and sexes.
#pragma once

#include <span>
#include <string_view>

namespace quillomat {

// 1 when the whole word (any letter case) is an actor-value name, else 0.
int estStatistique(std::string_view word);
// The actor-value names, lower case, in their fixed order.
std::span<const std::string_view> nomsDesStatistiques();
// 1 when the whole word (any letter case) is "male" or "female", else 0.
int estSexe(std::string_view word);

}  // namespace quillomat
