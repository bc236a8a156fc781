// "Statistiques du script": the lines of a script by kind, and the message.
#pragma once

#include <string>
#include <string_view>

namespace quillomat {

struct StatistiquesScript {
  int total = 0;
  int code = 0;
  int commentaire = 0;
  int vide = 0;
  bool operator==(const StatistiquesScript&) const = default;
};

// Latin-1 text with '\n' between lines.
StatistiquesScript statistiquesScript(std::string_view texte);

// The text of the message box (Latin-1).
std::string messageStatistiques(const StatistiquesScript& stats);

}  // namespace quillomat
