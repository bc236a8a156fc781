// The messages that several checkers of function calls write the same way:
// one message, one code, wherever the fault is found.
#pragma once

#include "pipeline/libelle.hpp"

namespace quillomat {

inline constexpr Libelle<0> kAppeleIntrouvable{"QM207", " : impossible de détecter l'appelé !",
                                               "La fonction attend un paramètre (l'objet sur lequel elle porte) : "
                                               "il manque, ou un espace de trop le précède."};
inline constexpr Libelle<1> kAppeleTropDeGuillemets{"QM208",
                                                    " : erreur dans la syntaxe de l'appelé de la fonction {FONCTION} "
                                                    ": trop de guillemets.",
                                                    "Le paramètre de la fonction contient plus de deux guillemets."};
inline constexpr Libelle<1> kPasDEspaceApresId{"QM210", " : pas d'espace après l'ID \"{ID}\" !",
                                               "La valeur qui suit ce paramètre n'en est pas séparée par un espace."};
inline constexpr Libelle<0> kShortIntrouvable{"QM211", " : impossible de détecter la valeur de type Short !",
                                              "La fonction attend ici une valeur entière, et elle manque."};
inline constexpr Libelle<1> kShortVariable{"QM212",
                                           " : erreur dans la valeur de type Short. Attention, {FONCTION} ne prend "
                                           "pas de variables en entrée !",
                                           "La fonction attend un nombre entier écrit en chiffres, pas une variable ni "
                                           "une expression."};
inline constexpr Libelle<1> kDernierIntrouvable{"QM213",
                                                " : impossible de détecter le dernier paramètre de la fonction "
                                                "{FONCTION}",
                                                "Le dernier paramètre de la fonction manque, ou n'est pas séparé du "
                                                "précédent par un espace."};
inline constexpr Libelle<1> kDernierVariable{"QM214",
                                             " : erreur dans le dernier paramètre. Attention, {FONCTION} ne prend pas "
                                             "de variables en entrée !",
                                             "Le dernier paramètre de la fonction doit être un nombre écrit en "
                                             "chiffres."};
inline constexpr Libelle<1> kOptionnelIntrouvable{"QM215",
                                                  " : impossible de détecter le paramètre optionnel de {FONCTION} !",
                                                  "Une virgule annonce le paramètre optionnel, mais il manque, ou il "
                                                  "n'est pas séparé de ce qui précède par un seul espace."};
inline constexpr Libelle<1> kOptionnelVariable{"QM216",
                                               " : erreur dans le paramètre optionnel. Attention, {FONCTION} ne prend "
                                               "pas de variables en entrée !",
                                               "Le paramètre optionnel de la fonction doit être un nombre écrit en "
                                               "chiffres."};
inline constexpr Libelle<1> kTropDeParametres{"QM217", " : erreur, la fonction {FONCTION} contient trop de paramètres !",
                                              "La fonction reçoit plus de paramètres qu'elle n'en prend."};
inline constexpr Libelle<1> kPremierIntrouvable{"QM218",
                                                " : impossible de détecter le premier paramètre de la fonction "
                                                "{FONCTION}",
                                                "Le premier paramètre de la fonction manque, ou un espace de trop le "
                                                "précède."};
inline constexpr Libelle<1> kPremierVariable{"QM219",
                                             " : erreur dans le premier paramètre. Attention, {FONCTION} ne prend pas "
                                             "de variables en entrée !",
                                             "Le premier paramètre de la fonction doit être un nombre écrit en "
                                             "chiffres."};
inline constexpr Libelle<0> kPremierAppeleIntrouvable{"QM220", " : impossible de détecter le premier appelé !",
                                                      "La fonction attend deux paramètres : le premier manque, ou un "
                                                      "espace de trop le précède."};
inline constexpr Libelle<0> kCelluleIntrouvable{"QM311", " : impossible de détecter la cellule !",
                                                "La fonction attend une cellule : elle manque, ou un espace de "
                                                "trop la précède."};
inline constexpr Libelle<0> kCelluleTropDeGuillemets{"QM312",
                                                     " : erreur dans la syntaxe du nom de la cellule : trop de "
                                                     "guillemets.",
                                                     "Le nom de la cellule contient plus de deux guillemets."};
inline constexpr Libelle<2> kValeurAxe{"QM315", " : erreur, la valeur de {FONCTION} sur l'axe {AXE} est incorrecte !",
                                       "La coordonnée sur cet axe n'est pas un nombre, ou n'est pas séparée de la "
                                       "précédente par un espace."};
inline constexpr Libelle<0> kDependVlse{"QM325",
                                        " : le script utilise une fonction dépendant d'Vaelmoor Script Extender !",
                                        "La fonction n'existe qu'avec Vaelmoor Script Extender, et les Préférences "
                                        "disent que le script n'en dépend pas."};
inline constexpr Libelle<0> kTexteIntrouvable{"QM501", " : impossible de détecter le texte !",
                                              "La fonction attend un texte : il manque, ou un espace de trop le "
                                              "précède."};

inline constexpr const Fiche* kLibellesPartages[] = {
    &kAppeleIntrouvable, &kAppeleTropDeGuillemets, &kPasDEspaceApresId,  &kShortIntrouvable,
    &kShortVariable,     &kDernierIntrouvable,     &kDernierVariable,    &kOptionnelIntrouvable,
    &kOptionnelVariable, &kTropDeParametres,       &kPremierIntrouvable, &kPremierVariable,
    &kPremierAppeleIntrouvable, &kCelluleIntrouvable, &kCelluleTropDeGuillemets, &kValeurAxe,
    &kDependVlse,        &kTexteIntrouvable};

}  // namespace quillomat
