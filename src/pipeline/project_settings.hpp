// The settings file a mod keeps beside its scripts: ".quillomat" in the
// script's folder or a folder above it, lines "clé = valeur", comments after
// '#' or ';'. Its settings override the preferences record; the options of a
// command line override it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/options_verification.hpp"
#include "pipeline/records.hpp"
#include "pipeline/suppressions.hpp"

namespace quillomat {

inline constexpr std::string_view kFichierReglagesProjet = ".quillomat";

struct ReglagesProjet {
  std::filesystem::path fichier;     // the file read; empty when there is none
  std::vector<std::string> ignorer;  // codes, in capitals
  std::optional<int> scriptKind;
  std::optional<int> vlseDependent;
  std::optional<int> hideAlerts;
  std::optional<bool> signalerInutiles;
  std::optional<bool> vlseEtendu;
  std::filesystem::path catalogue;  // empty: none; a relative path is taken from the file's folder

  // The preferences with the settings of the file in their place.
  SettingsRecord appliquer(SettingsRecord r) const;
  Consignes consignes() const;
  // The later syntax and its catalogue as the file asks, over `base`;
  // `erreur` (Latin-1, "Erreur : ...") when the catalogue cannot be read. The
  // catalogue is read only with the later syntax.
  OptionsVerification options(std::string& erreur, OptionsVerification base = {}) const;
};

struct ErreurReglages {
  int ligne = 0;       // 1-based; 0 when the file could not be read
  std::string detail;  // Latin-1
};

struct LectureReglagesProjet {
  ReglagesProjet reglages;
  std::optional<ErreurReglages> erreur;  // set: nothing of the file applies
};

// Reads the text of a settings file (Latin-1 or UTF-8). `fichier` is where it
// was read from: it names the file and anchors relative paths.
LectureReglagesProjet lireReglagesProjet(std::string_view contenu, const std::filesystem::path& fichier = {});

// Reads `fichier`; an error when it cannot be read.
LectureReglagesProjet chargerReglagesProjet(const std::filesystem::path& fichier);

// The nearest ".quillomat" in `dossier` or a folder above it.
std::optional<std::filesystem::path> trouverReglagesProjet(const std::filesystem::path& dossier);

// The settings of a script's folder: none (no file, empty settings) or the nearest file's.
LectureReglagesProjet reglagesDuDossier(const std::filesystem::path& dossier);

// The settings a script is checked with in the editor: the preferences, then
// the settings file of the script's folder (none for a script never saved);
// the file's options override `base`.
struct ReglagesDuScript {
  SettingsRecord reglages;
  Consignes consignes;
  std::string erreur;  // Latin-1, the message when the settings file cannot be used
  OptionsVerification options;
};
ReglagesDuScript reglagesDuScript(const SettingsRecord& preferences, const std::filesystem::path& dossierDuScript,
                                  const OptionsVerification& base = {});

// "Erreur : fichier de réglages "NOM", ligne N : ..." (Latin-1 but for `nom`,
// given as the caller shows file names), without a line end.
std::string messageErreurReglages(std::string_view nom, const ErreurReglages& erreur);

// The keys a settings file knows, in the order the help lists them.
std::vector<std::string_view> clesReglagesProjet();

}  // namespace quillomat
