// AddItem, SetStage, SetEssential and the like: one ID, then a Short value.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "pipeline/registre_libelles.hpp"

#include "syntax/variables.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kReferenceEtNonId{"QM323", " : erreur, l'objet \"{OBJET}\" est une référence et non une ID !",
                                       "La fonction attend l'ID d'un objet (son nom dans l'éditeur du jeu), pas une "
                                       "variable ref du script."};

constexpr const Fiche* kLibelles[] = {&kReferenceEtNonId};

// SetEssential wants the base actor, not a reference of the script. The test
// must run before the ID is recorded: recorded first, a declared reference
// would merge into the ID's kind and the test could never answer yes.
bool estReferenceInterdite(Call& c) {
  if (c.nom() != "SetEssential") return false;
  const Mot m = lireMot(c.text(), c.pos());
  // An empty ID or one with too many quotes is the ID reader's to report.
  if (m.texte.empty() || m.guillemets == 3 || !isRef(c.ctx().wf, m.texte)) return false;
  c.signaler(kReferenceEtNonId, m.texte);
  return true;
}

}  // namespace

Libelles libellesIdInt() { return kLibelles; }

int strFoncIDintApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(row.callerKind) || estReferenceInterdite(c)) return 1;
  if (c.lireId(row.idKind) && c.lireShort()) c.rienApresId();
  return 1;
}

}  // namespace quillomat
