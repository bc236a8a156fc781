#include "functions/call_parameters.hpp"

#include "functions/vocabulary.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kSecondAppeleIntrouvable{"QM230", " : impossible de détecter le second appelé !",
                                              "La fonction attend deux paramètres, et le second manque ou n'est pas "
                                              "séparé du premier par un espace."};
constexpr Libelle<1> kDernierInvalide{"QM231", " : erreur dans le dernier paramètre de la fonction {FONCTION}",
                                      "Le dernier paramètre n'est pas une valeur que la fonction accepte "
                                      "(nombre, variable, fonction qui rend une valeur ; un nombre négatif n'y est "
                                      "pas toujours permis)."};
constexpr Libelle<0> kAxeIntrouvable{"QM301", " : impossible de détecter l'axe !",
                                     "La fonction attend un axe (X, Y ou Z) : il manque, ou un espace de "
                                     "trop le précède."};
constexpr Libelle<1> kAxeInvalide{"QM302", " : erreur dans la syntaxe de l'axe de la fonction {FONCTION}",
                                  "L'axe de la fonction n'est pas X, Y ou Z."};
constexpr Libelle<0> kStatistiqueIntrouvable{"QM303", " : impossible de détecter la statistique !",
                                             "La fonction attend une statistique d'acteur : elle manque, ou un "
                                             "espace de trop la précède."};
constexpr Libelle<1> kStatistiqueTropDeGuillemets{"QM304",
                                                  " : erreur dans la syntaxe de la statistique de la fonction "
                                                  "{FONCTION} : trop de guillemets.",
                                                  "Le nom de la statistique contient plus de deux guillemets."};
constexpr Libelle<2> kStatistiqueInconnue{"QM305",
                                          " : erreur dans la fonction {FONCTION} : \"{STATISTIQUE}\" n'est pas une "
                                          "statistique valide !",
                                          "Le mot écrit n'est pas le nom d'une statistique d'acteur du jeu."};

constexpr const Fiche* kLibelles[] = {&kSecondAppeleIntrouvable, &kDernierInvalide,        &kAxeIntrouvable,
                                      &kAxeInvalide,             &kStatistiqueIntrouvable, &kStatistiqueTropDeGuillemets,
                                      &kStatistiqueInconnue};

}  // namespace

Libelles libellesCallParameters() { return kLibelles; }

size_t finChiffres(const Text& t, size_t from) {
  size_t i = from;
  while (i < t.size() && estChiffre(t.at(i))) ++i;
  return i;
}

bool finDeValeur(const Text& t, size_t p) { return p >= t.size() || estBlanc(t.at(p)); }

bool nombreValide(const Text& t, size_t from, size_t& fin, bool decimales, bool negatif) {
  size_t i = from;
  while (!finDeValeur(t, i)) ++i;
  if (!estNombre(t.src().substr(from, i - from), decimales, negatif)) return false;
  fin = i;
  return true;
}

bool lireShortDirect(Call& c) {
  const Text& t = c.text();
  size_t p = c.pos();
  if (finDeValeur(t, p)) {
    c.signaler(kShortIntrouvable);
    return false;
  }
  if (t.at(p) == '-' && c.nomMod()) ++p;
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.signaler(kShortVariable, c.nom());
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
    c.signaler(kOptionnelIntrouvable, c.nom());
    return Lu::Faute;
  }
  ++p;
  c.setPos(p);
  if (c.resteBlanc(p)) return Lu::Absent;
  if (estBlanc(t.at(p))) {
    c.signaler(kOptionnelIntrouvable, c.nom());
    return Lu::Faute;
  }
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.signaler(kOptionnelVariable, c.nom());
    return Lu::Faute;
  }
  c.setPos(fin);
  return Lu::Present;
}

bool lireNombreRequis(Call& c, bool decimales, bool negatif) {
  if (finDeValeur(c.text(), c.pos())) {
    c.signaler(kDernierIntrouvable, c.nom());
    return false;
  }
  return c.lireDernierNombre(decimales, negatif);
}

bool sansTropDeParametres(Call& c) {
  if (c.resteBlanc(c.pos())) return true;
  c.signaler(kTropDeParametres, c.nom());
  return false;
}

Nombre lireNombre(const Text& t, size_t debut, bool decimales, bool negatif) {
  Nombre n;
  size_t fin = debut;
  while (fin < t.size() && !estBlanc(t.at(fin))) ++fin;
  n.fin = fin;
  n.vide = fin == debut;
  n.virgule = !n.vide && t.at(fin - 1) == ',';
  const size_t finValeur = n.virgule ? fin - 1 : fin;
  n.valide = estNombre(t.src().substr(debut, finValeur - debut), decimales, negatif);
  return n;
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

bool lireAxe(Call& c, std::string& axe) {
  const Mot m = lireMot(c.text(), c.pos());
  c.setPos(m.fin);
  if (m.texte.empty()) {
    c.signaler(kAxeIntrouvable);
    return false;
  }
  const char lettre = m.texte.size() == 1 ? enMinuscule(m.texte[0]) : '\0';
  // Three quotes leave no sound word: no axis either.
  if (m.guillemets == 3 || (lettre != 'x' && lettre != 'y' && lettre != 'z')) {
    c.signaler(kAxeInvalide, c.nom());
    return false;
  }
  axe = m.texte;
  return true;
}

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

size_t finArgumentEtendu(const Text& t, size_t from) {
  size_t i = from;
  bool guillemets = false;
  int profondeur = 0;
  for (; i < t.size(); ++i) {
    const char c = t.at(i);
    if (c == '"') guillemets = !guillemets;
    if (guillemets) continue;
    if (c == '(' || c == '[') ++profondeur;
    if ((c == ')' || c == ']') && profondeur > 0) --profondeur;
    if (estEspaceOuTab(c) && profondeur == 0) break;
  }
  return i;
}

bool lireExpressionFinale(Call& c, bool moinsPermis) {
  const Text& t = c.text();
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  const size_t debut = p + 1;
  const size_t fin = t.at(p) == ' ' ? finJeton(t, debut) : debut;
  // The value recogniser accepts an empty text, but the value is required here.
  if (t.at(p) != ' ' || fin == debut) {
    c.signaler(kDernierIntrouvable, c.nom());
    return false;
  }
  if ((t.at(debut) == '-' && !moinsPermis) || reconnaitreValeur(c.ctx(), t.src().substr(debut, fin - debut)) <= 0) {
    c.signaler(kDernierInvalide, c.nom());
    return false;
  }
  c.setPos(fin);
  return true;
}

bool lireIdSuivant(Call& c, int kind, IdAbsent vide) {
  size_t p = c.pos();
  if (c.text().at(p) == ',') ++p;
  if (c.text().at(p) != ' ') {
    c.signalerAbsent(vide);
    return false;
  }
  c.setPos(p + 1);
  return c.lireId(kind, vide);
}

bool lireSecondId(Call& c, int kind) { return lireIdSuivant(c, kind, kSecondAppeleIntrouvable); }

bool lireStatistique(Call& c, std::string& stat) {
  const Mot m = lireMot(c.text(), c.pos());
  c.setPos(m.fin);
  if (m.texte.empty()) {
    c.signaler(kStatistiqueIntrouvable);
    return false;
  }
  if (m.guillemets == 3) {
    c.signaler(kStatistiqueTropDeGuillemets, c.nom());
    return false;
  }
  if (!estStatistique(m.texte)) {
    c.signaler(kStatistiqueInconnue, c.nom(), m.texte);
    return false;
  }
  stat = m.texte;
  return true;
}

}  // namespace quillomat
