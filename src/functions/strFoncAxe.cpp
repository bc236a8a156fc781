// GetPos, GetAngle and the like: one axis, x, y or z.
#include "functions/call_parameters.hpp"
#include "functions/checkers.hpp"

namespace quillomat {

int strFoncAxe(Context& ctx, const Text& t, const Row& row) {
  constexpr int kObjet = 19;
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  std::string axe;
  if (c.lireAppelant(kObjet) && lireAxe(c, axe)) c.rienApres("l'axe ", axe);
  return 1;
}

}  // namespace quillomat
