// Placeholder until these checkers are written: they recognise nothing.
#include "functions/checkers.hpp"

namespace quillomat {

int strFoncID_optShort_choiceApp(Context&, const Text&, const Row&) { return 0; }
int strFoncID_optParam(Context&, const Text&, const Row&) { return 0; }
int strFoncTexteVal(Context&, const Text&, const Row&) { return 0; }
int strFoncMoveTo(Context&, const Text&, const Row&) { return 0; }
int strFoncMoveToMarker(Context&, const Text&, const Row&) { return 0; }
int strFoncForceActorValue(Context&, const Text&, const Row&) { return 0; }
int strFoncForceAV(Context&, const Text&, const Row&) { return 0; }
int strFoncModPCMiscStat(Context&, const Text&, const Row&) { return 0; }
int strFoncModPCMS(Context&, const Text&, const Row&) { return 0; }
int strFoncLock(Context&, const Text&, const Row&) { return 0; }
int strFoncSetLevel(Context&, const Text&, const Row&) { return 0; }
int strFoncRemoveItem(Context&, const Text&, const Row&) { return 0; }
int strFoncSayTo(Context&, const Text&, const Row&) { return 0; }
int strFoncGetCrimeKnown(Context&, const Text&, const Row&) { return 0; }

}  // namespace quillomat
