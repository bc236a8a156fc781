// The checker's settings as the server uses them: those of "DebugKVR4.dat"
// at the workspace root (the defaults without one), then the options the
// client gives at start-up, then its latest configuration.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/records.hpp"

namespace quillomat::lsp {

// The workspace root named by the "initialize" parameters: the first
// workspace folder, else rootUri, else rootPath.
std::optional<std::filesystem::path> racineDuProjet(const nlohmann::json& parametres);

// Applies the keys that `options` holds, at its top or under "quillomat":
// "type" ("inconnu", "quete" or "quête", "objet", "effet", or 0 to 3),
// "vlse" and "sansAlertes" (true or false). A bad value leaves the setting
// as it was and adds a warning (Latin-1) to `avertissements`.
SettingsRecord appliquerOptions(SettingsRecord r, const nlohmann::json& options,
                                std::vector<std::string>& avertissements);

// The settings beyond the preferences record: "vlseEtendu" (true or false)
// and "catalogue" (the personal catalogue file, relative to the workspace
// root), at the top of `options` or under "quillomat".
struct ReglagesEtendus {
  bool vlseEtendu = false;
  std::string catalogue;
  bool operator==(const ReglagesEtendus&) const = default;
};
ReglagesEtendus appliquerOptionsEtendues(ReglagesEtendus r, const nlohmann::json& options,
                                         std::vector<std::string>& avertissements);

}  // namespace quillomat::lsp
