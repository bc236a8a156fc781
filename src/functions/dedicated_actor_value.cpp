// ForceActorValue and ForceAV: an actor statistic set to the value of an
// expression.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/vocabulary.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

constexpr int kCallerPersonne = 15;

// The expression is one token: up to a space or tab outside double quotes.
size_t finExpression(const Text& t, size_t from) {
  size_t i = from;
  int guillemetsVus = 0;
  for (; i < t.size(); ++i) {
    const char c = t.at(i);
    if (c == '"') ++guillemetsVus;
    else if (estEspaceOuTab(c) && guillemetsVus % 2 == 0) break;
  }
  return i;
}

int lireForceStatistique(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerPersonne)) return 1;
  const Mot stat = lireMot(t, c.pos());
  if (stat.texte.empty()) {
    c.erreur(" : impossible de détecter la statistique !");
    return 1;
  }
  if (stat.guillemets == 3) {
    c.erreur(" : erreur dans la syntaxe de la statistique de la fonction ", c.nom(), " : trop de guillemets.");
    return 1;
  }
  if (!estStatistique(stat.texte)) {
    c.erreur(" : erreur dans la fonction ", c.nom(), " : ", guillemets(stat.texte),
             " n'est pas une statistique valide !");
    return 1;
  }
  size_t p = stat.fin;
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.erreur(" : pas d'espace après la statistique ", guillemets(stat.texte), " !");
    return 1;
  }
  ++p;
  const size_t fin = finExpression(t, p);
  // An empty text would pass the value recogniser, but the value is required here.
  if (fin == p || reconnaitreValeur(ctx, t.src().substr(p, fin - p)) <= 0) {
    c.erreur(" : erreur, l'expression du ", guillemets(stat.texte), " n'est pas valide !");
    return 1;
  }
  c.setPos(fin);
  c.rienApres("la valeur de la statistique ", stat.texte);
  return 1;
}

}  // namespace

int strFoncForceActorValue(Context& ctx, const Text& t, const Row& row) { return lireForceStatistique(ctx, t, row); }
int strFoncForceAV(Context& ctx, const Text& t, const Row& row) { return lireForceStatistique(ctx, t, row); }

}  // namespace quillomat
