// MoveTo and MoveToMarker: an object is sent to a marker, with up to three
// optional offsets along X, Y and Z.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kCallerObjet = 19;
constexpr int kMarqueur = 95;

constexpr Libelle<1> kTropDeDecalages{"QM320", " : erreur dans la syntaxe de la fonction {FONCTION}, trop de paramètres !",
                                      "Quelque chose suit le décalage sur l'axe Z."};

constexpr const Fiche* kLibelles[] = {&kTropDeDecalages};

int lireDeplacement(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerObjet)) return 1;
  const Mot marqueur = lireMot(t, c.pos());
  if (marqueur.texte.empty()) {
    c.signaler(kCelluleIntrouvable);
    return 1;
  }
  if (marqueur.guillemets == 3) {
    c.signaler(kCelluleTropDeGuillemets);
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
      c.signaler(kValeurAxe, c.nom(), axe);
      return 1;
    }
    p = fin;
  }
  if (!c.resteBlanc(p))
    c.signaler(kTropDeDecalages, c.nom());
  return 1;
}

}  // namespace

Libelles libellesMovement() { return kLibelles; }

int strFoncMoveTo(Context& ctx, const Text& t, const Row& row) { return lireDeplacement(ctx, t, row); }
int strFoncMoveToMarker(Context& ctx, const Text& t, const Row& row) { return lireDeplacement(ctx, t, row); }

}  // namespace quillomat
