// What a check run found, read from its records rather than from the report
// text: the findings the report lists, in its order, and the inventories.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/script_check.hpp"
#include "pipeline/memory_check.hpp"

namespace quillomat {

// The type word of the inventory entries of a kind ("PERSONNE", "QUETE"...),
// empty for a kind that has none.
std::string_view nomDuType(int kind);

// The findings listed by the report of a run, in its order.
std::vector<Constat> constatsListes(const Verification& v);

struct ConstatIgnoreListe {
  Constat constat;
  Origine origine;
};

// The findings silenced that the report would otherwise list, in its order.
std::vector<ConstatIgnoreListe> constatsIgnores(const Verification& v);

struct EntreeInventaire {
  std::string_view section;  // "variables_locales", ..., "autres_objets"
  std::string nom;
  std::string_view type;  // "SHORT", "PERSONNE", ...
  std::optional<std::string> objet;  // the object a local external variable is attached to
};

// The keys of the inventory sections, in report order.
const std::vector<std::string_view>& sectionsInventaire();

// The inventory entries of the report, in its order (empty when the
// settings leave the inventories out).
std::vector<EntreeInventaire> inventaires(const Verification& v);

// The names recorded as used as two kinds.
std::vector<std::string> variablesErronees(const Verification& v);

// The script's name (the last name record of kind 99), if any.
std::optional<std::string> nomDuScript(const Verification& v);

}  // namespace quillomat
