// Reads the rich text a rich-edit control writes: the text with its colours,
// bold and italic. Everything else (fonts, sizes, pictures) is dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillomat {

struct FragmentRtf {
  std::u32string texte;  // '\n' between paragraphs
  int r = 0, g = 0, b = 0;
  bool gras = false;
  bool italique = false;
  bool operator==(const FragmentRtf&) const = default;
};

// True when the bytes begin with "{\rtf", ASCII case ignored.
bool estRtf(std::string_view debut);

// The text runs of a rich-text file, in order. Malformed input gives what
// could be read, never a crash.
std::vector<FragmentRtf> lireRtf(std::string_view octets);

}  // namespace quillomat
