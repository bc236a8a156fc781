#include "cli/work_directory.hpp"

#include <stdlib.h>

#include <string>

namespace quillomat {

std::optional<DossierPrive> DossierPrive::creer() {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) return std::nullopt;
  // mkdtemp picks a name nobody holds and creates it readable by its owner only.
  std::string modele = (base / "quillomat-XXXXXX").native();
  if (::mkdtemp(modele.data()) == nullptr) return std::nullopt;
  return DossierPrive(std::filesystem::path(modele));
}

DossierPrive::DossierPrive(DossierPrive&& autre) noexcept : chemin_(std::move(autre.chemin_)) { autre.chemin_.clear(); }

DossierPrive::~DossierPrive() {
  if (chemin_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(chemin_, ec);
}

}  // namespace quillomat
