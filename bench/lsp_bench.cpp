// The language server's work after a change, inside one process: the change
// received, the script checked, its diagnostics built and written as JSON.
#include <benchmark/benchmark.h>

#include <string>

#include "cli/encoding.hpp"
#include "lsp/server.hpp"
#include "script_generator.hpp"

namespace {

using nlohmann::json;

json changement(const std::string& texte, int version) {
  return {{"jsonrpc", "2.0"},
          {"method", "textDocument/didChange"},
          {"params",
           {{"textDocument", {{"uri", "file:///bench.txt"}, {"version", version}}},
            {"contentChanges", {{{"text", texte}}}}}}};
}

void BM_DiagnosticsApresModification(benchmark::State& state) {
  const std::string script = state.range(0) == 300 ? quillomat::bench::scriptTypique()
                                                   : quillomat::bench::scriptStress(static_cast<int>(state.range(0)));
  // Two texts in turn, as a client sends them: UTF-8, one line changed in
  // the middle, the number of lines kept.
  std::string variante = script;
  variante.insert(variante.find('\n', variante.size() / 2) + 1, "zorglub ");
  const std::string textes[] = {quillomat::latin1VersUtf8(script), quillomat::latin1VersUtf8(variante)};
  quillomat::lsp::Serveur serveur;
  serveur.recevoir(json({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", {{"capabilities", json::object()}}}}).dump());
  serveur.recevoir(json({{"jsonrpc", "2.0"},
                         {"method", "textDocument/didOpen"},
                         {"params", {{"textDocument", {{"uri", "file:///bench.txt"}, {"version", 0}, {"text", textes[0]}}}}}})
                       .dump());
  size_t diagnostics = 0, octets = 0;
  for (const std::string& m : serveur.publier()) diagnostics = json::parse(m)["params"]["diagnostics"].size();
  int version = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string corps = changement(textes[++version % 2], version).dump();
    state.ResumeTiming();
    serveur.recevoir(corps);
    for (const std::string& m : serveur.publier()) octets = m.size();
  }
  state.counters["diagnostics"] = static_cast<double>(diagnostics);
  state.counters["octets"] = static_cast<double>(octets);
}
BENCHMARK(BM_DiagnosticsApresModification)->Arg(300)->Arg(4998)->Unit(benchmark::kMillisecond);

}  // namespace
