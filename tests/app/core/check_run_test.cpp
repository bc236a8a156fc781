// "Débuguer" without its windows: the failures the editor's own tests do not
// reach (theirs: work files that cannot be opened).
#include "app/core/check_run.hpp"

#include <gtest/gtest.h>

#include "pipeline/enchaine_tests.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(VerifierScript, ScriptTropLongPuisCopieImpossible) {
  test::DossierTemporaire dir;
  const auto r = verifierScript(dir.chemin(), std::string(kLignesMax, '\n'));
  EXPECT_EQ(r.code, kScriptTropLong);
  EXPECT_EQ(r.message, messageResultat(kScriptTropLong));
  std::filesystem::remove(dir.chemin() / "ScriptVaelmoor.txt");
  std::filesystem::create_directories(dir.chemin() / "ScriptVaelmoor.txt" / "occupe");
  EXPECT_EQ(verifierScript(dir.chemin(), "x").code, kCopieImpossible);
}

}  // namespace
}  // namespace quillomat
