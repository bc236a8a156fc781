// Cast, StartConversation, GetFactionReaction and the like: two IDs.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"

namespace quillomat {
namespace {

constexpr std::string_view kSecondVide = " : impossible de détecter le second appelé !";

// The second ID follows the first after an optional ',' and exactly one space.
bool lireSecondId(Call& c, int kind) {
  size_t p = c.pos();
  if (c.text().at(p) == ',') ++p;
  if (c.text().at(p) != ' ') {
    c.erreur(kSecondVide);
    return false;
  }
  c.setPos(p + 1);
  return c.lireId(kind, kSecondVide);
}

}  // namespace

int strFoncIDIDApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (c.lireAppelant(row.callerKind) && c.lireId(row.idKind, " : impossible de détecter le premier appelé !") &&
      lireSecondId(c, row.idKind2))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
