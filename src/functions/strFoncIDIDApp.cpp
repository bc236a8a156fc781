// Cast, StartConversation, GetFactionReaction and the like: two IDs.
#include "functions/call_parameters.hpp"
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"

namespace quillomat {
int strFoncIDIDApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (c.lireAppelant(row.callerKind) && c.lireId(row.idKind, kPremierAppeleIntrouvable) &&
      lireSecondId(c, row.idKind2))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
