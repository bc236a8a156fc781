#include "functions/expression_param.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat::expression {
namespace {

size_t finJeton(const Text& t, size_t from) {
  size_t i = from;
  int guillemetsVus = 0;
  for (; i < t.size(); ++i) {
    const char c = t.at(i);
    if (c == '"')
      ++guillemetsVus;
    else if (estEspaceOuTab(c) && guillemetsVus % 2 == 0)
      break;
  }
  return i;
}

}  // namespace

bool lireExpressionFinale(Call& c, bool moinsPermis) {
  const Text& t = c.text();
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  const size_t debut = p + 1;
  const size_t fin = t.at(p) == ' ' ? finJeton(t, debut) : debut;
  // The value recogniser accepts an empty text, but the value is required here.
  if (t.at(p) != ' ' || fin == debut) {
    c.erreur(" : impossible de détecter le dernier paramètre de la fonction ", c.nom());
    return false;
  }
  if ((t.at(debut) == '-' && !moinsPermis) || reconnaitreValeur(c.ctx(), t.src().substr(debut, fin - debut)) <= 0) {
    c.erreur(" : erreur dans le dernier paramètre de la fonction ", c.nom());
    return false;
  }
  c.setPos(fin);
  return true;
}

}  // namespace quillomat::expression
