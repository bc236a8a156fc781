#include "cli/directory_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace quillomat {

VerrouDossier::VerrouDossier(const std::filesystem::path& dossier) {
  poignee_ = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (poignee_ < 0) return;
  int r;
  do {
    r = ::flock(static_cast<int>(poignee_), LOCK_EX);
  } while (r != 0 && errno == EINTR);
  tenu_ = r == 0;
}

VerrouDossier::~VerrouDossier() {
  // Closing the descriptor releases the lock.
  if (poignee_ >= 0) ::close(static_cast<int>(poignee_));
}

}  // namespace quillomat
