// The small commands without their windows: caret texts, go to line, the
// help file, the web site and contact addresses, clean-up and defaults.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillomat {

// "Ln 3" or "Ln 3-7", "Col 5" or "Col 5-2" for a selection of a text
// (Latin-1, '\n' line ends).
std::string texteLigneCurseur(std::string_view texte, int debut, int fin);
std::string texteColonneCurseur(std::string_view texte, int debut, int fin);

// Where "Aller à la ligne" puts the caret for what was typed; none when the
// caret must stay.
std::optional<int> positionAllerALigne(std::string_view texte, std::string_view saisie);
// What the status bar says when the number typed is no line of the text, so
// that the caret staying put is not taken for a failure of the command; none
// when the caret moves or when no number was typed.
std::optional<std::string> messageLigneAbsente(std::string_view texte, std::string_view saisie);

// A data file shipped with the program: in the current directory first, then
// beside the program; none when neither has it.
std::optional<std::filesystem::path> trouverFichierDonnees(std::string_view nom, const std::filesystem::path& courant,
                                                           const std::filesystem::path& programme);

// "Nettoyer l'espace": deletes the work files of `dossier`, ignoring failures.
void nettoyerEspace(const std::filesystem::path& dossier);
// "Remettre par défaut": false when the settings file cannot be written.
bool remettreParDefaut(const std::filesystem::path& dossier);

extern const std::string_view kAdresseSite;     // the community web site
extern const std::string_view kAdresseContact;  // the author's mail address

// Message texts (Latin-1).
std::string messageAideIntrouvable();
std::string messageSiteIntrouvable();
std::string messageContactImpossible();
std::string messageEspaceNettoye();
std::string messageParDefaut();

}  // namespace quillomat
