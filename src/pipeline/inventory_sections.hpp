// The inventory sections of the report, by identifier kind, and the type
// words of variables: shared by the report and the command-line formats.
#pragma once

#include <array>
#include <string_view>

namespace quillomat {

struct SectionInventaire {
  int de1, a1, de2, a2;     // one or two kind ranges; the second empty where -1
  std::string_view entete;  // heading in the report
  std::string_view cle;     // key in the machine-readable formats
  constexpr bool contient(int k) const { return (k >= de1 && k <= a1) || (k >= de2 && k <= a2); }
};

// In report order.
inline constexpr std::array<SectionInventaire, 7> kSectionsInventaire{{
    // 70 and 71: the arrays and strings of the script extender's later syntax.
    {0, 4, 70, 71, "\n\n\n Liste des variables locales utilisées :\n-----------------------------------------\n",
     "variables_locales"},
    {25, 29, -1, -1,
     "\n\n\n Liste des variables locales externes utilisées :\n"
     "--------------------------------------------------\n",
     "variables_locales_externes"},
    {5, 9, -1, -1, "\n\n\n Liste des variables globales utilisées :\n------------------------------------------\n",
     "variables_globales"},
    {10, 19, 30, 49, "\n\n\n Liste des objets physiques utilisés :\n---------------------------------------\n",
     "objets_physiques"},
    {20, 24, -1, -1,
     "\n\n\n Liste des objets non physiques utilisés :\n-------------------------------------------\n",
     "objets_non_physiques"},
    {50, 59, -1, -1, "\n\n\n Liste des dialogues utilisés :\n--------------------------------\n", "dialogues"},
    {60, 69, 72, 98, "\n\n\n Liste des autres objets utilisés :\n------------------------------------\n",
     "autres_objets"},
}};

// The type word of a variable kind (its value modulo 5).
constexpr std::string_view typeVariable(int k) {
  switch (k % 5) {
    case 0: return "SHORT";
    case 1: return "FLOAT";
    case 2: return "LONG";
    case 3: return "REFERENCE";
    default: return "indéterminé";
  }
}

}  // namespace quillomat
