#include "lsp/platform.hpp"

#include <cstdio>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace quillomat::lsp {

#ifdef _WIN32

void preparerEntreesSorties() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

long lireEntree(char* tampon, size_t taille) {
  const int n = _read(0, tampon, static_cast<unsigned>(taille));
  return n < 0 ? -1 : n;
}

std::filesystem::path dossierDuProgramme(const char* argv0) {
  wchar_t chemin[32768];
  const DWORD n = GetModuleFileNameW(nullptr, chemin, static_cast<DWORD>(std::size(chemin)));
  if (n > 0 && n < std::size(chemin)) return std::filesystem::path(chemin).parent_path();
  std::error_code ec;
  return std::filesystem::absolute(argv0, ec).parent_path();
}

#else

void preparerEntreesSorties() { std::signal(SIGPIPE, SIG_IGN); }

long lireEntree(char* tampon, size_t taille) {
  for (;;) {
    const ssize_t n = read(0, tampon, taille);
    if (n >= 0) return static_cast<long>(n);
    if (errno != EINTR) return -1;
  }
}

std::filesystem::path dossierDuProgramme(const char* argv0) {
  std::error_code ec;
  const auto lien = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return lien.parent_path();
  return std::filesystem::absolute(argv0, ec).parent_path();
}

#endif

bool ecrireSortie(std::string_view octets) {
  return std::fwrite(octets.data(), 1, octets.size(), stdout) == octets.size() && std::fflush(stdout) == 0;
}

}  // namespace quillomat::lsp
