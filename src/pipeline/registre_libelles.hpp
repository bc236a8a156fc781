// Every message the checker can write: the lists of the files that write
// them, gathered for the help, the outputs for other tools and the tests.
#pragma once

#include <vector>

#include "pipeline/libelle.hpp"

namespace quillomat {

// All the messages, ordered by code.
const std::vector<const Fiche*>& tousLesLibelles();
// The message of a code; null for an unknown code.
const Fiche* libelleDe(std::string_view code);

// The messages of each file that writes some (messages shared by several
// files are in functions/shared_messages.hpp).
Libelles libellesBlockStructure();
Libelles libellesLineScanner();
Libelles libellesScriptType();
Libelles libellesReportWriter();
Libelles libellesCallReader();
Libelles libellesCallParameters();
Libelles libellesIdShortCheckers();
Libelles libellesNumberListCheckers();
Libelles libellesOptShort();
Libelles libellesIdOptShort();
Libelles libellesCellCheckers();
Libelles libellesActorValue();
Libelles libellesItemsDialogue();
Libelles libellesMiscStat();
Libelles libellesMovement();
Libelles libellesIdInt();
Libelles libellesReturnId();
Libelles libellesSexe();
Libelles libellesTexteVariables();
Libelles libellesBeginLine();
Libelles libellesBlockCommands();
Libelles libellesTestLine();
Libelles libellesLogicalExpression();
Libelles libellesSetAssignment();
Libelles libellesMessage();
Libelles libellesFullName();
Libelles libellesPlaceAtMe();
Libelles libellesExtendedExpression();
Libelles libellesExtendedStatements();
Libelles libellesExtendedFunctions();
Libelles libellesPersonalCatalogue();
Libelles libellesLoopStructure();
Libelles libellesSuppressions();

}  // namespace quillomat
