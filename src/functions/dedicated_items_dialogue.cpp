// RemoveItem (an item and a count), SayTo (a listener and a topic) and
// GetCrimeKnown (a crime type, the criminal and the victim).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr int kContenant = 10;
constexpr int kContenu = 11;
constexpr int kPersonne = 15;
constexpr int kTopic = 50;

constexpr Libelle<1> kTypeDeCrime{"QM321", " : impossible de détecter le type de crime dans la fonction {FONCTION}",
                                  "Le type de crime doit être un nombre entier écrit en chiffres."};

constexpr const Fiche* kLibelles[] = {&kTypeDeCrime};

}  // namespace

Libelles libellesItemsDialogue() { return kLibelles; }

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
  if (c.lireAppelant(kPersonne) && c.lireId(kPersonne, kPremierAppeleIntrouvable) &&
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
    c.signaler(kPremierIntrouvable, c.nom());
    return 1;
  }
  const size_t fin = finChiffres(t, p);
  if (fin == p || !finDeValeur(t, fin)) {
    c.signaler(kTypeDeCrime, c.nom());
    return 1;
  }
  // The criminal follows one space; anything else leaves it empty.
  c.setPos(t.at(fin) == ' ' ? fin + 1 : fin);
  if (c.lireId(kPersonne, kPremierAppeleIntrouvable) && lireSecondId(c, kPersonne))
    c.rienApresId();
  return 1;
}

}  // namespace quillomat
