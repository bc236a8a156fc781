// Writes the "fonctions.txt" shipped beside the editor, made from the
// checker's catalogue so that the colours never disagree with the checks.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/core/word_list.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FICHIER\n", argv[0]);
    return 2;
  }
  const std::string texte = quillomat::texteFichierFonctions();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(texte.data(), static_cast<std::streamsize>(texte.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
