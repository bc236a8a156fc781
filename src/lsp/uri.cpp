#include "lsp/uri.hpp"

#include "app/core/small_commands.hpp"
#include "lsp/platform.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat::lsp {
namespace {

constexpr std::string_view kSchema = "file:";
constexpr char kHexa[] = "0123456789ABCDEF";

int valeurHexa(char c) {
  if (estChiffre(c)) return c - '0';
  const char m = enMinuscule(c);
  return m >= 'a' && m <= 'f' ? m - 'a' + 10 : -1;
}

// %XX sequences decoded; a '%' not followed by two hex digits stays as it is.
std::string decoderPourcents(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && valeurHexa(s[i + 1]) >= 0 &&
        valeurHexa(s[i + 2]) >= 0) {
      out += static_cast<char>(valeurHexa(s[i + 1]) * 16 + valeurHexa(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

bool estNonReserve(char c) { return estLettre(c) || estChiffre(c) || c == '-' || c == '.' || c == '_' || c == '~'; }

}  // namespace

std::optional<std::string> cheminTexteDeUri(std::string_view uri, bool windows) {
  if (uri.size() < kSchema.size() || enMinuscules(uri.substr(0, kSchema.size())) != kSchema) return std::nullopt;
  uri.remove_prefix(kSchema.size());
  std::string_view hote;
  if (uri.substr(0, 2) == "//") {
    uri.remove_prefix(2);
    const size_t barre = uri.find('/');
    hote = uri.substr(0, barre);
    uri = barre == std::string_view::npos ? std::string_view() : uri.substr(barre);
  }
  const size_t fin = uri.find_first_of("?#");
  std::string chemin = decoderPourcents(uri.substr(0, fin));
  if (chemin.empty()) chemin.push_back('/');
  if (windows) {
    if (chemin.size() >= 3 && chemin[0] == '/' && estLettre(chemin[1]) && chemin[2] == ':') chemin.erase(0, 1);
    if (!hote.empty() && enMinuscules(hote) != "localhost") {
      std::string partage = "//";
      partage += decoderPourcents(hote);
      chemin.insert(0, partage);
    }
  }
  return chemin;
}

std::optional<std::filesystem::path> cheminDeUri(std::string_view uri) {
  const auto texte = cheminTexteDeUri(uri, cheminsWindows());
  if (!texte) return std::nullopt;
  return std::filesystem::path(std::u8string(texte->begin(), texte->end()));
}

std::string lienPageAide(const std::filesystem::path& dossierProgramme) {
  const auto page = trouverFichierDonnees("AideDebug.htm", {}, dossierProgramme);
  if (!page) return {};
  std::error_code ec;
  const auto absolu = std::filesystem::weakly_canonical(std::filesystem::absolute(*page, ec), ec);
  return uriDeChemin(ec ? *page : absolu);
}

std::string uriDeChemin(const std::filesystem::path& chemin) {
  const std::u8string u8 = chemin.generic_u8string();
  const std::string_view generique(reinterpret_cast<const char*>(u8.data()), u8.size());
  std::string out(kSchema);
  out += generique.substr(0, 2) == "//" ? "" : generique.substr(0, 1) == "/" ? "//" : "///";
  for (char c : generique) {
    if (estNonReserve(c) || c == '/' || c == ':') {
      out += c;
    } else {
      const auto o = static_cast<unsigned char>(c);
      out += '%';
      out += kHexa[o >> 4];
      out += kHexa[o & 0xF];
    }
  }
  return out;
}

}  // namespace quillomat::lsp
