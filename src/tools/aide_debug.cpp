// Writes the help files "AideDebug.txt" and "AideDebug.htm" shipped with the
// editor; their messages are those the checker writes for the examples.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/core/help_text.hpp"

namespace {

bool ecrire(const char* chemin, const std::string& texte) {
  std::ofstream out(chemin, std::ios::binary | std::ios::trunc);
  out.write(texte.data(), static_cast<std::streamsize>(texte.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s AideDebug.txt AideDebug.htm\n", argv[0]);
    return 2;
  }
  for (const auto& [chemin, texte] : {std::pair{argv[1], quillomat::texteAide()}, std::pair{argv[2], quillomat::pageAide()}}) {
    if (!ecrire(chemin, texte)) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], chemin);
      return 1;
    }
  }
  return 0;
}
