// Functions without parameter and without caller (also the block keywords
// Else, Endif, End, Return and the bare Begin block names).
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"

namespace quillomat {

int strReturnFonctionSeule(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterSeul(false)) return 0;
  call.finSansParametre(false);
  return 1;
}

}  // namespace quillomat
