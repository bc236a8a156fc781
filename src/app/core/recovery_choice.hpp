// What becomes of a recovery copy that the user restores, opens beside its
// file or discards, and the names the recovery folder holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/core/recovery_copy.hpp"

namespace quillomat {

enum class ChoixCopie { Restaurer, OuvrirACote, Ecarter };

struct PlanRecuperation {
  bool fenetre = false;        // a window opens with the copy's text, modified
  std::u16string chemin;       // the file it belongs to; empty: saving asks for a name
  std::u16string nom;          // its name when it has no file
  bool ouvrirFichier = false;  // the file on disk opens in a window of its own, to compare
  bool operator==(const PlanRecuperation&) const = default;
};

// `nomsPris`: the names of the windows already open, so that a recovered
// window is never mistaken for one of them.
PlanRecuperation planifier(const CopieRecuperation& copie, ChoixCopie choix,
                           const std::vector<std::u16string>& nomsPris);

// One folder of copies per running editor, named by the editor's instance
// (32 hexadecimal digits), beside its lock "<instance>.verrou"; one copy per
// document, "document-<n>.copie". Anything else in the folder is not ours.
bool estNomInstance(std::string_view nom);
std::string nomVerrou(std::string_view instance);
std::string nomCopie(int numero);
bool estNomCopie(std::string_view nom);

}  // namespace quillomat
