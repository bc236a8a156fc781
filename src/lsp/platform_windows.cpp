#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <system_error>

#include "lsp/platform.hpp"

namespace quillomat::lsp {

void preparerEntreesSorties() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
}

void garderLaMemoireLiberee() {}

long lireEntree(char* tampon, size_t taille) {
  const int n = _read(0, tampon, static_cast<unsigned>(taille));
  return n < 0 ? -1 : n;
}

bool ecrireSortie(std::string_view octets) {
  return std::fwrite(octets.data(), 1, octets.size(), stdout) == octets.size() && std::fflush(stdout) == 0;
}

std::filesystem::path dossierDuProgramme(const char* argv0) {
  wchar_t chemin[32768];
  const DWORD n = GetModuleFileNameW(nullptr, chemin, static_cast<DWORD>(std::size(chemin)));
  if (n > 0 && n < std::size(chemin)) return std::filesystem::path(chemin).parent_path();
  std::error_code ec;
  return std::filesystem::absolute(argv0, ec).parent_path();
}

bool cheminsWindows() { return true; }

}  // namespace quillomat::lsp
