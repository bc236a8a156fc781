// Functions taking one ID, with or without a caller, and the functions whose
// syntax is not documented well enough to be checked.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kNonDocumentee{"QM324",
                                    " : alerte, la fonction \"{FONCTION}\" est insuffisament documentée : sa syntaxe "
                                    "ne sera pas traitée par le quillomat !",
                                    "La syntaxe de cette fonction est trop mal connue pour être vérifiée : la ligne "
                                    "est acceptée sans contrôle.",
                                    kAlerte};

constexpr const Fiche* kLibelles[] = {&kNonDocumentee};

int lireAppelUnId(Context& ctx, const Text& t, const Row& row, bool appelantPermis) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(appelantPermis)) return 0;
  if (call.lireAppelant(row.callerKind) && call.lireId(row.idKind)) call.rienApresId();
  return 1;
}

}  // namespace

Libelles libellesReturnId() { return kLibelles; }

int strReturnFoncID(Context& ctx, const Text& t, const Row& row) { return lireAppelUnId(ctx, t, row, true); }

int strReturnFoncID_sansApp(Context& ctx, const Text& t, const Row& row) {
  return lireAppelUnId(ctx, t, row, false);
}

int strAlerteNonDocumentee(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterSeul(true)) return 0;
  call.signaler(kNonDocumentee, row.name);
  return 1;
}

}  // namespace quillomat
