#include "lsp/framing.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quillomat::lsp {
namespace {

// Every body and error of a stream, fed in pieces of `pas` bytes.
std::vector<std::string> decouper(std::string_view flux, size_t pas) {
  LecteurTrames l;
  std::vector<std::string> out;
  for (size_t i = 0; i < flux.size(); i += pas) {
    l.ajouter(flux.substr(i, pas));
    while (auto t = l.suivante()) out.push_back(t->erreur ? "<erreur>" : t->corps);
  }
  return out;
}

TEST(Trames, BodiesComeWholeHoweverTheBytesArrive) {
  struct Cas {
    std::string flux;
    std::vector<std::string> attendu;
  };
  const Cas cas[] = {
      {trame("{}") + trame("[1,2]"), {"{}", "[1,2]"}},
      {"content-length:  3 \r\nContent-Type: application/vscode-jsonrpc; charset=utf-8\r\n\r\nabc", {"abc"}},
      {"Content-Length: 2\n\nab", {"ab"}},  // LF alone, from a lenient client
      {"Content-Length: 0\r\n\r\n", {""}},
      {"Content-Type: x\r\n\r\n" + trame("ok"), {"<erreur>", "ok"}},
      {"Content-Length: -4\r\n\r\n" + trame("ok"), {"<erreur>", "ok"}},
      {"Content-Length: 2x\r\n\r\n" + trame("ok"), {"<erreur>", "ok"}},
      {"Content-Length: 5\r\n\r\nab", {}},  // the body has not come yet
      // After a header without a length, its body (if any) is skipped up to
      // the next header, in whatever case.
      {"Content-Length: abc\r\n\r\n{\"id\":1}" + trame("ok") + trame("2"), {"<erreur>", "ok", "2"}},
      {"Content-Length: abc\r\n\r\n" + trame("ok"), {"<erreur>", "ok"}},
      {"Content-Length: abc\r\n\r\n{}content-length: 2\r\n\r\nok", {"<erreur>", "ok"}},
      {"Content-Length: abc\r\n\r\n{\"pas fini\"", {"<erreur>"}},
  };
  for (const Cas& c : cas)
    for (size_t pas : {size_t{1}, size_t{3}, c.flux.size()}) EXPECT_EQ(decouper(c.flux, pas), c.attendu) << c.flux;
}

TEST(Trames, GarbageAndHugeBodiesAreRefusedWithoutBeingKept) {
  // Endless garbage is dropped as it comes; the stream recovers at the next
  // header block.
  for (size_t pas : {size_t{1000}, size_t{4096}, size_t{70000}}) {
    const auto r = decouper(std::string(3 * kEnTeteMax, 'x') + "\r\n\r\n" + trame("ok"), pas);
    ASSERT_GE(r.size(), 2u);
    EXPECT_EQ(r.back(), "ok");
    EXPECT_EQ(std::count(r.begin(), r.end(), "<erreur>"), static_cast<long>(r.size()) - 1);
  }
  // A body over the limit is skipped as it comes, never held.
  LecteurTrames l;
  l.ajouter("Content-Length: " + std::to_string(kCorpsMax + 1) + "\r\n\r\n");
  EXPECT_TRUE(l.suivante()->erreur);
  const std::string bloc(1 << 20, ' ');
  for (size_t n = 0; n <= kCorpsMax; n += bloc.size()) {
    l.ajouter(std::string_view(bloc).substr(0, std::min(bloc.size(), kCorpsMax + 1 - n)));
    ASSERT_FALSE(l.suivante());
  }
  l.ajouter(trame("ok"));
  EXPECT_EQ(l.suivante()->corps, "ok");
}

}  // namespace
}  // namespace quillomat::lsp
