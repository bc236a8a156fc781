#include "app/core/check_run.hpp"

#include <gtest/gtest.h>

#include "pipeline/enchaine_tests.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

// The failures the editor's own tests do not reach (theirs: DbTempKVR4 and
// InfTempKVR4 that cannot be opened).
TEST(VerifierScript, CopieImpossibleEtScriptTropLong) {
  {
    test::DossierTemporaire dir;
    std::filesystem::create_directories(dir.chemin() / "ScriptVaelmoor.txt" / "occupe");
    EXPECT_EQ(verifierScript(dir.chemin(), "x").code, kCopieImpossible);
  }
  test::DossierTemporaire dir;
  const auto r = verifierScript(dir.chemin(), std::string(kLignesMax, '\n'));
  EXPECT_EQ(r.code, kScriptTropLong);
  EXPECT_EQ(r.message, messageResultat(kScriptTropLong));
}

}  // namespace
}  // namespace quillomat
