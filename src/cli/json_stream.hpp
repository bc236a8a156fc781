// The JSON output written script by script, so that a folder of hundreds of
// scripts is never held whole in memory. The text is the one nlohmann-json
// writes with an indent of 2 for the whole object.
#pragma once

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

namespace quillomat {

// A value as it stands at the depth `niveau` of an object written with an
// indent of 2 (its lines after the first indented by 2 * niveau spaces).
std::string aLaProfondeur(const nlohmann::ordered_json& j, int niveau);

class FluxJson {
 public:
  // Writes the head of the object ("version", the opening of "scripts").
  explicit FluxJson(std::FILE* flux);
  void script(const nlohmann::ordered_json& j);
  // Closes "scripts", writes "bilan" and ends the object.
  void terminer(const nlohmann::ordered_json& bilan);

 private:
  std::FILE* flux_;
  bool premier_ = true;
};

}  // namespace quillomat
