// ForceActorValue and ForceAV: an actor statistic set to the value of an
// expression.
#include "functions/call_parameters.hpp"
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr int kCallerPersonne = 15;

constexpr Libelle<1> kPasDEspaceApresStatistique{"QM306", " : pas d'espace après la statistique \"{STATISTIQUE}\" !",
                                                 "La valeur qui suit la statistique n'en est pas séparée par un "
                                                 "espace."};
constexpr Libelle<1> kExpressionInvalide{"QM307", " : erreur, l'expression du \"{STATISTIQUE}\" n'est pas valide !",
                                         "La valeur donnée à la statistique n'est ni un nombre, ni une variable, ni "
                                         "une expression reconnue."};

constexpr const Fiche* kLibelles[] = {&kPasDEspaceApresStatistique, &kExpressionInvalide};

int lireForceStatistique(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerPersonne)) return 1;
  std::string stat;
  if (!lireStatistique(c, stat)) return 1;
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.signaler(kPasDEspaceApresStatistique, stat);
    return 1;
  }
  ++p;
  const size_t fin = finJeton(t, p);
  // An empty text would pass the value recogniser, but the value is required here.
  if (fin == p || reconnaitreValeur(ctx, t.src().substr(p, fin - p)) <= 0) {
    c.signaler(kExpressionInvalide, stat);
    return 1;
  }
  c.setPos(fin);
  c.rienApres("la valeur de la statistique ", stat);
  return 1;
}

}  // namespace

Libelles libellesActorValue() { return kLibelles; }

int strFoncForceActorValue(Context& ctx, const Text& t, const Row& row) { return lireForceStatistique(ctx, t, row); }
int strFoncForceAV(Context& ctx, const Text& t, const Row& row) { return lireForceStatistique(ctx, t, row); }

}  // namespace quillomat
