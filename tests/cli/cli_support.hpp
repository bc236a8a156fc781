// Runs of the quillomat-check program for the command-line tests.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/encoding.hpp"
#include "test_support.hpp"

namespace quillomat::test {

struct Sortie {
  int statut;
  std::string texte;
};

// A word for the shell, between single quotes.
inline std::string citer(const std::string& mot) {
  std::string out = "'";
  for (char c : mot) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs quillomat-check in `dir` with LC_ALL=C (output must be UTF-8 all the
// same). `redirections` is shell text, e.g. "< script.txt" or "2>/dev/null";
// standard error goes with standard output unless redirected.
inline Sortie lancerCheck(const std::filesystem::path& dir, const std::string& args,
                          const std::string& redirections = "2>&1", const std::string& env = "") {
  const std::string commande = "cd " + citer(dir.string()) + " && LC_ALL=C " + env + " " +
                               citer(QUILLOMAT_CHECK_BINARY) + " " + args + " " + redirections;
  std::unique_ptr<FILE, int (*)(FILE*)> p(popen(commande.c_str(), "r"), pclose);
  std::string out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p.get())) > 0) out.append(buffer, n);
  const int statut = pclose(p.release());
  return {WEXITSTATUS(statut), out};
}

// The report of `script` checked alone, as quillomat-check shows it.
inline std::string rapportAttendu(std::string_view script, const SettingsRecord& reglages = {}) {
  return latin1VersUtf8(rapportDe(script, reglages));
}

// Every file under `dir` with its bytes, to tell that a run left a folder as it was.
inline std::vector<std::pair<std::string, std::string>> instantane(const std::filesystem::path& dir) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
    out.emplace_back(e.path().string(), e.is_regular_file() ? lireBinaire(e.path()).value_or("?") : "<dossier>");
  std::sort(out.begin(), out.end());
  return out;
}

inline std::string fichierExemple() { return lireBinaire(std::string(QUILLOMAT_DATA_DIR) + "/exemple.txt").value(); }

}  // namespace quillomat::test
