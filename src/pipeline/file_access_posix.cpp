#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pipeline/file_access.hpp"

namespace quillomat {

std::FILE* ouvrirEnLecture(const std::filesystem::path& file) { return std::fopen(file.c_str(), "rb"); }

std::FILE* ouvrirSansVider(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) ::close(fd);
  return f;
}

bool couperA(std::FILE* f, size_t taille) {
  if (std::fflush(f) != 0) return false;
  struct stat etat {};
  const int fd = ::fileno(f);
  if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) || static_cast<size_t>(etat.st_size) == taille) return true;
  return ::ftruncate(fd, static_cast<off_t>(taille)) == 0;
}

void supprimerFichier(const std::filesystem::path& file) { std::remove(file.c_str()); }

}  // namespace quillomat
