#include "lsp/protocol_json.hpp"

#include "cli/encoding.hpp"

namespace quillomat::lsp {

nlohmann::json enJson(Position p) { return {{"line", p.ligne}, {"character", p.colonne}}; }

nlohmann::json enJson(const Plage& p) { return {{"start", enJson(p.debut)}, {"end", enJson(p.fin)}}; }

Position positionDe(const nlohmann::json& j) {
  return {j.at("line").get<size_t>(), j.at("character").get<size_t>()};
}

nlohmann::json reponse(const nlohmann::json& id, nlohmann::json resultat) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(resultat)}};
}

nlohmann::json erreur(const nlohmann::json& id, int code, std::string_view messageLatin1) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", latin1VersUtf8(messageLatin1)}}}};
}

nlohmann::json notification(std::string_view methode, nlohmann::json params) {
  return {{"jsonrpc", "2.0"}, {"method", methode}, {"params", std::move(params)}};
}

}  // namespace quillomat::lsp
