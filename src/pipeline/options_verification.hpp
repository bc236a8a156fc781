// Settings of a check run that the 32-byte preferences record does not hold:
// the later syntax of the script extender, and the functions a mod declares.
#pragma once

#include <memory>

namespace quillomat {

class CataloguePersonnel;

struct OptionsVerification {
  // let, arrays, strings, loops and user functions; implies vlseDependent.
  bool vlseEtendu = false;
  // Functions declared in a personal catalogue file; read only with vlseEtendu.
  std::shared_ptr<const CataloguePersonnel> catalogue{};
};

}  // namespace quillomat
