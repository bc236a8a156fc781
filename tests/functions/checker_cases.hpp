// Table-driven checks of one signature checker: each case is a text that the
// checker must recognise, with the one finding it must write on line 1 (or
// none when the message is empty).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "test_support.hpp"

namespace quillomat::test {

struct Cas {
  std::string_view texte;
  std::string_view message;  // empty: the call is accepted without a finding
};

inline void verifierCas(Checker check, const Row& row, std::initializer_list<Cas> cas) {
  for (const Cas& c : cas) {
    Banc b;
    EXPECT_EQ(b.appeler(check, row, c.texte), 1) << c.texte;
    const std::vector<std::string> attendu =
        c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{ligne(1, c.message)};
    EXPECT_EQ(b.textes(), attendu) << c.texte;
  }
}

// The identifiers recorded by one call.
inline std::vector<std::string> idsApres(Checker check, const Row& row, std::string_view texte) {
  Banc b;
  b.appeler(check, row, texte);
  return b.ids();
}

}  // namespace quillomat::test
