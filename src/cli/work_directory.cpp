#include "cli/work_directory.hpp"

#include "cli/platform.hpp"

namespace quillomat {

std::optional<DossierPrive> DossierPrive::creer() {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) return std::nullopt;
  auto chemin = creerDossierUnique(base);
  if (!chemin) return std::nullopt;
  return DossierPrive(std::move(*chemin));
}

DossierPrive::DossierPrive(DossierPrive&& autre) noexcept : chemin_(std::move(autre.chemin_)) { autre.chemin_.clear(); }

DossierPrive::~DossierPrive() {
  if (chemin_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(chemin_, ec);
}

}  // namespace quillomat
