// AddItem, SetStage, SetEssential and the like: one ID, then a Short value.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

// SetEssential wants the base actor, not a reference of the script. The test
// must run before the ID is recorded: recorded first, a declared reference
// would merge into the ID's kind and the test could never answer yes.
bool estReferenceInterdite(Call& c) {
  if (c.nom() != "SetEssential") return false;
  const Mot m = lireMot(c.text(), c.pos());
  // An empty ID or one with too many quotes is the ID reader's to report.
  if (m.texte.empty() || m.guillemets == 3 || !isRef(c.ctx().wf, m.texte)) return false;
  c.erreur(" : erreur, l'objet ", guillemets(m.texte), " est une référence et non une ID !");
  return true;
}

}  // namespace

int strFoncIDintApp(Context& ctx, const Text& t, const Row& row) {
  Call c(ctx, t, row);
  if (!c.detecterAvecSeparateur(row.callerAllowed == 1)) return 0;
  if (!c.lireAppelant(row.callerKind) || estReferenceInterdite(c)) return 1;
  if (c.lireId(row.idKind) && c.lireShort()) c.rienApresId();
  return 1;
}

}  // namespace quillomat
