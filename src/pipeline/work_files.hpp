// The four work files of a check run. Their records live in memory for the
// run (so that a 5000-line script is checked in milliseconds); the files are
// created empty on disk at the start of the run, written out as far as the
// run got when it fails, and deleted after the report is written.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pipeline/records.hpp"

namespace quillomat {

enum class WorkFile { Findings, Identifiers, Marks, Attachments };

inline constexpr std::string_view kFichierScript = "ScriptVaelmoor.txt";
inline constexpr std::string_view kFichierRapport = "Correction de ScriptVaelmoor.txt";

std::string_view nomFichier(WorkFile f);  // "DbTempKVR4", "InfTempKVR4", ...

// "InfTempKVR4": identifier records, with an index by lower-cased name.
class IdentifierFile {
 public:
  const std::vector<IdentifierRecord>& records() const { return records_; }
  // Indices of the records whose lower-cased name is `nomMinuscule`, in file order.
  const std::vector<size_t>& avecNom(const std::string& nomMinuscule) const;
  void ajouter(IdentifierRecord r);
  void reecrire(size_t index, int32_t kind, std::string name);

 private:
  std::vector<IdentifierRecord> records_;
  std::unordered_map<std::string, std::vector<size_t>> parNom_;
};

class WorkFiles {
 public:
  // Work files in memory only, every one available: for checks driven without a directory.
  WorkFiles() = default;
  // Work files of a run in `dir`.
  explicit WorkFiles(std::filesystem::path dir);

  std::filesystem::path chemin(WorkFile f) const { return dir_ / std::string(nomFichier(f)); }

  // Deletes the four files on disk, ignoring failures.
  void supprimerTous() const;
  // Creates the four files empty on disk and empties the records. A file that
  // cannot be created is unavailable for the rest of the run.
  void creerTous();
  bool disponible(WorkFile f) const { return disponible_[static_cast<size_t>(f)]; }
  // Throws ArretFatal naming the file and the source unit `unite` when the
  // file is unavailable.
  void exiger(WorkFile f, std::string_view unite) const;
  // Writes the records to the files that exist, as a run that stops here leaves them.
  void ecrireSurDisque() const;

  std::vector<FindingRecord> findings;
  IdentifierFile identifiers;
  std::vector<ScriptKindMark> marks;
  std::vector<AttachmentRecord> attachments;

 private:
  std::filesystem::path dir_;
  bool surDisque_ = false;
  std::array<bool, 4> disponible_{true, true, true, true};
};

}  // namespace quillomat
