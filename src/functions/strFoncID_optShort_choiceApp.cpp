// Functions taking one ID and an optional value after it (SetWeather, Say,
// PlayMagicEffectVisuals...), and con_ModWaterShader (a text, a number, an
// optional value).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr int kCallerEffet = 19;  // PlayMagicEffectVisuals and the like: an object...
constexpr int kIdEffet = 21;      // ...showing a magic effect

constexpr Libelle<2> kUnSeulApresId{"QM260",
                                    " : erreur dans le paramètre optionnel. Attention, {FONCTION} ne prend qu'un "
                                    "paramètre après l'ID \"{ID}\" !",
                                    "La fonction reçoit plus d'un paramètre après son ID, alors qu'elle n'en prend "
                                    "qu'un."};
constexpr Libelle<1> kTexteTropDeGuillemets{"QM261",
                                            " : erreur dans le texte de la fonction {FONCTION} : trop de guillemets.",
                                            "Le texte de la fonction contient plus de deux guillemets."};

constexpr const Fiche* kLibelles[] = {&kUnSeulApresId, &kTexteTropDeGuillemets};

void impossibleOptionnel(Call& c) { c.signaler(kOptionnelIntrouvable, c.nom()); }

void unSeulApres(Call& c, std::string_view valeur) { c.signaler(kUnSeulApresId, c.nom(), valeur); }

}  // namespace

Libelles libellesIdOptShort() { return kLibelles; }

int strFoncID_optShort_choiceApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(row.callerKind) || !c.lireId(row.idKind)) return 1;
  size_t p = c.pos();
  const bool virgule = t.at(p) == ',';
  if (virgule) ++p;
  if (t.at(p) != ' ') {
    // An ID alone is a whole call; a comma announces a value that is not there.
    if (virgule) impossibleOptionnel(c);
    return 1;
  }
  ++p;
  const size_t fin = finChiffres(t, p);
  if (fin >= t.size()) return 1;
  if (fin > p && estBlanc(t.at(fin))) {
    if (!c.resteBlanc(fin)) unSeulApres(c, c.id());
    return 1;
  }
  // Stopped on a non-digit: only a value announced by a comma must be a number.
  if (virgule && !estBlanc(t.at(fin)))
    c.signaler(kOptionnelVariable, c.nom());
  return 1;
}

int strFoncID_optParam(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerEffet) || !c.lireId(kIdEffet)) return 1;
  size_t p = c.pos();
  const bool virgule = t.at(p) == ',';
  if (virgule) ++p;
  if (t.at(p) != ' ') {
    if (virgule || !c.resteBlanc(p)) impossibleOptionnel(c);
    return 1;
  }
  c.setPos(p + 1);
  if (c.resteBlanc(c.pos())) return 1;
  if (!lireNombreRequis(c, true, row.negativeAllowed != 0)) return 1;
  if (!c.resteBlanc(c.pos())) unSeulApres(c, c.id());
  return 1;
}

int strFoncTexteVal(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(false)) return 0;
  const Mot texte = lireMot(t, c.pos());
  if (texte.texte.empty()) {
    c.signaler(kTexteIntrouvable);
    return 1;
  }
  if (texte.guillemets == 3) {
    c.signaler(kTexteTropDeGuillemets, c.nom());
    return 1;
  }
  size_t p = texte.fin;
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.signaler(kDernierIntrouvable, c.nom());
    return 1;
  }
  c.setPos(p + 1);
  if (!lireNombreRequis(c, true, row.negativeAllowed != 0)) return 1;
  if (lireShortOptionnel(c, false) == Lu::Present && !c.resteBlanc(c.pos())) unSeulApres(c, c.valeur());
  return 1;
}

}  // namespace quillomat
