#include "lsp/latin1_text.hpp"

#include "pipeline/utf8.hpp"

namespace quillomat::lsp {

TexteLatin1 versLatin1(std::string_view utf8) {
  TexteLatin1 out;
  out.texte.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.texte += utf8[i++];
      continue;
    }
    // A malformed sequence is one U+FFFD byte, so that the walk always moves on.
    const PointUtf8 c = lirePointUtf8(utf8.substr(i));
    if (c.valide && c.point <= 0xFF) {
      out.texte += static_cast<char>(c.point);
    } else {
      out.texte += kRemplacant;
      out.horsLatin1.push_back({i, c.longueur, c.point});  // U+FFFD when malformed
    }
    i += c.longueur;
  }
  return out;
}

}  // namespace quillomat::lsp
