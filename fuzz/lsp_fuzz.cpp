// Any bytes on the language server's input, after an initialize and the
// opening of a script: the framing, the JSON, the messages and the positions
// and ranges of their changes must neither crash the server nor make it
// write anything but well-formed JSON messages.
//
// Input: byte 0 chooses the size of the pieces the bytes arrive in (1 to 64
// bytes, or all at once from 64 up) and the position encoding the client
// asks for (UTF-16, UTF-8 or UTF-32); the rest is the stream of messages.
// The diagnostics are published after every tenth message and at the end,
// as the server's loop does once its input is drained.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "lsp/framing.hpp"
#include "lsp/server.hpp"

namespace {

using namespace quillomat::lsp;

[[noreturn]] void faute(const std::string& quoi) {
  std::fprintf(stderr, "quillomat_fuzz_lsp : %s\n", quoi.c_str());
  std::abort();
}

void verifier(const std::vector<std::string>& messages) {
  for (const std::string& m : messages) {
    const auto j = nlohmann::json::parse(m, nullptr, false);
    if (j.is_discarded() || !j.is_object() || j.value("jsonrpc", "") != "2.0") faute("message mal forme : " + m);
  }
}

std::string debut(unsigned encodage) {
  static const char* const kEncodages[] = {"", R"("positionEncodings":["utf-8"])", R"("positionEncodings":["utf-32"])"};
  const std::string init = R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{"capabilities":{"general":{)" +
                           std::string(kEncodages[encodage % 3]) + "}}}}";
  const std::string ouvrir =
      R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///f.txt",)"
      R"("languageId":"vaelmoor","version":1,"text":"scn T\r\nbegin GameMode\n\tset x to player.GetAV Str \u00e9\nend"}}})";
  return trame(init) + trame(ouvrir);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const unsigned controle = data[0];
  const size_t pas = controle % 64 + 1 == 64 ? size : controle % 64 + 1;
  const std::string flux = debut(controle / 64) + std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
  Serveur serveur;
  LecteurTrames lecteur;
  int recus = 0;
  for (size_t i = 0; i < flux.size() && !serveur.termine(); i += pas) {
    lecteur.ajouter(std::string_view(flux).substr(i, pas));
    while (!serveur.termine()) {
      auto t = lecteur.suivante();
      if (!t) break;
      verifier(t->erreur ? std::vector{Serveur::erreurDeTrame()} : serveur.recevoir(t->corps));
      if (++recus % 10 == 0) verifier(serveur.publier());
    }
  }
  verifier(serveur.publier());
  return 0;
}
