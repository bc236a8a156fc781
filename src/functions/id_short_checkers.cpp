// Functions taking IDs followed by a Short: an optional ID then an optional
// Short (Activate, RemoveAllItems), two factions then a Short
// (ModFactionReaction, SetFactionReaction).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {
namespace {

constexpr int kFaction = 91;  // both IDs of a faction reaction

}  // namespace

int strFoncOptIDOptShort(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(row.callerKind) || c.resteBlanc(c.pos())) return 1;
  if (!c.lireId(row.idKind, " : impossible de détecter l'appelé optionnel !") || c.resteBlanc(c.pos())) return 1;
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.erreur(" : pas d'espace après l'objet ", guillemets(c.id()), " !");
    return 1;
  }
  const Nombre n = lireNombre(t, p + 1, false, c.nomMod());
  if (n.vide) {
    c.erreur(" : impossible de détecter le second paramètre optionnel (de type short) !");
    return 1;
  }
  if (!n.valide) {
    c.erreur(" : erreur dans le second paramètre optionnel (de type short). Attention, ", c.nom(),
             " ne prend pas de variables en entrée !");
    return 1;
  }
  if (!n.virgule && c.resteBlanc(n.fin)) return 1;
  // One word more is a third parameter; beyond that, a list of them.
  if (compterMots(t, n.fin) <= 1)
    c.erreur(" : erreur dans le paramètre optionnel. Attention, ", c.nom(),
             " ne prend que deux paramètres optionnels au maximum !");
  else
    c.erreur(" : erreur, la fonction ", c.nom(), " contient trop de paramètres !");
  return 1;
}

int strFoncIDIDShort(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  if (c.lireId(kFaction, " : impossible de détecter le premier appelé !") && lireSecondId(c, kFaction) &&
      c.lireShort())
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
