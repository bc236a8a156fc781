// Finding lines: "    - Ligne " + number + message for a script line,
// "    - " + message for the whole script, at most 199 bytes, appended to the
// findings work file.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "pipeline/records.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {

// Decimal text of a non-negative number, without sign or leading zeros.
std::string intToText(long long value);

// A piece of a message written between two double quotes.
struct EntreGuillemets {
  std::string_view texte;
};
inline EntreGuillemets guillemets(std::string_view s) { return {s}; }

namespace detail {
inline void ajouterMorceau(std::string& out, std::string_view s) { out += s; }
inline void ajouterMorceau(std::string& out, const char* s) { out += s; }
inline void ajouterMorceau(std::string& out, const std::string& s) { out += s; }
inline void ajouterMorceau(std::string& out, EntreGuillemets s) {
  out += '"';
  out += s.texte;
  out += '"';
}
template <typename Int>
  requires std::is_integral_v<Int>
void ajouterMorceau(std::string& out, Int n) {
  out += intToText(static_cast<long long>(n));
}
}  // namespace detail

// Joins the pieces of a message; numbers are written with intToText.
template <typename... Morceaux>
std::string composer(const Morceaux&... morceaux) {
  std::string out;
  (detail::ajouterMorceau(out, morceaux), ...);
  return out;
}

// Appends one finding; the text is cut to 199 bytes.
void ajouterErreur(WorkFiles& wf, int lineIndex, std::string_view text, int kind);

// Appends the line finding "    - Ligne " (lineIndex + 1) followed by the pieces.
template <typename... Morceaux>
void signalerLigne(WorkFiles& wf, int lineIndex, int kind, const Morceaux&... morceaux) {
  ajouterErreur(wf, lineIndex, composer("    - Ligne ", lineIndex + 1, morceaux...), kind);
}
template <typename... Morceaux>
void erreurLigne(WorkFiles& wf, int lineIndex, const Morceaux&... morceaux) {
  signalerLigne(wf, lineIndex, kErreur, morceaux...);
}
template <typename... Morceaux>
void alerteLigne(WorkFiles& wf, int lineIndex, const Morceaux&... morceaux) {
  signalerLigne(wf, lineIndex, kAlerte, morceaux...);
}

}  // namespace quillomat
