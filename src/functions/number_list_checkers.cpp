// Functions taking a fixed list of numbers (colours, fog distances, HDR and
// glow settings, Pow, Rand...). Each number may be decimal; it may begin with
// '-' only when the row allows negative values or the name begins with "mod".
// Numbers are separated by one space or by ", ".
#include <array>

#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr std::array<const char*, 5> kRangs = {"premier", "second", "troisième", "quatrième", "cinquième"};

constexpr Libelle<2> kValeurIncorrecte{"QM250", " : erreur, la valeur du {RANG} appelé de {FONCTION} est incorrecte !",
                                       "Ce paramètre n'est pas un nombre que la fonction accepte, ou il est mal "
                                       "séparé du précédent."};
constexpr Libelle<1> kTropDeNombres{"QM251", " : trop de paramètres dans la fonction {FONCTION}",
                                    "Quelque chose suit le dernier nombre de la fonction."};

constexpr const Fiche* kLibelles[] = {&kValeurIncorrecte, &kTropDeNombres};

void lireNombres(Call& c, size_t combien) {
  const Text& t = c.text();
  const bool negatif = c.row().negativeAllowed == 1 || c.nomMod();
  size_t p = c.pos();
  for (size_t i = 0; i < combien; ++i) {
    const Nombre n = lireNombre(t, p, true, negatif);
    if (!n.valide) {
      c.signaler(kValeurIncorrecte, kRangs[i], c.nom());
      return;
    }
    p = n.fin;
    if (i + 1 == combien) {
      if (n.virgule || !c.resteBlanc(p)) c.signaler(kTropDeNombres, c.nom());
    } else if (t.at(p) == ' ') {
      ++p;  // otherwise the next number is missing and reported as such
    }
  }
}

int lireListe(Context& ctx, const Text& t, const Row& row, bool appelantPermis, size_t combien) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(appelantPermis)) return 0;
  if (c.lireAppelant(row.callerKind)) lireNombres(c, combien);
  return 1;
}

}  // namespace

Libelles libellesNumberListCheckers() { return kLibelles; }

int strFoncTroisVal(Context& ctx, const Text& t, const Row& row) {
  return lireListe(ctx, t, row, row.callerAllowed == 1, 3);
}

int strFoncCinqVal(Context& ctx, const Text& t, const Row& row) {
  return lireListe(ctx, t, row, false, 5);
}

int strFoncTroisValGlow(Context& ctx, const Text& t, const Row& row) {
  return lireListe(ctx, t, row, false, 3);
}

int strFoncDeuxVal(Context& ctx, const Text& t, const Row& row) {
  return lireListe(ctx, t, row, row.callerAllowed == 1, 2);
}

}  // namespace quillomat
