// The value recogniser: numbers, variables (optionally object.variable),
// arithmetic over operands and the functions of the value catalogue.
#include <algorithm>

#include "functions/catalogue.hpp"
#include "functions/personal_catalogue.hpp"
#include "functions/shared_messages.hpp"

#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

// Results multiply; only 0, 1 and "more than 1" mean something, so the
// product is kept small enough never to overflow.
int produit(long long a, long long b) { return static_cast<int>(std::min(a * b, 1000000LL)); }

bool estOperateur(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

// The remainder matched against the value catalogue: 0 when no row matched.
int essayerLignes(Context& ctx, const Text& t, std::span<const Row> rows) {
  for (const Row& r : rows) {
    if (!peutReconnaitre(t, r)) continue;
    const int res = r.check(ctx, t, r);
    if (res == 0) continue;
    const bool vlseSeul = r.group == Group::Vlse || r.group == Group::VlseRef;
    if (vlseSeul && res == 1 && ctx.vlse == 0)
      signalerLigne(ctx.wf, ctx.line, kDependVlse);
    return (r.group == Group::VlseRef || r.group == Group::Ref) ? 10 : 1;
  }
  return 0;
}

// The later functions and the declared ones come after the catalogue, which
// keeps the rows of the names it has.
int essayerCatalogue(Context& ctx, std::string_view reste) {
  const Text t(reste);
  int r = essayerLignes(ctx, t, catalogueValeurs());
  if (r != 0 || !ctx.etendu) return r;
  r = essayerLignes(ctx, t, fonctionsEtendues());
  if (r != 0 || !ctx.etendu->catalogue) return r;
  return essayerLignes(ctx, t, ctx.etendu->catalogue->rows());
}

// A token outside the catalogue: a variable, or object.variable.
int lireJeton(Context& ctx, std::string_view reste) {
  size_t i = 0;
  auto lire = [&]() { return i < reste.size() ? reste[i++] : '\0'; };
  if (i < reste.size() && estBlanc(reste[i])) ++i;
  bool entreGuillemets = false;
  if (i < reste.size() && reste[i] == '"') {
    entreGuillemets = true;
    if (++i >= reste.size()) return 1;
  }
  // Reads one name; returns false for a '"' inside an unquoted name.
  auto lireNom = [&](std::string& nom, char& fin, bool guillemets) {
    for (;;) {
      if (nom.size() == kNomMax || i >= reste.size()) {
        fin = lire();
        return true;
      }
      const char c = lire();
      if (guillemets) {
        if (c == '"') {
          fin = c;
          return true;
        }
        nom += c;
      } else if (estLettre(c) || c == '_' || (estChiffre(c) && !nom.empty())) {
        nom += c;
      } else if (c == '"') {
        return false;
      } else {
        fin = c;
        return true;
      }
    }
  };
  std::string premier, second;
  char fin = '\0';
  if (!lireNom(premier, fin, entreGuillemets)) return 0;
  if (fin == '.') {
    char fin2 = '\0';
    if (!lireNom(second, fin2, false)) return 0;
    if (premier.empty() || second.empty()) return 0;
    triInfo(ctx.wf, IdentifierRecord{19, premier});
    triInfo(ctx.wf, IdentifierRecord{29, second});
    triInfoExterne(ctx.wf, AttachmentRecord{second, premier});
  } else if (!premier.empty()) {
    triInfo(ctx.wf, IdentifierRecord{9, premier});
  }
  return i >= reste.size() || toutBlanc(reste.substr(i)) ? 1 : 0;
}

int recurser(Context& ctx, std::string_view text) {
  auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
  const size_t s = estBlanc(at(0)) ? 1 : 0;

  if (at(s) == '(') {
    size_t q = s + 1;
    for (int profondeur = 0, guillemets = 0; q < text.size(); ++q) {
      const char c = text[q];
      if (c == '"') {
        ++guillemets;
      } else if (guillemets % 2 == 0 && c == '(') {
        ++profondeur;
      } else if (guillemets % 2 == 0 && c == ')') {
        if (profondeur-- == 0) break;
      }
    }
    if (q >= text.size()) return 0;
    const int r = recurser(ctx, text.substr(s + 1, q - s - 1));
    size_t k = q + 1;
    if (estBlanc(at(k))) ++k;
    if (k >= text.size()) return r;
    const char c = text[k];
    if (estBlanc(c)) return toutBlanc(text.substr(k)) ? r : 0;
    if (c == '+' || c == '*' || c == '/' || (c == '-' && at(k + 1) != '>'))
      return produit(r, recurser(ctx, text.substr(k + 1)));
    return r;
  }

  for (size_t k = s, guillemets = 0; k < text.size(); ++k) {
    if (text[k] == '"') ++guillemets;
    if (guillemets % 2 == 0 && estOperateur(text[k])) {
      const int gauche = recurser(ctx, text.substr(0, k));
      const int droite = recurser(ctx, text.substr(k + 1));
      return produit(gauche, droite);
    }
  }

  std::string_view reste = text.substr(std::min(s, text.size()));
  if (estChiffre(at(s))) {
    size_t j = s;
    while (estChiffre(at(j))) ++j;
    bool fini = false;
    if (at(j) == '.') {
      if (j + 1 == text.size()) return 0;
      if (estChiffre(at(j + 1))) {
        for (++j; estChiffre(at(j));) ++j;
      } else {
        reste = text.substr(j + 1);
        fini = true;
      }
    }
    if (!fini) {
      if (j < text.size()) return toutBlanc(text.substr(j + 1)) ? 1 : 0;  // one character skipped unexamined
      reste = {};
    }
  }

  const int catalogue = essayerCatalogue(ctx, reste);
  if (catalogue != 0) return catalogue;
  return lireJeton(ctx, reste);
}

}  // namespace

int reconnaitreFonction(Context& ctx, std::string_view texte) { return essayerCatalogue(ctx, texte); }

int reconnaitreValeur(Context& ctx, std::string_view text) {
  text = jusquAuNul(text);
  return recurser(ctx, text.substr(0, std::min(text.size(), kLigneMax)));
}

int reconnaitreValeur(WorkFiles& wf, std::string_view text, int lineIndex, int vlseFlag) {
  Context ctx{wf, lineIndex, vlseFlag, 0};
  return reconnaitreValeur(ctx, text);
}

}  // namespace quillomat
