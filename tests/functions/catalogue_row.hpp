// The catalogue row that calls a checker for a name, as the catalogues hold it,
// so that the tests run with the kinds and flags the scan really passes.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "functions/catalogue.hpp"

namespace quillomat::test {

inline Row rangee(Checker check, std::string_view nom) {
  for (auto catalogue : {catalogueValeurs(), catalogueInstructions()})
    for (const Row& r : catalogue)
      if (r.check == check && r.name == nom) return r;
  ADD_FAILURE() << "pas de rangée pour " << nom;
  return Row{check, nom};
}

}  // namespace quillomat::test
