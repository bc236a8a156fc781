#include "app/core/help_examples.hpp"

#include <algorithm>

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {
namespace {

// The script around an example's lines.
constexpr std::string_view kAvant = "scn AideExemple\nshort compteur\nref cible\nbegin GameMode\n";
constexpr std::string_view kApres = "\nend\n";
constexpr int kPremiereLigne = 5;

const ExempleAide kExemples[] = {
    // Structure of the script: most of these are about the whole script.
    {"scn AideExemple\nbegin GameMode\nset compteur to 1\n",
     "scn AideExemple\nshort compteur\nbegin GameMode\nset compteur to 1\nend\n", "'end' manquant",
     "Fermez chaque bloc Begin par un End.", true},
    {"if compteur == 1\nset compteur to 2", "if compteur == 1\nset compteur to 2\nendif", "'endif' manquant",
     "Fermez chaque if par un endif."},
    {"scn AideExemple\nbegin GameMode\nbegin OnActivate\nend\nend\n",
     "scn AideExemple\nbegin GameMode\nend\nbegin OnActivate\nend\n", "ne peuvent être imbriqués",
     "Fermez un bloc par End avant d'en ouvrir un autre.", true},
    {"scn AideExemple\nbegin GameMode\nend\nend\n", "scn AideExemple\nbegin GameMode\nend\n",
     "un 'end' en trop", "Supprimez le End de trop, ou ajoutez le Begin qui manque.", true},
    {"set compteur to 1\nendif", "set compteur to 1", "un 'endif' en trop",
     "Supprimez le endif de trop, ou ajoutez le if qui manque."},
    {"else\nset compteur to 1", "if compteur == 0\nset compteur to 1\nendif", "un 'else' sans 'if'",
     "Un else ne peut venir qu'entre un if et son endif."},
    {"elseif compteur == 1\nset compteur to 1", "if compteur == 1\nset compteur to 1\nendif",
     "un 'elseif' sans 'if'", "Un elseif ne peut venir qu'entre un if et son endif."},
    {"if compteur == 1\nset compteur to 2\nelse\nset compteur to 3\nelseif compteur == 2\nset compteur to 4\nendif",
     "if compteur == 1\nset compteur to 2\nelseif compteur == 2\nset compteur to 4\nelse\nset compteur to 3\nendif",
     "précédé d'un 'else'", "Placez les elseif avant le else."},
    {"if compteur\nif compteur\nif compteur\nif compteur\nif compteur\nif compteur\nif compteur\nif compteur\n"
     "if compteur\nif compteur\nif compteur\nset compteur to 1\n"
     "endif\nendif\nendif\nendif\nendif\nendif\nendif\nendif\nendif\nendif\nendif",
     "if compteur\nif compteur\nset compteur to 1\nendif\nendif", "plus de dix if imbriqués",
     "Le jeu ne suit pas plus de dix if imbriqués : regroupez les conditions avec && ou ||."},
    {"scn AideExemple\nscn AutreNom\nbegin GameMode\nend\n", "scn AideExemple\nbegin GameMode\nend\n",
     "plusieurs fois le nom du script", "Un script n'a qu'un seul en-tête ScriptName (ou Scn).", true},
    {"short autre\nset autre to 1", "set compteur to 1",
     "déclaré des variables après des lignes de code", "Déclarez toutes les variables en tête du script, avant le premier Begin."},
    {"danser", "PlayGroup Idle 1", "impossible de détecter la syntaxe",
     "La ligne n'est ni un mot-clé ni une fonction connue : vérifiez l'orthographe du nom de la fonction."},
    {"begin GameMode\nend\nscn AideExemple\n", "scn AideExemple\nbegin GameMode\nend\n",
     "avant l'en-tête", "Le script commence par son en-tête ScriptName (ou Scn).", true},
    {"scn AideExemple\nshort compteur\nbegin GameMode\nend\nset compteur to 1\n",
     "scn AideExemple\nshort compteur\nbegin GameMode\nset compteur to 1\nend\n", "hors d'un bloc",
     "Toute ligne de code doit se trouver entre un Begin et son End.", true},
    {"scn AideExemple\nshort _secret\nbegin GameMode\nset _secret to 1\nend\n",
     "scn AideExemple\nshort secret\nbegin GameMode\nset secret to 1\nend\n", "underscore",
     "Ne commencez pas un nom par le caractère _.", true},

    // Line-level faults.
    {"Message \"Bonjour", "Message \"Bonjour\"", "guillemet n'a pas été refermé",
     "Fermez chaque texte par un guillemet."},
    {"if ( compteur == 1\nset compteur to 2\nendif", "if ( compteur == 1 )\nset compteur to 2\nendif",
     "n'a pas été refermée", "Fermez chaque parenthèse ouverte."},
    {"set compteur\tto 1", "set compteur to 1", "tabulation",
     "Remplacez les tabulations au milieu d'une ligne par des espaces ; seules celles du début de ligne sont sans risque."},

    // Begin lines.
    {"scn AideExemple\nbegin \nend\n", "scn AideExemple\nbegin GameMode\nend\n", "doit être suivi d'une commande",
     "Indiquez le type de bloc après Begin : GameMode, OnActivate, OnAdd...", true},
    {"scn AideExemple\nbegin Danser\nend\n", "scn AideExemple\nbegin GameMode\nend\n",
     "la commande après le Begin n'est pas valide", "Choisissez un type de bloc que le jeu connaît.", true},
    {"scn AideExemple\nbegin OnAdd && \nend\n", "scn AideExemple\nbegin OnAdd\nend\n",
     "erreur dans la commande du Begin", "Après && ou ||, indiquez une autre commande, ou supprimez l'opérateur.", true},
    {"scn AideExemple\nbegin GameMode\nend\n", "scn AideExemple\nbegin ScriptEffectUpdate\nend\n",
     "ne sera jamais executé", "Un script d'effet magique n'exécute que les blocs ScriptEffectStart, ScriptEffectUpdate et ScriptEffectFinish.",
     true, 3},

    // Tests.
    {"if \nset compteur to 1\nendif", "if compteur == 0\nset compteur to 1\nendif",
     "doit être suivi d'une valeur logique", "Écrivez la condition après le if."},
    {"if compteur == 1 &&\nset compteur to 2\nendif", "if compteur == 1 && cible.GetDead\nset compteur to 2\nendif",
     "erreur dans l'expression logique", "Après && ou ||, écrivez la seconde condition, ou supprimez l'opérateur."},

    // Set ... to ...
    {"set compteur 1", "set compteur to 1", "impossible de détecter le \"to\"",
     "Écrivez set, la variable, to, puis la valeur."},
    {"set compteur to ==", "set compteur to compteur + 1", "l'expression suivant le \"to\" n'est pas valide",
     "Après to, écrivez une valeur, une variable ou une fonction qui rend une valeur."},
    {"set cible. to 1", "set cible.compteur to 1", "variable locale associée à l'objet",
     "Après le point, nommez la variable de l'objet à modifier."},
    {"set  to 1", "set compteur to 1", "impossible de détecter la variable !",
     "Nommez la variable à modifier entre set et to."},
    {"set compteur x to 1", "set compteur to 1", "erreur dans la variable à modifier",
     "Entre set et to, il n'y a qu'une variable."},

    // Message and texts.
    {"Message ", "Message \"Bonjour\"", "impossible de détecter le texte",
     "Le texte du message s'écrit entre guillemets après Message."},
    {"Message Bonjour tout le monde", "Message \"Bonjour tout le monde\"", "Message ne prend pas de variables",
     "Mettez le texte entre guillemets."},
    {"Message \"Il reste %g essais\",compteur", "Message \"Il reste %g essais\", compteur",
     "pas d'espace après le texte", "Séparez le texte et chaque variable par une virgule et un espace."},
    {"Message \"%g %g %g %g %g %g %g %g %g %g\", compteur, compteur, compteur, compteur, compteur, compteur, compteur, "
     "compteur, compteur, compteur",
     "Message \"%g %g\", compteur, compteur", "plus de 9 variables", "Un message affiche au plus neuf variables."},
    {"MessageBox \"Voulez-vous entrer ?\", \"Oui\",  \"Non\"", "MessageBox \"Voulez-vous entrer ?\", \"Oui\", \"Non\"",
     "-ième choix", "Séparez les choix par une virgule et un seul espace, chacun entre guillemets."},
    {"player.SetActorFullName ", "player.SetActorFullName \"Bob\"", "nouveau nom de l'acteur",
     "Indiquez le nouveau nom entre guillemets."},
    {"player.SetActorFullName \"Bob\" Martin", "player.SetActorFullName \"Bob Martin\"", "après le texte du nom",
     "Le nouveau nom s'écrit en entier entre les guillemets."},
    {"SetCellFullName MaCellule", "SetCellFullName MaCellule \"Ma cellule\"", "nouveau nom de la cellule",
     "Indiquez la cellule, puis son nouveau nom entre guillemets."},
    {"EssentialDeathReload \"Perdu\" compteur", "EssentialDeathReload \"Perdu\"", "après le texte à afficher",
     "Cette fonction ne prend que son texte."},

    // Function calls.
    {"if player.GetAV Strenght > 50\nset compteur to 1\nendif",
     "if player.GetAV Strength > 50\nset compteur to 1\nendif", "n'est pas une statistique valide",
     "Vérifiez l'orthographe de la statistique (en anglais, comme dans le jeu)."},
    {"player.AddItem Gold001 compteur", "player.AddItem Gold001 10", "erreur dans la valeur de type Short",
     "Cette fonction attend un nombre entier écrit en chiffres, pas une variable."},
    {"player.AddItem Gold001 ", "player.AddItem Gold001 10", "impossible de détecter la valeur de type Short",
     "Indiquez la quantité après l'objet."},
    {"player.AddItem Gold001,10", "player.AddItem Gold001 10", "pas d'espace après l'ID",
     "Séparez l'objet et la valeur par un espace."},
    {"player.AddSpell BouleDeFeu 3", "player.AddSpell BouleDeFeu", "ne doit contenir aucun paramètre après",
     "Supprimez ce qui suit le dernier paramètre de la fonction."},
    {"player.AddSpell ", "player.AddSpell BouleDeFeu", "impossible de détecter l'appelé",
     "Indiquez l'objet sur lequel porte la fonction."},
    {"mon coffre.Activate", "\"mon coffre\".Activate", "Rajoutez des guillemets",
     "Un nom qui contient un espace s'écrit entre guillemets."},
    {".Activate", "cible.Activate", "impossible de détecter l'appelant",
     "Écrivez l'objet appelant avant le point, ou supprimez le point."},
    {"\"mon\"coffre.Activate", "\"mon coffre\".Activate", "le guillemet final n'est pas avant",
     "Le guillemet fermant se place juste avant le point."},
    {"set compteur to GetSecondsPassed 3", "set compteur to GetSecondsPassed", "ne prend pas de paramètre appelé",
     "Cette fonction ne prend aucun paramètre."},
    {"player.Disable 3", "player.Disable", "peut prendre un appelant, mais pas de paramètre",
     "Cette fonction s'applique à l'objet écrit avant le point et ne prend aucun paramètre."},
    {"\"a\"b\"c\".Activate", "\"a b c\".Activate", "appelant de la fonction Activate : trop de guillemets",
     "Un nom s'écrit entre deux guillemets, sans guillemet au milieu."},
    {"if player.GetIsSex Homme\nset compteur to 1\nendif", "if player.GetIsSex Male\nset compteur to 1\nendif",
     "n'est pas un sexe valide", "Le sexe s'écrit Male ou Female."},
    {"if GetIsSex \"a\"b\"c\"\nset compteur to 1\nendif", "if GetIsSex Female\nset compteur to 1\nendif",
     "syntaxe du sexe", "Le sexe s'écrit Male ou Female, sans guillemets."},
    {"if player.GetAV \nset compteur to 1\nendif", "if player.GetAV Strength > 50\nset compteur to 1\nendif",
     "impossible de détecter la statistique", "Indiquez la statistique après la fonction."},
    {"player.ForceAV Strength,10", "player.ForceAV Strength 10", "pas d'espace après la statistique",
     "Séparez la statistique et sa valeur par un espace."},
    {"player.AddSpell \"a\"b\"c\"", "player.AddSpell \"a b c\"", "l'appelé de la fonction AddSpell : trop de guillemets",
     "Un nom s'écrit entre deux guillemets, sans guillemet au milieu."},
    {"if player.GetIsSex \nset compteur to 1\nendif", "if player.GetIsSex Female\nset compteur to 1\nendif",
     "impossible de détecter le sexe", "Indiquez Male ou Female après la fonction."},
    {"SetEssential cible 1", "SetEssential Aubergiste 1", "est une référence et non une ID",
     "Cette fonction attend l'ID de l'objet (son nom dans l'éditeur du jeu), pas une variable ref."},
    {"player.Cast BouleDeFeu", "player.Cast BouleDeFeu cible", "impossible de détecter le second appelé",
     "Cette fonction attend deux paramètres : indiquez le second."},
    {"player.SetPos X ", "player.SetPos X 10", "impossible de détecter le dernier paramètre",
     "Indiquez la valeur après l'axe."},
    {"PositionCell 0 0 0 0 ", "PositionCell 0 0 0 0 MaCellule", "impossible de détecter la cellule",
     "Indiquez la cellule après les coordonnées et la rotation."},
    {"PositionCell 0 0 0 abc MaCellule", "PositionCell 0 0 0 90 MaCellule", "valeur de rotation",
     "La rotation sur l'axe Z est un nombre."},
    {"PlaceAtMe ", "PlaceAtMe Chope, 1, 256, 0", "l'objet à placer",
     "Indiquez l'objet à placer après PlaceAtMe."},
    {"PlaceAtMe Chope, 1, 256, 0, 5", "PlaceAtMe Chope, 1, 256, 0", "que quatre paramètres",
     "PlaceAtMe prend quatre paramètres : l'objet, le nombre, la distance et la direction."},
    {"if GetQuestVariable\nset compteur to 1\nendif", nullptr, "insuffisament documentée",
     "Le quillomat accepte la ligne sans la vérifier : relisez-la vous-même."},
    {"if GetPos W > 10\nset compteur to 1\nendif", "if GetPos X > 10\nset compteur to 1\nendif",
     "erreur dans la syntaxe de l'axe", "L'axe est X, Y ou Z."},
    {"if GetPos > 10\nset compteur to 1\nendif", "if GetPos X > 10\nset compteur to 1\nendif",
     "impossible de détecter l'axe", "Indiquez l'axe X, Y ou Z après la fonction."},
    {"PlaceAtMe Chope, 1, 256.5, 0", "PlaceAtMe Chope, 1, 256, 0", "la distance de PlaceAtMe",
     "PlaceAtMe attend : l'objet, le nombre, la distance, la direction, séparés par une virgule et un espace."},
    {"PlaceAtMe Chope, x, 256, 0", "PlaceAtMe Chope, 1, 256, 0", "nombre d'objets à placer",
     "Le deuxième paramètre de PlaceAtMe est un nombre entier."},
    {"if GetVLSEVersion > 0\nset compteur to 1\nendif", "if GetSecondsPassed > 0\nset compteur to 1\nendif",
     "Vaelmoor Script Extender", "Cette fonction n'existe qu'avec le Script Extender : cochez \"Dépendant d'Vaelmoor Script Extender\" dans les Préférences si votre mod en dépend."},

    // Script type.
    {"scn AideExemple\nfloat fQuestDelayTime\nbegin ScriptEffectStart\nend\n",
     "scn AideExemple\nfloat fQuestDelayTime\nbegin GameMode\nend\n", "plusieurs types",
     "Un script est d'un seul type : quête, objet ou effet magique.", true},
    {"scn AideExemple\nfloat fQuestDelayTime\nbegin GameMode\nend\n",
     "scn AideExemple\nbegin GameMode\nend\n", "utilise une spécificité des scripts",
     "Retirez ce qui appartient à un autre type de script, ou changez le type choisi dans les Préférences.", true, 2},
};

}  // namespace

std::span<const ExempleAide> exemplesAide() { return kExemples; }

std::string scriptDeExemple(const ExempleAide& e, bool corrige) {
  if (corrige && !e.corrige) return {};
  const std::string_view lignes = corrige ? e.corrige : e.fautif;
  if (e.scriptEntier) return std::string(lignes);
  std::string s(kAvant);
  s += lignes;
  s += kApres;
  return s;
}

int premiereLigneDeExemple(const ExempleAide& e) { return e.scriptEntier ? 1 : kPremiereLigne; }

namespace {

// What a check of `script` writes, in the report's order: by line, those of
// the whole script last.
std::vector<FindingRecord> findingsDe(std::string_view script, int scriptKind) {
  WorkFiles wf;
  const int lignes = compterLignes(script);
  if (lignes > kLignesMax || executerVerifications(wf, script, lignes, scriptKind, 0) != kSucces) return {};
  std::stable_sort(wf.findings.begin(), wf.findings.end(), [](const FindingRecord& a, const FindingRecord& b) {
    const auto rang = [](int l) { return l < 0 ? 1 << 30 : l; };
    return rang(a.line) < rang(b.line);
  });
  return std::move(wf.findings);
}

}  // namespace

std::vector<std::string> constatsDe(std::string_view script, int scriptKind) {
  std::vector<std::string> textes;
  for (FindingRecord& f : findingsDe(script, scriptKind)) textes.push_back(std::move(f.text));
  return textes;
}

std::string constatAvec(std::string_view script, int scriptKind, std::string_view repere) {
  return constatDeExemple(script, scriptKind, repere).text;
}

FindingRecord constatDeExemple(std::string_view script, int scriptKind, std::string_view repere) {
  for (FindingRecord& f : findingsDe(script, scriptKind))
    if (f.text.find(repere) != std::string::npos) return std::move(f);
  return {};
}

FindingRecord constatDeExemple(const ExempleAide& e) {
  return constatDeExemple(scriptDeExemple(e, false), e.scriptKind, e.repere);
}

}  // namespace quillomat
