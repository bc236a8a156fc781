// The command table: every menu item, accelerator and tool-bar button of the
// editor, with its handler. The main frame builds its actions and its two
// menus from these rows alone.
#pragma once

#include <span>

class CQuillomatApp;

namespace commandes {

// Menus a row appears in: the menu without documents (N), with one (D).
inline constexpr unsigned kN = 1;
inline constexpr unsigned kD = 2;

// When a command can run.
enum class Etat {
  SansCommande,   // no handler: always disabled
  Toujours,
  AvecVue,        // an editor window is active
  PeutAnnuler,
  PeutRetablir,
  AvecSelection,
  FichierRecent,  // one entry of the recent-file list
  DocumentUtf8,   // the active document's file is UTF-8
};

struct Commande {
  int id;
  const char* menu;        // top-level menu, nullptr when the command is in none
  int groupe;              // a separator stands between two groups of a menu
  unsigned dans;           // kN | kD
  const char* texte;       // menu item text (UTF-8), nullptr for tool-bar only commands
  const char* raccourcis;  // accelerators, ';' between them, nullptr for none
  const char* invite;      // status prompt, then '\n' and the tool tip
  void (CQuillomatApp::*handler)();
  Etat etat;
  bool cochable = false;   // shows a check mark (tool bar, status bar)
  int recent = -1;         // index in the recent-file list
};

std::span<const Commande> table();
const Commande* trouver(int id);

// The top-level menus in their order.
std::span<const char* const> menus();

// The tool-bar buttons in their order; 0 marks a separator.
std::span<const int> barreOutils();

}  // namespace commandes
