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

void ajouterTexteJson(std::string& out, std::string_view utf8) {
  constexpr char kHexa[] = "0123456789abcdef";
  out += '"';
  size_t debut = 0;  // the bytes since the last escape go in one piece
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(utf8.substr(debut, i - debut));
    debut = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        out += "\\u00";
        out += kHexa[c >> 4];
        out += kHexa[c & 0xF];
    }
  }
  out.append(utf8.substr(debut));
  out += '"';
}

void ajouterPlageJson(std::string& out, const Plage& p) {
  out += "{\"start\":{\"line\":" + std::to_string(p.debut.ligne) + ",\"character\":" + std::to_string(p.debut.colonne) +
         "},\"end\":{\"line\":" + std::to_string(p.fin.ligne) + ",\"character\":" + std::to_string(p.fin.colonne) + "}}";
}

}  // namespace quillomat::lsp
