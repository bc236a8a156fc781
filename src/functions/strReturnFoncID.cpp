// Functions taking one ID, with or without a caller, and the functions whose
// syntax is not documented well enough to be checked.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"

namespace quillomat {
namespace {

int lireAppelUnId(Context& ctx, const Text& t, const Row& row, bool appelantPermis) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(appelantPermis)) return 0;
  if (call.lireAppelant(row.callerKind) && call.lireId(row.idKind)) call.rienApresId();
  return 1;
}

}  // namespace

int strReturnFoncID(Context& ctx, const Text& t, const Row& row) { return lireAppelUnId(ctx, t, row, true); }

int strReturnFoncID_sansApp(Context& ctx, const Text& t, const Row& row) {
  return lireAppelUnId(ctx, t, row, false);
}

int strAlerteNonDocumentee(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterSeul(true)) return 0;
  call.alerte(" : alerte, la fonction ", guillemets(row.name),
              " est insuffisament documentée : sa syntaxe ne sera pas traitée par le quillomat !");
  return 1;
}

}  // namespace quillomat
