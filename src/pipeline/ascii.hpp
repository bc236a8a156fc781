// Byte classification of the checker. Only the ASCII letters A to Z are ever
// lowered; bytes above 127 (accented Latin-1 letters) are neither letters,
// digits nor blanks.
#pragma once

#include <string>
#include <string_view>

namespace quillomat {

constexpr bool estBlanc(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
constexpr bool estEspaceOuTab(char c) { return c == ' ' || c == '\t'; }
constexpr bool estLettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
constexpr bool estChiffre(char c) { return c >= '0' && c <= '9'; }
constexpr char enMinuscule(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string enMinuscules(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = enMinuscule(c);
  return out;
}

// True when every byte of s is blank (an empty text is blank).
constexpr bool toutBlanc(std::string_view s) {
  for (char c : s)
    if (!estBlanc(c)) return false;
  return true;
}

// Case-insensitive "s starts with lowered word".
constexpr bool commencePar(std::string_view s, std::string_view motMinuscule) {
  if (s.size() < motMinuscule.size()) return false;
  for (size_t i = 0; i < motMinuscule.size(); ++i)
    if (enMinuscule(s[i]) != motMinuscule[i]) return false;
  return true;
}

// Names and fields are NUL-terminated in the work files: a text stops at its first NUL.
constexpr std::string_view jusquAuNul(std::string_view s) {
  size_t n = s.find('\0');
  return n == std::string_view::npos ? s : s.substr(0, n);
}

}  // namespace quillomat
