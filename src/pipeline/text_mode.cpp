#include "pipeline/text_mode.hpp"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "pipeline/file_access.hpp"

namespace quillomat {
namespace {

struct FermerFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermerFichier>;

// Cuts what is left of the old contents after the `taille` bytes written, and closes.
bool terminer(Fichier f, size_t taille, bool ecrit) {
  const bool ok = ecrit && couperA(f.get(), taille);
  return std::fclose(f.release()) == 0 && ok;
}

}  // namespace

std::optional<std::string> lireBinaire(const std::filesystem::path& file) {
  Fichier f(ouvrirEnLecture(file));
  if (!f) return std::nullopt;
  // Read straight into the string, sized once from the file's size: a
  // growing string would copy the script again at every doubling. A file
  // that grows meanwhile, or reports no size, is read on in steps.
  std::error_code ec;
  const auto taille = std::filesystem::file_size(file, ec);
  std::string out(ec ? 0 : static_cast<size_t>(taille) + 1, '\0');
  size_t lu = 0;
  for (;;) {
    if (lu == out.size()) out.resize(out.size() + 65536);
    const size_t n = std::fread(out.data() + lu, 1, out.size() - lu, f.get());
    lu += n;
    if (n == 0) break;
  }
  if (std::ferror(f.get())) return std::nullopt;  // a directory opens but cannot be read
  out.resize(lu);
  return out;
}

std::optional<std::string> lireTexte(const std::filesystem::path& file) {
  auto bytes = lireBinaire(file);
  if (!bytes) return std::nullopt;
  std::string& s = *bytes;
  if (finsDeLigneCR(s)) {
    std::replace(s.begin(), s.end(), '\r', '\n');
    return bytes;
  }
  // In place: the text is never longer than the bytes.
  size_t ecrit = 0;
  for (size_t i = 0; i < s.size(); ++i)
    if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) s[ecrit++] = s[i];
  s.resize(ecrit);
  return bytes;
}

bool ecrireBinaire(const std::filesystem::path& file, std::string_view bytes) {
  Fichier f(ouvrirSansVider(file));
  if (!f) return false;
  const bool ecrit = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  return terminer(std::move(f), bytes.size(), ecrit);
}

bool ecrireTexte(const std::filesystem::path& file, std::string_view text) {
  // Line by line through the stream's buffer, without a second copy of the text.
  Fichier f(ouvrirSansVider(file));
  if (!f) return false;
  bool ok = true;
  size_t debut = 0, taille = text.size();
  for (size_t lf = text.find('\n'); lf != std::string_view::npos && ok; lf = text.find('\n', lf + 1)) {
    ok = std::fwrite(text.data() + debut, 1, lf - debut, f.get()) == lf - debut &&
         std::fwrite("\r\n", 1, 2, f.get()) == 2;
    debut = lf + 1;
    ++taille;
  }
  if (ok && debut < text.size())
    ok = std::fwrite(text.data() + debut, 1, text.size() - debut, f.get()) == text.size() - debut;
  return terminer(std::move(f), taille, ok);
}

bool finsDeLigneCR(std::string_view bytes) {
  return bytes.find('\n') == std::string_view::npos && bytes.find('\r') != std::string_view::npos;
}

// Both conversions copy whole runs between two line ends at once.
std::string versModeTexteLecture(std::string_view bytes) {
  if (finsDeLigneCR(bytes)) {
    std::string out(bytes);
    std::replace(out.begin(), out.end(), '\r', '\n');
    return out;
  }
  std::string out;
  out.reserve(bytes.size());
  size_t debut = 0;
  for (size_t cr = bytes.find('\r'); cr != std::string_view::npos; cr = bytes.find('\r', cr + 1)) {
    if (cr + 1 < bytes.size() && bytes[cr + 1] == '\n') {
      out.append(bytes.substr(debut, cr - debut));
      debut = cr + 1;
    }
  }
  out.append(bytes.substr(debut));
  return out;
}

std::string versModeTexteEcriture(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  size_t debut = 0;
  for (size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) {
    out.append(text.substr(debut, lf - debut));
    out += "\r\n";
    debut = lf + 1;
  }
  out.append(text.substr(debut));
  return out;
}

void supprimer(const std::filesystem::path& file) { supprimerFichier(file); }

}  // namespace quillomat
