// Writes the "fonctions.txt" shipped beside the editor, made from the
// checker's catalogue so that the colours never disagree with the checks.
#include "app/core/word_list.hpp"
#include "tools/generated_file.hpp"

int main(int argc, char** argv) {
  return quillomat::outils::ecrireFichiers(argc, argv, "FICHIER", {{1, quillomat::texteFichierFonctions()}});
}
