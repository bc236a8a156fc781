// Any bytes as a rich-text file opened in the editor: the reader must neither
// crash nor loop, and what it gives must be text the editor can show.
//
// Checked on every input: each run of text is non-empty and differs in format
// from the one before it, colours stay within 0 to 255, no character is a
// UTF-16 half or beyond Unicode, no input byte gives more than one character,
// and a second reading gives the same runs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/core/rtf_reader.hpp"

namespace {

using namespace quillomat;

[[noreturn]] void faute(const char* quoi) {
  std::fprintf(stderr, "quillomat_fuzz_rtf : %s\n", quoi);
  std::abort();
}

bool memeFormat(const FragmentRtf& a, const FragmentRtf& b) {
  return a.r == b.r && a.g == b.g && a.b == b.b && a.gras == b.gras && a.italique == b.italique;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  const auto fragments = lireRtf(octets);
  size_t caracteres = 0;
  for (size_t i = 0; i < fragments.size(); ++i) {
    const FragmentRtf& f = fragments[i];
    if (f.texte.empty()) faute("fragment vide");
    if (i > 0 && memeFormat(f, fragments[i - 1])) faute("deux fragments de meme format");
    for (int c : {f.r, f.g, f.b})
      if (c < 0 || c > 255) faute("couleur hors de 0 a 255");
    for (char32_t c : f.texte)
      if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) faute("caractere impossible");
    caracteres += f.texte.size();
  }
  if (caracteres > size) faute("plus de caracteres que d'octets");
  if (lireRtf(octets) != fragments) faute("deux lectures differentes");
  return 0;
}
