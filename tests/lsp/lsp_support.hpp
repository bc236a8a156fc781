// Shared pieces of the language-server tests: UTF-8 literals whatever the
// compiler's execution character set, and messages built as a client sends them.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quillomat::test {

inline std::string u8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

inline nlohmann::json requete(nlohmann::json id, std::string_view methode, nlohmann::json params = nlohmann::json::object()) {
  return {{"jsonrpc", "2.0"}, {"id", std::move(id)}, {"method", methode}, {"params", std::move(params)}};
}

inline nlohmann::json notif(std::string_view methode, nlohmann::json params = nlohmann::json::object()) {
  return {{"jsonrpc", "2.0"}, {"method", methode}, {"params", std::move(params)}};
}

inline nlohmann::json ouvrir(std::string_view uri, std::string_view texte, int version = 1) {
  return notif("textDocument/didOpen",
               {{"textDocument", {{"uri", uri}, {"languageId", "vaelmoor"}, {"version", version}, {"text", texte}}}});
}

inline nlohmann::json changer(std::string_view uri, std::string_view texte, int version) {
  return notif("textDocument/didChange", {{"textDocument", {{"uri", uri}, {"version", version}}},
                                          {"contentChanges", {{{"text", texte}}}}});
}

}  // namespace quillomat::test
