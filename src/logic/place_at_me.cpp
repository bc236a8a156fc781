// PlaceAtMe: an optional caller, then the object to place, a count, a
// distance and a direction. Unlike the other checkers it goes on after some
// faults, so that one line may carry a second message about the distance.
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kObjet = 19;

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
      call.erreur(" : impossible de détecter l'objet à placer !");
      faute = true;
    } else if (objet.guillemets == 3) {
      call.erreur(" : erreur dans la syntaxe de l'appelé de la fonction PlaceAtMe : trop de guillemets.");
      faute = true;
    } else {
      triInfo(ctx.wf, IdentifierRecord{kObjet, objet.texte});
    }
  }
  if (!faute && !lireEntier(t, pos)) {
    call.erreur(" : erreur, le nombre d'objets à placer avec PlaceAtMe est incorrect !");
    faute = true;
  }
  if (!faute && !lireEntier(t, pos)) {
    call.erreur(" : erreur dans la fonction PlaceAtMe, la distance est incorrecte !");
    faute = true;
  }
  // The blank after the distance is checked whatever happened before.
  if (t.at(pos) == ',') ++pos;
  if (pos < t.size()) {
    if (t.at(pos) != ' ') {
      call.erreur(" : pas d'espace après la distance de PlaceAtMe !");
      return 1;
    }
    ++pos;
  }
  if (faute) return 1;
  const size_t debut = pos;
  while (estChiffre(t.at(pos))) ++pos;
  if (pos == debut)
    call.erreur(" : erreur, la direction de la fonction PlaceAtMe est incorrecte !");
  else if (!call.resteBlanc(pos))
    call.erreur(" : erreur, la fonction PlaceAtMe ne prend que quatre paramètres appelés !");
  return 1;
}

}  // namespace quillomat
