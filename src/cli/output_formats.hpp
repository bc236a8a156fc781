// The ways quillomat-check shows what it found: the report, one line per
// finding for editors and build tools, and JSON (the SARIF log is in
// sarif_log.hpp). Everything is UTF-8.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/script_check.hpp"

namespace quillomat {

// Exit statuses of quillomat-check.
inline constexpr int kStatutAucuneErreur = 0;  // the report says no bug was found
inline constexpr int kStatutEchec = 1;         // nothing checked, or the check was stopped
inline constexpr int kStatutErreurs = 2;       // the report lists findings

// One script as checked.
struct Resultat {
  std::string fichier;  // UTF-8, as shown to the user; "-" for the standard input
  Verification v;
  // UTF-8, when the script was not checked to its end: "Erreur : ...\n" for
  // the standard error, or the text of a stopped run for the standard output.
  std::string message;
  int statut() const;
};

struct Bilan {
  int scripts = 0;
  int sansErreur = 0;
  int avecErreurs = 0;
  int echecs = 0;
  void compter(const Resultat& r);
  int statut() const;
};

// The report, ending with a line end.
std::string enRapport(const Resultat& r);

// "FICHIER:LIGNE: erreur: texte" lines; "FICHIER: erreur: ..." for a
// whole-script finding or for a script that was not checked.
std::string enLignes(const Resultat& r);

nlohmann::ordered_json enJson(const Resultat& r);
nlohmann::ordered_json enJson(const Bilan& b);

// "Bilan : N scripts : ...", ending with a line end.
std::string enTexte(const Bilan& b);

}  // namespace quillomat
