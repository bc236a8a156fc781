// quillomat-lsp: the checker as a language server, speaking the protocol on
// standard input and output.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "cli/encoding.hpp"
#include "cli/platform.hpp"
#include "lsp/input_queue.hpp"
#include "lsp/platform.hpp"
#include "lsp/server.hpp"
#include "lsp/uri.hpp"

namespace {

using namespace quillomat;
using namespace quillomat::lsp;

constexpr std::string_view kVersion = "quillomat-lsp, serveur de langage des scripts Vaelmoor, version 3.02\n";
constexpr std::string_view kAide =
    "Utilisation : quillomat-lsp [--stdio]\n\n"
    "Serveur de langage (Language Server Protocol) des scripts Vaelmoor : un éditeur le lance et lui parle "
    "sur l'entrée et la sortie standard ; il lui envoie les erreurs et les alertes du quillomat à chaque "
    "modification, décrit les fonctions du jeu au survol et complète leurs noms.\n\n"
    "  --stdio     (accepté, c'est le seul mode)\n"
    "  --version   affiche la version et quitte\n"
    "  -h, --help  affiche cette aide et quitte\n";

bool envoyer(const std::vector<std::string>& messages) {
  for (const std::string& m : messages)
    if (!ecrireSortie(trame(m))) return false;
  return true;
}

int servir(const char* argv0) {
  preparerEntreesSorties();
  garderLaMemoireLiberee();
  // Shared with the reader thread, which may outlive the loop: it stays
  // blocked on standard input until the process ends.
  const auto file = std::make_shared<FileDEntree>();
  std::thread([file] { lireLEntree(*file); }).detach();
  Serveur serveur(lienPageAide(dossierDuProgramme(argv0)));
  while (!serveur.termine()) {
    auto t = file->attendre();
    if (!t) {
      serveur.finDeLEntree();
      break;
    }
    if (!envoyer(t->erreur ? std::vector{Serveur::erreurDeTrame()} : serveur.recevoir(t->corps))) break;
    if (file->vide() && !envoyer(serveur.publier())) break;
  }
  return serveur.codeDeSortie();
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--version") {
      quillomat::ecrireSortie(stdout, latin1VersUtf8(kVersion));
      return 0;
    }
    if (a == "--help" || a == "-h") {
      quillomat::ecrireSortie(stdout, latin1VersUtf8(kAide));
      return 0;
    }
    if (a != "--stdio") {
      quillomat::ecrireSortie(stderr, latin1VersUtf8("Erreur : option inconnue \"") + nomAffiche(a) +
                                          latin1VersUtf8("\" (aide : quillomat-lsp --help).\n"));
      return 1;
    }
  }
  return servir(argv[0]);
}
