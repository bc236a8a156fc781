#include "pipeline/text_mode.hpp"

#include <cstdio>
#include <memory>

namespace quillomat {
namespace {

struct FermerFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermerFichier>;

Fichier ouvrir(const std::filesystem::path& file, const char* mode) {
  return Fichier(std::fopen(file.c_str(), mode));
}

}  // namespace

std::optional<std::string> lireBinaire(const std::filesystem::path& file) {
  Fichier f = ouvrir(file, "rb");
  if (!f) return std::nullopt;
  std::string out;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) out.append(buffer, n);
  if (std::ferror(f.get())) return std::nullopt;  // a directory opens but cannot be read
  return out;
}

std::optional<std::string> lireTexte(const std::filesystem::path& file) {
  auto bytes = lireBinaire(file);
  if (!bytes) return std::nullopt;
  return versModeTexteLecture(*bytes);
}

bool ecrireBinaire(const std::filesystem::path& file, std::string_view bytes) {
  Fichier f = ouvrir(file, "wb");
  if (!f) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) return false;
  return std::fclose(f.release()) == 0;
}

bool ecrireTexte(const std::filesystem::path& file, std::string_view text) {
  return ecrireBinaire(file, versModeTexteEcriture(text));
}

std::string versModeTexteLecture(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out += bytes[i];
  }
  return out;
}

std::string versModeTexteEcriture(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void supprimer(const std::filesystem::path& file) { std::remove(file.c_str()); }

}  // namespace quillomat
