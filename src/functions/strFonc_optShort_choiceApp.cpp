// Functions whose parameter may be left out: an optional Short (MenuMode,
// Unlock, Resurrect...), an optional ID (KillActor, IsOwner, the OnAdd-type
// blocks), and a number followed by an optional ID (GetObjectValue, the
// OnAlarm-type blocks). A name with nothing after it is left to the bare row
// that follows; a parameter place holding only blanks means "left out".
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {

int strFonc_optShort_choiceApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(row.callerKind) || c.resteBlanc(c.pos())) return 1;
  const Nombre n = lireNombre(t, c.pos(), false, c.nomMod());
  if (!n.valide) {
    c.erreur(" : erreur dans le paramètre optionnel. Attention, ", c.nom(), " ne prend pas de variables en entrée !");
    return 1;
  }
  // A comma after the value announces a second one.
  if (n.virgule || !c.resteBlanc(n.fin))
    c.erreur(" : erreur dans le paramètre optionnel. Attention, ", c.nom(), " ne prend qu'un paramètre !");
  return 1;
}

int strFonc_optID_choiceApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(row.callerKind) || c.resteBlanc(c.pos())) return 1;
  if (c.lireId(row.idKind)) c.rienApresId();
  return 1;
}

int strFoncValOptID(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(row.callerKind)) return 1;
  const Nombre n = lireNombre(t, c.pos(), false, row.negativeAllowed == 1 || c.nomMod());
  if (n.vide) {
    c.erreur(" : impossible de détecter le premier paramètre de la fonction ", c.nom());
    return 1;
  }
  if (!n.valide) {
    c.erreur(" : erreur dans le premier paramètre. Attention, ", c.nom(), " ne prend pas de variables en entrée !");
    return 1;
  }
  // Without a comma announcing it, an ID that is not there was left out.
  if (!n.virgule && c.resteBlanc(n.fin)) return 1;
  c.setPos(t.at(n.fin) == ' ' ? n.fin + 1 : n.fin);
  if (c.lireId(row.idKind, " : impossible de détecter l'ID optionnelle !")) sansTropDeParametres(c);
  return 1;
}

}  // namespace quillomat
