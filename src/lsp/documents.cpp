#include "lsp/documents.hpp"

#include <utility>

namespace quillomat::lsp {

void appliquer(std::string& texte, const Changement& c, Encodage e) {
  if (!c.plage) {
    texte = c.texte;
    return;
  }
  const Lignes lignes(texte);
  size_t debut = lignes.octet(c.plage->debut, e);
  size_t fin = lignes.octet(c.plage->fin, e);
  if (fin < debut) std::swap(debut, fin);
  texte.replace(debut, fin - debut, c.texte);
}

}  // namespace quillomat::lsp
