// MoveTo and MoveToMarker: an object is sent to a marker, with up to three
// optional offsets along X, Y and Z.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kCallerObjet = 19;
constexpr int kMarqueur = 95;

int lireDeplacement(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerObjet)) return 1;
  const Mot marqueur = lireMot(t, c.pos());
  if (marqueur.texte.empty()) {
    c.erreur(" : impossible de détecter la cellule !");
    return 1;
  }
  if (marqueur.guillemets == 3) {
    c.erreur(" : erreur dans la syntaxe du nom de la cellule : trop de guillemets.");
    return 1;
  }
  triInfo(ctx.wf, IdentifierRecord{kMarqueur, marqueur.texte});

  size_t p = marqueur.fin;
  const bool virgule = t.at(p) == ',';
  if (virgule) ++p;
  for (const char* axe : {"X", "Y", "Z"}) {
    // Offsets are optional: blanks to the end close the call (a comma right
    // after the marker still calls for the X offset).
    if (!(virgule && *axe == 'X') && c.resteBlanc(p)) return 1;
    size_t fin = p + 1;
    // Offsets are signed positions: '-' and a decimal point are allowed.
    if (t.at(p) != ' ' || (!c.resteBlanc(p + 1) && !nombreValide(t, p + 1, fin, true, true))) {
      c.erreur(" : erreur, la valeur de ", c.nom(), " sur l'axe ", axe, " est incorrecte !");
      return 1;
    }
    p = fin;
  }
  if (!c.resteBlanc(p))
    c.erreur(" : erreur dans la syntaxe de la fonction ", c.nom(), ", trop de paramètres !");
  return 1;
}

}  // namespace

int strFoncMoveTo(Context& ctx, const Text& t, const Row& row) { return lireDeplacement(ctx, t, row); }
int strFoncMoveToMarker(Context& ctx, const Text& t, const Row& row) { return lireDeplacement(ctx, t, row); }

}  // namespace quillomat
