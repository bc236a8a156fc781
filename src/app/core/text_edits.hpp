// Edits that the formatting aids make to a text, for the editor to apply.
#pragma once

#include <string>
#include <vector>

namespace quillomat {

// Replace `supprimes` characters at `position` by `inseres`. A list of edits
// applies in order, each on the text the previous ones left.
struct Modification {
  int position = 0;
  int supprimes = 0;
  std::string inseres;  // Latin-1
  bool operator==(const Modification&) const = default;
};

struct Selection {
  int debut = 0;
  int fin = 0;
  bool operator==(const Selection&) const = default;
};

struct Retouches {
  std::vector<Modification> modifications;
  Selection selection;  // the user's selection once the edits are made
};

// The text once the edits are made (for tests and for the editor's checks).
std::string appliquer(std::string texte, const std::vector<Modification>& modifications);

}  // namespace quillomat
