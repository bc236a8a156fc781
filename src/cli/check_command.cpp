#include "cli/check_command.hpp"

#include <langinfo.h>

#include <CLI/CLI.hpp>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/records.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {
namespace {

constexpr std::string_view kDescription =
    "Vérifie un script Vaelmoor sans l'exécuter et écrit le rapport \"Correction de ScriptVaelmoor.txt\" "
    "dans le dossier courant.\n"
    "Les préférences sont lues dans le fichier DebugKVR4.dat du dossier courant (valeurs par défaut s'il "
    "manque).\n\n"
    "Statut de sortie : 0 aucune erreur trouvée, 2 le rapport liste des erreurs ou des alertes, "
    "1 échec (script illisible, fichiers de travail impossibles à écrire, vérification interrompue).";

bool terminalUtf8() {
  std::setlocale(LC_CTYPE, "");
  std::string codeset = nl_langinfo(CODESET);
  for (char& c : codeset) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return codeset == "utf-8" || codeset == "utf8";
}

struct Sortie {
  bool utf8;
  void out(std::string_view latin1) const {
    std::cout << versTerminal(latin1, utf8);
    std::cout.flush();
  }
  void err(std::string_view latin1) const {
    std::cerr << versTerminal(latin1, utf8);
    std::cerr.flush();
  }
};

int verifier(const std::string& script, const Sortie& sortie) {
  const std::filesystem::path dir = ".";
  const auto contenu = lireBinaire(script);
  if (!contenu) {
    sortie.err("Erreur : impossible de lire le script \"" + script + "\" (fichier introuvable ou illisible).\n");
    return kStatutEchec;
  }
  if (!ecrireBinaire(dir / std::string(kFichierScript), *contenu)) {
    sortie.err(
        "Erreur : impossible d'écrire le fichier \"ScriptVaelmoor.txt\" dans le dossier courant : "
        "vérifiez que vous avez le droit d'y écrire.\n");
    return kStatutEchec;
  }
  const SettingsRecord reglages = lireReglages(dir);
  BilanRun bilan;
  int code;
  try {
    code = EnchaineTests(dir, reglages.showInfo, reglages.scriptKind, reglages.vlseDependent, reglages.hideAlerts,
                         {}, &bilan);
  } catch (const ArretFatal& arret) {
    sortie.out(arret.message());
    return kStatutArretFatal;
  }
  if (code != kSucces) {
    sortie.err(std::string("Erreur : ") + std::string(messageResultat(code)) + "\n");
    return kStatutEchec;
  }
  const auto rapport = lireTexte(dir / std::string(kFichierRapport));
  if (!rapport) {
    sortie.err(std::string("Erreur : ") + std::string(messageResultat(kRapportIllisible)) + "\n");
    return kStatutEchec;
  }
  sortie.out(*rapport);
  if (!rapport->empty() && rapport->back() != '\n') sortie.out("\n");
  return bilan.findings == 0 ? kStatutAucuneErreur : kStatutErreurs;
}

}  // namespace

std::string versTerminal(std::string_view latin1, bool utf8) {
  if (!utf8) return std::string(latin1);
  std::string out;
  out.reserve(latin1.size() + latin1.size() / 8);
  for (char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

int lancerCommande(int argc, char** argv) {
  const Sortie sortie{terminalUtf8()};
  CLI::App app{std::string(kDescription), "quillomat-check"};
  app.set_help_flag("-h,--help", "Affiche cette aide et quitte.");
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Utilisation");
  formatter->label("OPTIONS", "OPTIONS");
  formatter->label("Positionals", "Arguments");
  formatter->label("REQUIRED", "(obligatoire)");
  std::string script;
  app.add_option("SCRIPT", script, "Le fichier du script à vérifier (texte Latin-1).")->required()->type_name("");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    sortie.out(app.help());
    return kStatutAucuneErreur;
  } catch (const CLI::RequiredError&) {
    sortie.err("Erreur : indiquez le script à vérifier.\nUtilisation : quillomat-check SCRIPT (aide : --help)\n");
    return kStatutEchec;
  } catch (const CLI::ParseError& e) {
    sortie.err("Erreur : arguments incorrects (" + std::string(e.what()) +
               ").\nUtilisation : quillomat-check SCRIPT (aide : --help)\n");
    return kStatutEchec;
  }
  return verifier(script, sortie);
}

}  // namespace quillomat
