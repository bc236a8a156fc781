// ModPCMiscStat and ModPCMS: the index of a miscellaneous statistic of the
// player, then the amount added to it.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kPasDEspaceApresPremier{"QM322", " : pas d'espace après le premier paramètre !",
                                             "Le second paramètre n'est pas séparé du premier par un espace."};

constexpr const Fiche* kLibelles[] = {&kPasDEspaceApresPremier};

int lireModStatDiverse(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  const size_t p = c.pos();
  if (finDeValeur(t, p)) {
    c.signaler(kPremierIntrouvable, c.nom());
    return 1;
  }
  // The index is a plain count: no sign.
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.signaler(kPremierVariable, c.nom());
    return 1;
  }
  if (t.at(fin) != ' ') {
    c.signaler(kPasDEspaceApresPremier);
    return 1;
  }
  c.setPos(fin + 1);
  // The amount may be negative: the shared rule accepts '-' for a "mod" name.
  if (lireNombreRequis(c, false, row.negativeAllowed != 0)) sansTropDeParametres(c);
  return 1;
}

}  // namespace

Libelles libellesMiscStat() { return kLibelles; }

int strFoncModPCMiscStat(Context& ctx, const Text& t, const Row& row) { return lireModStatDiverse(ctx, t, row); }
int strFoncModPCMS(Context& ctx, const Text& t, const Row& row) { return lireModStatDiverse(ctx, t, row); }

}  // namespace quillomat
