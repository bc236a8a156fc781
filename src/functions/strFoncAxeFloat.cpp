// SetPos, SetAngle and Rotate: an axis, then the value on it as an expression.
#include "functions/call_parameters.hpp"
#include "functions/checkers.hpp"

namespace quillomat {

int strFoncAxeFloat(Context& ctx, const Text& t, const Row& row) {
  constexpr int kObjet = 19;
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  std::string axe;
  // Positions and angles may be negative: no sign rule on the value.
  if (c.lireAppelant(kObjet) && lireAxe(c, axe) && lireExpressionFinale(c, true))
    c.rienApres("la valeur sur l'axe ", axe);
  return 1;
}

}  // namespace quillomat
