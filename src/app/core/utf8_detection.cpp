#include "app/core/utf8_detection.hpp"

namespace quillomat {
namespace {

// The bounds of the second byte after a given lead byte, and the number of
// continuation bytes; 0 for a byte that cannot start a character.
struct Sequence {
  int suite;
  unsigned char min;
  unsigned char max;
};

Sequence sequenceDe(unsigned char tete) {
  if (tete >= 0xC2 && tete <= 0xDF) return {1, 0x80, 0xBF};
  if (tete == 0xE0) return {2, 0xA0, 0xBF};  // no overlong form
  if (tete == 0xED) return {2, 0x80, 0x9F};  // no surrogate
  if (tete >= 0xE1 && tete <= 0xEF) return {2, 0x80, 0xBF};
  if (tete == 0xF0) return {3, 0x90, 0xBF};
  if (tete >= 0xF1 && tete <= 0xF3) return {3, 0x80, 0xBF};
  if (tete == 0xF4) return {3, 0x80, 0x8F};  // nothing above U+10FFFF
  return {0, 0, 0};
}

bool estSuite(unsigned char c) { return c >= 0x80 && c <= 0xBF; }

}  // namespace

bool estUtf8NonAscii(std::string_view octets) {
  bool nonAscii = false;
  for (size_t i = 0; i < octets.size();) {
    const auto tete = static_cast<unsigned char>(octets[i]);
    if (tete < 0x80) {
      ++i;
      continue;
    }
    const Sequence s = sequenceDe(tete);
    // The lead byte and all its continuation bytes are there.
    if (s.suite == 0 || octets.size() - i <= static_cast<size_t>(s.suite)) return false;
    const auto second = static_cast<unsigned char>(octets[i + 1]);
    if (second < s.min || second > s.max) return false;
    for (int k = 2; k <= s.suite; ++k) {
      if (!estSuite(static_cast<unsigned char>(octets[i + static_cast<size_t>(k)]))) return false;
    }
    nonAscii = true;
    i += static_cast<size_t>(s.suite) + 1;
  }
  return nonAscii;
}

}  // namespace quillomat
