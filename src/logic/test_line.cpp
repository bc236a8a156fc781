// A test line: the keyword If or ElseIf (any case) followed by a space, then
// the logical expression, checked by MainLogique.
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kTestSansValeur{"QM404", " : erreur, le test logique {MOT} doit être suivi d'une valeur logique !",
                                     "Rien ne suit le if ou le elseif : la condition manque."};
constexpr const Fiche* kLibelles[] = {&kTestSansValeur};

}  // namespace

Libelles libellesTestLine() { return kLibelles; }

int synDetectTEST(Context& ctx, const Text& t, const Row& row) {
  const std::string_view motCle = row.name;  // "If" or "ElseIf", as the messages write it
  const size_t b = t.debut();
  if (!nomEn(t, b, motCle) || t.at(b + motCle.size()) != ' ') return 0;
  size_t p = b + motCle.size() + 1;
  while (p < t.size() && estBlanc(t.at(p))) ++p;
  if (p >= t.size())
    signalerLigne(ctx.wf, ctx.line, kTestSansValeur, motCle);
  else
    MainLogique(ctx, motCle, t.src().substr(p));
  return 1;
}

}  // namespace quillomat
