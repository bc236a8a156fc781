// The signature checkers: one per shape of parameters. Each is called with a
// catalogue row (name, kinds, flags) and the text to check, and returns 0 when
// the text is not a call of the row's name, 1 otherwise (faults reported).
#pragma once

#include "functions/catalogue.hpp"

namespace quillomat {

// No parameter, no caller.
int strReturnFonctionSeule(Context&, const Text&, const Row&);
// No parameter, optional caller.
int synDetectFonctionSeule_OptCall(Context&, const Text&, const Row&);
// One ID, optional caller; the same without caller; an undocumented function.
int strReturnFoncID(Context&, const Text&, const Row&);
int strReturnFoncID_sansApp(Context&, const Text&, const Row&);
int strAlerteNonDocumentee(Context&, const Text&, const Row&);
// Actor-value name; actor-value name and Short.
int strFoncStat_choiceApp(Context&, const Text&, const Row&);
int strFoncStatShort_choiceApp(Context&, const Text&, const Row&);
int strFoncSexe_choiceApp(Context&, const Text&, const Row&);
int strFoncAxe(Context&, const Text&, const Row&);
int strFoncAxeFloat(Context&, const Text&, const Row&);
int strFoncIDfloat(Context&, const Text&, const Row&);
int strReturnFoncVal(Context&, const Text&, const Row&);
int strReturnFoncValInt(Context&, const Text&, const Row&);
int strReturnFoncValFloat(Context&, const Text&, const Row&);
int strFoncValFloatApp(Context&, const Text&, const Row&);
int strFoncIDintApp(Context&, const Text&, const Row&);
int strFoncIDIDApp(Context&, const Text&, const Row&);

// Unit strFoncID_optShort_choiceApp.
int strFoncID_optShort_choiceApp(Context&, const Text&, const Row&);
int strFoncID_optParam(Context&, const Text&, const Row&);
int strFoncTexteVal(Context&, const Text&, const Row&);
int strFoncMoveTo(Context&, const Text&, const Row&);
int strFoncMoveToMarker(Context&, const Text&, const Row&);
int strFoncForceActorValue(Context&, const Text&, const Row&);
int strFoncForceAV(Context&, const Text&, const Row&);
int strFoncModPCMiscStat(Context&, const Text&, const Row&);
int strFoncModPCMS(Context&, const Text&, const Row&);
int strFoncLock(Context&, const Text&, const Row&);
int strFoncSetLevel(Context&, const Text&, const Row&);
int strFoncRemoveItem(Context&, const Text&, const Row&);
int strFoncSayTo(Context&, const Text&, const Row&);
int strFoncGetCrimeKnown(Context&, const Text&, const Row&);

// Unit strFonc_optShort_choiceApp.
int strFonc_optShort_choiceApp(Context&, const Text&, const Row&);
int strFonc_optID_choiceApp(Context&, const Text&, const Row&);
int strFoncCelluleOptID(Context&, const Text&, const Row&);
int strFoncValOptID(Context&, const Text&, const Row&);
int strFoncPositionCellule(Context&, const Text&, const Row&);
int strFoncTroisVal(Context&, const Text&, const Row&);
int strFoncCinqVal(Context&, const Text&, const Row&);
int strFoncTroisValGlow(Context&, const Text&, const Row&);
int strFoncDeuxVal(Context&, const Text&, const Row&);
int strFoncOptIDOptShort(Context&, const Text&, const Row&);
int strFoncIDIDShort(Context&, const Text&, const Row&);
int strFoncOptCelluleOptRef(Context&, const Text&, const Row&);
int strFoncTexteVariables(Context&, const Text&, const Row&);

// The later functions whose arguments are expressions (row.argsMin to argsMax).
int strFoncExpressions(Context&, const Text&, const Row&);

}  // namespace quillomat
