// The SARIF 2.1.0 log of a quillomat-check run, for the code-scanning
// dashboards of continuous integration: one run, whose tool's rules are the
// checker's messages (the codes), and one result per finding with its file
// and line. A script that could not be checked is a notification of the run.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/output_formats.hpp"

namespace quillomat {

class JournalSarif {
 public:
  void ajouter(const Resultat& r);
  // The whole log, UTF-8.
  nlohmann::ordered_json journal() const;

 private:
  nlohmann::ordered_json resultats_ = nlohmann::ordered_json::array();
  nlohmann::ordered_json notifications_ = nlohmann::ordered_json::array();
};

// A file name (UTF-8) as a URI reference: relative as typed, "file://" before
// an absolute path; '/' between components and every other byte outside
// letters, digits and "-._~" percent-encoded.
std::string uriDeFichier(std::string_view fichier);

}  // namespace quillomat
