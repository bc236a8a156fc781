// Functions reading an actor statistic (GetAV Strength), and those that also
// take a Short value after it (ModAV Strength -5).
#include "functions/call_parameters.hpp"
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/vocabulary.hpp"

namespace quillomat {
namespace {

constexpr int kPersonne = 15;  // only actors have statistics

}  // namespace

int strFoncStat_choiceApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(true)) return 0;
  std::string stat;
  if (c.lireAppelant(kPersonne) && lireStatistique(c, stat)) c.rienApres("la statistique ", stat);
  return 1;
}

int strFoncStatShort_choiceApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  std::string stat;
  if (!c.lireAppelant(kPersonne) || !lireStatistique(c, stat)) return 1;
  // The shared Short reader names an ID in its spacing message; here the word
  // before the value is the statistic, so that check is made first.
  size_t p = c.pos();
  if (t.at(p) == ',') ++p;
  if (t.at(p) != ' ') {
    c.signaler(kPasDEspaceApresId, stat);
    return 1;
  }
  if (c.lireShort()) c.rienApres("la valeur de la statistique ", stat);
  return 1;
}

}  // namespace quillomat
