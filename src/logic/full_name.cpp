// SetActorFullName (optional caller, a new name in quotes) and
// SetCellFullName (a cell ID, then a new name in quotes).
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kPersonne = 15;
constexpr int kCellule = 95;

// A quoted new name at pos: true when one begins there. An unclosed name is
// accepted; after the closing quote only blanks may follow (else `apres`).
bool lireNouveauNom(Call& call, size_t pos, std::string_view apres) {
  const Text& t = call.text();
  if (t.at(pos) != '"') return false;
  const size_t fermant = t.src().find('"', pos + 1);
  if (fermant != std::string_view::npos && !call.resteBlanc(fermant + 1)) call.erreur(apres);
  return true;
}

}  // namespace

int synDetectSetActorFullName(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(true)) return 0;
  if (!call.lireAppelant(kPersonne)) return 1;
  if (!lireNouveauNom(
          call, call.pos(),
          " : erreur, la fonction SetActorFullName ne doit contenir aucun paramètre après le texte du nom !")) {
    if (call.avecAppelant())
      call.erreur(" : impossible de détecter le nouveau nom de l'acteur ", guillemets(call.appelant()), " !");
    else
      call.erreur(" : impossible de détecter le nouveau nom !");
  }
  return 1;
}

int synDetectSetCellFullName(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const Mot cellule = lireMot(t, call.pos());
  if (cellule.texte.empty()) {
    call.erreur(" : impossible de détecter la cellule !");
    return 1;
  }
  if (cellule.guillemets == 3) {
    call.erreur(" : erreur dans la syntaxe du nom de la cellule : trop de guillemets.");
    return 1;
  }
  triInfo(ctx.wf, IdentifierRecord{kCellule, cellule.texte});
  size_t pos = cellule.fin;
  if (t.at(pos) == ',') ++pos;
  // A missing blank is reported, and the name is still looked for at the same place.
  if (t.at(pos) == ' ')
    ++pos;
  else if (pos < t.size())
    call.erreur(" : pas d'espace après l'ID de la cellule ", cellule.texte, " !");
  if (!lireNouveauNom(
          call, pos,
          " : erreur, la fonction SetCellFullName ne doit contenir aucun paramètre après le texte du nom !"))
    call.erreur(" : impossible de détecter le nouveau nom de la cellule ", guillemets(cellule.texte), " !");
  return 1;
}

}  // namespace quillomat
