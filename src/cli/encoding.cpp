#include "cli/encoding.hpp"

namespace quillomat {

std::string latin1VersUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size() + latin1.size() / 8);
  for (char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool estUtf8Valide(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t suite;
    unsigned minimum;
    unsigned valeur;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      suite = 1, minimum = 0x80, valeur = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      suite = 2, minimum = 0x800, valeur = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      suite = 3, minimum = 0x10000, valeur = c & 0x07;
    } else {
      return false;
    }
    if (s.size() - i <= suite) return false;
    for (size_t k = 1; k <= suite; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      valeur = (valeur << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if (valeur < minimum || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur <= 0xDFFF)) return false;
    i += suite + 1;
  }
  return true;
}

std::string nomAffiche(std::string_view nom) {
  return estUtf8Valide(nom) ? std::string(nom) : latin1VersUtf8(nom);
}

}  // namespace quillomat
