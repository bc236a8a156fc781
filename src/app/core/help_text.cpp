#include "app/core/help_text.hpp"

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/core/help_examples.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

struct Rubrique {
  const char* titre;
  const char* texte;
};

constexpr const char* kPresentation =
    "Le quillomat vérifie les scripts du jeu Vaelmoor sans les exécuter. Ouvrez ou collez un script dans une "
    "fenêtre, puis choisissez \"Débuguer\" (Ctrl+D) : le quillomat lit le script ligne par ligne, vérifie "
    "l'en-tête (ScriptName ou Scn), les déclarations de variables (short, float, long, ref), les blocs "
    "Begin/End, les if/elseif/else/endif, les guillemets et les parenthèses, les \"set ... to ...\", les "
    "expressions logiques et chaque appel de fonction du jeu, puis ouvre son rapport, \"Correction de "
    "ScriptVaelmoor.txt\", dans une nouvelle fenêtre.|"
    "Le rapport donne la liste des erreurs et des alertes avec leur numéro de ligne, puis, si vous l'avez "
    "demandé dans les Préférences, la liste des variables, des objets, des dialogues et des autres noms que "
    "le script utilise. Dans la fenêtre du rapport, un double-clic sur une ligne \"- Ligne N ...\" ramène "
    "la fenêtre du script vérifié au premier plan et place le curseur au début de la ligne N (rien ne se "
    "passe si cette fenêtre a été fermée).|"
    "L'éditeur colore le script, l'indente quand vous appuyez sur Entrée, corrige l'espacement avant chaque "
    "vérification si vous le demandez et compte ses lignes. Vous pouvez ouvrir des scripts en les déposant "
    "sur la fenêtre principale, ou en nommant un ou plusieurs fichiers sur la ligne de commande : "
    "quillomat script1.txt script2.txt.|"
    "Le quillomat garde ses préférences (\"DebugKVR4.dat\") et ses fichiers de travail dans le répertoire "
    "courant. Il cherche ses fichiers de données (\"fonctions.txt\", cette aide) dans le répertoire courant, "
    "puis à côté du programme, puis dans ../share/quillomat à partir du répertoire du programme.|"
    "Le programme quillomat-check fait la même vérification en ligne de commande : quillomat-check "
    "script.txt écrit le rapport sur la sortie standard (quillomat-check --help donne ses options).";

const Rubrique kMenus[] = {
    {"Menu Fichier",
     "Nouveau (Ctrl+N) : ouvre une fenêtre vide.|"
     "Ouvrir... (Ctrl+O) : ouvre un script (fichier texte). Un fichier au format RTF est lu comme texte "
     "enrichi ; chaque enregistrement écrit du texte simple.|"
     "Fermer (Ctrl+W ou Ctrl+F4) : ferme la fenêtre active (le quillomat demande s'il faut enregistrer les "
     "modifications).|"
     "Enregistrer (Ctrl+S) et Enregistrer sous... (Ctrl+Maj+S) : enregistrent le script en texte simple.|"
     "Convertir en Latin-1 : un script écrit en UTF-8 par un autre éditeur s'ouvre avec ses accents et "
     "reste en UTF-8 ; la barre d'état le signale, car le jeu lit les scripts en Latin-1. Cette commande le "
     "convertit (le fichier change au prochain enregistrement).|"
     "Quand un autre programme modifie ou supprime le fichier d'une fenêtre ouverte, le quillomat demande "
     "s'il faut le recharger, ou garde le texte pour que vous puissiez l'enregistrer de nouveau.|"
     "Imprimer..., Aperçu avant impression, Configuration de l'impression... : impriment le document actif.|"
     "Envoyer... : envoie le document actif par messagerie électronique.|"
     "Fichier récent : les quatre derniers fichiers ouverts.|"
     "Quitter (Ctrl+Q) : quitte l'application et demande si les documents doivent être enregistrés. Le "
     "quillomat rouvre sa fenêtre à la taille et à la place où vous l'avez laissée."},
    {"Menu Edition",
     "Annuler (Ctrl+E ou Alt+Retour arrière) : annule la dernière action.|"
     "Rétablir (Ctrl+Y ou Ctrl+Maj+Z, aussi dans la barre d'outils) : refait l'action annulée.|"
     "Couper (Ctrl+X), Copier (Ctrl+C) : placent la sélection dans le presse-papiers.|"
     "Coller (Ctrl+V) : insère le contenu du presse-papiers et le colore.|"
     "Rechercher... (Ctrl+F), Rechercher le suivant (F3), Remplacer... (Ctrl+H) : recherchent ou "
     "remplacent un texte. Ctrl+A sélectionne tout le document."},
    {"Menu Débuguage",
     "Débuguer (Ctrl+D) : vérifie le script de la fenêtre active et ouvre le rapport (une fenêtre de rapport "
     "ne peut pas être débuguée).|"
     "Préférences : ouvre la boîte des préférences (voir plus bas).|"
     "Mettre en forme : réindente tout le script selon ses blocs et ses if.|"
     "Statistiques du script : compte les lignes de code, de commentaire et les lignes vides.|"
     "Nettoyer l'espace : efface les fichiers de travail du répertoire courant, et aussi les préférences.|"
     "Remettre par défaut : remet les préférences par défaut (elles prennent effet au prochain démarrage ou "
     "au prochain enregistrement des Préférences).|"
     "Aller à la ligne... (Ctrl+G, barre d'outils) : place le curseur à la fin de la ligne demandée.|"
     "Vérifier pendant la frappe (cochée au départ) : à chaque pause de la frappe, et à l'ouverture d'un "
     "script, le quillomat vérifie le script de la fenêtre active comme \"Débuguer\" le ferait, avec les "
     "mêmes préférences, mais sans rien écrire sur le disque et sans corriger l'espacement. Chaque ligne "
     "fautive est soulignée d'une vague rouge (erreur) ou orange (alerte) ; laissez la souris sur la ligne "
     "pour lire ses messages. Un caractère qui n'existe pas en Latin-1 empêche la vérification : sa ligne "
     "est signalée.|"
     "Syntaxe étendue de VLSE (let, tableaux, chaînes, boucles, fonctions) (décochée au départ) : la "
     "vérification pendant la frappe et \"Débuguer\" acceptent la syntaxe des versions récentes du script "
     "extender ; Entrée et \"Mettre en forme\" indentent while et foreach comme if, loop comme endif. Un "
     "fichier .quillomat (vlse-etendu = oui) l'active aussi pour son dossier."},
    {"Menu Affichage",
     "Barre d'outils, Barre d'état : affichent ou masquent ces barres.|"
     "Numéros de ligne : affiche ou masque les numéros à gauche des scripts ; un point rouge ou orange "
     "marque les lignes fautives.|"
     "Constats : affiche ou masque, en bas de la fenêtre, la liste des constats de la vérification pendant "
     "la frappe (ligne, nature, texte) ; un clic sur un constat place le curseur sur sa ligne. La barre "
     "d'état en donne le compte (\"2 erreurs, 1 alerte\").|"
     "Cascade, Mosaïque : réorganisent les fenêtres. F6 et Maj+F6 passent d'une fenêtre à l'autre."},
    {"Menu Aide",
     "Aide : ouvre ce fichier (dans une fenêtre du quillomat si le bureau n'a pas de programme pour "
     "l'ouvrir).|"
     "Le site Lunebrac : ouvre le site de la communauté dans votre navigateur.|"
     "Me contacter : ouvre votre messagerie pour écrire à l'auteur.|"
     "À propos de Quillomat... : affiche la version et les conditions de diffusion."},
};

const Rubrique kPreferences[] = {
    {"Rapport d'erreur",
     "Afficher le rapport d'erreur après traitement : ouvre le rapport dans une fenêtre ; sinon un message "
     "indique seulement où il a été écrit.|"
     "Afficher les informations sur le script : ajoute au rapport les listes des variables et des objets "
     "utilisés.|"
     "Ne pas afficher les alertes : le rapport ne montre que les erreurs."},
    {"Traitement",
     "Type de script : Inconnu, Objet, Quête ou Effet magique. Avec un type choisi, le quillomat signale ce "
     "qui appartient à un autre type de script.|"
     "Dépendant d'Vaelmoor Script Extender v8 ou inférieur : cochez-la si votre mod dépend du Script "
     "Extender ; sinon chaque fonction qui en dépend est signalée.|"
     "Corriger automatiquement les erreurs d'espacement : avant chaque vérification, l'éditeur corrige les "
     "espaces du script dans sa fenêtre."},
    {"Interface",
     "Désactiver l'aide de mise en forme automatique : Entrée n'indente plus la nouvelle ligne.|"
     "Désactiver la coloration syntaxique : le texte n'est plus coloré."},
};

const Rubrique kIgnorer[] = {
    {"Directives dans le script",
     "Quand vous savez qu'une ligne signalée est juste (une fonction que le quillomat ne connaît pas, une "
     "tabulation que le jeu accepte), une directive dans un commentaire fait taire ce constat. Le jeu ne lit "
     "pas les commentaires : une directive ne change rien au script.|"
     "À la fin d'une ligne de code, \"; quillomat: ignorer QM126\" ignore les constats de code QM126 de cette "
     "ligne : Activate  cible ; quillomat: ignorer QM240.|"
     "Seule sur sa ligne, la même directive ignore ces constats sur la ligne de code suivante.|"
     "Plusieurs codes se séparent par des virgules : \"; quillomat: ignorer QM120, QM126\". Après les codes, "
     "\"--\" introduit votre explication : \"; quillomat: ignorer QM240 -- le jeu accepte ce double espace\".|"
     "\"; quillomat: ignorer-fichier QM120\", n'importe où dans le script, ignore ces constats dans tout le "
     "script, y compris ceux qui ne portent sur aucune ligne.|"
     "Les mots s'écrivent en majuscules ou en minuscules, avec ou sans espaces autour du deux-points. Une "
     "directive mal écrite (QM910), un code inconnu (QM911) ou une directive sans code (QM912) sont signalés "
     "par une alerte : une faute de frappe n'ignore jamais rien en silence.|"
     "Les constats ignorés ne figurent pas dans le rapport et ne comptent pas pour le statut de "
     "quillomat-check. Avec l'option --signaler-inutiles (ou signaler-inutiles = oui), chaque code d'une "
     "directive qui n'ignore plus rien est signalé (QM913), pour que les directives ne survivent pas aux "
     "corrections.|"
     "Dans l'éditeur, le menu contextuel d'une ligne soulignée et d'une ligne de la liste des constats propose "
     "\"Ignorer QMxxx sur cette ligne\" et \"Ignorer QMxxx dans tout le script\", qui écrivent la directive "
     "(Annuler la retire) ; les éditeurs qui utilisent quillomat-lsp proposent les mêmes corrections rapides."},
    {"Le fichier de réglages .quillomat",
     "Un mod peut garder ses réglages à côté de ses scripts, dans un fichier nommé \".quillomat\" : il "
     "s'applique aux scripts de son dossier et des dossiers en dessous ; le plus proche du script l'emporte. "
     "Sans ce fichier, rien ne change.|"
     "Une ligne par réglage, \"clé = valeur\" ; ce qui suit # ou ; est un commentaire.|"
     "ignorer = QM120, QM126 : ignore ces codes dans tous les scripts du mod.|"
     "type = quete : le type des scripts (inconnu, objet, quete ou effet), à la place de celui des "
     "Préférences.|"
     "vlse = oui : les scripts dépendent de Vaelmoor Script Extender (oui ou non).|"
     "alertes = non : le rapport ne montre que les erreurs (oui ou non).|"
     "signaler-inutiles = oui : signale les directives qui n'ignorent rien (oui ou non).|"
     "vlse-etendu = oui : la syntaxe étendue de Vaelmoor Script Extender (let, tableaux, boucles...) ; "
     "implique vlse = oui (oui ou non).|"
     "catalogue = fonctions.txt : le catalogue personnel lu avec la syntaxe étendue, chemin pris depuis le "
     "dossier du fichier .quillomat.|"
     "Exemple : \"# Mon mod\", puis \"type = objet\", puis \"ignorer = QM126 ; fonctions du patch\".|"
     "Une clé inconnue ou une valeur fausse arrête la vérification avec un message qui nomme le fichier et la "
     "ligne : un fichier lu à moitié ne s'applique jamais.|"
     "Le fichier remplace les Préférences ; les options de quillomat-check (--type, --vlse, --sans-alertes...) "
     "remplacent le fichier. quillomat-check --config FICHIER applique un autre fichier à tous les scripts, "
     "--sans-config n'en applique aucun. L'éditeur et quillomat-lsp relisent le fichier dès qu'il change."},
};

constexpr const char* kIntroMessages =
    "Voici les messages que le quillomat écrit dans son rapport, rangés par code. Chaque message a un code "
    "(QM101, QM102...) qui ne change pas d'une version à l'autre : le rapport ne l'affiche pas, mais "
    "quillomat-check le donne dans ses formats json et sarif, et les éditeurs qui vérifient le script pendant "
    "la frappe renvoient à ce code dans cette aide.|"
    "La forme d'un message montre entre accolades ce qui change d'une ligne à l'autre : {LIGNE} est le numéro "
    "de la ligne, {FONCTION} le nom de la fonction, {N} un nombre, et ainsi de suite. Un message qui commence "
    "par \"alerte\" signale un risque ; les autres sont des erreurs.|"
    "La plupart des messages ont un exemple : un script fautif, le message tel que le quillomat l'écrit pour "
    "cet exemple et la correction. Les numéros de ligne des exemples sont ceux du petit script vérifié ; dans "
    "les exemples courts, le script commence par \"scn AideExemple\", \"short compteur\", \"ref cible\" et "
    "\"begin GameMode\", et finit par \"end\".";

// The groups of codes, by the first digits (the longer first).
struct Groupe {
  std::string_view chiffres;
  const char* titre;
};
constexpr Groupe kGroupes[] = {
    {"1", "Structure du script et lignes"},
    {"2", "Appelants et paramètres des fonctions"},
    {"3", "Paramètres propres à certaines fonctions"},
    {"4", "Begin, if, set et expressions"},
    {"5", "Message et textes"},
    {"91", "Directives du quillomat"},
    {"9", "Type du script et noms"},
};

// Each message with the examples that write it, in the order of the codes.
struct EntreeMessage {
  const Fiche* fiche;
  std::vector<std::pair<const ExempleAide*, std::string>> exemples;  // with the message written for each
};
std::vector<EntreeMessage> messagesEtExemples(Libelles autres) {
  std::vector<EntreeMessage> out;
  for (const Fiche* f : tousLesLibelles()) out.push_back({f, {}});
  for (const Fiche* f : autres) out.push_back({f, {}});
  std::stable_sort(out.begin(), out.end(), [](const EntreeMessage& a, const EntreeMessage& b) {
    return a.fiche->code < b.fiche->code;
  });
  for (const ExempleAide& e : exemplesAide()) {
    FindingRecord r = constatDeExemple(e);
    for (EntreeMessage& m : out)
      if (m.fiche->code == r.code) m.exemples.emplace_back(&e, std::move(r.text));
  }
  return out;
}

const char* titreDuGroupe(std::string_view code) {
  for (const Groupe& g : kGroupes)
    if (code.substr(2, g.chiffres.size()) == g.chiffres) return g.titre;
  return "Autres messages";
}

std::string_view nature(const Fiche& f) { return f.nature == kAlerte ? "alerte" : "erreur"; }

// The example's lines as the checked script numbers them; tabs made visible.
std::vector<std::string> lignesNumerotees(const ExempleAide& e, bool corrige) {
  std::vector<std::string> out;
  if (corrige && !e.corrige) return {"Aucune : la ligne est acceptée telle quelle."};
  const std::string_view lignes = corrige ? e.corrige : e.fautif;
  int n = premiereLigneDeExemple(e);
  size_t debut = 0;
  while (debut <= lignes.size()) {
    size_t fin = lignes.find('\n', debut);
    if (fin == std::string_view::npos) fin = lignes.size();
    if (fin == lignes.size() && fin == debut && debut > 0) break;  // the final line break
    std::string ligne = std::to_string(n++);
    ligne.resize(4, ' ');
    for (char c : lignes.substr(debut, fin - debut)) ligne += c == '\t' ? std::string("[tabulation]") : std::string(1, c);
    out.push_back(ligne);
    debut = fin + 1;
  }
  return out;
}

// Finding text without the report's indentation.
std::string sansRetrait(std::string t) {
  const std::string_view retrait = "    - ";
  if (t.compare(0, retrait.size(), retrait) == 0) t.erase(0, retrait.size());
  return t;
}

template <typename F>
void chaquePhrase(std::string_view texte, F f) {
  size_t debut = 0;
  while (debut <= texte.size()) {
    size_t fin = texte.find('|', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    f(texte.substr(debut, fin - debut));
    debut = fin + 1;
  }
}

std::string echapper(std::string_view s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string souligne(std::string_view titre, char c) { return std::string(titre) + "\n" + std::string(titre.size(), c) + "\n\n"; }

}  // namespace

std::string texteAide(Libelles autres) {
  std::string out = souligne("Aide du quillomat", '=');
  chaquePhrase(kPresentation, [&](std::string_view p) { (out += p) += "\n\n"; });
  out += souligne("Les menus", '=');
  for (const Rubrique& r : kMenus) {
    out += souligne(r.titre, '-');
    chaquePhrase(r.texte, [&](std::string_view p) { ((out += "  * ") += p) += "\n"; });
    out += "\n";
  }
  out += souligne("Les préférences", '=');
  for (const Rubrique& r : kPreferences) {
    out += souligne(r.titre, '-');
    chaquePhrase(r.texte, [&](std::string_view p) { ((out += "  * ") += p) += "\n"; });
    out += "\n";
  }
  out += souligne("Ignorer des constats", '=');
  for (const Rubrique& r : kIgnorer) {
    out += souligne(r.titre, '-');
    chaquePhrase(r.texte, [&](std::string_view p) { ((out += "  * ") += p) += "\n"; });
    out += "\n";
  }
  out += souligne("Les messages du rapport", '=');
  chaquePhrase(kIntroMessages, [&](std::string_view p) { (out += p) += "\n\n"; });
  std::string_view groupe;
  for (const EntreeMessage& m : messagesEtExemples(autres)) {
    const Fiche& f = *m.fiche;
    if (groupe != titreDuGroupe(f.code)) out += souligne(groupe = titreDuGroupe(f.code), '-');
    out += std::string(f.code) + " (" + std::string(nature(f)) + ")\n";
    out += "  Forme : " + formeAffichee(f) + "\n";
    out += "  Sens : " + std::string(f.sens) + "\n\n";
    for (const auto& [e, message] : m.exemples) {
      out += "  Message : " + sansRetrait(message) + "\n";
      out += "  Exemple fautif :\n";
      for (const std::string& l : lignesNumerotees(*e, false)) out += "      " + l + "\n";
      out += "  Correction :\n";
      for (const std::string& l : lignesNumerotees(*e, true)) out += "      " + l + "\n";
      out += "  " + std::string(e->conseil) + "\n\n";
    }
  }
  return out;
}

std::string pageAide(Libelles autres) {
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
      "<title>Aide du quillomat</title>\n"
      "<style>body{font-family:sans-serif;max-width:60em;margin:auto;padding:1em}"
      "pre{background:#f4f4f4;padding:.4em}.message{color:#a00000}</style>\n"
      "</head>\n<body>\n<h1>Aide du quillomat</h1>\n";
  chaquePhrase(kPresentation, [&](std::string_view p) { out += "<p>" + echapper(p) + "</p>\n"; });
  const auto liste = [&](const Rubrique& r) {
    out += "<h3>" + echapper(r.titre) + "</h3>\n<ul>\n";
    chaquePhrase(r.texte, [&](std::string_view p) { out += "<li>" + echapper(p) + "</li>\n"; });
    out += "</ul>\n";
  };
  out += "<h2>Les menus</h2>\n";
  for (const Rubrique& r : kMenus) liste(r);
  out += "<h2>Les préférences</h2>\n";
  for (const Rubrique& r : kPreferences) liste(r);
  out += "<h2 id=\"ignorer\">Ignorer des constats</h2>\n";
  for (const Rubrique& r : kIgnorer) liste(r);
  out += "<h2>Les messages du rapport</h2>\n";
  chaquePhrase(kIntroMessages, [&](std::string_view p) { out += "<p>" + echapper(p) + "</p>\n"; });
  std::string_view groupe;
  for (const EntreeMessage& m : messagesEtExemples(autres)) {
    const Fiche& f = *m.fiche;
    if (groupe != titreDuGroupe(f.code)) out += "<h3>" + echapper(groupe = titreDuGroupe(f.code)) + "</h3>\n";
    const std::string code = echapper(f.code);
    out += "<h4 id=\"" + code + "\">" + code + " (" + std::string(nature(f)) + ")</h4>\n";
    out += "<p>Forme : <code>" + echapper(formeAffichee(f)) + "</code></p>\n";
    out += "<p>Sens : " + echapper(f.sens) + "</p>\n";
    for (const auto& [e, message] : m.exemples) {
      out += "<p class=\"message\"><b>" + echapper(sansRetrait(message)) + "</b></p>\n<p>Exemple fautif :</p>\n<pre>";
      for (const std::string& l : lignesNumerotees(*e, false)) out += echapper(l) + "\n";
      out += "</pre>\n<p>Correction :</p>\n<pre>";
      for (const std::string& l : lignesNumerotees(*e, true)) out += echapper(l) + "\n";
      out += "</pre>\n<p>" + echapper(e->conseil) + "</p>\n";
    }
  }
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace quillomat
