// The command line of quillomat-check: what to check, how to show it, and the
// settings that override the preferences file for this run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pipeline/records.hpp"

namespace quillomat {

enum class Format { Rapport, Lignes, Json, Sarif };

struct Options {
  std::vector<std::string> entrees;  // files, folders, "-" for the standard input
  Format format = Format::Rapport;
  // Overrides of the preferences record; unset keeps the record's value.
  std::optional<int> scriptKind;
  std::optional<int> vlseDependent;
  std::optional<int> hideAlerts;
  std::optional<int> showInfo;
  // The script extender's later syntax (implies vlseDependent), and the
  // personal catalogue file read with it.
  bool vlseEtendu = false;
  std::string catalogue;
  // The settings file: the nearest ".quillomat" of each script unless one is
  // named, or none at all.
  std::optional<std::string> config;
  bool sansConfig = false;
  bool signalerInutiles = false;

  // The record with the overrides of this run applied.
  SettingsRecord appliquer(SettingsRecord reglages) const;
};

// What the command line asks for: a run, or a text to show and the status to end with.
struct LectureOptions {
  std::optional<Options> options;
  std::string texte;  // UTF-8: help or version on standard output, or the error on standard error
  int statut = 0;
};

LectureOptions lireOptions(int argc, char** argv);

}  // namespace quillomat
