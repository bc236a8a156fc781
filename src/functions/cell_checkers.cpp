// Functions that name a cell: a cell then an optional owner (IsCellOwner,
// SetCellOwnership), a position and a cell or world space (PositionCell,
// PositionWorld), an optional cell then an optional reference (Flee).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kCellule = 95;       // CELLULE
constexpr int kProprietaire = 66;  // FACTION ou PNJ
constexpr int kPersonne = 15;      // who flees
constexpr int kObjet = 19;         // what is placed, what is fled from

constexpr Libelle<0> kNomCelluleInvalide{"QM313", " : erreur dans le nom de la cellule !",
                                         "Le nom de la cellule a un guillemet non refermé, ou contient un blanc sans "
                                         "être entre guillemets."};
constexpr Libelle<0> kAppeleNonOptionnelIntrouvable{"QM314", " : impossible de détecter l'appelé non optionnel !",
                                                    "La fonction attend une cellule : elle manque, ou un espace de "
                                                    "trop la précède."};
constexpr Libelle<1> kValeurRotation{"QM316",
                                     " : erreur, la valeur de rotation de {FONCTION} sur l'axe Z est incorrecte !",
                                     "La rotation sur l'axe Z n'est pas un nombre."};
constexpr Libelle<1> kPasDEspaceApresRotation{"QM317",
                                              " : pas d'espace après la rotation sur l'axe Z de la fonction "
                                              "{FONCTION}",
                                              "La cellule qui suit la rotation n'en est pas séparée par un espace."};
constexpr Libelle<2> kPasDEspaceApresObjet{"QM318",
                                           " : erreur dans la fonction {FONCTION}, pas d'espace après l'objet "
                                           "\"{OBJET}\" !",
                                           "Le paramètre qui suit cet objet n'en est pas séparé par un espace."};
constexpr Libelle<1> kSecondOptionnelIntrouvable{"QM319",
                                                 " : impossible de détecter le second appelé optionnel de la fonction "
                                                 "{FONCTION}",
                                                 "Le second paramètre optionnel est annoncé, mais il manque ou un "
                                                 "espace de trop le précède."};

constexpr const Fiche* kLibelles[] = {&kNomCelluleInvalide, &kAppeleNonOptionnelIntrouvable, &kValeurRotation,
                                      &kPasDEspaceApresRotation, &kPasDEspaceApresObjet, &kSecondOptionnelIntrouvable};

// The place after the four numbers of a position; recorded only when sound.
void lirePlace(Call& c, size_t p) {
  const Mot m = lireMot(c.text(), p);
  if (m.texte.empty()) {
    c.signaler(kCelluleIntrouvable);
  } else if (m.guillemets == 3) {
    c.signaler(kCelluleTropDeGuillemets);
  } else if (m.guillemets == 1 || !c.resteBlanc(m.fin)) {
    // An unclosed quote, or a name with blanks that lacks its quotes.
    c.signaler(kNomCelluleInvalide);
  } else {
    triInfo(c.ctx().wf, IdentifierRecord{c.row().idKind, m.texte});
  }
}

}  // namespace

Libelles libellesCellCheckers() { return kLibelles; }

int strFoncCelluleOptID(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  if (!c.lireId(kCellule, kAppeleNonOptionnelIntrouvable) || c.resteBlanc(c.pos())) return 1;
  if (lireIdSuivant(c, kProprietaire, kAppeleIntrouvable)) c.rienApresId();
  return 1;
}

int strFoncPositionCellule(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kObjet)) return 1;
  static constexpr const char* kAxes[] = {"X", "Y", "Z"};
  size_t p = c.pos();
  for (int i = 0; i < 4; ++i) {
    // Coordinates and the rotation may be negative and decimal.
    const Nombre n = lireNombre(t, p, true, true);
    if (!n.valide) {
      if (i < 3)
        c.signaler(kValeurAxe, c.nom(), kAxes[i]);
      else
        c.signaler(kValeurRotation, c.nom());
      return 1;
    }
    p = n.fin;
    if (t.at(p) == ' ') {
      ++p;
    } else if (i == 3) {
      c.signaler(kPasDEspaceApresRotation, c.nom());
      return 1;
    }
  }
  lirePlace(c, p);
  return 1;
}

int strFoncOptCelluleOptRef(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kPersonne) || c.resteBlanc(c.pos())) return 1;
  if (!c.lireId(kCellule) || c.resteBlanc(c.pos())) return 1;
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.signaler(kPasDEspaceApresObjet, c.nom(), c.id());
    return 1;
  }
  c.setPos(p + 1);
  if (c.lireId(kObjet, kSecondOptionnelIntrouvable))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
