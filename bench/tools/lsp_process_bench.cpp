// The language server as an editor feels it: quillomat-lsp started as a
// process, a change sent through its standard input, the time until its
// diagnostics are read back whole; then its resident memory before and
// after many changes.
//
// Usage: quillomat_lsp_bench [--mesures N] [--changements N] [--lsp PATH]
// (compiled as UTF-8: it speaks to the terminal)
// Exits with 1 when the server fails or does not answer.
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/encoding.hpp"
#include "lsp/framing.hpp"
#include "script_generator.hpp"

extern char** environ;

namespace {

using nlohmann::json;
using Horloge = std::chrono::steady_clock;

class Serveur {
 public:
  explicit Serveur(const std::string& binaire) {
    int entree[2], sortie[2];
    if (pipe(entree) != 0 || pipe(sortie) != 0) std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, entree[0], 0);
    posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
    for (int fd : {entree[0], entree[1], sortie[0], sortie[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    char* argv[] = {const_cast<char*>(binaire.c_str()), nullptr};
    if (posix_spawn(&pid_, binaire.c_str(), &actions, nullptr, argv, environ) != 0) {
      std::fprintf(stderr, "Impossible de lancer %s\n", binaire.c_str());
      std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(entree[0]);
    close(sortie[1]);
    ecriture_ = entree[1];
    lecture_ = sortie[0];
  }
  ~Serveur() {
    close(ecriture_);
    close(lecture_);
    waitpid(pid_, nullptr, 0);
  }

  void envoyer(const json& m) { envoyerTrame(quillomat::lsp::trame(m.dump())); }
  void envoyerTrame(const std::string& t) {
    for (size_t fait = 0; fait < t.size();) {
      const ssize_t n = write(ecriture_, t.data() + fait, t.size() - fait);
      if (n <= 0) echec("le serveur ne lit plus");
      fait += static_cast<size_t>(n);
    }
  }
  // The next body that holds `marque`.
  std::string attendre(const std::string& marque) {
    for (;;) {
      while (auto t = lecteur_.suivante())
        if (t->corps.find(marque) != std::string::npos) return std::move(t->corps);
      pollfd p{lecture_, POLLIN, 0};
      if (poll(&p, 1, 30000) <= 0) echec("pas de réponse en 30 s");
      char tampon[1 << 16];
      const ssize_t n = read(lecture_, tampon, sizeof tampon);
      if (n <= 0) echec("le serveur s'est arrêté");
      lecteur_.ajouter({tampon, static_cast<size_t>(n)});
    }
  }
  // Processor time used by the server so far (user and system), in ms.
  double processeurMs() const {
    std::ifstream f("/proc/" + std::to_string(pid_) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const size_t fin = stat.rfind(')');  // the command name may hold blanks
    if (fin == std::string::npos) return 0;
    std::istringstream champs(stat.substr(fin + 2));
    std::string c;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && champs >> c; ++i) {
      if (i == 14) utime = std::atol(c.c_str());
      if (i == 15) stime = std::atol(c.c_str());
    }
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  }
  // A line of /proc/PID/status ("VmRSS", "VmHWM"), in kB.
  long memoire(const char* cle) const {
    std::ifstream f("/proc/" + std::to_string(pid_) + "/status");
    std::string ligne;
    while (std::getline(f, ligne))
      if (ligne.rfind(std::string(cle) + ":", 0) == 0) return std::atol(ligne.c_str() + std::strlen(cle) + 1);
    return -1;
  }

 private:
  [[noreturn]] static void echec(const char* pourquoi) {
    std::fprintf(stderr, "Échec : %s.\n", pourquoi);
    std::exit(1);
  }
  pid_t pid_ = -1;
  int ecriture_ = -1, lecture_ = -1;
  quillomat::lsp::LecteurTrames lecteur_;
};

constexpr const char* kUri = "file:///bench/script.txt";

json changement(const std::string& texte, int version) {
  return {{"jsonrpc", "2.0"},
          {"method", "textDocument/didChange"},
          {"params", {{"textDocument", {{"uri", kUri}, {"version", version}}}, {"contentChanges", {{{"text", texte}}}}}}};
}

// Sends the change and waits for the diagnostics of its version: milliseconds.
// Initialised, with the script open and its first diagnostics received.
void ouvrir(Serveur& s, const std::string& texte) {
  s.envoyer({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {{"capabilities", json::object()}}}});
  s.attendre("\"id\":1");
  s.envoyer({{"jsonrpc", "2.0"},
             {"method", "textDocument/didOpen"},
             {"params", {{"textDocument", {{"uri", kUri}, {"languageId", "vaelmoor"}, {"version", 0}, {"text", texte}}}}}});
  s.attendre("\"version\":0,");
}

double modifier(Serveur& s, const std::string& texte, int version) {
  const std::string trame = quillomat::lsp::trame(changement(texte, version).dump());
  const auto debut = Horloge::now();
  s.envoyerTrame(trame);
  s.attendre("\"version\":" + std::to_string(version) + ",");
  return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

double quantile(std::vector<double> v, double q) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

struct Textes {
  std::string nom;
  std::string a, b;  // UTF-8, the same number of lines, one line apart
};

Textes textesDe(const std::string& nom, const std::string& latin1) {
  std::string variante = latin1;
  variante.insert(variante.find('\n', variante.size() / 2) + 1, "zorglub ");
  return {nom, quillomat::latin1VersUtf8(latin1), quillomat::latin1VersUtf8(variante)};
}

}  // namespace

int main(int argc, char** argv) {
  int mesures = 200, changements = 10000;
  std::string binaire = QUILLOMAT_LSP_BINARY;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--mesures") == 0) mesures = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--changements") == 0) changements = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--lsp") == 0) binaire = argv[i + 1];
  }
  const std::vector<Textes> scripts = {textesDe("typique-300", quillomat::bench::scriptTypique()),
                                       textesDe("stress-4998", quillomat::bench::scriptStress(4998))};

  std::printf("quillomat-lsp : temps entre l'envoi d'une modification (texte entier) et la réception de tous ses "
              "diagnostics, %d modifications de suite.\n",
              mesures);
  std::printf("%-12s %12s %12s %12s %22s\n", "script", "médiane (ms)", "95 % (ms)", "max (ms)",
              "processeur (ms, moy.)");
  for (const Textes& t : scripts) {
    Serveur s(binaire);
    ouvrir(s, t.a);
    std::vector<double> temps;
    const double processeur = s.processeurMs();
    for (int v = 1; v <= mesures; ++v) temps.push_back(modifier(s, v % 2 ? t.b : t.a, v));
    std::printf("%-12s %12.2f %12.2f %12.2f %22.2f\n", t.nom.c_str(), quantile(temps, 0.5), quantile(temps, 0.95),
                *std::max_element(temps.begin(), temps.end()), (s.processeurMs() - processeur) / mesures);
  }

  // Memory: the stress script changed again and again, each change checked.
  const Textes& t = scripts.back();
  Serveur s(binaire);
  ouvrir(s, t.a);
  const int echauffement = std::min(100, changements);
  for (int v = 1; v <= echauffement; ++v) modifier(s, v % 2 ? t.b : t.a, v);
  const long avant = s.memoire("VmRSS");
  std::printf("\nMémoire résidente de quillomat-lsp, %s : après %d modifications %.1f Mo", t.nom.c_str(),
              echauffement, avant / 1024.0);
  std::fflush(stdout);
  std::vector<long> releves;
  for (int v = echauffement + 1; v <= changements; ++v) {
    modifier(s, v % 2 ? t.b : t.a, v);
    if (v % 1000 == 0) releves.push_back(s.memoire("VmRSS"));
  }
  const long apres = s.memoire("VmRSS");
  std::printf(", après %d : %.1f Mo (pic %.1f Mo)\n", changements, apres / 1024.0, s.memoire("VmHWM") / 1024.0);
  if (!releves.empty()) {
    std::printf("relevés tous les 1000 :");
    for (long r : releves) std::printf(" %.1f", r / 1024.0);
    std::printf(" Mo\n");
  }
  s.envoyer({{"jsonrpc", "2.0"}, {"id", 2}, {"method", "shutdown"}});
  s.attendre("\"id\":2");
  s.envoyer({{"jsonrpc", "2.0"}, {"method", "exit"}});
  return 0;
}
