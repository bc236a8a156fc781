// The SARIF 2.1.0 log of a quillomat-check run, for the code-scanning
// dashboards of continuous integration: one run, whose tool's rules are the
// checker's messages (the codes), and one result per finding with its file
// and line. A script that could not be checked is a notification of the run.
// Results are written script by script, one per line, so that a folder of
// hundreds of scripts is never held whole in memory.
#pragma once

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/output_formats.hpp"

namespace quillomat {

class FluxSarif {
 public:
  // Writes the head of the log: the version, the tool and its rules, the
  // opening of the results.
  explicit FluxSarif(std::FILE* flux);
  // The results of a checked script, or the notification of one that was not.
  void script(const Resultat& r);
  // Closes the results, writes the invocation and ends the log.
  void terminer();

 private:
  void ecrire(std::string_view texte) const;
  std::FILE* flux_;
  bool premier_ = true;
  nlohmann::ordered_json notifications_ = nlohmann::ordered_json::array();
};

// A file name (UTF-8) as a URI reference: relative as typed, "file://" before
// an absolute path; '/' between components and every other byte outside
// letters, digits and "-._~" percent-encoded.
std::string uriDeFichier(std::string_view fichier);

}  // namespace quillomat
