// The messages of the checker as data: each one has a stable code, its
// wording with a named place for every variable piece, and what it means. A
// finding can only be written from one of them, so that every finding
// carries its code; each file that writes messages lists its own.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "pipeline/records.hpp"

namespace quillomat {

// What the help, the outputs for other tools and the tests know of a message.
struct Fiche {
  std::string_view code;   // "QM101": given once, never renumbered, never reused
  std::string_view forme;  // the wording, "{NOM}" in place of each variable piece
  std::string_view sens;   // what the message means, in one French sentence
  int nature = kErreur;    // kErreur or kAlerte
};

namespace detail {

// Number of "{NOM}" pieces of a wording: NOM is made of capitals, digits and
// '_'; -1 for any other brace.
constexpr int compterMorceaux(std::string_view forme) {
  int n = 0;
  for (size_t i = 0; i < forme.size(); ++i) {
    if (forme[i] == '}') return -1;
    if (forme[i] != '{') continue;
    const size_t fin = forme.find('}', i);
    if (fin == std::string_view::npos || fin == i + 1) return -1;
    for (size_t k = i + 1; k < fin; ++k)
      if (!((forme[k] >= 'A' && forme[k] <= 'Z') || (forme[k] >= '0' && forme[k] <= '9') || forme[k] == '_'))
        return -1;
    ++n;
    i = fin;
  }
  return n;
}

constexpr bool codeValide(std::string_view code) {
  if (code.size() != 5 || code.substr(0, 2) != "QM") return false;
  for (char c : code.substr(2))
    if (c < '0' || c > '9') return false;
  return true;
}

// The wording with its pieces put in place, in order.
std::string remplir(std::string_view forme, std::span<const std::string> morceaux);

}  // namespace detail

// A message with N variable pieces. Checked when compiled: the code is "QM"
// and three digits, the wording has N pieces, the meaning is given.
template <size_t N>
struct Libelle : Fiche {
  consteval Libelle(std::string_view c, std::string_view f, std::string_view s, int n = kErreur)
      : Fiche{c, f, s, n} {
    if (!detail::codeValide(c)) throw "code de message mal formé";
    if (detail::compterMorceaux(f) != static_cast<int>(N)) throw "nombre de morceaux différent de la forme";
    if (s.empty() || (n != kErreur && n != kAlerte)) throw "message sans sens ou de nature inconnue";
  }
};

// The messages a file writes.
using Libelles = std::span<const Fiche* const>;

// The wording as the report shows it, without its indentation: "Ligne {LIGNE}"
// before the message of a line.
std::string formeAffichee(const Fiche& fiche);

}  // namespace quillomat
