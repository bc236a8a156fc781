// RemoveItem (an item and a count), SayTo (a listener and a topic) and
// GetCrimeKnown (a crime type, the criminal and the victim).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {
namespace {

constexpr int kContenant = 10;
constexpr int kContenu = 11;
constexpr int kPersonne = 15;
constexpr int kTopic = 50;

}  // namespace

int strFoncRemoveItem(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (c.lireAppelant(kContenant) && c.lireId(kContenu) && c.lireShort() &&
      lireShortOptionnel(c, false) != Lu::Faute)
    sansTropDeParametres(c);
  return 1;
}

int strFoncSayTo(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (c.lireAppelant(kPersonne) && c.lireId(kPersonne, " : impossible de détecter le premier appelé !") &&
      lireSecondId(c, kTopic) && lireShortOptionnel(c, true) != Lu::Faute)
    sansTropDeParametres(c);
  return 1;
}

int strFoncGetCrimeKnown(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kPersonne)) return 1;
  const size_t p = c.pos();
  if (finDeValeur(t, p)) {
    c.erreur(" : impossible de détecter le premier paramètre de la fonction ", c.nom());
    return 1;
  }
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.erreur(" : impossible de détecter le type de crime dans la fonction ", c.nom());
    return 1;
  }
  // The criminal follows one space; anything else leaves it empty.
  c.setPos(t.at(fin) == ' ' ? fin + 1 : fin);
  if (c.lireId(kPersonne, " : impossible de détecter le premier appelé !") && lireSecondId(c, kPersonne))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
