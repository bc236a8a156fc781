// Time of a whole check of the generated scripts inside one process: in
// memory, and as a run with its work files and report on disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"
#include "script_generator.hpp"

namespace {

// The stress script of `range` lines, or the typical script for 300.
std::string scriptDe(int64_t lignes) {
  return lignes == 300 ? quillomat::bench::scriptTypique() : quillomat::bench::scriptStress(static_cast<int>(lignes));
}

void BM_VerificationEnMemoire(benchmark::State& state) {
  const std::string script = scriptDe(state.range(0));
  const int lines = quillomat::compterLignes(script);
  size_t findings = 0, identifiants = 0;
  for (auto _ : state) {
    quillomat::WorkFiles wf;
    quillomat::executerVerifications(wf, script, lines, 0, 0);
    benchmark::DoNotOptimize(quillomat::composerRapport(wf, lines, 1, 0));
    findings = wf.findings.size();
    identifiants = wf.identifiers.records().size();
  }
  if (lines == 4998 && (findings < 2000 || identifiants < 800))
    state.SkipWithError("le script de stress n'atteint pas 2000 constats et 800 identifiants");
  state.counters["lignes"] = lines;
  state.counters["constats"] = static_cast<double>(findings);
  state.counters["identifiants"] = static_cast<double>(identifiants);
  state.counters["lignes/s"] = benchmark::Counter(lines, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_VerificationEnMemoire)->Arg(300)->Arg(625)->Arg(1250)->Arg(2500)->Arg(4998)->Unit(benchmark::kMillisecond);

// The same check with the script extender's later syntax on: its rows are
// tried after the catalogue's, on every line no row takes.
void BM_VerificationEtendue(benchmark::State& state) {
  const std::string script = scriptDe(state.range(0));
  const int lines = quillomat::compterLignes(script);
  quillomat::OptionsVerification options;
  options.vlseEtendu = true;
  size_t findings = 0;
  for (auto _ : state) {
    quillomat::WorkFiles wf;
    quillomat::executerVerifications(wf, script, lines, 0, 0, {}, options);
    benchmark::DoNotOptimize(quillomat::composerRapport(wf, lines, 1, 0));
    findings = wf.findings.size();
  }
  state.counters["lignes"] = lines;
  state.counters["constats"] = static_cast<double>(findings);
}
BENCHMARK(BM_VerificationEtendue)->Arg(300)->Arg(4998)->Unit(benchmark::kMillisecond);

void BM_EnchaineTestsSurDisque(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / ("quillomat-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string script = scriptDe(state.range(0));
  quillomat::ecrireBinaire(dir / std::string(quillomat::kFichierScript), script);
  quillomat::BilanRun bilan;
  for (auto _ : state) benchmark::DoNotOptimize(quillomat::EnchaineTests(dir, 1, 0, 0, 0, {}, &bilan));
  std::filesystem::remove_all(dir);
  state.counters["lignes"] = bilan.lines;
  state.counters["constats"] = static_cast<double>(bilan.findings);
  state.counters["lignes/s"] = benchmark::Counter(bilan.lines, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EnchaineTestsSurDisque)->Arg(300)->Arg(4998)->Unit(benchmark::kMillisecond);

}  // namespace
