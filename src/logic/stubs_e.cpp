// Placeholder until these checkers are written: they recognise nothing.
#include "functions/checkers.hpp"
#include "logic/line_checkers.hpp"

namespace quillomat {

int synDetectSet(Context&, const Text&, const Row&) { return 0; }
int synDetectMessage(Context&, const Text&, const Row&) { return 0; }
int synDetectEssentialDeathReload(Context&, const Text&, const Row&) { return 0; }
int synDetectSetActorFullName(Context&, const Text&, const Row&) { return 0; }
int synDetectSetCellFullName(Context&, const Text&, const Row&) { return 0; }
int synDetectPlaceAtMe(Context&, const Text&, const Row&) { return 0; }
int strFoncTexteVariables(Context&, const Text&, const Row&) { return 0; }

}  // namespace quillomat
