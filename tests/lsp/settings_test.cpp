#include "lsp/settings.hpp"

#include <gtest/gtest.h>

#include "lsp/uri.hpp"
#include "lsp_support.hpp"

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
      {"file://localhost/tmp?x#y", false, "/tmp"},
      {"file:///c%3A/Jeux/Mods", true, "c:/Jeux/Mods"},
      {"file:///C:/Jeux", true, "C:/Jeux"},
      {"file://serveur/partage/x", true, "//serveur/partage/x"},
      {"file://", false, "/"},
      {"untitled:Untitled-1", false, std::nullopt},
      {"https://exemple.org/x", false, std::nullopt},
  };
  for (const Cas& c : cas) EXPECT_EQ(cheminTexteDeUri(c.uri, c.windows), c.chemin) << c.uri;
  EXPECT_EQ(uriDeChemin("/usr/share/quillomat/AideDebug.htm"), "file:///usr/share/quillomat/AideDebug.htm");
  EXPECT_EQ(uriDeChemin(std::filesystem::path(std::u8string(u8"/opt/é #1%/a"))), "file:///opt/%C3%A9%20%231%25/a");
  for (std::string_view chemin : {"/a b/c#d", "/é/ü"}) {
    const std::string c(chemin);
    EXPECT_EQ(cheminTexteDeUri(uriDeChemin(c), false), c);
  }
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
