// The client's UTF-8 text turned into the Latin-1 bytes the checker reads.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillomat::lsp {

// A character that Latin-1 cannot hold, where it stands in the UTF-8 text.
struct HorsLatin1 {
  size_t octet;     // first byte in the UTF-8 text
  size_t longueur;  // its bytes
  char32_t point;   // U+FFFD for bytes that are not UTF-8
};

struct TexteLatin1 {
  std::string texte;  // one byte per character; '?' for each character of horsLatin1
  std::vector<HorsLatin1> horsLatin1;
};

inline constexpr char kRemplacant = '?';

TexteLatin1 versLatin1(std::string_view utf8);

}  // namespace quillomat::lsp
