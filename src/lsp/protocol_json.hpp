// The JSON shapes of the protocol shared by the server's parts: positions,
// ranges, and the three kinds of message it sends.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "lsp/documents.hpp"

namespace quillomat::lsp {

nlohmann::json enJson(Position p);
nlohmann::json enJson(const Plage& p);
// Throws nlohmann::json::exception when `j` is no position.
Position positionDe(const nlohmann::json& j);

nlohmann::json reponse(const nlohmann::json& id, nlohmann::json resultat);
// messageLatin1: the French text, converted to UTF-8 here.
nlohmann::json erreur(const nlohmann::json& id, int code, std::string_view messageLatin1);
nlohmann::json notification(std::string_view methode, nlohmann::json params);

// Appends a JSON string holding `utf8` (valid UTF-8), for the messages that
// are written without building their tree: the diagnostics of a long script
// number in the thousands.
void ajouterTexteJson(std::string& out, std::string_view utf8);
// The same for a range.
void ajouterPlageJson(std::string& out, const Plage& p);

}  // namespace quillomat::lsp
