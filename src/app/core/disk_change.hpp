// What the editor does when the file of an open document changes on disk:
// the file as the editor last read or wrote it, against the file as it is now.
#pragma once

#include <string>

namespace quillomat {

struct EtatFichier {
  bool existe = false;
  std::string empreinte;  // digest of the bytes, when the file exists

  // Two absent files are the same whatever digest they kept.
  bool operator==(const EtatFichier& autre) const {
    return existe == autre.existe && (!existe || empreinte == autre.empreinte);
  }
};

enum class ReactionDisque {
  Aucune,                  // the file holds what the editor read or wrote: its own save, a touch
  ProposerRechargement,    // another program changed it; the window has no unsaved changes
  ProposerAvecPerte,       // the same, but reloading would lose the window's unsaved changes
  SignalerSuppression,     // deleted or moved away: the text stays, to be written back
};

ReactionDisque reactionDisque(const EtatFichier& connu, const EtatFichier& actuel, bool modifie);

}  // namespace quillomat
