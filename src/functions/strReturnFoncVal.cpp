// Functions taking one number: a non-negative integer with an optional caller
// (SetAlert 1), an integer (ModPCFame -5), a number with decimals (Abs -2.5).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {
namespace {

int lireValeurSeule(Context& ctx, const Text& t, const Row& row, bool appelantPermis, bool decimales,
                    bool negatif) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(appelantPermis)) return 0;
  // Without an ID, the sentence about what follows names the value read.
  if (c.lireAppelant(row.callerKind) && lireNombreRequis(c, decimales, negatif))
    c.rienApres("l'ID ", c.valeur());
  return 1;
}

}  // namespace

int strReturnFoncVal(Context& ctx, const Text& t, const Row& row) {
  return lireValeurSeule(ctx, t, row, true, false, false);
}

int strReturnFoncValInt(Context& ctx, const Text& t, const Row& row) {
  return lireValeurSeule(ctx, t, row, false, false, row.negativeAllowed == 1);
}

int strReturnFoncValFloat(Context& ctx, const Text& t, const Row& row) {
  return lireValeurSeule(ctx, t, row, false, true, row.negativeAllowed == 1);
}

}  // namespace quillomat
