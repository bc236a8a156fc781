#include "functions/numeric_params.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat::params {

size_t finChiffres(const Text& t, size_t from) {
  size_t i = from;
  while (i < t.size() && estChiffre(t.at(i))) ++i;
  return i;
}

bool finDeValeur(const Text& t, size_t p) { return p >= t.size() || estBlanc(t.at(p)); }

bool nombreValide(const Text& t, size_t from, size_t& fin, bool decimales, bool negatif) {
  size_t i = from;
  if (negatif && t.at(i) == '-') ++i;
  bool chiffre = false, point = false;
  for (; !finDeValeur(t, i); ++i) {
    const char c = t.at(i);
    if (estChiffre(c)) {
      chiffre = true;
    } else if (c == '.' && decimales && !point) {
      point = true;
    } else {
      return false;
    }
  }
  fin = i;
  return chiffre;
}

bool lireShortDirect(Call& c) {
  const Text& t = c.text();
  size_t p = c.pos();
  if (finDeValeur(t, p)) {
    c.erreur(" : impossible de détecter la valeur de type Short !");
    return false;
  }
  if (t.at(p) == '-' && c.nomMod()) ++p;
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.erreur(" : erreur dans la valeur de type Short. Attention, ", c.nom(), " ne prend pas de variables en entrée !");
    return false;
  }
  c.setPos(fin);
  return true;
}

Lu lireShortOptionnel(Call& c, bool virgule) {
  const Text& t = c.text();
  size_t p = c.pos();
  const bool virguleVue = virgule && t.at(p) == ',';
  if (virguleVue) ++p;
  if (!virguleVue && c.resteBlanc(p)) return Lu::Absent;
  if (t.at(p) != ' ') {
    c.erreur(" : impossible de détecter le paramètre optionnel de ", c.nom(), " !");
    return Lu::Faute;
  }
  ++p;
  c.setPos(p);
  if (c.resteBlanc(p)) return Lu::Absent;
  if (estBlanc(t.at(p))) {
    c.erreur(" : impossible de détecter le paramètre optionnel de ", c.nom(), " !");
    return Lu::Faute;
  }
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.erreur(" : erreur dans le paramètre optionnel. Attention, ", c.nom(), " ne prend pas de variables en entrée !");
    return Lu::Faute;
  }
  c.setPos(fin);
  return Lu::Present;
}

bool lireNombreRequis(Call& c, bool decimales, bool negatif) {
  if (finDeValeur(c.text(), c.pos())) {
    c.erreur(" : impossible de détecter le dernier paramètre de la fonction ", c.nom());
    return false;
  }
  return c.lireDernierNombre(decimales, negatif);
}

bool sansTropDeParametres(Call& c) {
  if (c.resteBlanc(c.pos())) return true;
  c.erreur(" : erreur, la fonction ", c.nom(), " contient trop de paramètres !");
  return false;
}

}  // namespace quillomat::params
