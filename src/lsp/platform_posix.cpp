#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <system_error>

#include "lsp/platform.hpp"

namespace quillomat::lsp {

void preparerEntreesSorties() { std::signal(SIGPIPE, SIG_IGN); }

void garderLaMemoireLiberee() {
#ifdef __GLIBC__
  // A check of the longest script uses a few megabytes at most.
  constexpr int kSeuil = 64 << 20;
  mallopt(M_TRIM_THRESHOLD, kSeuil);
  mallopt(M_MMAP_THRESHOLD, kSeuil);
#endif
}

long lireEntree(char* tampon, size_t taille) {
  for (;;) {
    const ssize_t n = read(0, tampon, taille);
    if (n >= 0) return static_cast<long>(n);
    if (errno != EINTR) return -1;
  }
}

bool ecrireSortie(std::string_view octets) {
  return std::fwrite(octets.data(), 1, octets.size(), stdout) == octets.size() && std::fflush(stdout) == 0;
}

std::filesystem::path dossierDuProgramme(const char* argv0) {
  std::error_code ec;
  const auto lien = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return lien.parent_path();
  return std::filesystem::absolute(argv0, ec).parent_path();
}

bool cheminsWindows() { return false; }

}  // namespace quillomat::lsp
