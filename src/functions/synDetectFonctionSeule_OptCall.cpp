// Functions without parameter that may be called on a reference.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"

namespace quillomat {

int synDetectFonctionSeule_OptCall(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterSeul(true)) return 0;
  if (call.lireAppelant(row.callerKind)) call.finSansParametre(true);
  return 1;
}

}  // namespace quillomat
