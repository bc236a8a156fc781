// The open documents: their text as the client last sent it, in UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/positions.hpp"

namespace quillomat::lsp {

struct Document {
  std::string texte;  // UTF-8, line breaks as the client sent them
  int64_t version = 0;
  bool aVerifier = true;  // changed since its diagnostics were last published
  std::string empreinteReglages;  // the settings file as last checked with: its path and date
  std::vector<std::string_view> codesSurLeScript;  // codes of the findings on the whole script
};

struct Plage {
  Position debut, fin;
};

// One entry of a change notification: the whole text, or a range replaced.
struct Changement {
  std::optional<Plage> plage;
  std::string texte;
};

void appliquer(std::string& texte, const Changement& c, Encodage e);

}  // namespace quillomat::lsp
