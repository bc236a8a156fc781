// Placeholder until these checkers are written: they recognise nothing.
#include "functions/checkers.hpp"

namespace quillomat {

int strFonc_optShort_choiceApp(Context&, const Text&, const Row&) { return 0; }
int strFonc_optID_choiceApp(Context&, const Text&, const Row&) { return 0; }
int strFoncCelluleOptID(Context&, const Text&, const Row&) { return 0; }
int strFoncValOptID(Context&, const Text&, const Row&) { return 0; }
int strFoncPositionCellule(Context&, const Text&, const Row&) { return 0; }
int strFoncTroisVal(Context&, const Text&, const Row&) { return 0; }
int strFoncCinqVal(Context&, const Text&, const Row&) { return 0; }
int strFoncTroisValGlow(Context&, const Text&, const Row&) { return 0; }
int strFoncDeuxVal(Context&, const Text&, const Row&) { return 0; }
int strFoncOptIDOptShort(Context&, const Text&, const Row&) { return 0; }
int strFoncIDIDShort(Context&, const Text&, const Row&) { return 0; }
int strFoncOptCelluleOptRef(Context&, const Text&, const Row&) { return 0; }

}  // namespace quillomat
