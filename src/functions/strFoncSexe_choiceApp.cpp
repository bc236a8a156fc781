// GetIsSex and GetPCIsSex: one sex, "male" or "female".
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "functions/vocabulary.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kSexeIntrouvable{"QM308", " : impossible de détecter le sexe !",
                                      "La fonction attend un sexe (Male ou Female) : il manque, ou un espace "
                                      "de trop le précède."};
constexpr Libelle<1> kSexeTropDeGuillemets{"QM309",
                                           " : erreur dans la syntaxe du sexe de la fonction {FONCTION} : trop de "
                                           "guillemets.",
                                           "Le sexe contient plus de deux guillemets."};
constexpr Libelle<2> kSexeInconnu{"QM310", " : erreur dans la fonction {FONCTION} : \"{SEXE}\" n'est pas un sexe valide !",
                                  "Le sexe s'écrit Male ou Female."};

constexpr const Fiche* kLibelles[] = {&kSexeIntrouvable, &kSexeTropDeGuillemets, &kSexeInconnu};

}  // namespace

Libelles libellesSexe() { return kLibelles; }

int strFoncSexe_choiceApp(Context& ctx, const Text& t, const Row& row) {
  constexpr int kPersonne = 15;
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(kPersonne)) return 1;
  const Mot m = lireMot(t, c.pos());
  c.setPos(m.fin);
  if (m.texte.empty()) {
    c.signaler(kSexeIntrouvable);
  } else if (m.guillemets == 3) {
    c.signaler(kSexeTropDeGuillemets, c.nom());
  } else if (!estSexe(m.texte)) {
    c.signaler(kSexeInconnu, c.nom(), m.texte);
  } else {
    c.rienApres("le sexe ", m.texte);
  }
  return 1;
}

}  // namespace quillomat
