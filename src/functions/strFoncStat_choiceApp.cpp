// Functions reading an actor statistic (GetAV Strength), and those that also
// take a Short value after it (ModAV Strength -5).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/vocabulary.hpp"

namespace quillomat {
namespace {

constexpr int kPersonne = 15;  // only actors have statistics

// The statistic, read like an ID and judged by the vocabulary; on success pos()
// stands right after it.
bool lireStatistique(Call& c, std::string& stat) {
  const Mot m = lireMot(c.text(), c.pos());
  c.setPos(m.fin);
  if (m.texte.empty()) {
    c.erreur(" : impossible de détecter la statistique !");
    return false;
  }
  if (m.guillemets == 3) {
    c.erreur(" : erreur dans la syntaxe de la statistique de la fonction ", c.nom(), " : trop de guillemets.");
    return false;
  }
  if (!estStatistique(m.texte)) {
    c.erreur(" : erreur dans la fonction ", c.nom(), " : ", guillemets(m.texte), " n'est pas une statistique valide !");
    return false;
  }
  stat = m.texte;
  return true;
}

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
    c.erreur(" : pas d'espace après l'ID ", guillemets(stat), " !");
    return 1;
  }
  if (c.lireShort()) c.rienApres("la valeur de la statistique ", stat);
  return 1;
}

}  // namespace quillomat
