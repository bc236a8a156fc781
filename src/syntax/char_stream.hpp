// Reading a text-mode script one character at a time, as the passes over the
// script do: the end of the text reads as kFin from then on.
#pragma once

#include <algorithm>
#include <string_view>

namespace quillomat {

inline constexpr int kFin = -1;

class CharStream {
 public:
  explicit CharStream(std::string_view text) : text_(text) {}
  int lire() { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : kFin; }
  // The rest of the current line, up to its line feed (excluded), which is
  // skipped.
  std::string_view ligne() {
    const size_t debut = std::min(pos_, text_.size());
    size_t fin = text_.find('\n', debut);
    if (fin == std::string_view::npos) fin = text_.size();
    pos_ = fin < text_.size() ? fin + 1 : fin;
    return text_.substr(debut, fin - debut);
  }
  // Reads on from c to the end of the line (a line feed, a carriage return or
  // the end); returns the character that ended it.
  int finDeLigne(int c) {
    if (c == '\n' || c == '\r' || c == kFin) return c;
    // The passes skip most of every line: find its end at once.
    size_t fin = text_.find('\n', pos_);
    if (fin == std::string_view::npos) fin = text_.size();
    const size_t cr = text_.substr(0, fin).find('\r', pos_);
    pos_ = cr == std::string_view::npos ? fin : cr;
    return lire();
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace quillomat
