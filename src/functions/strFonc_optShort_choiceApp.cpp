// Functions whose parameter may be left out: an optional Short (MenuMode,
// Unlock, Resurrect...), an optional ID (KillActor, IsOwner, the OnAdd-type
// blocks), and a number followed by an optional ID (GetObjectValue, the
// OnAlarm-type blocks). A name with nothing after it is left to the bare row
// that follows; a parameter place holding only blanks means "left out".
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kUnSeulParametre{"QM255",
                                      " : erreur dans le paramètre optionnel. Attention, {FONCTION} ne prend qu'un "
                                      "paramètre !",
                                      "La fonction reçoit plus d'un paramètre, alors qu'elle n'en prend qu'un, "
                                      "optionnel."};
constexpr Libelle<0> kIdOptionnelleIntrouvable{"QM256", " : impossible de détecter l'ID optionnelle !",
                                               "L'ID optionnelle est annoncée, mais elle manque ou un espace de "
                                               "trop la précède."};

constexpr const Fiche* kLibelles[] = {&kUnSeulParametre, &kIdOptionnelleIntrouvable};

}  // namespace

Libelles libellesOptShort() { return kLibelles; }

int strFonc_optShort_choiceApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(row.callerKind) || c.resteBlanc(c.pos())) return 1;
  const Nombre n = lireNombre(t, c.pos(), false, c.nomMod());
  if (!n.valide) {
    c.signaler(kOptionnelVariable, c.nom());
    return 1;
  }
  // A comma after the value announces a second one.
  if (n.virgule || !c.resteBlanc(n.fin))
    c.signaler(kUnSeulParametre, c.nom());
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
    c.signaler(kPremierIntrouvable, c.nom());
    return 1;
  }
  if (!n.valide) {
    c.signaler(kPremierVariable, c.nom());
    return 1;
  }
  // Without a comma announcing it, an ID that is not there was left out.
  if (!n.virgule && c.resteBlanc(n.fin)) return 1;
  c.setPos(t.at(n.fin) == ' ' ? n.fin + 1 : n.fin);
  if (c.lireId(row.idKind, kIdOptionnelleIntrouvable)) sansTropDeParametres(c);
  return 1;
}

}  // namespace quillomat
