// The server as a process, spoken to through pipes as an editor does: the
// bytes on the wire, the end of its input, its exit status.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "cli/encoding.hpp"
#include "lsp/framing.hpp"
#include "lsp_support.hpp"

extern char** environ;

namespace quillomat::test {
namespace {

using nlohmann::json;
using Horloge = std::chrono::steady_clock;

constexpr auto kDelai = std::chrono::seconds(20);

class ProcessusServeur {
 public:
  explicit ProcessusServeur(std::vector<std::string> args = {}) {
    int entree[2], sortie[2];
    EXPECT_EQ(pipe(entree), 0);
    EXPECT_EQ(pipe(sortie), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, entree[0], 0);
    posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
    for (int fd : {entree[0], entree[1], sortie[0], sortie[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    args.insert(args.begin(), QUILLOMAT_LSP_BINARY);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
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
  void envoyer(const json& m) { ecrire(lsp::trame(m.dump())); }
  void fermerEntree() {
    if (entree_ >= 0) close(entree_);
    entree_ = -1;
  }

  // The next message, or nothing when the server ends its output or stays
  // silent past the delay.
  std::optional<json> recevoir() {
    const auto limite = Horloge::now() + kDelai;
    for (;;) {
      if (auto t = lecteur_.suivante()) return json::parse(t->corps);
      if (!lire(limite)) return std::nullopt;
    }
  }
  // Messages until one satisfies `condition` (that one included).
  template <typename Condition>
  std::optional<json> attendre(Condition condition) {
    while (auto m = recevoir())
      if (condition(*m)) return m;
    return std::nullopt;
  }

  // The exit status, or -1 when the server has not ended within the delay.
  int statut() {
    const auto limite = Horloge::now() + kDelai;
    while (Horloge::now() < limite) {
      int s = 0;
      if (waitpid(pid_, &s, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
      }
      usleep(10000);
    }
    return -1;
  }

 private:
  bool lire(Horloge::time_point limite) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now()).count();
    pollfd p{sortie_, POLLIN, 0};
    if (reste <= 0 || poll(&p, 1, static_cast<int>(reste)) <= 0) return false;
    char tampon[65536];
    const ssize_t n = read(sortie_, tampon, sizeof tampon);
    if (n <= 0) return false;
    lecteur_.ajouter({tampon, static_cast<size_t>(n)});
    return true;
  }

  pid_t pid_ = -1;
  int entree_ = -1, sortie_ = -1;
  lsp::LecteurTrames lecteur_;
};

const json kInit = requete(1, "initialize", {{"capabilities", json::object()}, {"rootUri", nullptr}});

bool estReponse(const json& m, int id) { return m.contains("id") && m["id"] == id; }

TEST(ProcessusLsp, VersionAndLifecycle) {
  {
    ProcessusServeur p({"--version"});
    EXPECT_EQ(p.recevoir(), std::nullopt);
    EXPECT_EQ(p.statut(), 0);
  }
  ProcessusServeur p({"--stdio"});
  p.envoyer(kInit);
  ASSERT_TRUE(p.attendre([](const json& m) { return estReponse(m, 1); }));
  p.envoyer(requete(2, "shutdown"));
  ASSERT_TRUE(p.attendre([](const json& m) { return estReponse(m, 2); }));
  p.envoyer(notif("exit"));
  EXPECT_EQ(p.statut(), 0);
}

// Garbage on the wire is answered and the server goes on; a client that
// vanishes, even in the middle of a message, ends it without a hang.
TEST(ProcessusLsp, BadInputThenAVanishingClient) {
  for (const std::string fin : {"", "Content-Length: 50\r\n\r\n{\"jsonrpc\""}) {
    ProcessusServeur p;
    p.ecrire("Content-Length: douze\r\n\r\n");
    p.ecrire(lsp::trame("{pas du json"));
    p.envoyer(kInit);
    const auto e1 = p.recevoir(), e2 = p.recevoir();
    ASSERT_TRUE(e1 && e2);
    EXPECT_EQ((*e1)["error"]["code"], -32700);
    EXPECT_EQ((*e2)["error"]["code"], -32700);
    ASSERT_TRUE(p.attendre([](const json& m) { return estReponse(m, 1); }));
    p.ecrire(fin);
    p.fermerEntree();
    EXPECT_EQ(p.statut(), 1);
  }
}

TEST(ProcessusLsp, AThousandChangesWrittenAtOnceEndOnTheLastText) {
  ProcessusServeur p;
  p.envoyer(kInit);
  ASSERT_TRUE(p.attendre([](const json& m) { return estReponse(m, 1); }));
  const std::string uri = "file:///tmp/rapide.txt";
  std::string lot = lsp::trame(ouvrir(uri, "scn T\n").dump());
  for (int v = 2; v <= 1000; ++v)
    lot += lsp::trame(changer(uri, "scn T\nbegin GameMode\n" + std::string(static_cast<size_t>(v % 13), '\n') +
                                       "zorglub\nend\n", v)
                          .dump());
  p.ecrire(lot);
  const auto derniere = p.attendre([](const json& m) {
    return m.value("method", "") == "textDocument/publishDiagnostics" && m["params"]["version"] == 1000;
  });
  ASSERT_TRUE(derniere);
  ASSERT_EQ((*derniere)["params"]["diagnostics"].size(), 1u);
  EXPECT_EQ((*derniere)["params"]["diagnostics"][0]["range"]["start"]["line"], 2 + 1000 % 13);
  p.envoyer(requete(2, "shutdown"));
  p.envoyer(notif("exit"));
  EXPECT_EQ(p.statut(), 0);
}

}  // namespace
}  // namespace quillomat::test
