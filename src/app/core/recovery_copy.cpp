#include "app/core/recovery_copy.hpp"

#include <charconv>

#include "pipeline/utf8.hpp"

namespace quillomat {
namespace {

constexpr std::string_view kSignature = "QUILLOMAT-RECUPERATION 1";

bool estHaut(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool estBas(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void ajouterUtf8(std::string& sortie, std::u16string_view texte) {
  for (std::size_t i = 0; i < texte.size(); ++i) {
    char32_t c = texte[i];
    if (estHaut(texte[i]) && i + 1 < texte.size() && estBas(texte[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (texte[i + 1] - 0xDC00);
      ++i;
    }
    if (c < 0x80) {
      sortie += static_cast<char>(c);
    } else if (c < 0x800) {
      sortie += static_cast<char>(0xC0 | (c >> 6));
      sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {  // lone surrogates included
      sortie += static_cast<char>(0xE0 | (c >> 12));
      sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      sortie += static_cast<char>(0xF0 | (c >> 18));
      sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
}

std::optional<std::u16string> depuisUtf8(std::string_view octets) {
  std::u16string texte;
  texte.reserve(octets.size());
  for (std::size_t i = 0; i < octets.size();) {
    const PointUtf8 c = lirePointUtf8(octets.substr(i), true);  // lone surrogates as written
    if (!c.valide) return std::nullopt;
    if (c.point >= 0x10000) {
      texte += static_cast<char16_t>(0xD800 + ((c.point - 0x10000) >> 10));
      texte += static_cast<char16_t>(0xDC00 + ((c.point - 0x10000) & 0x3FF));
    } else {
      texte += static_cast<char16_t>(c.point);
    }
    i += c.longueur;
  }
  return texte;
}

// A header value stays on its line: '\', CR and LF are written as "\\", "\r", "\n".
void ajouterValeur(std::string& sortie, std::string_view cle, std::u16string_view valeur) {
  std::string utf8;
  ajouterUtf8(utf8, valeur);
  sortie += cle;
  sortie += '=';
  for (const char c : utf8) {
    if (c == '\\') {
      sortie += "\\\\";
    } else if (c == '\n') {
      sortie += "\\n";
    } else if (c == '\r') {
      sortie += "\\r";
    } else {
      sortie += c;
    }
  }
  sortie += '\n';
}

std::optional<std::u16string> lireValeur(std::string_view brut) {
  std::string utf8;
  for (std::size_t i = 0; i < brut.size(); ++i) {
    if (brut[i] != '\\') {
      utf8 += brut[i];
      continue;
    }
    if (++i == brut.size()) return std::nullopt;
    switch (brut[i]) {
      case '\\': utf8 += '\\'; break;
      case 'n': utf8 += '\n'; break;
      case 'r': utf8 += '\r'; break;
      default: return std::nullopt;
    }
  }
  return depuisUtf8(utf8);
}

std::optional<std::int64_t> lireNombre(std::string_view texte) {
  std::int64_t n = 0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), n);
  if (erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
  return n;
}

bool estBlanc(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == 0xA0; }

}  // namespace

std::string encoderCopie(const CopieRecuperation& copie) {
  std::string texte;
  ajouterUtf8(texte, copie.texte);
  std::string sortie(kSignature);
  sortie += '\n';
  ajouterValeur(sortie, "chemin", copie.chemin);
  ajouterValeur(sortie, "nom", copie.nom);
  sortie += copie.encodage == EncodageCopie::Utf8 ? "encodage=utf8\n" : "encodage=latin1\n";
  if (copie.bom) sortie += "bom=1\n";  // absent from copies of files without one
  sortie += copie.crlf ? "fin-de-ligne=crlf\n" : "fin-de-ligne=lf\n";
  sortie += "date=" + std::to_string(copie.date) + '\n';
  sortie += "taille=" + std::to_string(texte.size()) + "\n\n";
  return sortie + texte;
}

std::optional<CopieRecuperation> decoderCopie(std::string_view octets) {
  const auto ligneSuivante = [&octets]() -> std::optional<std::string_view> {
    const std::size_t fin = octets.find('\n');
    if (fin == std::string_view::npos) return std::nullopt;
    const std::string_view ligne = octets.substr(0, fin);
    octets.remove_prefix(fin + 1);
    return ligne;
  };
  if (ligneSuivante() != kSignature) return std::nullopt;

  CopieRecuperation copie;
  std::optional<std::u16string> chemin, nom;
  std::optional<std::int64_t> date, taille;
  bool encodage = false, finDeLigne = false;
  for (auto ligne = ligneSuivante(); ligne != std::string_view(); ligne = ligneSuivante()) {
    if (!ligne) return std::nullopt;  // the header never ended
    const std::size_t egal = ligne->find('=');
    if (egal == std::string_view::npos) return std::nullopt;
    const std::string_view cle = ligne->substr(0, egal);
    const std::string_view valeur = ligne->substr(egal + 1);
    if (cle == "chemin") {
      chemin = lireValeur(valeur);
    } else if (cle == "nom") {
      nom = lireValeur(valeur);
    } else if (cle == "encodage") {
      encodage = valeur == "latin1" || valeur == "utf8";
      copie.encodage = valeur == "utf8" ? EncodageCopie::Utf8 : EncodageCopie::Latin1;
    } else if (cle == "bom") {
      copie.bom = valeur == "1";
    } else if (cle == "fin-de-ligne") {
      finDeLigne = valeur == "crlf" || valeur == "lf";
      copie.crlf = valeur == "crlf";
    } else if (cle == "date") {
      date = lireNombre(valeur);
    } else if (cle == "taille") {
      taille = lireNombre(valeur);
    }  // a key of a later version is skipped
  }
  if (!chemin || !nom || !encodage || !finDeLigne || !date || !taille) return std::nullopt;
  if (*taille < 0 || static_cast<std::uint64_t>(*taille) != octets.size()) return std::nullopt;  // cut short
  auto texte = depuisUtf8(octets);
  if (!texte) return std::nullopt;
  copie.chemin = std::move(*chemin);
  copie.nom = std::move(*nom);
  copie.date = *date;
  copie.texte = std::move(*texte);
  return copie;
}

std::u16string premiereLigne(std::u16string_view texte, std::size_t longueur) {
  while (!texte.empty()) {
    const std::size_t fin = texte.find(u'\n');
    std::u16string_view ligne = texte.substr(0, fin);
    texte = fin == std::u16string_view::npos ? std::u16string_view() : texte.substr(fin + 1);
    while (!ligne.empty() && estBlanc(ligne.front())) ligne.remove_prefix(1);
    while (!ligne.empty() && estBlanc(ligne.back())) ligne.remove_suffix(1);
    if (ligne.empty()) continue;
    if (ligne.size() <= longueur) return std::u16string(ligne);
    std::size_t coupe = longueur;
    if (coupe > 0 && estHaut(ligne[coupe - 1])) --coupe;  // never half a character
    return std::u16string(ligne.substr(0, coupe)) + u"…";
  }
  return {};
}

}  // namespace quillomat
