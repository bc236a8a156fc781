#include "app/core/disk_change.hpp"

namespace quillomat {

ReactionDisque reactionDisque(const EtatFichier& connu, const EtatFichier& actuel, bool modifie) {
  if (actuel == connu) return ReactionDisque::Aucune;
  if (!actuel.existe) return ReactionDisque::SignalerSuppression;
  return modifie ? ReactionDisque::ProposerAvecPerte : ReactionDisque::ProposerRechargement;
}

}  // namespace quillomat
