#include "app/core/window_layout.hpp"

#include <gtest/gtest.h>

namespace quillomat {
namespace {

const Cadre kZone{0, 0, 1200, 700};

TEST(DispositionFenetres, LeRapportSeLitEnEntierACoteDuScriptOuParDessus) {
  const struct {
    const char* cas;
    Cadre script;
    int largeur;
    bool libre;
    PlacesRapport attendu;
  } cas[] = {
      {"room on the right", {0, 0, 500, 300}, 600, false, {{500, 0, 600, 700}, {0, 0, 500, 300}}},
      {"room on the left", {650, 20, 550, 500}, 600, true, {{50, 0, 600, 700}, {650, 20, 550, 500}}},
      {"no room, script where it was put: side by side", {0, 0, 1100, 620}, 800, true,
       {{400, 0, 800, 700}, {0, 0, 400, 700}}},
      {"no room, script moved by the user: over it", {0, 0, 1100, 620}, 800, false,
       {{400, 0, 800, 700}, {0, 0, 1100, 620}}},
      {"the script would keep under a quarter: over it", {0, 0, 1100, 620}, 1000, true,
       {{200, 0, 1000, 700}, {0, 0, 1100, 620}}},
      {"wider than the area: the area", {0, 0, 1100, 620}, 5000, true, {{0, 0, 1200, 700}, {0, 0, 1100, 620}}},
  };
  for (const auto& c : cas) {
    const PlacesRapport p = placesRapport(kZone, c.script, c.largeur, c.libre);
    EXPECT_EQ(p.rapport, c.attendu.rapport) << c.cas;
    EXPECT_EQ(p.script, c.attendu.script) << c.cas;
  }
}

TEST(DispositionFenetres, CascadeDeFenetresQuiRestentGrandes) {
  EXPECT_EQ(cascade(kZone, 1, 30), std::vector<Cadre>{kZone});
  EXPECT_EQ(cascade(kZone, 3, 30),
            (std::vector<Cadre>{{0, 0, 1140, 640}, {30, 30, 1140, 640}, {60, 60, 1140, 640}}));
  // Many windows: two thirds of the zone at least, the steps start again.
  const std::vector<Cadre> vingt = cascade(kZone, 20, 30);
  ASSERT_EQ(vingt.size(), 20u);
  for (const Cadre& c : vingt) {
    EXPECT_GE(c.largeur * 3, kZone.largeur * 2);
    EXPECT_GE(c.hauteur * 3, kZone.hauteur * 2);
    EXPECT_LE(c.droite(), kZone.droite());
    EXPECT_LE(c.y + c.hauteur, kZone.hauteur);
  }
  EXPECT_EQ(vingt[8].x, 0);
  EXPECT_TRUE(cascade(kZone, 0, 30).empty());
}

}  // namespace
}  // namespace quillomat
