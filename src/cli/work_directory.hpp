// A private directory for the work files of one script, under the system's
// temporary directory, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <optional>

namespace quillomat {

class DossierPrive {
 public:
  // Nothing when no directory could be created.
  static std::optional<DossierPrive> creer();
  ~DossierPrive();
  DossierPrive(DossierPrive&& autre) noexcept;
  DossierPrive& operator=(DossierPrive&&) = delete;
  DossierPrive(const DossierPrive&) = delete;
  DossierPrive& operator=(const DossierPrive&) = delete;
  const std::filesystem::path& chemin() const { return chemin_; }

 private:
  explicit DossierPrive(std::filesystem::path chemin) : chemin_(std::move(chemin)) {}
  std::filesystem::path chemin_;
};

}  // namespace quillomat
