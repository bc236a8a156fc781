#include "lsp/positions.hpp"

#include <algorithm>
#include <array>

namespace quillomat::lsp {
namespace {

struct NomEncodage {
  std::string_view nom;
  Encodage encodage;
};
constexpr std::array<NomEncodage, 3> kNoms = {{
    {"utf-8", Encodage::Utf8}, {"utf-16", Encodage::Utf16}, {"utf-32", Encodage::Utf32}}};

// Length in bytes of the UTF-8 character that starts with `c` (1 for a
// stray continuation byte, so that any byte string is walked through).
size_t longueurCaractere(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

size_t unitesCaractere(size_t octets, Encodage e) {
  switch (e) {
    case Encodage::Utf8: return octets;
    case Encodage::Utf16: return octets == 4 ? 2 : 1;
    case Encodage::Utf32: return 1;
  }
  return 1;
}

}  // namespace

std::optional<Encodage> encodageDeNom(std::string_view nom) {
  for (const NomEncodage& n : kNoms)
    if (n.nom == nom) return n.encodage;
  return std::nullopt;
}

std::string_view nomDeEncodage(Encodage e) {
  for (const NomEncodage& n : kNoms)
    if (n.encodage == e) return n.nom;
  return "utf-16";
}

size_t unites(std::string_view utf8, Encodage e) {
  if (e == Encodage::Utf8) return utf8.size();
  size_t n = 0;
  for (size_t i = 0; i < utf8.size();) {
    const size_t l = std::min(longueurCaractere(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    n += unitesCaractere(l, e);
    i += l;
  }
  return n;
}

size_t octetsDe(std::string_view ligne, size_t n, Encodage e) {
  size_t i = 0;
  while (i < ligne.size()) {
    const size_t l = std::min(longueurCaractere(static_cast<unsigned char>(ligne[i])), ligne.size() - i);
    const size_t u = unitesCaractere(l, e);
    if (u > n) break;
    n -= u;
    i += l;
  }
  return i;
}

Lignes::Lignes(std::string_view texte) : texte_(texte) {
  debuts_.push_back(0);
  for (size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
    if (texte[i] == '\n' || texte[i] == '\r') debuts_.push_back(i + 1);
  }
}

std::string_view Lignes::ligne(size_t i) const {
  if (i >= debuts_.size()) return texte_.substr(texte_.size());
  size_t fin = texte_.size();  // the last line has no break
  if (i + 1 < debuts_.size()) {
    fin = debuts_[i + 1] - 1;
    if (texte_[fin] == '\n' && fin > debuts_[i] && texte_[fin - 1] == '\r') --fin;
  }
  return texte_.substr(debuts_[i], fin - debuts_[i]);
}

size_t Lignes::ligneDe(size_t octet) const {
  const auto it = std::upper_bound(debuts_.begin(), debuts_.end(), octet);
  return static_cast<size_t>(it - debuts_.begin()) - 1;
}

size_t Lignes::octet(Position p, Encodage e) const {
  if (p.ligne >= debuts_.size()) return texte_.size();
  return debuts_[p.ligne] + octetsDe(ligne(p.ligne), p.colonne, e);
}

Position Lignes::position(size_t octet, Encodage e) const {
  octet = std::min(octet, texte_.size());
  const size_t l = ligneDe(octet);
  return {l, unites(texte_.substr(debuts_[l], octet - debuts_[l]), e)};
}

}  // namespace quillomat::lsp
