// A text under check (a script line or an operand), prepared once for all the
// catalogue rows that look at it: the text as written, its lower-cased copy,
// its first position after spaces and tabs, and the places of its '.'.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillomat {

inline constexpr size_t kLigneMax = 4999;  // characters of a text that are considered

class Text {
 public:
  explicit Text(std::string_view source);

  std::string_view src() const { return src_; }
  std::string_view low() const { return low_; }
  size_t size() const { return src_.size(); }
  // The character at i, or '\0' past the end (texts are NUL-terminated).
  char at(size_t i) const { return i < src_.size() ? src_[i] : '\0'; }
  // First position that is neither a space nor a tab.
  size_t debut() const { return debut_; }
  // Positions of the '.' characters, in increasing order.
  const std::vector<uint16_t>& points() const { return points_; }
  // One bit per lower-case letter that stands at debut() or right after a '.':
  // the letters a function name found in this text can begin with.
  uint32_t initiales() const { return initiales_; }

 private:
  std::string_view src_;
  std::string low_;
  size_t debut_ = 0;
  std::vector<uint16_t> points_;
  uint32_t initiales_ = 0;
};

// The bit of a letter in Text::initiales(), 0 for any other character.
constexpr uint32_t bitInitiale(char c) {
  if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return (c >= 'a' && c <= 'z') ? 1u << (c - 'a') : 0u;
}

}  // namespace quillomat
