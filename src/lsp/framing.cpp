#include "lsp/framing.hpp"

#include <algorithm>
#include <charconv>

#include "pipeline/ascii.hpp"

namespace quillomat::lsp {
namespace {

constexpr std::string_view kLongueur = "content-length";

// Content-Length of a header block (its lines end with CR LF or LF), or
// nothing when it has none or a value that is not a plain number.
std::optional<size_t> longueurDe(std::string_view enTete) {
  std::optional<size_t> longueur;
  while (!enTete.empty()) {
    size_t fin = enTete.find('\n');
    std::string_view ligne = enTete.substr(0, fin);
    enTete = fin == std::string_view::npos ? std::string_view() : enTete.substr(fin + 1);
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    const size_t deuxPoints = ligne.find(':');
    if (deuxPoints == std::string_view::npos) continue;
    std::string_view nom = ligne.substr(0, deuxPoints), valeur = ligne.substr(deuxPoints + 1);
    while (!nom.empty() && estEspaceOuTab(nom.back())) nom.remove_suffix(1);
    if (enMinuscules(nom) != kLongueur) continue;
    while (!valeur.empty() && estEspaceOuTab(valeur.front())) valeur.remove_prefix(1);
    while (!valeur.empty() && estEspaceOuTab(valeur.back())) valeur.remove_suffix(1);
    size_t n = 0;
    const auto [p, ec] = std::from_chars(valeur.data(), valeur.data() + valeur.size(), n);
    if (ec != std::errc() || p != valeur.data() + valeur.size() || valeur.empty()) return std::nullopt;
    longueur = n;
  }
  return longueur;
}

// Where the next header block starts: the first "Content-Length", whatever
// its case (a header line before it in the same block carries nothing).
size_t debutDEnTete(std::string_view octets) {
  const auto it = std::search(octets.begin(), octets.end(), kLongueur.begin(), kLongueur.end(),
                              [](char a, char b) { return enMinuscule(a) == b; });
  return it == octets.end() ? std::string_view::npos : static_cast<size_t>(it - octets.begin());
}

}  // namespace

void LecteurTrames::ajouter(std::string_view octets) {
  if (aSauter_ > 0) {
    const size_t n = std::min(aSauter_, octets.size());
    aSauter_ -= n;
    octets.remove_prefix(n);
  }
  // Consumed bytes are dropped before the buffer grows, so it holds at most
  // one message and what came after it.
  if (lu_ > 0) {
    tampon_.erase(0, lu_);
    lu_ = 0;
  }
  tampon_.append(octets);
}

std::optional<Trame> LecteurTrames::suivante() {
  std::string_view reste = std::string_view(tampon_).substr(lu_);
  if (resynchro_) {
    const size_t debut = debutDEnTete(reste);
    if (debut == std::string_view::npos) {
      // Kept: the start of a "Content-Length" cut by the end of the bytes.
      lu_ += reste.size() - std::min(reste.size(), kLongueur.size() - 1);
      return std::nullopt;
    }
    resynchro_ = false;
    lu_ += debut;
    reste.remove_prefix(debut);
  }
  if (dansCorps_) {
    if (reste.size() < attendus_) return std::nullopt;
    dansCorps_ = false;
    lu_ += attendus_;
    return Trame{std::string(reste.substr(0, attendus_)), false};
  }
  // The empty line that ends the header block: CR LF CR LF, or LF LF from a
  // lenient client.
  const size_t crlf = reste.find("\r\n\r\n");
  const size_t lf = reste.find("\n\n");
  const size_t fin = std::min(crlf, lf);
  if (fin == std::string_view::npos) {
    if (reste.size() <= kEnTeteMax) return std::nullopt;
    // Past its first byte, so that the same garbage is never read twice.
    lu_ += 1;
    resynchro_ = true;
    return Trame{{}, true};
  }
  const size_t apres = fin + (fin == crlf ? 4 : 2);
  const auto longueur = longueurDe(reste.substr(0, fin));
  lu_ += apres;
  if (!longueur) {
    resynchro_ = true;
    return Trame{{}, true};
  }
  if (*longueur > kCorpsMax) {
    const size_t present = std::min(*longueur, tampon_.size() - lu_);
    lu_ += present;
    aSauter_ = *longueur - present;
    return Trame{{}, true};
  }
  attendus_ = *longueur;
  dansCorps_ = true;
  return suivante();
}

std::string trame(std::string_view corps) {
  std::string out = "Content-Length: " + std::to_string(corps.size()) + "\r\n\r\n";
  out += corps;
  return out;
}

}  // namespace quillomat::lsp
