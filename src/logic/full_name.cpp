// SetActorFullName (optional caller, a new name in quotes) and
// SetCellFullName (a cell ID, then a new name in quotes).
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/registre_libelles.hpp"

#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kPersonne = 15;
constexpr int kCellule = 95;

constexpr Libelle<1> kRienApresNom{"QM520",
                                   " : erreur, la fonction {FONCTION} ne doit contenir aucun paramètre après le texte "
                                   "du nom !",
                                   "Quelque chose suit le guillemet qui ferme le nouveau nom."};
constexpr Libelle<1> kNomDActeurIntrouvable{"QM521", " : impossible de détecter le nouveau nom de l'acteur \"{ACTEUR}\" !",
                                            "Le nouveau nom de l'acteur n'est pas écrit entre guillemets après la "
                                            "fonction."};
constexpr Libelle<0> kNomIntrouvable{"QM522", " : impossible de détecter le nouveau nom !",
                                     "Le nouveau nom n'est pas écrit entre guillemets après la fonction."};
constexpr Libelle<1> kPasDEspaceApresCellule{"QM523", " : pas d'espace après l'ID de la cellule {CELLULE} !",
                                             "Le nouveau nom n'est pas séparé de la cellule par un espace."};
constexpr Libelle<1> kNomDeCelluleIntrouvable{"QM524",
                                              " : impossible de détecter le nouveau nom de la cellule \"{CELLULE}\" !",
                                              "Le nouveau nom de la cellule n'est pas écrit entre guillemets après "
                                              "elle."};
constexpr const Fiche* kLibelles[] = {&kRienApresNom, &kNomDActeurIntrouvable, &kNomIntrouvable,
                                      &kPasDEspaceApresCellule, &kNomDeCelluleIntrouvable};

// A quoted new name at pos: true when one begins there. An unclosed name is
// accepted; after the closing quote only blanks may follow.
bool lireNouveauNom(Call& call, size_t pos) {
  const Text& t = call.text();
  if (t.at(pos) != '"') return false;
  const size_t fermant = t.src().find('"', pos + 1);
  if (fermant != std::string_view::npos && !call.resteBlanc(fermant + 1)) call.signaler(kRienApresNom, call.nom());
  return true;
}

}  // namespace

Libelles libellesFullName() { return kLibelles; }

int synDetectSetActorFullName(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(true)) return 0;
  if (!call.lireAppelant(kPersonne)) return 1;
  if (!lireNouveauNom(call, call.pos())) {
    if (call.avecAppelant())
      call.signaler(kNomDActeurIntrouvable, call.appelant());
    else
      call.signaler(kNomIntrouvable);
  }
  return 1;
}

int synDetectSetCellFullName(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const Mot cellule = lireMot(t, call.pos());
  if (cellule.texte.empty()) {
    call.signaler(kCelluleIntrouvable);
    return 1;
  }
  if (cellule.guillemets == 3) {
    call.signaler(kCelluleTropDeGuillemets);
    return 1;
  }
  triInfo(ctx.wf, IdentifierRecord{kCellule, cellule.texte});
  size_t pos = cellule.fin;
  if (t.at(pos) == ',') ++pos;
  // A missing blank is reported, and the name is still looked for at the same place.
  if (t.at(pos) == ' ')
    ++pos;
  else if (pos < t.size())
    call.signaler(kPasDEspaceApresCellule, cellule.texte);
  if (!lireNouveauNom(call, pos))
    call.signaler(kNomDeCelluleIntrouvable, cellule.texte);
  return 1;
}

}  // namespace quillomat
