#include "logic/format_text.hpp"

#include <algorithm>

#include "logic/extended_expression.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/records.hpp"

namespace quillomat {
namespace {

bool estCaractereDeNom(char c) { return estLettre(c) || estChiffre(c) || c == '_' || c == '.'; }

// Kind of the format field at i, 0 when none starts there.
int champEn(std::string_view s, size_t i) {
  if (s[i] != '%' || i + 1 >= s.size()) return 0;
  if (s[i + 1] == 's') return 1;
  if (s[i + 1] == 'g') return 2;
  if (i + 3 < s.size() && s[i + 1] == '.' && estChiffre(s[i + 2]) && s[i + 3] == 'f') return 3;
  return 0;
}

// A field the later versions added (a string, a name, a key, a width...):
// a '%' then a letter, digit or brace that does not start a field above.
bool champUlterieur(std::string_view s) {
  for (size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != '%') continue;
    const char c = s[i + 1];
    if (c == '%') {
      ++i;
      continue;
    }
    if ((estLettre(c) || estChiffre(c) || c == '{' || c == '}') && champEn(s, i) == 0) return true;
  }
  return false;
}

using Faute = TexteEtVariables::Faute;

// One variable from pos; returns the fault, moves pos past what was read.
Faute lireVariable(Context& ctx, const Text& t, int kind, size_t& pos) {
  if (t.at(pos) == ',') ++pos;
  if (pos >= t.size()) return Faute::VariableIntrouvable;
  if (t.at(pos) != ' ') return Faute::PasDEspace;
  ++pos;
  if (kind == 1) {
    // A "%s" field takes a quoted string.
    if (t.at(pos) != '"') return Faute::VariableIntrouvable;
    const size_t fermant = t.src().find('"', pos + 1);
    if (fermant == std::string_view::npos) return Faute::VariableIntrouvable;
    pos = fermant + 1;
    return Faute::Aucune;
  }
  const size_t debut = pos;
  while (pos < t.size() && pos - debut < kNomMax && estCaractereDeNom(t.at(pos))) ++pos;
  if (pos == debut && pos >= t.size()) return Faute::VariableIntrouvable;
  if (reconnaitreValeur(ctx, t.src().substr(debut, pos - debut)) <= 0) return Faute::VariableIntrouvable;
  return Faute::Aucune;
}

}  // namespace

TexteAffiche lireTexteAffiche(const Text& t, size_t from) {
  TexteAffiche r;
  int guillemets = 0;
  size_t i = from;
  for (; i < t.size() && r.texte.size() < kLigneMax; ++i) {
    const char c = t.at(i);
    if (c == '"') {
      if (++guillemets == 2) {
        ++i;
        break;
      }
      continue;
    }
    if (estEspaceOuTab(c) && guillemets != 1) break;
    r.texte += c;
  }
  r.fin = i;
  return r;
}

ChampsDeFormat champsDeFormat(std::string_view texte) {
  ChampsDeFormat c;
  for (size_t i = 0; i < texte.size() && c.nombre <= kChampsMax; ++i)
    if (const int kind = champEn(texte, i)) c.kinds[c.nombre++] = kind;
  return c;
}

TexteEtVariables lireTexteEtVariables(Context& ctx, const Text& t, size_t from) {
  TexteEtVariables r;
  const TexteAffiche texte = lireTexteAffiche(t, from);
  r.fin = texte.fin;
  if (texte.texte.empty()) {
    r.faute = Faute::TexteVide;
    return r;
  }
  if (ctx.etendu && champUlterieur(texte.texte)) {
    std::string_view reste = t.src().substr(std::min(r.fin, t.size()));
    while (!reste.empty() && estEspaceOuTab(reste.front())) reste.remove_prefix(1);
    if (!reste.empty() && reste.front() == ',') reste.remove_prefix(1);  // the ',' after the text
    if (lireArgumentsEtendus(ctx, reste, nullptr) < 0) r.faute = Faute::Signalee;
    r.fin = t.size();
    return r;
  }
  const ChampsDeFormat champs = champsDeFormat(texte.texte);
  if (champs.nombre > kChampsMax) {
    r.faute = Faute::TropDeChamps;
    return r;
  }
  for (int k = 0; k < champs.nombre; ++k) {
    r.faute = lireVariable(ctx, t, champs.kinds[k], r.fin);
    if (r.faute != Faute::Aucune) {
      r.rang = k + 1;
      return r;
    }
  }
  return r;
}

}  // namespace quillomat
