#include "functions/axis_param.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat::axe {

bool lireAxe(Call& c, std::string& axe) {
  const Mot m = lireMot(c.text(), c.pos());
  c.setPos(m.fin);
  if (m.texte.empty()) {
    c.erreur(" : impossible de détecter l'axe !");
    return false;
  }
  const char lettre = m.texte.size() == 1 ? enMinuscule(m.texte[0]) : '\0';
  // Three quotes leave no sound word: no axis either.
  if (m.guillemets == 3 || (lettre != 'x' && lettre != 'y' && lettre != 'z')) {
    c.erreur(" : erreur dans la syntaxe de l'axe de la fonction ", c.nom());
    return false;
  }
  axe = m.texte;
  return true;
}

}  // namespace quillomat::axe
