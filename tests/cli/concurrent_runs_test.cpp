#include "cli/check_command.hpp"
#include "cli_support.hpp"

namespace quillomat {
namespace {

// Twenty runs started together in one directory share its work copy and its
// report; each must still show the report of its own script.
TEST(QuillomatCheckConcurrency, TwentyRunsInOneDirectoryEachGetTheirOwnReport) {
  test::DossierTemporaire dir;
  test::DossierTemporaire sorties;
  constexpr int kRuns = 20;
  std::vector<std::string> scripts;
  for (int i = 0; i < kRuns; ++i) {
    // Different names, variables and faults, and enough lines to make a run last.
    std::string s = "scn Script" + std::to_string(i) + "\nshort v" + std::to_string(i) + "\nbegin GameMode\n";
    for (int k = 0; k < 300; ++k) s += "set v" + std::to_string(i) + " to " + std::to_string(k) + "\n";
    for (int k = 0; k <= i + 1; ++k) s += "end\n";
    scripts.push_back(s);
    ecrireBinaire(dir.chemin() / ("s" + std::to_string(i) + ".txt"), s);
  }
  // The runs are forked first and all wake from the same sleep, to start together.
  const std::string sortie = test::citer(sorties.chemin().string()) + "/$i";
  const std::string commande = "cd " + test::citer(dir.chemin().string()) + " && for i in $(seq 0 " +
                               std::to_string(kRuns - 1) + "); do (sleep 0.5; LC_ALL=C " +
                               test::citer(QUILLOMAT_CHECK_BINARY) + " s$i.txt > " + sortie + " 2>&1; echo $? > " +
                               sortie + ".statut) & done; wait";
  ASSERT_EQ(std::system(commande.c_str()), 0);
  for (int i = 0; i < kRuns; ++i) {
    const std::string n = std::to_string(i);
    EXPECT_EQ(lireBinaire(sorties.chemin() / n).value_or("?"), test::rapportAttendu(scripts[static_cast<size_t>(i)]))
        << "run " << i;
    EXPECT_EQ(lireBinaire(sorties.chemin() / (n + ".statut")).value_or("?"), "2\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.chemin() / "DbTempKVR4"));
}

}  // namespace
}  // namespace quillomat
