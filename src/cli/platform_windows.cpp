#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <random>

#include "cli/platform.hpp"

namespace quillomat {
namespace {

std::wstring versUtf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string versUtf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n =
      ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// The console handle behind `flux`, or null when it goes to a file or a pipe.
HANDLE console(std::FILE* flux) {
  if (flux != stdout && flux != stderr) return nullptr;
  HANDLE h = ::GetStdHandle(flux == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  DWORD mode = 0;
  return h != INVALID_HANDLE_VALUE && h != nullptr && ::GetConsoleMode(h, &mode) ? h : nullptr;
}

}  // namespace

void preparerFluxStandard() {
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

std::vector<std::string> argumentsDuProgramme(int argc, char** argv) {
  int n = 0;
  LPWSTR* larges = ::CommandLineToArgvW(::GetCommandLineW(), &n);
  if (larges == nullptr) return {argv, argv + argc};
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back(versUtf8(larges[i]));
  ::LocalFree(larges);
  return out;
}

void ecrireSortie(std::FILE* flux, std::string_view utf8) {
  HANDLE h = console(flux);
  if (h == nullptr) {
    std::fwrite(utf8.data(), 1, utf8.size(), flux);
    std::fflush(flux);
    return;
  }
  // The console shows UTF-16 whatever its code page; LF alone ends a line there.
  std::fflush(flux);
  const std::wstring texte = versUtf16(utf8);
  // In pieces: older consoles refuse long writes. A piece never ends between
  // the two halves of a surrogate pair.
  constexpr size_t kMorceau = 8192;
  for (size_t debut = 0; debut < texte.size();) {
    size_t n = std::min(kMorceau, texte.size() - debut);
    if (debut + n < texte.size() && IS_HIGH_SURROGATE(texte[debut + n - 1])) --n;
    DWORD ecrits = 0;
    if (!::WriteConsoleW(h, texte.data() + debut, static_cast<DWORD>(n), &ecrits, nullptr) || ecrits == 0) return;
    debut += ecrits;
  }
}

std::filesystem::path versChemin(const std::string& nom) { return std::filesystem::path(versUtf16(nom)); }
std::string depuisChemin(const std::filesystem::path& chemin) { return versUtf8(chemin.native()); }

std::string cheminGenerique(const std::string& nom) {
  std::string out = nom;
  std::replace(out.begin(), out.end(), '\\', '/');
  const bool lecteur = out.size() >= 2 && out[1] == ':' && ((out[0] | 0x20) >= 'a' && (out[0] | 0x20) <= 'z');
  return lecteur ? "/" + out : out;
}

std::optional<std::filesystem::path> creerDossierUnique(const std::filesystem::path& base) {
  // The temporary folder lies in the user's profile, which only its owner
  // may read: a directory created there inherits that, as mkdtemp's 0700
  // does on POSIX systems. CreateDirectoryW fails on a name already taken.
  std::random_device alea;
  for (int essai = 0; essai < 100; ++essai) {
    wchar_t nom[32];
    ::swprintf(nom, 32, L"quillomat-%08x%04lx", alea(), ::GetCurrentProcessId() & 0xFFFF);
    const std::filesystem::path chemin = base / nom;
    if (::CreateDirectoryW(chemin.c_str(), nullptr)) return chemin;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace quillomat
