#include "pipeline/utf8.hpp"

namespace quillomat {

PointUtf8 lirePointUtf8(std::string_view s, bool demiesUtf16) {
  const auto c = static_cast<unsigned char>(s[0]);
  if (c < 0x80) return {c, 1, true};
  constexpr PointUtf8 kMalforme{0xFFFD, 1, false};
  size_t suite;
  char32_t valeur;
  char32_t minimum;
  if ((c & 0xE0) == 0xC0) {
    suite = 1, valeur = c & 0x1F, minimum = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    suite = 2, valeur = c & 0x0F, minimum = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    suite = 3, valeur = c & 0x07, minimum = 0x10000;
  } else {
    return kMalforme;
  }
  if (s.size() <= suite) return kMalforme;
  for (size_t k = 1; k <= suite; ++k) {
    const auto d = static_cast<unsigned char>(s[k]);
    if ((d & 0xC0) != 0x80) return kMalforme;
    valeur = (valeur << 6) | (d & 0x3F);
  }
  const bool demie = valeur >= 0xD800 && valeur <= 0xDFFF;
  if (valeur < minimum || valeur > 0x10FFFF || (demie && !demiesUtf16)) return kMalforme;
  return {valeur, suite + 1, true};
}

}  // namespace quillomat
