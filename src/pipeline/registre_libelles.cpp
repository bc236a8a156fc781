#include "pipeline/registre_libelles.hpp"

#include <algorithm>

#include "functions/shared_messages.hpp"

namespace quillomat {

const std::vector<const Fiche*>& tousLesLibelles() {
  static const std::vector<const Fiche*> tous = [] {
    std::vector<const Fiche*> v;
    for (Libelles l : {Libelles(kLibellesPartages), libellesBlockStructure(), libellesLineScanner(),
                       libellesScriptType(), libellesReportWriter(), libellesCallReader(), libellesCallParameters(),
                       libellesIdShortCheckers(), libellesNumberListCheckers(), libellesOptShort(),
                       libellesIdOptShort(), libellesCellCheckers(), libellesActorValue(), libellesItemsDialogue(),
                       libellesMiscStat(), libellesMovement(), libellesIdInt(), libellesReturnId(), libellesSexe(),
                       libellesTexteVariables(), libellesBeginLine(), libellesBlockCommands(), libellesTestLine(),
                       libellesLogicalExpression(), libellesSetAssignment(), libellesMessage(), libellesFullName(),
                       libellesPlaceAtMe(), libellesExtendedExpression(), libellesExtendedStatements(),
                       libellesExtendedFunctions(), libellesPersonalCatalogue(), libellesLoopStructure(),
                       libellesSuppressions()})
      v.insert(v.end(), l.begin(), l.end());
    std::stable_sort(v.begin(), v.end(), [](const Fiche* a, const Fiche* b) { return a->code < b->code; });
    return v;
  }();
  return tous;
}

const Fiche* libelleDe(std::string_view code) {
  const auto& tous = tousLesLibelles();
  const auto it = std::lower_bound(tous.begin(), tous.end(), code,
                                   [](const Fiche* f, std::string_view c) { return f->code < c; });
  return it != tous.end() && (*it)->code == code ? *it : nullptr;
}

}  // namespace quillomat
