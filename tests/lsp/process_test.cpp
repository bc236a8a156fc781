// The server as a process, spoken to through pipes as an editor does: the
// bytes on the wire, its reading thread, the end of its input.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "lsp/framing.hpp"
#include "lsp_support.hpp"

extern char** environ;

namespace quillomat::test {
namespace {

using nlohmann::json;
using Horloge = std::chrono::steady_clock;

// Every wait ends after this: a server that hangs fails the test.
constexpr auto kDelai = std::chrono::seconds(20);

class ProcessusServeur {
 public:
  ProcessusServeur() {
    int entree[2], sortie[2];
    EXPECT_EQ(pipe(entree), 0);
    EXPECT_EQ(pipe(sortie), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, entree[0], 0);
    posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
    for (int fd : {entree[0], entree[1], sortie[0], sortie[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    char* argv[] = {const_cast<char*>(QUILLOMAT_LSP_BINARY), nullptr};
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(entree[0]);
    close(sortie[1]);
    entree_ = entree[1];
    sortie_ = sortie[0];
  }
  ~ProcessusServeur() {
    fermerEntree();
    close(sortie_);
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  void ecrire(std::string_view octets) {
    while (!octets.empty()) {
      const ssize_t n = write(entree_, octets.data(), octets.size());
      ASSERT_GT(n, 0);
      octets.remove_prefix(static_cast<size_t>(n));
    }
  }
  void fermerEntree() {
    if (entree_ >= 0) close(entree_);
    entree_ = -1;
  }

  // Messages until one satisfies `condition`: that one, or nothing when the
  // output ends or stays silent past the delay.
  template <typename Condition>
  std::optional<json> attendre(Condition condition) {
    const auto limite = Horloge::now() + kDelai;
    for (;;) {
      while (auto t = lecteur_.suivante())
        if (json m = json::parse(t->corps); condition(m)) return m;
      const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now()).count();
      pollfd p{sortie_, POLLIN, 0};
      char tampon[65536];
      if (reste <= 0 || poll(&p, 1, static_cast<int>(reste)) <= 0) return std::nullopt;
      const ssize_t n = read(sortie_, tampon, sizeof tampon);
      if (n <= 0) return std::nullopt;
      lecteur_.ajouter({tampon, static_cast<size_t>(n)});
    }
  }
  std::optional<json> reponse(int id) {
    return attendre([id](const json& m) { return m.contains("id") && m["id"] == id; });
  }

  // The exit status, or -1 when the server has not ended within the delay.
  int statut() {
    for (const auto limite = Horloge::now() + kDelai; Horloge::now() < limite; usleep(10000)) {
      int s = 0;
      if (waitpid(pid_, &s, WNOHANG) != pid_) continue;
      pid_ = -1;
      return WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
    }
    return -1;
  }

 private:
  pid_t pid_ = -1;
  int entree_ = -1, sortie_ = -1;
  lsp::LecteurTrames lecteur_;
};

const std::string kInit = lsp::trame(requete(1, "initialize", {{"capabilities", json::object()}}).dump());

// Garbage on the wire is answered and the server goes on; a client that
// vanishes, even in the middle of a message, ends it without a hang.
TEST(ProcessusLsp, BadInputThenAVanishingClient) {
  for (const std::string fin : {"", "Content-Length: 50\r\n\r\n{\"jsonrpc\""}) {
    ProcessusServeur p;
    p.ecrire("Content-Length: douze\r\n\r\n" + lsp::trame("{pas du json") + kInit);
    for (int i = 0; i < 2; ++i) {
      const auto e = p.attendre([](const json&) { return true; });
      ASSERT_TRUE(e);
      EXPECT_EQ((*e)["error"]["code"], -32700);
    }
    ASSERT_TRUE(p.reponse(1));
    p.ecrire(fin);
    p.fermerEntree();
    EXPECT_EQ(p.statut(), 1);
  }
}

// A header without a readable length, followed by a body or not: one error,
// then the server reads the next message and serves to the end.
TEST(ProcessusLsp, AnUnreadableHeaderIsSkippedUpToTheNextMessage) {
  for (const std::string corps : {"", "{\"jsonrpc\":\"2.0\",\"id\":7,\"method\":\"shutdown\"}"}) {
    ProcessusServeur p;
    p.ecrire("Content-Length: abc\r\n\r\n" + corps + kInit);
    const auto e = p.attendre([](const json&) { return true; });
    ASSERT_TRUE(e) << corps;
    EXPECT_EQ((*e)["error"]["code"], -32700);
    ASSERT_TRUE(p.reponse(1)) << corps;
    p.ecrire(lsp::trame(requete(2, "shutdown").dump()));
    const auto arret = p.reponse(2);
    ASSERT_TRUE(arret) << corps;
    EXPECT_FALSE(arret->contains("error")) << corps;
    p.ecrire(lsp::trame(notif("exit").dump()));
    EXPECT_EQ(p.statut(), 0) << corps;
  }
}

// The changes reach the server faster than it checks: it may skip texts,
// not the last one, and ends cleanly after shutdown and exit.
TEST(ProcessusLsp, AThousandChangesWrittenAtOnceEndOnTheLastText) {
  ProcessusServeur p;
  const std::string uri = "file:///tmp/rapide.txt";
  std::string lot = kInit + lsp::trame(ouvrir(uri, "scn T\n").dump());
  for (int v = 2; v <= 1000; ++v) {
    const std::string texte = "scn T\nbegin GameMode\n" + std::string(v % 13u, '\n') + "zorglub\nend\n";
    lot += lsp::trame(changer(uri, texte, v).dump());
  }
  p.ecrire(lot);
  const auto derniere = p.attendre([](const json& m) {
    return m.value("method", "") == "textDocument/publishDiagnostics" && m["params"]["version"] == 1000;
  });
  ASSERT_TRUE(derniere);
  ASSERT_EQ((*derniere)["params"]["diagnostics"].size(), 1u);
  EXPECT_EQ((*derniere)["params"]["diagnostics"][0]["range"]["start"]["line"], 2 + 1000 % 13);
  p.ecrire(lsp::trame(requete(2, "shutdown").dump()) + lsp::trame(notif("exit").dump()));
  EXPECT_EQ(p.statut(), 0);
}

}  // namespace
}  // namespace quillomat::test
