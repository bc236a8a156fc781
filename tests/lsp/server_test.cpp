#include "lsp/server.hpp"

#include <gtest/gtest.h>

#include "lsp_support.hpp"
#include "test_support.hpp"

namespace quillomat::lsp {
namespace {

using nlohmann::json;
using test::changer;
using test::notif;
using test::ouvrir;
using test::requete;

constexpr std::string_view kUri = "file:///scripts/quete.txt";
const std::string kScript = "scn T\nbegin GameMode\nzorglub\nend\n";

// A server and what it said.
struct Session {
  Serveur serveur{"file:///aide/AideDebug.htm"};

  static std::vector<json> lire(const std::vector<std::string>& textes) {
    std::vector<json> out;
    for (const std::string& t : textes) out.push_back(json::parse(t));
    return out;
  }
  std::vector<json> envoyer(const json& m) { return lire(serveur.recevoir(m.dump())); }
  json initialiser(json params = {{"capabilities", json::object()}}) {
    auto r = envoyer(requete(1, "initialize", std::move(params)));
    envoyer(notif("initialized"));
    return r.at(0);
  }
  // The diagnostics published now for kUri (null when none are).
  json diagnostics() {
    json trouves;
    for (const json& m : lire(serveur.publier()))
      if (m["params"]["uri"] == kUri) trouves = m["params"]["diagnostics"];
    return trouves;
  }
  json demander(std::string_view methode, size_t ligne, size_t colonne) {
    return envoyer(requete(9, methode, {{"textDocument", {{"uri", kUri}}},
                                        {"position", {{"line", ligne}, {"character", colonne}}}}))
        .at(0)["result"];
  }
};

TEST(Serveur, Lifecycle) {
  Session s;
  // Before initialize: requests are refused, notifications dropped.
  EXPECT_EQ(s.envoyer(requete(7, "textDocument/hover")).at(0)["error"]["code"], kServeurNonInitialise);
  EXPECT_TRUE(s.envoyer(ouvrir(kUri, kScript)).empty());
  EXPECT_TRUE(s.serveur.publier().empty());

  const json init = s.initialiser();
  EXPECT_EQ(init["result"]["capabilities"]["positionEncoding"], "utf-16");
  EXPECT_EQ(init["result"]["serverInfo"]["version"], "3.02");
  EXPECT_EQ(s.envoyer(requete(2, "initialize")).at(0)["error"]["code"], kRequeteInvalide);
  s.envoyer(ouvrir(kUri, kScript));
  EXPECT_EQ(s.diagnostics().size(), 1u);
  EXPECT_TRUE(s.serveur.publier().empty());  // nothing changed since

  const auto fin = s.envoyer(requete("x", "shutdown"));
  EXPECT_EQ(fin.at(0)["id"], "x");
  EXPECT_TRUE(fin.at(0)["result"].is_null());
  EXPECT_EQ(s.envoyer(requete(3, "textDocument/hover")).at(0)["error"]["code"], kRequeteInvalide);
  EXPECT_FALSE(s.serveur.termine());
  s.envoyer(notif("exit"));
  EXPECT_TRUE(s.serveur.termine());
  EXPECT_EQ(s.serveur.codeDeSortie(), 0);

  Session sansArret;
  sansArret.initialiser();
  sansArret.envoyer(notif("exit"));
  EXPECT_TRUE(sansArret.serveur.termine());
  EXPECT_EQ(sansArret.serveur.codeDeSortie(), 1);
}

TEST(Serveur, BadMessagesGetTheProtocolsErrors) {
  Session s;
  s.initialiser();
  struct Cas {
    std::string corps;
    std::optional<int> code;  // none: no answer
    json id = nullptr;
  };
  const Cas cas[] = {
      {"{\"jsonrpc\": \"2.0\", \"id\": 1, \"method\": ", kErreurJson},
      {"\xFF\xFE", kErreurJson},
      {"[1, 2]", kRequeteInvalide},
      {R"({"jsonrpc": "2.0", "id": 4})", kRequeteInvalide, 4},
      {R"({"jsonrpc": "1.0", "id": 5, "method": "shutdown"})", kRequeteInvalide, 5},
      {R"({"jsonrpc": "2.0", "id": [1], "method": "shutdown"})", kRequeteInvalide},
      {R"({"jsonrpc": "2.0", "id": 8, "method": "textDocument/definition", "params": {}})", kMethodeInconnue, 8},
      {R"({"jsonrpc": "2.0", "id": 10, "method": "textDocument/hover", "params": {"position": 3}})",
       kParametresInvalides, 10},
      {R"({"jsonrpc": "2.0", "id": 11, "method": "textDocument/completion", "params": null})", kParametresInvalides,
       11},
      {R"({"jsonrpc": "2.0", "id": 12, "result": null})", std::nullopt},  // an answer to nothing
      {R"({"jsonrpc": "2.0", "method": "textDocument/didOpen", "params": {"textDocument": 5}})", std::nullopt},
      {R"({"jsonrpc": "2.0", "method": "inconnue"})", std::nullopt},
  };
  for (const Cas& c : cas) {
    const auto r = Session::lire(s.serveur.recevoir(c.corps));
    ASSERT_EQ(r.size(), c.code ? 1u : 0u) << c.corps;
    if (!c.code) continue;
    EXPECT_EQ(r[0]["error"]["code"], *c.code) << c.corps;
    EXPECT_EQ(r[0]["id"], c.id) << c.corps;
  }
  s.envoyer(ouvrir(kUri, kScript));  // still serving
  EXPECT_EQ(s.diagnostics().size(), 1u);
}

TEST(Serveur, DocumentsFollowTheirChangesAndAreClearedOnClose) {
  Session s;
  s.initialiser({{"capabilities", {{"general", {{"positionEncodings", {"utf-32", "utf-8"}}}}}}});
  s.envoyer(ouvrir(kUri, test::u8(u8"scn T\nbegin GameMode\n\"😀\" zorglub\nend")));
  EXPECT_EQ(s.diagnostics().at(0)["range"]["end"]["character"], 11);  // code points
  // A range change, in code points, from a client that ignores full sync.
  json changement = changer(kUri, "", 2);
  changement["params"]["contentChanges"] = {
      {{"range", {{"start", {{"line", 2}, {"character", 0}}}, {"end", {{"line", 2}, {"character", 4}}}}},
       {"text", "Return ;"}}};
  s.envoyer(changement);
  EXPECT_TRUE(s.diagnostics().empty());
  s.envoyer(changer("file:///jamais/ouvert.txt", kScript, 1));  // ignored
  EXPECT_TRUE(s.serveur.publier().empty());
  const auto fermeture = s.envoyer(notif("textDocument/didClose", {{"textDocument", {{"uri", kUri}}}}));
  ASSERT_EQ(fermeture.size(), 1u);
  EXPECT_EQ(fermeture[0]["params"]["diagnostics"], json::array());
  EXPECT_TRUE(s.demander("textDocument/hover", 0, 0).is_null());
}

TEST(Serveur, HoverAndCompletionSpeakTheClientsUnits) {
  Session s;
  s.initialiser({{"capabilities", {{"textDocument", {{"hover", {{"contentFormat", {"markdown", "plaintext"}}}}}}}}});
  s.envoyer(ouvrir(kUri, test::u8(u8"scn T\nbegin GameMode\nset é to player.GetAV Str\nend")));
  // "é" is one UTF-16 unit and two bytes: "GetAV" spans units 16 to 21.
  const json survol = s.demander("textDocument/hover", 2, 18);
  EXPECT_EQ(survol["contents"]["kind"], "markdown");
  EXPECT_EQ(survol["range"]["start"]["character"], 16);
  EXPECT_EQ(survol["range"]["end"]["character"], 21);
  EXPECT_TRUE(s.demander("textDocument/hover", 2, 5).is_null());
  EXPECT_TRUE(s.demander("textDocument/hover", 40, 1).is_null());
  const json items = s.demander("textDocument/completion", 2, 25)["items"];
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0]["label"], "strength");
}

// A client that filters in the case typed keeps every item: its filter text
// starts with the word as typed, and its edit writes the catalogue's spelling
// over that word.
TEST(Serveur, CompletionItemsSurviveACaseSensitiveClient) {
  struct Cas {
    std::string ligne, tape, attendu;
  };
  const Cas cas[] = {
      {"set x to player.geta", "geta", "GetActorValue"},
      {"\tModAV Fat", "Fat", "fatigue"},
      {"\tGETAV", "GETAV", "GetAV"},
  };
  for (const Cas& c : cas) {
    Session s;
    s.initialiser({{"capabilities", json::object()}});
    s.envoyer(ouvrir(kUri, "scn T\nbegin GameMode\n" + c.ligne + "\nend"));
    const json items = s.demander("textDocument/completion", 2, c.ligne.size())["items"];
    bool trouve = false;
    for (const json& item : items) {
      const std::string filtre = item.value("filterText", "");
      EXPECT_EQ(filtre.substr(0, c.tape.size()), c.tape) << c.ligne;
      EXPECT_EQ(item["textEdit"]["newText"], item["label"]) << c.ligne;
      EXPECT_EQ(item["textEdit"]["range"]["start"]["character"], c.ligne.size() - c.tape.size()) << c.ligne;
      EXPECT_EQ(item["textEdit"]["range"]["end"]["character"], c.ligne.size()) << c.ligne;
      trouve = trouve || item["label"] == c.attendu;
    }
    EXPECT_TRUE(trouve) << c.ligne << " : " << items.dump().substr(0, 300);
  }
}

TEST(Serveur, SettingsComeFromTheWorkspaceFileThenTheClient) {
  test::DossierTemporaire dir;
  ASSERT_TRUE(ecrireReglages(dir.chemin(), SettingsRecord{1, 1, 1, 2, 1, 0, 0, 1}));
  Session s;
  s.initialiser({{"capabilities", json::object()},
                 {"rootUri", "file://" + dir.chemin().generic_string()},
                 {"initializationOptions", {{"vlse", false}}}});
  EXPECT_EQ(s.serveur.reglages(), (SettingsRecord{1, 1, 1, 2, 0, 0, 0, 1}));
  s.envoyer(ouvrir(kUri, "scn T\nbegin GameMode\n  DisableMouse\t\nend"));
  EXPECT_EQ(s.diagnostics().size(), 1u);  // the extender error, the tab alert hidden
  const auto r = s.envoyer(notif("workspace/didChangeConfiguration",
                                 {{"settings", {{"quillomat", {{"sansAlertes", false}, {"vlse", true}, {"type", "x"}}}}}}));
  ASSERT_EQ(r.size(), 1u);  // the warning about "type"
  EXPECT_EQ(r[0]["method"], "window/logMessage");
  const json d = s.diagnostics();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["severity"], 2);
  s.envoyer(notif("workspace/didChangeConfiguration", {{"settings", nullptr}}));
  EXPECT_TRUE(s.serveur.publier().empty());

  Session sansFichier;
  sansFichier.initialiser({{"capabilities", json::object()}, {"rootUri", "file:///nulle/part"}});
  EXPECT_EQ(sansFichier.serveur.reglages(), SettingsRecord{});
}

// The settings file of the document's folder, read again when it changes,
// and the two quick fixes whose edits silence a finding.
TEST(Serveur, SettingsFileOfTheFolderAndQuickFixes) {
  test::DossierTemporaire dir;
  const std::string uri = "file://" + dir.chemin().generic_string() + "/a.txt";
  const std::string texte = "scn T\nbegin GameMode\nActivate  cible\nend\n";
  Session s;
  s.initialiser();
  s.envoyer(ouvrir(uri, texte));
  const auto publies = [&] {
    json trouves;
    for (const json& m : Session::lire(s.serveur.publier()))
      if (m["params"]["uri"] == uri) trouves = m["params"]["diagnostics"];
    return trouves;
  };
  const json d = publies();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["code"], "QM240");

  const auto r = s.envoyer(requete(2, "textDocument/codeAction",
                                   {{"textDocument", {{"uri", uri}}},
                                    {"range", d[0]["range"]},
                                    {"context", {{"diagnostics", d}}}}));
  const json actions = r.at(0)["result"];
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(actions[0]["title"], "Ignorer QM240 sur cette ligne");
  EXPECT_EQ(actions[1]["title"], "Ignorer QM240 dans tout le script");
  const json edit = actions[0]["edit"]["changes"][uri][0];
  EXPECT_EQ(edit["range"]["start"], (json{{"line", 2}, {"character", 15}}));
  EXPECT_EQ(edit["newText"], " ; quillomat: ignorer QM240");
  EXPECT_EQ(actions[1]["edit"]["changes"][uri][0]["range"]["start"], (json{{"line", 0}, {"character", 0}}));

  // Written beside the script, the settings file applies without an edit of the script.
  ASSERT_TRUE(ecrireBinaire(dir.chemin() / ".quillomat", "ignorer = QM240\n"));
  EXPECT_EQ(publies().size(), 0u);
  ASSERT_TRUE(ecrireBinaire(dir.chemin() / ".quillomat", "ignorer = QM240\ncouleur = bleu\n"));
  std::filesystem::last_write_time(dir.chemin() / ".quillomat",
                                   std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5));
  const json erreur = publies();
  ASSERT_EQ(erreur.size(), 1u);
  EXPECT_NE(erreur[0]["message"].get<std::string>().find("ligne 2 : cl"), std::string::npos) << erreur;

  // The file's later syntax reads the catalogue it names, beside it.
  ASSERT_TRUE(ecrireBinaire(dir.chemin() / ".quillomat", "ignorer = QM240\nvlse-etendu = oui\ncatalogue = absent.txt\n"));
  const json sansCatalogue = publies();
  ASSERT_EQ(sansCatalogue.size(), 1u);
  EXPECT_NE(sansCatalogue[0]["message"].get<std::string>().find("absent.txt"), std::string::npos) << sansCatalogue;
}

// The functions a personal catalogue declares are described and completed
// where that catalogue applies: the settings file of the script's folder.
TEST(Serveur, PersonalCatalogueHoverAndCompletion) {
  test::DossierTemporaire dir;
  ASSERT_TRUE(ecrireBinaire(dir.chemin() / ".quillomat", "vlse-etendu = oui\ncatalogue = perso.txt\n"));
  ASSERT_TRUE(ecrireBinaire(dir.chemin() / "perso.txt", "Update3D ref :\nAddItemNS ref : id nombre?\n"));
  const std::string texte = "scn T\nbegin GameMode\nplayer.AddItemNS Or 1\nupd\nend\n";
  struct Cas {
    std::string uri;
    bool declarees;
  };
  for (const Cas& c : {Cas{"file://" + dir.chemin().generic_string() + "/a.txt", true}, Cas{std::string(kUri), false}}) {
    Session s;
    s.initialiser();
    s.envoyer(ouvrir(c.uri, texte));
    const auto demander = [&](std::string_view methode, size_t ligne, size_t colonne) {
      return s.envoyer(requete(9, methode, {{"textDocument", {{"uri", c.uri}}},
                                            {"position", {{"line", ligne}, {"character", colonne}}}}))
          .at(0)["result"];
    };
    const json survol = demander("textDocument/hover", 2, 10);
    const json items = demander("textDocument/completion", 3, 3)["items"];
    if (!c.declarees) {
      EXPECT_TRUE(survol.is_null()) << survol;
      for (const json& item : items) EXPECT_NE(item["label"], "Update3D");
      continue;
    }
    const std::string valeur = survol["contents"]["value"];
    EXPECT_NE(valeur.find("AddItemNS"), std::string::npos) << valeur;
    EXPECT_NE(valeur.find("id nombre?"), std::string::npos) << valeur;
    ASSERT_EQ(items.size(), 1u) << items;
    EXPECT_EQ(items[0]["label"], "Update3D");
    EXPECT_EQ(items[0]["kind"], 3);
  }
}

}  // namespace
}  // namespace quillomat::lsp
