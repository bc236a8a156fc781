#include "functions/parameter_token.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat::jetons {

Nombre lireNombre(const Text& t, size_t debut, bool decimales, bool negatif) {
  Nombre n;
  size_t fin = debut;
  while (fin < t.size() && !estBlanc(t.at(fin))) ++fin;
  n.fin = fin;
  n.vide = fin == debut;
  n.virgule = !n.vide && t.at(fin - 1) == ',';
  const size_t finValeur = n.virgule ? fin - 1 : fin;
  size_t i = debut;
  if (negatif && t.at(i) == '-') ++i;
  bool chiffre = false, point = false;
  for (; i < finValeur; ++i) {
    const char c = t.at(i);
    if (estChiffre(c)) {
      chiffre = true;
    } else if (c == '.' && decimales && !point) {
      point = true;
    } else {
      return n;
    }
  }
  n.valide = chiffre;
  return n;
}

size_t passerSeparateur(const Text& t, size_t p) {
  if (t.at(p) == ',') ++p;
  if (t.at(p) == ' ') ++p;
  return p;
}

size_t compterMots(const Text& t, size_t p) {
  size_t mots = 0;
  while (p < t.size()) {
    while (p < t.size() && estBlanc(t.at(p))) ++p;
    if (p == t.size()) break;
    ++mots;
    while (p < t.size() && !estBlanc(t.at(p))) ++p;
  }
  return mots;
}

}  // namespace quillomat::jetons
