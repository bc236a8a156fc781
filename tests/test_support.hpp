// Shared helpers of the tests: checkers run on in-memory work files, and whole
// check runs in fresh temporary directories.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "functions/catalogue.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/records.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat::test {

// A fresh directory under the system's temporary directory, removed at the end.
class DossierTemporaire {
 public:
  DossierTemporaire() {
    static int compteur = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("quillomat-test-" + std::to_string(::getpid()) + "-" + std::to_string(++compteur));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~DossierTemporaire() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;
  const std::filesystem::path& chemin() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

// A checker bench: in-memory work files and one context.
struct Banc {
  WorkFiles wf;
  int vlse = 0;
  int scriptKind = 0;

  // Runs `check` with `row` on `text` as line index `line`.
  int appeler(Checker check, Row row, std::string_view text, int line = 0) {
    Context ctx{wf, line, vlse, scriptKind};
    const std::string copie(text);
    const Text t(copie);
    return check(ctx, t, row);
  }
  int valeur(std::string_view text, int line = 0) {
    Context ctx{wf, line, vlse, scriptKind};
    return reconnaitreValeur(ctx, text);
  }
  // The finding texts, in the order they were appended.
  std::vector<std::string> textes() const {
    std::vector<std::string> out;
    for (const auto& f : wf.findings) out.push_back(f.text);
    return out;
  }
  // The identifier records, as "name:kind".
  std::vector<std::string> ids() const {
    std::vector<std::string> out;
    for (const auto& r : wf.identifiers.records()) out.push_back(r.name + ":" + std::to_string(r.kind));
    return out;
  }
};

// "    - Ligne N" + message.
inline std::string ligne(int numero, std::string_view message) {
  return "    - Ligne " + std::to_string(numero) + std::string(message);
}

// A whole check run of `script` (bytes as on disk) in a fresh directory;
// returns the report as read in text mode, or the result code as "code N".
inline std::string rapportDe(std::string_view script, const SettingsRecord& reglages = {}) {
  DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", script);
  const int code = EnchaineTests(dir.chemin(), reglages.showInfo, reglages.scriptKind, reglages.vlseDependent,
                                 reglages.hideAlerts);
  if (code != kSucces) return "code " + std::to_string(code);
  return lireTexte(dir.chemin() / "Correction de ScriptVaelmoor.txt").value_or("absent");
}

// The finding lines of a report (between the list header and the first blank line).
inline std::vector<std::string> erreursDuRapport(const std::string& rapport) {
  std::vector<std::string> out;
  const std::string entete = " Liste des erreurs :\n---------------------\n";
  size_t p = rapport.find(entete);
  if (p == std::string::npos) return out;
  p += entete.size();
  while (p < rapport.size() && rapport[p] != '\n') {
    size_t e = rapport.find('\n', p);
    if (e == std::string::npos) e = rapport.size();
    out.push_back(rapport.substr(p, e - p));
    p = e + 1;
  }
  return out;
}

}  // namespace quillomat::test
