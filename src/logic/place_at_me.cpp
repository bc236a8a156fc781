// PlaceAtMe: an optional caller, then the object to place, a count, a
// distance and a direction. Unlike the other checkers it goes on after some
// faults, so that one line may carry a second message about the distance.
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/registre_libelles.hpp"

#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kObjet = 19;

constexpr Libelle<0> kObjetIntrouvable{"QM330", " : impossible de détecter l'objet à placer !",
                                       "PlaceAtMe n'est suivi d'aucun objet à placer."};
constexpr Libelle<0> kNombreIncorrect{"QM331", " : erreur, le nombre d'objets à placer avec PlaceAtMe est incorrect !",
                                      "Le deuxième paramètre de PlaceAtMe n'est pas un nombre entier."};
constexpr Libelle<0> kDistanceIncorrecte{"QM332", " : erreur dans la fonction PlaceAtMe, la distance est incorrecte !",
                                         "Le troisième paramètre de PlaceAtMe n'est pas un nombre entier."};
constexpr Libelle<0> kPasDEspaceApresDistance{"QM333", " : pas d'espace après la distance de PlaceAtMe !",
                                              "La direction n'est pas séparée de la distance par un espace."};
constexpr Libelle<0> kDirectionIncorrecte{"QM334", " : erreur, la direction de la fonction PlaceAtMe est incorrecte !",
                                          "Le quatrième paramètre de PlaceAtMe n'est pas un nombre entier."};
constexpr Libelle<0> kQuatreParametres{"QM335",
                                       " : erreur, la fonction PlaceAtMe ne prend que quatre paramètres appelés !",
                                       "Quelque chose suit le quatrième paramètre de PlaceAtMe."};
constexpr const Fiche* kLibelles[] = {&kObjetIntrouvable,        &kNombreIncorrect,     &kDistanceIncorrecte,
                                      &kPasDEspaceApresDistance, &kDirectionIncorrecte, &kQuatreParametres};

// Optional ',' and optional space, then at least one digit; pos ends after
// the digits, or after the separators when there is none.
bool lireEntier(const Text& t, size_t& pos) {
  if (t.at(pos) == ',') ++pos;
  if (t.at(pos) == ' ') ++pos;
  const size_t debut = pos;
  while (estChiffre(t.at(pos))) ++pos;
  return pos > debut;
}

}  // namespace

Libelles libellesPlaceAtMe() { return kLibelles; }

int synDetectPlaceAtMe(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(true)) return 0;
  bool faute = false;
  size_t pos = call.pos();
  if (!call.lireAppelant(kObjet)) {
    // Checking resumes at the very place where the caller reading stopped.
    faute = true;
    pos = call.arretAppelant();
  }
  if (!faute) {
    const Mot objet = lireMot(t, pos);
    pos = objet.fin;
    if (objet.texte.empty()) {
      call.signaler(kObjetIntrouvable);
      faute = true;
    } else if (objet.guillemets == 3) {
      call.signaler(kAppeleTropDeGuillemets, "PlaceAtMe");
      faute = true;
    } else {
      triInfo(ctx.wf, IdentifierRecord{kObjet, objet.texte});
    }
  }
  if (!faute && !lireEntier(t, pos)) {
    call.signaler(kNombreIncorrect);
    faute = true;
  }
  if (!faute && !lireEntier(t, pos)) {
    call.signaler(kDistanceIncorrecte);
    faute = true;
  }
  // The blank after the distance is checked whatever happened before.
  if (t.at(pos) == ',') ++pos;
  if (pos < t.size()) {
    if (t.at(pos) != ' ') {
      call.signaler(kPasDEspaceApresDistance);
      return 1;
    }
    ++pos;
  }
  if (faute) return 1;
  const size_t debut = pos;
  while (estChiffre(t.at(pos))) ++pos;
  if (pos == debut)
    call.signaler(kDirectionIncorrecte);
  else if (!call.resteBlanc(pos))
    call.signaler(kQuatreParametres);
  return 1;
}

}  // namespace quillomat
