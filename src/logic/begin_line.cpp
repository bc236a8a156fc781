// A Begin line: "begin" (any case) followed by a space, then the block names
// joined by && and ||, checked by MainLogiqueBegin. A Begin alone, or
// followed by a tab, is not this checker's line.
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kBeginSansCommande{"QM401", " : erreur, le Begin doit être suivi d'une commande !",
                                        "Le Begin n'indique pas le type du bloc (GameMode, OnActivate...)."};
constexpr const Fiche* kLibelles[] = {&kBeginSansCommande};

}  // namespace

Libelles libellesBeginLine() { return kLibelles; }

int synDetectBegin(Context& ctx, const Text& t, const Row&) {
  const size_t b = t.debut();
  if (!nomEn(t, b, "begin ")) return 0;
  size_t p = b + 6;
  while (p < t.size() && estBlanc(t.at(p))) ++p;
  if (p >= t.size())
    signalerLigne(ctx.wf, ctx.line, kBeginSansCommande);
  else
    MainLogiqueBegin(ctx, t.src().substr(p));
  return 1;
}

}  // namespace quillomat
