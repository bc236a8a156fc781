// Finding lines: "    - Ligne " + number + message for a script line,
// "    - " + message for the whole script, at most 199 bytes, appended to the
// findings work file. Each is written from one of the checker's messages
// (libelle.hpp), which gives it its nature and its code.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <type_traits>

#include "pipeline/libelle.hpp"
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

// The wording of a message with its pieces, in order; numbers are written
// with intToText.
template <size_t N, typename... Morceaux>
  requires(sizeof...(Morceaux) == N)
std::string rediger(const Libelle<N>& libelle, const Morceaux&... morceaux) {
  const std::array<std::string, N> textes{composer(morceaux)...};
  return detail::remplir(libelle.forme, textes);
}

// Appends one finding of the message `fiche`; the text is cut to 199 bytes.
void ajouterConstat(WorkFiles& wf, int lineIndex, std::string_view text, const Fiche& fiche);

// The line finding "    - Ligne " (lineIndex + 1) followed by the message.
template <size_t N, typename... Morceaux>
void signalerLigne(WorkFiles& wf, int lineIndex, const Libelle<N>& libelle, const Morceaux&... morceaux) {
  ajouterConstat(wf, lineIndex, composer("    - Ligne ", lineIndex + 1, rediger(libelle, morceaux...)), libelle);
}

// A finding written whole by its message, at lineIndex (-1: the whole script).
template <size_t N, typename... Morceaux>
void signalerTexte(WorkFiles& wf, int lineIndex, const Libelle<N>& libelle, const Morceaux&... morceaux) {
  ajouterConstat(wf, lineIndex, rediger(libelle, morceaux...), libelle);
}

}  // namespace quillomat
