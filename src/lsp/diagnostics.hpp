// The checker's findings on a document as the client shows them: one
// diagnostic per finding, over the code part of its line, and one per
// character that Latin-1 cannot hold.
#pragma once

#include "pipeline/options_verification.hpp"

#include <string>
#include <string_view>
#include <vector>

#include "lsp/documents.hpp"
#include "pipeline/libelle.hpp"
#include "pipeline/records.hpp"
#include "pipeline/suppressions.hpp"

namespace quillomat::lsp {

inline constexpr int kGraviteErreur = 1;
inline constexpr int kGraviteAlerte = 2;
// A text decoded with the wrong encoding could bring thousands of them.
inline constexpr size_t kHorsLatin1Max = 100;

struct Diagnostic {
  Plage plage;
  int gravite = kGraviteErreur;
  std::string_view code;  // the message's stable code, or empty
  std::string message;    // UTF-8
  bool scriptEntier = false;  // a finding on the whole script, shown on line 1
};

// utf8: the document's text. The script's directives and `consignes`
// silence findings as in a run.
std::vector<Diagnostic> diagnostiquer(std::string_view utf8, const SettingsRecord& reglages, Encodage e,
                                      const OptionsVerification& options = {}, const Consignes& consignes = {});

// The messages only the server writes (characters a script cannot hold), for
// the help.
Libelles libellesServeur();

// The "diagnostics" array of a publication, as JSON text; lienAide: the file
// URI of the help page, or empty (then no link is given).
std::string diagnosticsEnJson(const std::vector<Diagnostic>& diagnostics, std::string_view lienAide);

}  // namespace quillomat::lsp
