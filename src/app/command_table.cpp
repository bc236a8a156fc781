#include "command_table.hpp"

#include <array>

#include "app.hpp"

namespace commandes {
namespace {

using A = CQuillomatApp;
constexpr unsigned ND = kN | kD;
constexpr const char* kFichier = "&Fichier";
constexpr const char* kEdition = "&Edition";
constexpr const char* kDebuguage = "Débuguage";
constexpr const char* kAffichage = "&Affichage";
constexpr const char* kAide = "&Aide";

const std::array<const char* const, 5> kMenus = {kFichier, kEdition, kDebuguage, kAffichage, kAide};

const Commande kTable[] = {
    {57600, kFichier, 0, ND, "&Nouveau\tCtrl+N", "Ctrl+N", "Crée un nouveau document\nNouveau", &A::OnFileNew, Etat::Toujours},
    {57601, kFichier, 0, ND, "&Ouvrir...\tCtrl+O", "Ctrl+O", "Ouvre un document existant\nOuvrir", &A::OnFileOpen, Etat::Toujours},
    {57602, kFichier, 0, ND, "&Fermer", nullptr, "Ferme le document actif\nFermer", &A::OnFileClose, Etat::AvecVue},
    {57603, kFichier, 0, kD, "&Enregistrer\tCtrl+S", "Ctrl+S", "Enregistre le document actif\nEnregistrer", &A::OnFileSave, Etat::AvecVue},
    {57604, kFichier, 0, kD, "Enregistrer &sous...", nullptr, "Enregistre le document actif sous un nouveau nom\nEnregistrer sous", &A::OnFileSaveAs, Etat::AvecVue},
    // Run by the encoding indicator of the status bar (encoding_status.hpp).
    {32840, kFichier, 5, kD, "Convertir en &Latin-1", nullptr, "Convertit le document UTF-8 en Latin-1, le codage que lit le jeu\nConvertir en Latin-1", nullptr, Etat::DocumentUtf8},
    {57607, kFichier, 1, kD, "&Imprimer...", nullptr, "Imprime le document actif\nImprimer", &A::OnFilePrint, Etat::AvecVue},
    {57609, kFichier, 1, kD, "Aperçu a&vant impression", nullptr, "Affiche les pages entières\nAperçu avant impression", &A::OnFilePrintPreview, Etat::AvecVue},
    {57606, kFichier, 1, kD, "Configuration de l'i&mpression...", nullptr, "Modifie les options d'impression et celles de l'imprimante\nConfiguration de l'impression", &A::OnFilePrintSetup, Etat::Toujours},
    {57608, nullptr, 0, 0, nullptr, nullptr, "Imprime le document actif\nImprimer", &A::OnFilePrintDirect, Etat::AvecVue},
    {57612, kFichier, 2, kD, "En&voyer...", nullptr, "Envoie le document actif par messagerie électronique\nEnvoyer un message", &A::OnFileSendMail, Etat::AvecVue},
    {57616, kFichier, 3, ND, "Fichier récent", nullptr, "Ouvrir ce document", nullptr, Etat::FichierRecent, false, 0},
    {57617, kFichier, 3, ND, "", nullptr, "Ouvrir ce document", nullptr, Etat::FichierRecent, false, 1},
    {57618, kFichier, 3, ND, "", nullptr, "Ouvrir ce document", nullptr, Etat::FichierRecent, false, 2},
    {57619, kFichier, 3, ND, "", nullptr, "Ouvrir ce document", nullptr, Etat::FichierRecent, false, 3},
    {57665, kFichier, 4, ND, "&Quitter", nullptr, "Quitte l'application et demande si les documents doivent être enregistrés\nQuitter", &A::OnAppExit, Etat::Toujours},

    {57643, kEdition, 0, kD, "&Annuler\tCtrl+Z", "Ctrl+E;Alt+Backspace", "Annule la dernière action\nAnnuler", &A::OnEditUndo, Etat::PeutAnnuler},
    {57644, kEdition, 0, kD, "&Rétablir\tCtrl+Y", nullptr, "Rétablit l'action précédemment annulée\nRétablir", &A::OnEditRedo, Etat::PeutRetablir},
    {57635, kEdition, 1, kD, "&Couper\tCtrl+X", "Ctrl+X;Shift+Del", "Coupe la sélection et la place dans le Presse-papiers\nCouper", &A::OnEditCut, Etat::AvecSelection},
    {57634, kEdition, 1, kD, "C&opier\tCtrl+C", "Ctrl+C;Ctrl+P;Ctrl+Ins", "Copie la sélection et la place dans le Presse-papiers\nCopier", &A::OnEditCopy, Etat::AvecSelection},
    {32801, kEdition, 1, kD, "Co&ller\tCtrl+V", "Ctrl+V;Shift+Ins", "Insère le contenu du presse-papiers\nColler", &A::OnPasteColoured, Etat::AvecVue},
    {57636, kEdition, 2, kD, "Rechercher...\tCtrl+F", "Ctrl+F", "Recherche le texte spécifié\nRechercher", &A::OnEditFind, Etat::AvecVue},
    {57640, kEdition, 2, kD, "Rechercher le suivant\tF3", "F3", "Répète la dernière action\nRépéter", &A::OnEditRepeat, Etat::AvecVue},
    {57641, kEdition, 2, kD, "Remplacer...\tCtrl+H", "Ctrl+H", "Remplace un texte spécifié par un texte différent\nRemplacer", &A::OnEditReplace, Etat::AvecVue},
    {57642, nullptr, 0, 0, nullptr, "Ctrl+A", "Sélectionne la totalité du document\nSélectionner tout", &A::OnEditSelectAll, Etat::AvecVue},

    {32770, kDebuguage, 0, kN, "Débuguer", nullptr, "Débugue le document actif\nDébuguer", nullptr, Etat::SansCommande},
    {32771, kDebuguage, 0, kD, "Débuguer", "Ctrl+D", "Débugue le document actif\nDébuguer", &A::lancerVerification, Etat::AvecVue},
    {32773, kDebuguage, 1, ND, "Préférences", nullptr, "Modifie les préférences", &A::OnPreferences, Etat::Toujours},
    {32782, nullptr, 0, 0, nullptr, nullptr, "Modifie les préférences\nPréférences", &A::OnPreferences, Etat::Toujours},
    {32799, kDebuguage, 1, kN, "Mettre en forme", nullptr, "Met le script actif en forme", nullptr, Etat::SansCommande},
    {32796, kDebuguage, 1, kD, "Mettre en forme", nullptr, "Met le script actif en forme", &A::OnFormat, Etat::AvecVue},
    {32800, kDebuguage, 2, kN, "Statistiques du script", nullptr, "Indique les statistiques du script", nullptr, Etat::SansCommande},
    {32794, kDebuguage, 2, kD, "Statistiques du script", nullptr, "Indique les statistiques du script", &A::OnStatistics, Etat::AvecVue},
    {32783, kDebuguage, 2, ND, "Nettoyer l'espace", nullptr, "Nettoie l'espace de travail", &A::OnCleanWorkspace, Etat::Toujours},
    {32784, kDebuguage, 2, ND, "Remettre par défaut", nullptr, "Remet l'espace de travail par défaut", &A::OnResetDefaults, Etat::Toujours},
    // The check while typing: a switch kept in the profile settings, wired by its own class.
    {32820, kDebuguage, 3, ND, "Vérifier pendant la frappe", nullptr, "Vérifie le script actif à chaque pause de la frappe\nVérifier pendant la frappe", nullptr, Etat::Toujours, true},
    // The script extender's later syntax: a switch kept in the profile settings, wired by its own class.
    {32823, kDebuguage, 3, ND, "Syntaxe étendue de VLSE (let, tableaux, chaînes, boucles, fonctions)", nullptr, "Accepte let, les tableaux, les chaînes, les boucles et les fonctions des versions récentes de VLSE\nSyntaxe étendue de VLSE", nullptr, Etat::Toujours, true},
    // Enter: the accelerator takes the key before the text window sees it,
    // but only there: Enter in a box is that box's.
    {32786, nullptr, 0, 0, nullptr, "Return;Enter", nullptr, &A::OnNewLine, Etat::AvecVue, false, -1, true},
    {32787, nullptr, 0, 0, nullptr, "Ctrl+G", "Place le curseur à la ligne demandée\nAller à la ligne...", &A::OnGoToLine, Etat::AvecVue},

    {59392, kAffichage, 0, ND, "&Barre d'outils", nullptr, "Affiche ou masque la barre d'outils\nActiver/Désactiver Barre d'outils", &A::OnViewToolbar, Etat::Toujours, true},
    {59393, kAffichage, 0, ND, "&Barre d'état", nullptr, "Affiche ou masque la barre d'état\nActiver/Désactiver Barre d'état", &A::OnViewStatusBar, Etat::Toujours, true},
    {32821, kAffichage, 0, ND, "Numéros de ligne", nullptr, "Affiche ou masque les numéros de ligne\nNuméros de ligne", nullptr, Etat::Toujours, true},
    {32822, kAffichage, 0, ND, "Constats", nullptr, "Affiche ou masque la liste des constats de la vérification pendant la frappe\nConstats", nullptr, Etat::Toujours, true},
    {32797, kAffichage, 1, kN, "Cascade", nullptr, "Réorganise les fenêtres de façon à ce qu'elles se superposent\nCascade", nullptr, Etat::SansCommande},
    {32798, kAffichage, 1, kN, "Mosaïque", nullptr, "Réorganise les fenêtres en mosaïque de sorte qu'elles ne se superposent pas\nMosaïque", nullptr, Etat::SansCommande},
    {57650, kAffichage, 1, kD, "&Cascade", nullptr, "Réorganise les fenêtres de façon à ce qu'elles se superposent\nCascade", &A::OnWindowCascade, Etat::AvecVue},
    {57651, kAffichage, 1, kD, "&Mosaïque", nullptr, "Réorganise les fenêtres en mosaïque de sorte qu'elles ne se superposent pas\nMosaïque", &A::OnWindowTile, Etat::AvecVue},
    {57680, nullptr, 0, 0, nullptr, "F6", "Bascule vers le volet de fenêtre suivant\nVolet suivant", &A::OnNextPane, Etat::AvecVue},
    {57681, nullptr, 0, 0, nullptr, "Shift+F6", "Bascule vers le volet de fenêtre précédent\nVolet précédent", &A::OnPrevPane, Etat::AvecVue},

    {32775, kAide, 0, ND, "Aide", nullptr, "Affiche l'aide du quillomat", &A::OnHelp, Etat::Toujours},
    {32785, nullptr, 0, 0, nullptr, nullptr, "Affiche l'aide du quillomat\nAide", &A::OnHelp, Etat::Toujours},
    {32776, kAide, 1, ND, "Le site Lunebrac", nullptr, "Ouvre une fenêtre internet vers le site Lunebrac", &A::OnWebSite, Etat::Toujours},
    {32778, kAide, 1, ND, "Me contacter", nullptr, "Ouvre votre client de messagerie internet pour me contacter", &A::OnContact, Etat::Toujours},
    {57664, kAide, 2, ND, "&À propos de Quillomat...", nullptr, "Affiche des informations sur le programme, son numéro de version et ses droits\nÀ propos de", &A::OnAppAbout, Etat::Toujours},
};

const Habitude kHabitudes[] = {
    {57644, "Ctrl+Y;Ctrl+Shift+Z"},
    {57604, "Ctrl+Shift+S"},
    {57665, "Ctrl+Q"},
    {57602, "Ctrl+W;Ctrl+F4"},
};

const int kBarre[] = {57600, 57601, 57603, 0, 32771, 32782, 32787, 0, 57644, 57643, 0, 57635, 57634, 32801, 0, 32785, 57664};

}  // namespace

std::span<const Commande> table() { return kTable; }

std::span<const Habitude> habitudes() { return kHabitudes; }

const Commande* trouver(int id) {
  for (const auto& c : kTable) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::span<const char* const> menus() { return kMenus; }

std::span<const int> barreOutils() { return kBarre; }

}  // namespace commandes
