// Writes the benchmark scripts into a directory, for runs by hand
// (quillomat-check, hyperfine, the editor).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "script_generator.hpp"

namespace {

bool ecrire(const std::filesystem::path& chemin, const std::string& texte) {
  std::ofstream f(chemin, std::ios::binary);
  f << texte;
  return static_cast<bool>(f);
}

constexpr const char* kAide =
    "Utilisation : quillomat-gen DOSSIER\n\n"
    "Écrit dans DOSSIER (créé au besoin) les scripts de mesure et de test du quillomat :\n"
    "typique-300.txt, un script ordinaire de 300 lignes, et stress-625.txt, stress-1250.txt,\n"
    "stress-2500.txt, stress-4998.txt, des scripts de ce nombre de lignes, riches en constats.\n"
    "Les fichiers du même nom sont remplacés.\n\n"
    "  -h, --help  affiche cette aide et quitte\n"
    "  --          la suite est le dossier, même s'il commence par « - »\n";

}  // namespace

int main(int argc, char** argv) {
  const char* nom = nullptr;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (options && (a == "-h" || a == "--help")) {
      std::fputs(kAide, stdout);
      return 0;
    }
    if (options && a == "--") {
      options = false;
    } else if (options && a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "Erreur : option inconnue « %s » (aide : quillomat-gen --help).\n", argv[i]);
      return 2;
    } else if (nom) {
      std::fprintf(stderr, "Erreur : un seul dossier (aide : quillomat-gen --help).\n");
      return 2;
    } else {
      nom = argv[i];
    }
  }
  if (!nom) {
    std::fprintf(stderr, "Erreur : dossier manquant (aide : quillomat-gen --help).\n");
    return 2;
  }
  const std::filesystem::path dossier = nom;
  std::error_code ec;
  std::filesystem::create_directories(dossier, ec);
  bool ok = ecrire(dossier / "typique-300.txt", quillomat::bench::scriptTypique());
  for (int lignes : {625, 1250, 2500, 4998})
    ok = ecrire(dossier / ("stress-" + std::to_string(lignes) + ".txt"), quillomat::bench::scriptStress(lignes)) && ok;
  if (!ok) {
    std::fprintf(stderr, "impossible d'écrire dans %s\n", nom);
    return 1;
  }
  return 0;
}
