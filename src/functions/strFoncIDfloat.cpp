// ForceTakeCover, TakeCover and ModDisposition: an actor, then a value given
// as an expression.
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {

int strFoncIDfloat(Context& ctx, const Text& t, const Row& row) {
  constexpr int kPersonne = 15;
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  // Only a change (a "mod" name) may be negative; a duration may not.
  if (c.lireAppelant(kPersonne) && c.lireId(kPersonne) && lireExpressionFinale(c, c.nomMod()))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
