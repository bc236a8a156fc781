// GetIsSex and GetPCIsSex: one sex, "male" or "female".
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/vocabulary.hpp"

namespace quillomat {

int strFoncSexe_choiceApp(Context& ctx, const Text& t, const Row& row) {
  constexpr int kPersonne = 15;
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(kPersonne)) return 1;
  const Mot m = lireMot(t, c.pos());
  c.setPos(m.fin);
  if (m.texte.empty()) {
    c.erreur(" : impossible de détecter le sexe !");
  } else if (m.guillemets == 3) {
    c.erreur(" : erreur dans la syntaxe du sexe de la fonction ", c.nom(), " : trop de guillemets.");
  } else if (!estSexe(m.texte)) {
    c.erreur(" : erreur dans la fonction ", c.nom(), " : ", guillemets(m.texte), " n'est pas un sexe valide !");
  } else {
    c.rienApres("le sexe ", m.texte);
  }
  return 1;
}

}  // namespace quillomat
