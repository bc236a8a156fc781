// Functions taking IDs followed by a Short: an optional ID then an optional
// Short (Activate, RemoveAllItems), two factions then a Short
// (ModFactionReaction, SetFactionReaction).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr int kFaction = 91;  // both IDs of a faction reaction

constexpr Libelle<0> kAppeleOptionnelIntrouvable{"QM240", " : impossible de détecter l'appelé optionnel !",
                                                 "Le paramètre optionnel (un objet) est annoncé, mais il manque ou un "
                                                 "espace de trop le précède."};
constexpr Libelle<1> kPasDEspaceApresObjet{"QM241", " : pas d'espace après l'objet \"{OBJET}\" !",
                                           "La valeur qui suit l'objet n'en est pas séparée par un espace."};
constexpr Libelle<0> kSecondOptionnelIntrouvable{"QM242",
                                                 " : impossible de détecter le second paramètre optionnel (de type "
                                                 "short) !",
                                                 "Le second paramètre optionnel est annoncé, mais il manque ou un "
                                                 "espace de trop le précède."};
constexpr Libelle<1> kSecondOptionnelVariable{"QM243",
                                              " : erreur dans le second paramètre optionnel (de type short). "
                                              "Attention, {FONCTION} ne prend pas de variables en entrée !",
                                              "Le second paramètre optionnel doit être un nombre entier écrit en "
                                              "chiffres."};
constexpr Libelle<1> kDeuxOptionnelsAuPlus{"QM244",
                                           " : erreur dans le paramètre optionnel. Attention, {FONCTION} ne prend que "
                                           "deux paramètres optionnels au maximum !",
                                           "La fonction reçoit un troisième paramètre, alors qu'elle en prend deux au "
                                           "plus."};

constexpr const Fiche* kLibelles[] = {&kAppeleOptionnelIntrouvable, &kPasDEspaceApresObjet,
                                      &kSecondOptionnelIntrouvable, &kSecondOptionnelVariable,
                                      &kDeuxOptionnelsAuPlus};

}  // namespace

Libelles libellesIdShortCheckers() { return kLibelles; }

int strFoncOptIDOptShort(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(row.callerKind) || c.resteBlanc(c.pos())) return 1;
  if (!c.lireId(row.idKind, kAppeleOptionnelIntrouvable) || c.resteBlanc(c.pos())) return 1;
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.signaler(kPasDEspaceApresObjet, c.id());
    return 1;
  }
  const Nombre n = lireNombre(t, p + 1, false, c.nomMod());
  if (n.vide) {
    c.signaler(kSecondOptionnelIntrouvable);
    return 1;
  }
  if (!n.valide) {
    c.signaler(kSecondOptionnelVariable, c.nom());
    return 1;
  }
  if (!n.virgule && c.resteBlanc(n.fin)) return 1;
  // One word more is a third parameter; beyond that, a list of them.
  if (compterMots(t, n.fin) <= 1)
    c.signaler(kDeuxOptionnelsAuPlus, c.nom());
  else
    c.signaler(kTropDeParametres, c.nom());
  return 1;
}

int strFoncIDIDShort(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  if (c.lireId(kFaction, kPremierAppeleIntrouvable) && lireSecondId(c, kFaction) &&
      c.lireShort())
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
