// ModPCMiscStat and ModPCMS: the index of a miscellaneous statistic of the
// player, then the amount added to it.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {
namespace {

int lireModStatDiverse(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  const size_t p = c.pos();
  if (finDeValeur(t, p)) {
    c.erreur(" : impossible de détecter le premier paramètre de la fonction ", c.nom());
    return 1;
  }
  // The index is a plain count: no sign.
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.erreur(" : erreur dans le premier paramètre. Attention, ", c.nom(), " ne prend pas de variables en entrée !");
    return 1;
  }
  if (t.at(fin) != ' ') {
    c.erreur(" : pas d'espace après le premier paramètre !");
    return 1;
  }
  c.setPos(fin + 1);
  // The amount may be negative: the shared rule accepts '-' for a "mod" name.
  if (lireNombreRequis(c, false, row.negativeAllowed != 0)) sansTropDeParametres(c);
  return 1;
}

}  // namespace

int strFoncModPCMiscStat(Context& ctx, const Text& t, const Row& row) { return lireModStatDiverse(ctx, t, row); }
int strFoncModPCMS(Context& ctx, const Text& t, const Row& row) { return lireModStatDiverse(ctx, t, row); }

}  // namespace quillomat
