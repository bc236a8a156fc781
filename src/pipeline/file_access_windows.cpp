// Paths are UTF-16 on Windows: the wide functions of the C library take them
// whole, whatever the ANSI code page. Binary mode everywhere, or the library
// would turn LF into CR LF behind the text mode's back.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "pipeline/file_access.hpp"

namespace quillomat {

std::FILE* ouvrirEnLecture(const std::filesystem::path& file) { return ::_wfopen(file.c_str(), L"rb"); }

std::FILE* ouvrirSansVider(const std::filesystem::path& file) {
  const int fd = ::_wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* f = ::_fdopen(fd, "wb");
  if (!f) ::_close(fd);
  return f;
}

bool couperA(std::FILE* f, size_t taille) {
  if (std::fflush(f) != 0) return false;
  struct _stat64 etat {};
  const int fd = ::_fileno(f);
  if (::_fstat64(fd, &etat) != 0 || (etat.st_mode & _S_IFMT) != _S_IFREG ||
      static_cast<size_t>(etat.st_size) == taille)
    return true;
  return ::_chsize_s(fd, static_cast<long long>(taille)) == 0;
}

void supprimerFichier(const std::filesystem::path& file) { ::_wremove(file.c_str()); }

}  // namespace quillomat
