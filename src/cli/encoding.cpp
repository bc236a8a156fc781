#include "cli/encoding.hpp"

#include "pipeline/utf8.hpp"

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
  for (size_t i = 0; i < s.size();) {
    const PointUtf8 c = lirePointUtf8(s.substr(i));
    if (!c.valide) return false;
    i += c.longueur;
  }
  return true;
}

std::string nomAffiche(std::string_view nom) {
  return estUtf8Valide(nom) ? std::string(nom) : latin1VersUtf8(nom);
}

}  // namespace quillomat
