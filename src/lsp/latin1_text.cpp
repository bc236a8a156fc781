#include "lsp/latin1_text.hpp"

namespace quillomat::lsp {
namespace {

struct Caractere {
  char32_t point;
  size_t longueur;
};

// One character at the start of `s` (not empty); a malformed sequence reads
// as one U+FFFD byte, so that the walk always moves on.
Caractere decoder(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  if (c < 0x80) return {c, 1};
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
    return {0xFFFD, 1};
  }
  if (s.size() <= suite) return {0xFFFD, 1};
  for (size_t k = 1; k <= suite; ++k) {
    const auto d = static_cast<unsigned char>(s[k]);
    if ((d & 0xC0) != 0x80) return {0xFFFD, 1};
    valeur = (valeur << 6) | (d & 0x3F);
  }
  if (valeur < minimum || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur <= 0xDFFF)) return {0xFFFD, 1};
  return {valeur, suite + 1};
}

}  // namespace

TexteLatin1 versLatin1(std::string_view utf8) {
  TexteLatin1 out;
  out.texte.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.texte += utf8[i++];
      continue;
    }
    const Caractere c = decoder(utf8.substr(i));
    if (c.point <= 0xFF) {
      out.texte += static_cast<char>(c.point);
    } else {
      out.texte += kRemplacant;
      out.horsLatin1.push_back({i, c.longueur, c.point});
    }
    i += c.longueur;
  }
  return out;
}

}  // namespace quillomat::lsp
