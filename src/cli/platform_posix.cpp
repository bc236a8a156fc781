#include <stdlib.h>

#include "cli/platform.hpp"

namespace quillomat {

void preparerFluxStandard() {}

std::vector<std::string> argumentsDuProgramme(int argc, char** argv) { return {argv, argv + argc}; }

void ecrireSortie(std::FILE* flux, std::string_view utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), flux);
  std::fflush(flux);
}

// File names are bytes: kept as typed, whatever their encoding.
std::filesystem::path versChemin(const std::string& nom) { return nom; }
std::string depuisChemin(const std::filesystem::path& chemin) { return chemin.native(); }
std::string cheminGenerique(const std::string& nom) { return nom; }

std::optional<std::filesystem::path> creerDossierUnique(const std::filesystem::path& base) {
  // mkdtemp picks a name nobody holds and creates it readable by its owner only.
  std::string modele = (base / "quillomat-XXXXXX").native();
  if (::mkdtemp(modele.data()) == nullptr) return std::nullopt;
  return std::filesystem::path(modele);
}

}  // namespace quillomat
