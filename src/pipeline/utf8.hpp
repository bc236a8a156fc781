// UTF-8, for the programs around the checker (which reads Latin-1 only): the
// command line's output, the editor's UTF-8 files and recovery copies, the
// language server's client text. One decoder serves them all.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillomat {

struct PointUtf8 {
  char32_t point;   // the character read; meaningless when not valide
  size_t longueur;  // bytes read: 1 for a malformed sequence, so that a walk always moves on
  bool valide;
};

// The character at the start of `s` (not empty). Overlong forms, values past
// U+10FFFF and cut sequences are malformed; so are the three-byte forms of
// U+D800 to U+DFFF, unless `demiesUtf16` accepts them (a lone half of a
// UTF-16 pair, written as it stands).
PointUtf8 lirePointUtf8(std::string_view s, bool demiesUtf16 = false);

}  // namespace quillomat
