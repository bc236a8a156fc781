// The lines of the later syntax: each keyword reads its own shape, and hands
// every expression to the reader of extended expressions.
#include <algorithm>

#include "functions/call_reader.hpp"
#include "logic/extended_expression.hpp"
#include "logic/extended_syntax.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kLetCible{"QM610", " : erreur dans 'let' : impossible de détecter la variable à modifier !",
                               "Après let vient la variable à modifier : un nom, objet.nom ou un élément de "
                               "tableau."};
constexpr Libelle<0> kLetSansOperateur{"QM611",
                                       " : erreur dans 'let' : impossible de détecter l'opérateur d'affectation "
                                       "(:=, +=, -=, *=, /=, ^=, |=, &=, %=) !",
                                       "La variable de let n'est pas suivie d'un opérateur d'affectation."};
constexpr Libelle<0> kForeachSansFleche{"QM612",
                                        " : erreur dans 'foreach' : impossible de détecter 'VARIABLE <- "
                                        "EXPRESSION' !",
                                        "Une boucle foreach s'écrit foreach, une variable, <- et le tableau ou le "
                                        "texte parcouru."};
constexpr Libelle<0> kAccolades{"QM613",
                                " : erreur dans 'Begin Function' : les paramètres s'écrivent entre accolades !",
                                "Une fonction déclare ses paramètres entre accolades, { } quand elle n'en a pas."};
constexpr Libelle<1> kParametreNonDeclare{"QM614",
                                          " : le paramètre \"{NOM}\" de la fonction n'est pas une variable déclarée "
                                          "plus haut !",
                                          "Chaque paramètre d'une fonction est une variable déclarée avant la ligne "
                                          "Begin Function."};
constexpr Libelle<1> kFonctionInconnue{"QM615", " : fonction inconnue : {NOM} (déclarez-la dans un catalogue personnel)",
                                       "Aucun catalogue ne connaît cette fonction : si elle vient d'un module du "
                                       "script extender, déclarez-la dans un catalogue personnel.",
                                       kAlerte};

constexpr const Fiche* kLibelles[] = {&kLetCible, &kLetSansOperateur, &kForeachSansFleche,
                                      &kAccolades, &kParametreNonDeclare, &kFonctionInconnue};

constexpr std::string_view kAffectations[] = {":=", "+=", "-=", "*=", "/=", "^=", "|=", "&=", "%="};

bool debutNom(char c) { return estLettre(c) || c == '_'; }

// Where the target of let ends: at its first assignment operator outside
// quotes, so that an index left open before it is named as such.
size_t finDeCible(std::string_view s) {
  bool guillemets = false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '"') guillemets = !guillemets;
    if (guillemets) continue;
    for (std::string_view a : kAffectations)
      if (s.substr(i, a.size()) == a) return i;
  }
  return s.size();
}
bool suiteNom(char c) { return estLettre(c) || estChiffre(c) || c == '_'; }

size_t sauterBlancs(const Text& t, size_t p) {
  while (p < t.size() && estBlanc(t.at(p))) ++p;
  return p;
}

// The keyword of the row at the first non-blank position, as a whole word:
// the position after it, or npos.
size_t apresMotCle(const Text& t, std::string_view mot) {
  const size_t b = t.debut();
  if (!nomEn(t, b, mot)) return std::string_view::npos;
  const char c = t.at(b + mot.size());
  return c == '\0' || estBlanc(c) || c == '(' ? b + mot.size() : std::string_view::npos;
}

// What set ... to records, let records.
void enregistrerCible(Context& ctx, const std::string& nom, const std::string& objet, int resultat) {
  if (objet.empty()) {
    triInfo(ctx.wf, IdentifierRecord{9, nom});
  } else {
    triInfo(ctx.wf, IdentifierRecord{19, objet});
    triInfo(ctx.wf, IdentifierRecord{29, nom});
    triInfoExterne(ctx.wf, AttachmentRecord{nom, objet});
  }
  if (resultat > 1) triInfo(ctx.wf, IdentifierRecord{8, objet.empty() ? nom : objet});
}

}  // namespace

Libelles libellesExtendedStatements() { return kLibelles; }

void signalerFonctionInconnue(Context& ctx, std::string_view nom) {
  if (!ctx.etendu) return;
  std::string cle = enMinuscules(nom);
  auto& vus = ctx.etendu->inconnuesSignalees;
  if (std::find(vus.begin(), vus.end(), cle) != vus.end()) return;
  vus.push_back(std::move(cle));
  signalerLigne(ctx.wf, ctx.line, kFonctionInconnue, nom);
}

bool commandeInconnue(Context& ctx, const Text& t) {
  if (!ctx.etendu) return false;
  size_t p = t.debut();
  if (!debutNom(t.at(p))) return false;
  size_t debut = p;
  while (suiteNom(t.at(p))) ++p;
  if (t.at(p) == '.' && debutNom(t.at(p + 1))) {
    debut = ++p;
    while (suiteNom(t.at(p))) ++p;
  }
  const char c = t.at(p);
  if (!(c == '\0' || estBlanc(c) || c == ',')) return false;
  const std::string_view nom = t.src().substr(debut, p - debut);
  if (debut == t.debut() && estVariableDeclaree(ctx, nom)) return false;
  if (estFonctionConnue(ctx, nom, true)) return false;
  signalerFonctionInconnue(ctx, nom);
  return true;
}

int synDetectLet(Context& ctx, const Text& t, const Row&) {
  const size_t b = t.debut();
  if (!nomEn(t, b, "let") || t.at(b + 3) != ' ') return 0;
  const size_t p = sauterBlancs(t, b + 4);
  std::string nom, objet;
  const std::string_view cible = t.src().substr(p);
  const int n = lireCibleEtendue(ctx, cible.substr(0, finDeCible(cible)), nom, objet);
  if (n < 0) return 1;
  if (n == 0) {
    signalerLigne(ctx.wf, ctx.line, kLetCible);
    return 1;
  }
  const size_t q = sauterBlancs(t, p + static_cast<size_t>(n));
  const std::string_view reste = t.src().substr(q);
  const auto op = std::find_if(std::begin(kAffectations), std::end(kAffectations),
                               [&](std::string_view a) { return reste.substr(0, a.size()) == a; });
  if (op == std::end(kAffectations)) {
    signalerLigne(ctx.wf, ctx.line, kLetSansOperateur);
    return 1;
  }
  enregistrerCible(ctx, nom, objet, verifierExpressionEtendue(ctx, reste.substr(op->size())));
  return 1;
}

int synDetectEval(Context& ctx, const Text& t, const Row& row) {
  const size_t b = t.debut();
  if (!nomEn(t, b, row.name) || t.at(b + row.name.size()) != ' ') return 0;
  const size_t p = sauterBlancs(t, b + row.name.size());
  if (!nomEn(t, p, "eval")) return 0;
  const char c = t.at(p + 4);
  if (!(c == '\0' || estBlanc(c) || c == '(')) return 0;
  verifierExpressionEtendue(ctx, t.src().substr(p + 4));
  return 1;
}

int synDetectMotExpression(Context& ctx, const Text& t, const Row& row) {
  const size_t p = apresMotCle(t, row.name);
  if (p == std::string_view::npos) return 0;
  // call is itself an operand of the expression reader: it reads the whole line.
  const bool call = row.name == "Call";
  verifierExpressionEtendue(ctx, t.src().substr(call ? t.debut() : p));
  return 1;
}

int synDetectForeach(Context& ctx, const Text& t, const Row& row) {
  const size_t p = apresMotCle(t, row.name);
  if (p == std::string_view::npos) return 0;
  const std::string_view reste = t.src().substr(p);
  const size_t fleche = reste.find("<-");
  std::string nom, objet;
  const std::string_view variable = reste.substr(0, fleche == std::string_view::npos ? 0 : fleche);
  const size_t v = variable.find_first_not_of(" \t");
  const int n = v == std::string_view::npos ? 0 : lireCibleEtendue(ctx, variable.substr(v), nom, objet);
  if (n < 0) return 1;
  // The loop's variable is a variable of the script, not an element of an array.
  if (fleche == std::string_view::npos || n == 0 || !objet.empty() || static_cast<size_t>(n) != nom.size() ||
      !toutBlanc(variable.substr(v + static_cast<size_t>(n)))) {
    signalerLigne(ctx.wf, ctx.line, kForeachSansFleche);
    return 1;
  }
  triInfo(ctx.wf, IdentifierRecord{9, nom});
  verifierExpressionEtendue(ctx, reste.substr(fleche + 2));
  return 1;
}

int synDetectBeginFunction(Context& ctx, const Text& t, const Row&) {
  size_t p = apresMotCle(t, "begin");
  if (p == std::string_view::npos) return 0;
  p = sauterBlancs(t, p);
  if (!nomEn(t, p, "function")) return 0;
  const char c = t.at(p + 8);
  if (!(c == '\0' || estBlanc(c) || c == '{')) return 0;
  if (ctx.etendu) ctx.etendu->fonctionVue = true;
  const std::string_view reste = t.src().substr(p + 8);
  const size_t ouvre = reste.find('{'), ferme = reste.find('}');
  if (ouvre == std::string_view::npos || ferme == std::string_view::npos || ferme < ouvre ||
      !toutBlanc(reste.substr(0, ouvre)) || !toutBlanc(reste.substr(ferme + 1))) {
    signalerLigne(ctx.wf, ctx.line, kAccolades);
    return 1;
  }
  const std::string_view liste = reste.substr(ouvre + 1, ferme - ouvre - 1);
  size_t i = 0;
  while (i < liste.size()) {
    if (estBlanc(liste[i]) || liste[i] == ',') {
      ++i;
      continue;
    }
    size_t f = i;
    while (f < liste.size() && !estBlanc(liste[f]) && liste[f] != ',') ++f;
    const std::string_view nom = liste.substr(i, f - i);
    if (!estVariableDeclaree(ctx, nom)) {
      signalerLigne(ctx.wf, ctx.line, kParametreNonDeclare, nom);
      return 1;
    }
    i = f;
  }
  return 1;
}

}  // namespace quillomat
