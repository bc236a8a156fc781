// The figures the mod author feels: quillomat-check run as a whole process
// on the generated scripts (median wall time, peak resident memory), next to
// the in-process EnchaineTests time, the lines per second and the growth of
// the cost with the length of the script.
//
// Usage: quillomat_process_bench [--repetitions N] [--check PATH]
// (compiled as UTF-8: it speaks to the terminal, not to the checker's files)
// Exits with 1 when the stress script does not reach its findings and
// identifiers, or when a run fails.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"
#include "script_generator.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Horloge = std::chrono::steady_clock;

constexpr size_t kFindingsStress = 2000;
constexpr size_t kIdentifiantsStress = 800;

struct Demande {
  char dossier[1024];
  char binaire[1024];
  char script[64];
};

struct Reponse {
  int64_t nanosecondes;
  long rssMaxKo;
  int statut;  // -1: the process could not be started
};

bool toutLire(int fd, void* p, size_t n) {
  auto* c = static_cast<char*>(p);
  while (n > 0) {
    const ssize_t r = read(fd, c, n);
    if (r <= 0) return false;
    c += r;
    n -= static_cast<size_t>(r);
  }
  return true;
}

bool toutEcrire(int fd, const void* p, size_t n) {
  const auto* c = static_cast<const char*>(p);
  while (n > 0) {
    const ssize_t r = write(fd, c, n);
    if (r <= 0) return false;
    c += r;
    n -= static_cast<size_t>(r);
  }
  return true;
}

Reponse lancerUne(const Demande& d) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, d.dossier);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(d.binaire), const_cast<char*>(d.script), nullptr};
  const auto debut = Horloge::now();
  pid_t pid = 0;
  const int e = posix_spawn(&pid, d.binaire, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (e != 0) return {0, 0, -1};
  int statut = 0;
  rusage usage{};
  if (wait4(pid, &statut, 0, &usage) != pid) return {0, 0, -1};
  const auto fin = Horloge::now();
  return {std::chrono::duration_cast<std::chrono::nanoseconds>(fin - debut).count(), usage.ru_maxrss,
          WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
}

// The processes are started by a helper forked before the benchmark grows:
// a child's peak resident memory, as the kernel counts it, starts from the
// size of the process that starts it, so a big parent would hide the child's.
class Lanceur {
 public:
  Lanceur() {
    int versLanceur[2], depuisLanceur[2];
    if (pipe(versLanceur) != 0 || pipe(depuisLanceur) != 0) std::exit(2);
    pid_ = fork();
    if (pid_ < 0) std::exit(2);
    if (pid_ == 0) {
      close(versLanceur[1]);
      close(depuisLanceur[0]);
      Demande d{};
      while (toutLire(versLanceur[0], &d, sizeof d)) {
        const Reponse r = lancerUne(d);
        if (!toutEcrire(depuisLanceur[1], &r, sizeof r)) break;
      }
      _exit(0);
    }
    close(versLanceur[0]);
    close(depuisLanceur[1]);
    ecriture_ = versLanceur[1];
    lecture_ = depuisLanceur[0];
  }
  Lanceur(const Lanceur&) = delete;
  Lanceur& operator=(const Lanceur&) = delete;
  ~Lanceur() {
    close(ecriture_);
    close(lecture_);
    waitpid(pid_, nullptr, 0);
  }

  Reponse lancer(const fs::path& dossier, const std::string& binaire, const std::string& script) const {
    Demande d{};
    std::snprintf(d.dossier, sizeof d.dossier, "%s", dossier.c_str());
    std::snprintf(d.binaire, sizeof d.binaire, "%s", binaire.c_str());
    std::snprintf(d.script, sizeof d.script, "%s", script.c_str());
    Reponse r{0, 0, -1};
    if (!toutEcrire(ecriture_, &d, sizeof d) || !toutLire(lecture_, &r, sizeof r)) return {0, 0, -1};
    return r;
  }

 private:
  pid_t pid_ = -1;
  int ecriture_ = -1;
  int lecture_ = -1;
};

double mediane(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Mesure {
  std::string nom;
  int lignes = 0;
  size_t findings = 0;
  size_t identifiants = 0;
  double processusMs = 0;
  double enchaineMs = 0;
  long rssMaxKo = 0;
};

// The counts of a run, from the work files kept in memory.
void compter(const std::string& script, Mesure& m) {
  quillomat::WorkFiles wf;
  m.lignes = quillomat::compterLignes(script);
  quillomat::executerVerifications(wf, script, m.lignes, 0, 0);
  m.identifiants = wf.identifiers.records().size();
}

// A script measured as a whole process: where it lies, its times.
struct Cible {
  fs::path dossier;
  std::string binaire;
  std::string script;
  std::vector<double> temps;
  long rssMaxKo = 0;
};

// The runs of one target follow each other, as the checks of a mod author
// who checks the same script after every few edits (runs of different
// scripts in turn would also time the disk writing back the previous
// script's report). The first run only warms the caches. The first `checks`
// targets are runs of quillomat-check, whose status is 0 (no finding) or 2
// (findings); anything else is a failure.
bool mesurerProcessus(const Lanceur& lanceur, std::vector<Cible>& cibles, size_t checks, int repetitions) {
  for (size_t k = 0; k < cibles.size(); ++k)
    for (int i = 0; i <= repetitions; ++i) {
      Cible& c = cibles[k];
      const Reponse r = lanceur.lancer(c.dossier, c.binaire, c.script);
      if (r.statut < 0 || (k < checks && r.statut != 0 && r.statut != 2)) {
        std::fprintf(stderr, "%s : échec du processus (statut %d)\n", c.dossier.c_str(), r.statut);
        return false;
      }
      if (i == 0) continue;
      c.temps.push_back(static_cast<double>(r.nanosecondes) / 1e6);
      c.rssMaxKo = std::max(c.rssMaxKo, r.rssMaxKo);
    }
  return true;
}

// The check run alone, in this process, with its files on disk.
bool mesurerEnchaineTests(const fs::path& scratch, const std::string& script, int repetitions, Mesure& m) {
  const fs::path dossierRun = scratch / ("run-" + m.nom);
  fs::create_directories(dossierRun);
  if (!quillomat::ecrireBinaire(dossierRun / std::string(quillomat::kFichierScript), script)) return false;
  std::vector<double> temps;
  for (int i = 0; i <= repetitions; ++i) {
    quillomat::BilanRun bilan;
    const auto debut = Horloge::now();
    const int code = quillomat::EnchaineTests(dossierRun, 1, 0, 0, 0, {}, &bilan);
    const auto fin = Horloge::now();
    if (code != quillomat::kSucces) {
      std::fprintf(stderr, "%s : EnchaineTests a rendu %d\n", m.nom.c_str(), code);
      return false;
    }
    m.findings = bilan.findings;
    if (i > 0) temps.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
  }
  m.enchaineMs = mediane(temps);
  return true;
}

// 1234567 as "1 234 567".
std::string milliers(double v) {
  const std::string chiffres = std::to_string(static_cast<long long>(v + 0.5));
  std::string s;
  for (size_t i = 0; i < chiffres.size(); ++i) {
    if (i > 0 && (chiffres.size() - i) % 3 == 0) s += ' ';
    s += chiffres[i];
  }
  return s;
}

struct Plancher {
  double ms = 0;
  long rssMaxKo = 0;
};

void afficher(const std::vector<Mesure>& mesures, int repetitions, const Plancher& plancher) {
  std::printf("\nquillomat-check : médiane de %d exécutions de suite ; EnchaineTests : médiane de "
              "%d runs dans ce processus.\n",
              repetitions, repetitions);
  std::printf("%-12s %6s %9s %12s %15s %17s %13s %16s %14s\n", "script", "lignes", "constats", "identifiants",
              "processus (ms)", "EnchaineTests (ms)", "lignes/s proc", "lignes/s Enchaine", "RSS max (Mo)");
  for (const Mesure& m : mesures)
    std::printf("%-12s %6d %9zu %12zu %15.2f %17.2f %13s %16s %14.1f\n", m.nom.c_str(), m.lignes, m.findings,
                m.identifiants, m.processusMs, m.enchaineMs, milliers(m.lignes / (m.processusMs / 1000)).c_str(),
                milliers(m.lignes / (m.enchaineMs / 1000)).c_str(), m.rssMaxKo / 1024.0);
  std::printf("(/bin/true lancé de la même façon : %.2f ms, %.1f Mo)\n", plancher.ms, plancher.rssMaxKo / 1024.0);

  std::printf("\nCroissance (script de stress, temps à 2n lignes / temps à n lignes) :\n");
  for (size_t i = 1; i < mesures.size(); ++i) {
    const Mesure& a = mesures[i - 1];
    const Mesure& b = mesures[i];
    if (a.nom.rfind("stress", 0) != 0 || b.nom.rfind("stress", 0) != 0) continue;
    std::printf("  %4d -> %4d lignes : processus x%.2f, EnchaineTests x%.2f\n", a.lignes, b.lignes,
                b.processusMs / a.processusMs, b.enchaineMs / a.enchaineMs);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int repetitions = 50;
  std::string binaire = QUILLOMAT_CHECK_BINARY;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--repetitions") == 0) repetitions = std::max(1, std::atoi(argv[i + 1]));
    else if (std::strcmp(argv[i], "--check") == 0) binaire = argv[i + 1];
  }
  const Lanceur lanceur;  // before anything else is allocated

  const fs::path scratch = fs::temp_directory_path() / ("quillomat-bench-" + std::to_string(getpid()));
  fs::create_directories(scratch);
  binaire = fs::absolute(binaire).string();

  std::vector<std::pair<std::string, std::string>> scripts = {{"typique-300", quillomat::bench::scriptTypique()}};
  for (int lignes : {625, 1250, 2500, 4998})
    scripts.emplace_back("stress-" + std::to_string(lignes), quillomat::bench::scriptStress(lignes));

  // Whole processes, as the mod author runs them: the script in the current
  // directory. The last target is the floor, a process that does nothing.
  std::vector<Cible> cibles;
  for (const auto& [nom, script] : scripts) {
    Cible c{scratch / ("processus-" + nom), binaire, "script.txt", {}, 0};
    fs::create_directories(c.dossier);
    if (!quillomat::ecrireBinaire(c.dossier / c.script, script)) return 1;
    cibles.push_back(std::move(c));
  }
  cibles.push_back(Cible{scratch / "vide", "/bin/true", "x", {}, 0});
  fs::create_directories(cibles.back().dossier);
  const size_t nombreScripts = scripts.size();
  bool ok = mesurerProcessus(lanceur, cibles, nombreScripts, repetitions);

  std::vector<Mesure> mesures;
  for (size_t k = 0; ok && k < nombreScripts; ++k) {
    Mesure m;
    m.nom = scripts[k].first;
    compter(scripts[k].second, m);
    m.processusMs = mediane(cibles[k].temps);
    m.rssMaxKo = cibles[k].rssMaxKo;
    ok = mesurerEnchaineTests(scratch, scripts[k].second, repetitions, m);
    mesures.push_back(m);
  }
  const Plancher plancher{ok ? mediane(cibles.back().temps) : 0, cibles.back().rssMaxKo};
  std::error_code ec;
  fs::remove_all(scratch, ec);
  if (!ok) return 1;

  afficher(mesures, repetitions, plancher);
  const Mesure& stress = mesures.back();
  if (stress.findings < kFindingsStress || stress.identifiants < kIdentifiantsStress) {
    std::fprintf(stderr, "Le script de stress n'atteint pas %zu constats et %zu identifiants.\n", kFindingsStress,
                 kIdentifiantsStress);
    return 1;
  }
  return 0;
}
