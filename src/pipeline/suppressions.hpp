// Findings a mod author silences: the directives of the script's comments
// ("; quillomat: ignorer QM126" for one line, "; quillomat: ignorer-fichier
// QM120" for the whole script) and the codes of the settings file. They are
// applied to the findings once the checks are done, so that the checks
// themselves never know about them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pipeline/libelle.hpp"
#include "pipeline/records.hpp"

namespace quillomat {

enum class Portee { Ligne, Fichier };

// One directive as written in a comment.
struct Directive {
  int ligne = 0;   // 0-based index of the line that holds it
  int cible = -1;  // the 0-based line it silences (Ligne); -1 when no line holding code follows
  Portee portee = Portee::Ligne;
  std::vector<std::string> codes;  // known codes, in capitals
  size_t finCodes = 0;             // byte offset in its line just after its last code
};

struct DirectivesDuScript {
  std::vector<Directive> directives;
  std::vector<FindingRecord> constats;  // unreadable directives and unknown codes
};

// Reads the directives of a script already in text mode (LF line ends).
// Never fails: what cannot be read becomes a finding of its own.
DirectivesDuScript lireDirectives(std::string_view script);

// What silences findings in a run besides the directives.
struct Consignes {
  std::vector<std::string> codesIgnores;  // of the settings file, in capitals
  bool signalerInutiles = false;          // an alert for each directive code that silenced nothing
};

enum class Origine { Directive, Reglages };

struct ConstatIgnore {
  FindingRecord finding;
  Origine origine;
};

struct Tri {
  std::vector<ConstatIgnore> ignores;
  // Directives were found or the settings file names codes: the outputs then
  // say how many findings were silenced.
  bool actif = false;
};

// Adds the directives' own findings to `findings`, takes out every finding a
// directive or the settings silence, and with signalerInutiles adds an alert
// for each directive code that silenced nothing. A script without directive
// and empty consignes leaves `findings` untouched.
Tri trierConstats(std::vector<FindingRecord>& findings, std::string_view script, const Consignes& consignes);

// The codes the directives and the settings file may name: every message's.
bool codeConnu(std::string_view code);

}  // namespace quillomat
