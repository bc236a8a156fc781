// Functions that name a cell: a cell then an optional owner (IsCellOwner,
// SetCellOwnership), a position and a cell or world space (PositionCell,
// PositionWorld), an optional cell then an optional reference (Flee).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kCellule = 95;       // CELLULE
constexpr int kProprietaire = 66;  // FACTION ou PNJ
constexpr int kPersonne = 15;      // who flees
constexpr int kObjet = 19;         // what is placed, what is fled from

// The place after the four numbers of a position; recorded only when sound.
void lirePlace(Call& c, size_t p) {
  const Mot m = lireMot(c.text(), p);
  if (m.texte.empty()) {
    c.erreur(" : impossible de détecter la cellule !");
  } else if (m.guillemets == 3) {
    c.erreur(" : erreur dans la syntaxe du nom de la cellule : trop de guillemets.");
  } else if (m.guillemets == 1 || !c.resteBlanc(m.fin)) {
    // An unclosed quote, or a name with blanks that lacks its quotes.
    c.erreur(" : erreur dans le nom de la cellule !");
  } else {
    triInfo(c.ctx().wf, IdentifierRecord{c.row().idKind, m.texte});
  }
}

}  // namespace

int strFoncCelluleOptID(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  if (!c.lireId(kCellule, " : impossible de détecter l'appelé non optionnel !") || c.resteBlanc(c.pos())) return 1;
  if (lireIdSuivant(c, kProprietaire, " : impossible de détecter l'appelé !")) c.rienApresId();
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
        c.erreur(" : erreur, la valeur de ", c.nom(), " sur l'axe ", kAxes[i], " est incorrecte !");
      else
        c.erreur(" : erreur, la valeur de rotation de ", c.nom(), " sur l'axe Z est incorrecte !");
      return 1;
    }
    p = n.fin;
    if (t.at(p) == ' ') {
      ++p;
    } else if (i == 3) {
      c.erreur(" : pas d'espace après la rotation sur l'axe Z de la fonction ", c.nom());
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
    c.erreur(" : erreur dans la fonction ", c.nom(), ", pas d'espace après l'objet ", guillemets(c.id()), " !");
    return 1;
  }
  c.setPos(p + 1);
  if (c.lireId(kObjet, composer(" : impossible de détecter le second appelé optionnel de la fonction ", c.nom())))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
