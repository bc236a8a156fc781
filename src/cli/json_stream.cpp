#include "cli/json_stream.hpp"

#include <string>
#include <string_view>

#include "cli/platform.hpp"

namespace quillomat {

std::string aLaProfondeur(const nlohmann::ordered_json& j, int niveau) {
  const std::string texte = j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
  const std::string marge(static_cast<size_t>(2 * niveau), ' ');
  std::string out;
  out.reserve(texte.size() + texte.size() / 8);
  for (char c : texte) {
    out += c;
    if (c == '\n') out += marge;
  }
  return out;
}

FluxJson::FluxJson(std::FILE* flux) : flux_(flux) { ecrireSortie(flux_, "{\n  \"version\": \"3.02\",\n  \"scripts\": ["); }

void FluxJson::script(const nlohmann::ordered_json& j) {
  ecrireSortie(flux_, (premier_ ? "\n    " : ",\n    ") + aLaProfondeur(j, 2));
  premier_ = false;
}

void FluxJson::terminer(const nlohmann::ordered_json& bilan) {
  ecrireSortie(flux_, (premier_ ? "],\n  \"bilan\": " : "\n  ],\n  \"bilan\": ") + aLaProfondeur(bilan, 1) + "\n}\n");
}

}  // namespace quillomat
