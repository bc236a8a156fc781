#include "lsp/settings.hpp"

#include <gtest/gtest.h>

#include "lsp/uri.hpp"
#include "lsp_support.hpp"
#include "pipeline/text_mode.hpp"
#include "test_support.hpp"

namespace quillomat::lsp {
namespace {

TEST(Uri, FilePathsBothWays) {
  struct Cas {
    std::string_view uri;
    bool windows;
    std::optional<std::string> chemin;
  };
  const Cas cas[] = {
      {"file:///home/a/mes%20scripts/x.txt", false, "/home/a/mes scripts/x.txt"},
      {"FILE:///home/a%C3%A9/%zz", false, test::u8(u8"/home/aé/%zz")},  // a bad escape stays
      {"file:///c%3A/Jeux/Mods", true, "c:/Jeux/Mods"},
      {"file:///C:/Jeux", true, "C:/Jeux"},
      {"file://serveur/partage/x", true, "//serveur/partage/x"},
      {"untitled:Untitled-1", false, std::nullopt},
  };
  for (const Cas& c : cas) EXPECT_EQ(cheminTexteDeUri(c.uri, c.windows), c.chemin) << c.uri;
  EXPECT_EQ(uriDeChemin("/usr/share/quillomat/AideDebug.htm"), "file:///usr/share/quillomat/AideDebug.htm");
  EXPECT_EQ(uriDeChemin(std::filesystem::path(std::u8string(u8"/opt/é #1%/a"))), "file:///opt/%C3%A9%20%231%25/a");
  for (std::string_view chemin : {"/a b/c#d", "/é/ü"}) {
    const std::string c(chemin);
    EXPECT_EQ(cheminTexteDeUri(uriDeChemin(c), false), c);
  }
}

// Installed, the page lies in ../share/quillomat from bin/; in the build
// tree, beside the program.
TEST(Uri, TheHelpLinkPointsAtTheInstalledPage) {
  test::DossierTemporaire dir;
  const auto prefixe = dir.chemin() / "pré fixe";
  std::filesystem::create_directories(prefixe / "bin");
  EXPECT_EQ(lienPageAide(prefixe / "bin"), "");
  std::filesystem::create_directories(prefixe / "share" / "quillomat");
  ASSERT_TRUE(ecrireBinaire(prefixe / "share" / "quillomat" / "AideDebug.htm", "<html>"));
  const std::string lien = lienPageAide(prefixe / "bin");
  EXPECT_EQ(lien, uriDeChemin(std::filesystem::canonical(prefixe / "share" / "quillomat" / "AideDebug.htm")));
  const std::string fin = "/pr%E9%20fixe/share/quillomat/AideDebug.htm";  // "é" is a Latin-1 byte here
  EXPECT_EQ(lien.substr(0, 8), "file:///");
  EXPECT_EQ(lien.substr(lien.size() - fin.size()), fin);
  ASSERT_TRUE(ecrireBinaire(prefixe / "bin" / "AideDebug.htm", "<html>"));
  EXPECT_EQ(lienPageAide(prefixe / "bin"), uriDeChemin(std::filesystem::canonical(prefixe / "bin" / "AideDebug.htm")));
}

TEST(Reglages, OptionsOverrideTheSettingsTheyName) {
  struct Cas {
    nlohmann::json options;
    SettingsRecord attendu;
    size_t avertissements;
  };
  const SettingsRecord base{1, 1, 0, 2, 0, 0, 0, 1};
  auto avec = [&](int type, int vlse, int masquer) {
    SettingsRecord r = base;
    r.scriptKind = type;
    r.vlseDependent = vlse;
    r.hideAlerts = masquer;
    return r;
  };
  const Cas cas[] = {
      {nullptr, base, 0},
      {nlohmann::json::array(), base, 0},
      {{{"type", "quete"}}, avec(1, 0, 0), 0},
      {{{"type", test::u8(u8"quête")}, {"vlse", true}, {"sansAlertes", 1}}, avec(1, 1, 1), 0},
      {{{"quillomat", {{"type", 3}, {"sansAlertes", false}}}}, avec(3, 0, 0), 0},
      {{{"type", "magie"}, {"vlse", "oui"}, {"sansAlertes", 2}}, base, 3},
      {{{"type", 7}, {"autre", 1}}, base, 1},
      {{{"type", nullptr}}, base, 0},
  };
  for (const Cas& c : cas) {
    std::vector<std::string> avertissements;
    EXPECT_EQ(appliquerOptions(base, c.options, avertissements), c.attendu) << c.options.dump();
    EXPECT_EQ(avertissements.size(), c.avertissements) << c.options.dump();
  }
}

TEST(Reglages, TheRootIsTheFirstFolderElseRootUriElseRootPath) {
  using nlohmann::json;
  const json dossiers = {{"workspaceFolders", {{{"uri", "file:///a"}, {"name", "a"}}, {{"uri", "file:///b"}}}},
                         {"rootUri", "file:///c"}};
  EXPECT_EQ(racineDuProjet(dossiers), std::filesystem::path("/a"));
  EXPECT_EQ(racineDuProjet({{"workspaceFolders", nullptr}, {"rootUri", "file:///c"}}), std::filesystem::path("/c"));
  EXPECT_EQ(racineDuProjet({{"rootUri", nullptr}, {"rootPath", "/d"}}), std::filesystem::path("/d"));
  EXPECT_EQ(racineDuProjet({{"rootUri", nullptr}}), std::nullopt);
  EXPECT_EQ(racineDuProjet(json::array()), std::nullopt);
}

}  // namespace
}  // namespace quillomat::lsp
