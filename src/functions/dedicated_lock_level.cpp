// Lock (an optional lock level, then one optional value) and SetLevel (a
// level, then up to three optional values).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/call_parameters.hpp"

namespace quillomat {
namespace {

constexpr int kCallerPorte = 41;
constexpr int kCallerObjet = 19;
constexpr int kOptionnelsSetLevel = 3;

}  // namespace

int strFoncLock(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerPorte)) return 1;
  if (c.resteBlanc(c.pos())) return 1;
  if (lireShortDirect(c) && lireShortOptionnel(c, false) != Lu::Faute) sansTropDeParametres(c);
  return 1;
}

int strFoncSetLevel(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  if (!c.lireAppelant(kCallerObjet) || !lireShortDirect(c)) return 1;
  for (int i = 0; i < kOptionnelsSetLevel; ++i) {
    const Lu lu = lireShortOptionnel(c, false);
    if (lu != Lu::Present) return 1;
  }
  sansTropDeParametres(c);
  return 1;
}

}  // namespace quillomat
