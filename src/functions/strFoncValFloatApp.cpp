// ModScale, SetActorAlpha and the like: one number with decimals, with an
// optional caller; only a change (a "mod" name) may be negative.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {

int strFoncValFloatApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  // The shared number reader adds the "mod" sign rule.
  if (c.lireAppelant(row.callerKind) && lireNombreRequis(c, true, false)) c.rienApres("l'ID ", c.valeur());
  return 1;
}

}  // namespace quillomat
