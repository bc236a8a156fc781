#include "cli/options.hpp"

#include <CLI/CLI.hpp>
#include <array>
#include <cctype>

#include "cli/encoding.hpp"

namespace quillomat {
namespace {

constexpr std::string_view kDescription =
    "Vérifie des scripts Vaelmoor sans les exécuter et affiche le rapport du quillomat pour chacun.\n\n"
    "Un seul fichier au format rapport (l'usage habituel) : la copie de travail \"ScriptVaelmoor.txt\" et le "
    "rapport \"Correction de ScriptVaelmoor.txt\" sont écrits dans le dossier courant, comme le fait la commande "
    "\"Débuguer\" de l'éditeur ; deux vérifications lancées en même temps dans ce dossier passent l'une après "
    "l'autre.\n"
    "Plusieurs scripts, un dossier, l'entrée standard (-) ou les formats lignes, json et sarif : chaque script "
    "est vérifié "
    "dans un dossier de travail privé, supprimé ensuite ; rien n'est écrit dans vos dossiers. Une ligne de bilan "
    "termine la sortie quand plusieurs scripts ou un dossier sont demandés.\n\n"
    "Dossiers : ils sont parcourus avec leurs sous-dossiers, dans l'ordre alphabétique des chemins. Un script y est "
    "un fichier .txt (ou .TXT) qui ne contient aucun octet nul ; les fichiers et dossiers cachés (nom commençant "
    "par un point) et les fichiers du quillomat lui-même (\"ScriptVaelmoor.txt\", \"Correction de "
    "ScriptVaelmoor.txt\", \"fonctions.txt\", \"AideDebug.txt\") sont laissés de côté, comme le catalogue "
    "personnel des scripts (--catalogue, ou la clé catalogue de leur fichier de réglages) et tous les autres "
    "fichiers. Un fichier nommé sur la ligne de commande est vérifié quelle que soit son extension.\n\n"
    "Préférences : lues dans le fichier DebugKVR4.dat du dossier courant (valeurs par défaut s'il manque). Les "
    "options ci-dessous les remplacent pour cette vérification seulement, sans modifier le fichier. La correction "
    "automatique de l'espacement n'est jamais appliquée : le script est vérifié tel qu'il est sur le disque.\n\n"
    "Formats :\n"
    "  rapport  le rapport du quillomat (défaut) ; avec plusieurs scripts, chaque rapport est précédé de la ligne "
    "\"==== FICHIER ====\".\n"
    "  lignes   un constat par ligne, \"FICHIER:LIGNE: erreur: texte\" ou \"FICHIER:LIGNE: alerte: texte\" ; "
    "\"FICHIER: erreur: texte\" (sans numéro de ligne) pour un constat qui porte sur tout le script ou pour un "
    "script qui n'a pas pu être vérifié.\n"
    "  json     un objet JSON : la version, les scripts (fichier, statut, nom du script, nombre de lignes, "
    "constats avec fichier, ligne, nature, code et texte, inventaires, variables utilisées de manière erronée) et le "
    "bilan.\n"
    "  sarif    un journal SARIF 2.1.0 pour les tableaux de bord d'analyse de code des intégrations continues : une "
    "exécution, dont les règles sont les codes des messages, et un résultat par constat avec son fichier et sa "
    "ligne ; un script qui n'a pas pu être vérifié y figure comme notification d'erreur. Le journal est toute la "
    "sortie, sans ligne de bilan.\n"
    "Réglages d'un mod : le fichier .quillomat du dossier du script, ou du dossier le plus proche au-dessus, "
    "s'applique à ce script (lignes clé = valeur : ignorer, type, vlse, alertes, signaler-inutiles, "
    "vlse-etendu, catalogue) ; il remplace "
    "les préférences, et les options remplacent ce fichier. Les directives \"; quillomat: ignorer QM126\" et \"; "
    "quillomat: ignorer-fichier QM126\" des commentaires du script ignorent des constats ; les constats ignorés ne "
    "sont pas listés et ne comptent pas pour le statut de sortie.\n\n"
    "Le code d'un message (QM101...) ne change pas d'une version à l'autre ; l'aide du quillomat (AideDebug.htm) "
    "décrit chacun.\n"
    "Tout ce qui est affiché est en UTF-8 ; les fichiers écrits sur le disque restent en Latin-1.\n\n"
    "Statut de sortie : 0 aucune erreur trouvée, 2 un rapport au moins liste des erreurs ou des alertes, 1 un "
    "script au moins n'a pas pu être vérifié (script illisible, fichiers de travail impossibles à écrire, "
    "vérification interrompue) ou les arguments sont incorrects.";

constexpr std::string_view kUtilisation = "Utilisation : quillomat-check [OPTIONS] SCRIPT... (aide : --help)\n";

std::string enMinusculesAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::optional<int> typeDeScript(const std::string& mot) {
  const std::string m = enMinusculesAscii(mot);
  if (m == "inconnu") return 0;
  // "quête" as typed in a UTF-8 terminal, or in a Latin-1 one.
  if (m == "quete" || m == "qu\xC3\xAAte" || m == "qu\xEAte") return 1;
  if (m == "objet") return 2;
  if (m == "effet") return 3;
  return std::nullopt;
}

std::optional<Format> formatDe(const std::string& mot) {
  const std::string m = enMinusculesAscii(mot);
  if (m == "rapport") return Format::Rapport;
  if (m == "lignes") return Format::Lignes;
  if (m == "json") return Format::Json;
  if (m == "sarif") return Format::Sarif;
  return std::nullopt;
}

// utf8: the message, already in UTF-8 (it may quote what the user typed).
LectureOptions erreur(const std::string& utf8) { return {std::nullopt, utf8 + latin1VersUtf8(kUtilisation), 1}; }

// A pair of opposite flags setting one override.
struct Bascule {
  std::string oui, non;
  std::optional<int>* champ;
  bool vuOui = false, vuNon = false;

  void ajouter(CLI::App& app, const std::string& aideOui, const std::string& aideNon) {
    app.add_flag(oui, vuOui, aideOui);
    app.add_flag(non, vuNon, aideNon);
  }
  // False when both were given.
  bool appliquer() {
    if (vuOui && vuNon) return false;
    if (vuOui) *champ = 1;
    if (vuNon) *champ = 0;
    return true;
  }
};

}  // namespace

SettingsRecord Options::appliquer(SettingsRecord r) const {
  if (scriptKind) r.scriptKind = *scriptKind;
  if (vlseDependent) r.vlseDependent = *vlseDependent;
  if (hideAlerts) r.hideAlerts = *hideAlerts;
  if (showInfo) r.showInfo = *showInfo;
  return r;
}

LectureOptions lireOptions(int argc, char** argv) {
  Options o;
  CLI::App app{std::string(kDescription), "quillomat-check"};
  app.set_help_flag("-h,--help", "Affiche cette aide et quitte.");
  // The same options on every system: "/f" is a file name, not an option.
  app.allow_windows_style_options(false);
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Utilisation ");
  formatter->label("OPTIONS", "OPTIONS");
  formatter->label("Positionals", "Arguments");
  formatter->label("Options", "Options");
  formatter->label("REQUIRED", "(obligatoire)");
  formatter->column_width(26);

  std::string format;
  std::string type;
  bool version = false;
  app.add_option("SCRIPT", o.entrees,
                 "Les scripts à vérifier : fichiers (texte Latin-1), dossiers, ou - pour lire un script sur "
                 "l'entrée standard.")
      ->type_name("");
  app.add_option("-f,--format", format, "Format de la sortie : rapport (défaut), lignes, json ou sarif.")
      ->type_name("FORMAT");
  app.add_option("-t,--type", type,
                 "Type de script : inconnu, objet, quete (ou quête) ou effet (effet magique) ; remplace celui des "
                 "préférences.")
      ->type_name("TYPE");
  std::array<Bascule, 3> bascules{{{"--vlse", "--sans-vlse", &o.vlseDependent},
                                    {"--sans-alertes", "--alertes", &o.hideAlerts},
                                    {"--inventaires", "--sans-inventaires", &o.showInfo}}};
  bascules[0].ajouter(app, "Le script dépend de Vaelmoor Script Extender v8 ou inférieur.",
                      "Le script ne dépend pas de Vaelmoor Script Extender.");
  bascules[1].ajouter(app, "N'affiche pas les alertes.", "Affiche les alertes.");
  bascules[2].ajouter(app, "Affiche les informations sur le script (listes des variables et des objets utilisés).",
                      "N'affiche pas ces informations.");
  app.add_flag("--vlse-etendu", o.vlseEtendu,
               "Syntaxe étendue de VLSE (let, tableaux, chaînes, boucles, fonctions) ; implique --vlse.");
  app.add_option("--catalogue", o.catalogue,
                 "Catalogue personnel : un fichier qui déclare des fonctions, une par ligne (\"nom [ref|ref?] : "
                 "paramètres [-> ref]\") ; lu avec la syntaxe étendue (--vlse-etendu, ou vlse-etendu = oui "
                 "dans le fichier de réglages du script).")
      ->type_name("FICHIER");
  app.add_option("--config", o.config,
                 "Le fichier de réglages à appliquer à tous les scripts, au lieu du fichier .quillomat de leur "
                 "dossier.")
      ->type_name("FICHIER");
  app.add_flag("--sans-config", o.sansConfig, "N'applique aucun fichier de réglages .quillomat.");
  app.add_flag("--signaler-inutiles", o.signalerInutiles,
               "Signale par une alerte chaque code d'une directive qui n'ignore aucun constat.");
  app.add_flag("--version", version, "Affiche la version et quitte.");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return {std::nullopt, latin1VersUtf8(app.help()), 0};
  } catch (const CLI::ParseError& e) {
    return erreur(latin1VersUtf8("Erreur : arguments incorrects (") + nomAffiche(std::string_view(e.what())) + ").\n");
  }
  if (version) return {std::nullopt, latin1VersUtf8("quillomat-check, vérificateur de scripts Vaelmoor, version 3.02\n"), 0};
  for (Bascule& b : bascules)
    if (!b.appliquer())
      return erreur("Erreur : les options " + b.oui + " et " + b.non + " sont contraires : choisissez-en une.\n");
  if (o.config && o.sansConfig)
    return erreur("Erreur : les options --config et --sans-config sont contraires : choisissez-en une.\n");
  if (!format.empty()) {
    const auto f = formatDe(format);
    if (!f)
      return erreur("Erreur : format inconnu \"" + nomAffiche(format) +
                    "\" : choisissez rapport, lignes, json ou sarif.\n");
    o.format = *f;
  }
  if (!type.empty()) {
    o.scriptKind = typeDeScript(type);
    if (!o.scriptKind)
      return erreur("Erreur : type de script inconnu \"" + nomAffiche(type) +
                    "\" : choisissez inconnu, objet, quete ou effet.\n");
  }
  if (o.vlseEtendu) {
    if (o.vlseDependent == 0)
      return erreur("Erreur : les options --vlse-etendu et --sans-vlse sont contraires : choisissez-en une.\n");
    o.vlseDependent = 1;
  }
  // Without --vlse-etendu, the settings file of each script may still turn the
  // later syntax on; with --sans-config, nothing can.
  if (!o.catalogue.empty() && !o.vlseEtendu && o.sansConfig)
    return erreur(latin1VersUtf8("Erreur : le catalogue personnel ne sert qu'avec la syntaxe étendue : ajoutez "
                                 "--vlse-etendu.\n"));
  if (o.entrees.empty()) return erreur(latin1VersUtf8("Erreur : indiquez le script à vérifier.\n"));
  int tirets = 0;
  for (const auto& e : o.entrees) tirets += e == "-";
  if (tirets > 1) return erreur(latin1VersUtf8("Erreur : l'entrée standard (-) ne peut être lue qu'une fois.\n"));
  return {std::move(o), {}, 0};
}

}  // namespace quillomat
