// Two quillomat-check runs in one directory share its work copy and its
// report: a lock on the directory itself makes them take turns, without
// adding any file to it (directory_lock_posix.cpp, directory_lock_windows.cpp).
#pragma once

#include <cstdint>
#include <filesystem>

namespace quillomat {

class VerrouDossier {
 public:
  // Waits until no other run holds the lock of `dossier`. When the directory
  // cannot be opened or locked, the run goes on unlocked, as it did before.
  explicit VerrouDossier(const std::filesystem::path& dossier);
  ~VerrouDossier();
  VerrouDossier(const VerrouDossier&) = delete;
  VerrouDossier& operator=(const VerrouDossier&) = delete;
  bool tenu() const { return tenu_; }

 private:
  std::intptr_t poignee_ = -1;  // a descriptor, or a Windows handle
  bool tenu_ = false;
};

}  // namespace quillomat
