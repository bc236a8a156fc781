// Windows locks byte ranges of files, not directories, and a lock file would
// be a stray file in the user's folder. The closest equivalent of flock on
// the directory is a named mutex whose name is the directory's identity
// (volume serial number and file index, the same however the path is
// spelled): it blocks like flock, leaves nothing on the disk, and is released
// when its process ends, even by a crash. "Global\" makes runs of every
// session take turns; a mutex another user made and we may not open falls
// back to this session's "Local\" one.
#include <windows.h>

#include <cstdio>

#include "cli/directory_lock.hpp"

namespace quillomat {
namespace {

// The directory's identity, or nothing when it cannot be opened.
std::wstring identite(const std::filesystem::path& dossier) {
  // FILE_FLAG_BACKUP_SEMANTICS opens a directory; asking for no access right
  // is enough to read its identity and never hinders anyone.
  HANDLE h = ::CreateFileW(dossier.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  BY_HANDLE_FILE_INFORMATION info{};
  const bool lu = ::GetFileInformationByHandle(h, &info);
  ::CloseHandle(h);
  if (!lu) return {};
  wchar_t nom[64];
  std::swprintf(nom, 64, L"quillomat-check-%08lx-%08lx%08lx", info.dwVolumeSerialNumber, info.nFileIndexHigh,
                info.nFileIndexLow);
  return nom;
}

}  // namespace

VerrouDossier::VerrouDossier(const std::filesystem::path& dossier) {
  const std::wstring nom = identite(dossier);
  if (nom.empty()) return;
  HANDLE m = ::CreateMutexW(nullptr, FALSE, (L"Global\\" + nom).c_str());
  if (m == nullptr) m = ::CreateMutexW(nullptr, FALSE, (L"Local\\" + nom).c_str());
  if (m == nullptr) return;
  const DWORD r = ::WaitForSingleObject(m, INFINITE);
  // WAIT_ABANDONED: the last holder died holding it; the lock is ours all the same.
  if (r != WAIT_OBJECT_0 && r != WAIT_ABANDONED) {
    ::CloseHandle(m);
    return;
  }
  poignee_ = reinterpret_cast<std::intptr_t>(m);
  tenu_ = true;
}

VerrouDossier::~VerrouDossier() {
  if (!tenu_) return;
  HANDLE m = reinterpret_cast<HANDLE>(poignee_);
  ::ReleaseMutex(m);
  ::CloseHandle(m);
}

}  // namespace quillomat
