// ForceActorValue and ForceAV: an actor statistic set to the value of an
// expression.
#include "functions/call_parameters.hpp"
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"

namespace quillomat {
namespace {

constexpr int kCallerPersonne = 15;

int lireForceStatistique(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerPersonne)) return 1;
  std::string stat;
  if (!lireStatistique(c, stat)) return 1;
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.erreur(" : pas d'espace après la statistique ", guillemets(stat), " !");
    return 1;
  }
  ++p;
  const size_t fin = finJeton(t, p);
  // An empty text would pass the value recogniser, but the value is required here.
  if (fin == p || reconnaitreValeur(ctx, t.src().substr(p, fin - p)) <= 0) {
    c.erreur(" : erreur, l'expression du ", guillemets(stat), " n'est pas valide !");
    return 1;
  }
  c.setPos(fin);
  c.rienApres("la valeur de la statistique ", stat);
  return 1;
}

}  // namespace

int strFoncForceActorValue(Context& ctx, const Text& t, const Row& row) { return lireForceStatistique(ctx, t, row); }
int strFoncForceAV(Context& ctx, const Text& t, const Row& row) { return lireForceStatistique(ctx, t, row); }

}  // namespace quillomat
