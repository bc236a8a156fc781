// Time of a whole check of a long, realistic script: in memory, and as a run
// with its work files and report on disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "pipeline/enchaine_tests.hpp"
#include "pipeline/report_writer.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"

namespace {

// A script of `lignes` lines made of ordinary blocks, conditions, assignments,
// messages and function calls.
std::string scriptLong(int lignes) {
  const std::string bloc =
      "begin GameMode\n"
      "  if ( GetSecondsPassed > 2 ) && ( player.GetDistance MyChest < 300 )\n"
      "    set compteur to compteur + 1 ; un commentaire\n"
      "    player.AddItem Gold001 10\n"
      "    Message \"Il reste %g secondes\", timer\n"
      "  elseif MyQuest.stage == 10\n"
      "    SetStage MyQuest 20\n"
      "  endif\n"
      "  set timer to timer - GetSecondsPassed\n"
      "end\n";
  std::string s = "scn BenchScript\nshort compteur\nfloat timer\nref cible\n";
  int n = 4;
  while (n + 10 <= lignes - 1) {
    s += bloc;
    n += 10;
  }
  return s;
}

void BM_VerificationEnMemoire(benchmark::State& state) {
  const std::string script = scriptLong(static_cast<int>(state.range(0)));
  const int lines = quillomat::compterLignes(script);
  for (auto _ : state) {
    quillomat::WorkFiles wf;
    quillomat::executerVerifications(wf, script, lines, 0, 0);
    benchmark::DoNotOptimize(quillomat::composerRapport(wf, lines, 1, 0));
  }
  state.counters["lignes"] = lines;
}
BENCHMARK(BM_VerificationEnMemoire)->Arg(500)->Arg(4998)->Unit(benchmark::kMillisecond);

void BM_EnchaineTestsSurDisque(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "quillomat-bench";
  std::filesystem::create_directories(dir);
  quillomat::ecrireBinaire(dir / "ScriptVaelmoor.txt", scriptLong(4998));
  for (auto _ : state) benchmark::DoNotOptimize(quillomat::EnchaineTests(dir, 1, 0, 0, 0));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_EnchaineTestsSurDisque)->Unit(benchmark::kMillisecond);

}  // namespace
