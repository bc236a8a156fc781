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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage : quillomat-gen DOSSIER\n");
    return 2;
  }
  const std::filesystem::path dossier = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dossier, ec);
  bool ok = ecrire(dossier / "typique-300.txt", quillomat::bench::scriptTypique());
  for (int lignes : {625, 1250, 2500, 4998})
    ok = ecrire(dossier / ("stress-" + std::to_string(lignes) + ".txt"), quillomat::bench::scriptStress(lignes)) && ok;
  if (!ok) {
    std::fprintf(stderr, "impossible d'écrire dans %s\n", argv[1]);
    return 1;
  }
  return 0;
}
