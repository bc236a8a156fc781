// Placeholder until these checkers are written: they recognise nothing.
#include "functions/checkers.hpp"

namespace quillomat {

int strFoncStat_choiceApp(Context&, const Text&, const Row&) { return 0; }
int strFoncStatShort_choiceApp(Context&, const Text&, const Row&) { return 0; }
int strFoncSexe_choiceApp(Context&, const Text&, const Row&) { return 0; }
int strFoncAxe(Context&, const Text&, const Row&) { return 0; }
int strFoncAxeFloat(Context&, const Text&, const Row&) { return 0; }
int strFoncIDfloat(Context&, const Text&, const Row&) { return 0; }
int strReturnFoncVal(Context&, const Text&, const Row&) { return 0; }
int strReturnFoncValInt(Context&, const Text&, const Row&) { return 0; }
int strReturnFoncValFloat(Context&, const Text&, const Row&) { return 0; }
int strFoncValFloatApp(Context&, const Text&, const Row&) { return 0; }
int strFoncIDintApp(Context&, const Text&, const Row&) { return 0; }
int strFoncIDIDApp(Context&, const Text&, const Row&) { return 0; }

}  // namespace quillomat
