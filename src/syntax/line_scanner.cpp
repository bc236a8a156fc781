#include "syntax/line_scanner.hpp"

#include <vector>

#include "functions/catalogue.hpp"
#include "logic/extended_syntax.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "syntax/char_stream.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

constexpr size_t kCodeMax = 4999;

constexpr Libelle<2> kTabulations{"QM120",
                                  " : alerte, {N} tabulation{ACCORD} après le premier caractère (risques de "
                                  "plantage in-game).",
                                  "Une tabulation au milieu d'une ligne peut faire planter le jeu.", kAlerte};
constexpr Libelle<2> kLigneTropLongue{"QM121",
                                      " : alerte, cette ligne dépasse {MAX} caractères : seuls les {MAX} premiers "
                                      "ont été vérifiés.",
                                      "La ligne est trop longue pour être vérifiée en entier.", kAlerte};
constexpr Libelle<0> kGuillemetOuvert{"QM122", " : un guillemet n'a pas été refermé.",
                                      "La ligne contient un nombre impair de guillemets."};
constexpr Libelle<2> kParenthesesOuvertes{"QM123", " : {N} parenthèse{ACCORD}",
                                          "La ligne ouvre plus de parenthèses qu'elle n'en ferme."};
constexpr Libelle<0> kEnTeteRepete{"QM124", " : vous avez déclaré plusieurs fois le nom du script !",
                                   "Le script a plus d'un en-tête ScriptName (ou Scn)."};
constexpr Libelle<0> kDeclarationTardive{"QM125", " : vous avez déclaré des variables après des lignes de code !",
                                         "Une déclaration de variable vient après des lignes de code."};
constexpr Libelle<0> kSyntaxeInconnue{"QM126", " : impossible de détecter la syntaxe !",
                                      "La ligne n'est ni un mot-clé, ni une déclaration, ni une fonction connue."};
constexpr Libelle<0> kCodeAvantEnTete{"QM127",
                                      " : vous avez entré des lignes de code avant l'en-tête \"ScriptName NOM\" (ou "
                                      "\"Scn NOM\") !",
                                      "Du code précède l'en-tête ScriptName (ou Scn) du script."};
constexpr Libelle<0> kCodeHorsBloc{"QM128", " : vous avez entré des lignes de code hors d'un bloc Begin/End !",
                                   "Une ligne de code se trouve hors de tout bloc Begin/End."};

constexpr const Fiche* kLibelles[] = {&kTabulations,       &kLigneTropLongue, &kGuillemetOuvert,
                                      &kParenthesesOuvertes, &kEnTeteRepete,  &kDeclarationTardive,
                                      &kSyntaxeInconnue,   &kCodeAvantEnTete, &kCodeHorsBloc};

// The next physical line (up to its line feed, which is skipped) cut to its
// code part.
std::string lireCode(CharStream& in, bool& tropLong) {
  const std::string_view code = partieCode(in.ligne());
  tropLong = code.size() > kCodeMax;
  return std::string(code.substr(0, kCodeMax));
}

// Lines inside a Begin/End block, the begin and end lines included.
std::vector<int> lignesDeBloc(std::string_view script, int lines) {
  std::vector<int> BEGIN, END, ENDIF, ENDWHILE;
  strDetectTest(script, BEGIN, lines, "begin");
  strDetectTest(script, END, lines, "end");
  strDetectTest(script, ENDIF, lines, "endif");
  strDetectTest(script, ENDWHILE, lines, "endwhile");
  std::vector<int> B(static_cast<size_t>(lines) + 1, 0);
  int etat = 0;
  for (int i = 0; i < lines; ++i) {
    const bool fin = END[i] && !ENDIF[i] && !ENDWHILE[i];
    B[i] = etat;
    if (BEGIN[i]) {
      etat = 1;
      B[i] = 1;
    } else if (etat == 1 && fin) {
      etat = 0;
    }
  }
  return B;
}

}  // namespace

Libelles libellesLineScanner() { return kLibelles; }

std::string_view partieCode(std::string_view ligne) {
  int guillemets = 0;
  size_t i = 0;
  for (; i < ligne.size(); ++i) {
    const char c = ligne[i];
    if (c == '\n' || c == '\r' || (c == ';' && guillemets % 2 == 0)) break;
    if (c == '"') ++guillemets;
  }
  return ligne.substr(0, i);
}

void verifierTabulations(WorkFiles& wf, int lineIndex, std::string_view code) {
  size_t i = 0;
  while (i < code.size() && estEspaceOuTab(code[i])) ++i;
  long n = 0;
  for (; i < code.size(); ++i) n += code[i] == '\t';
  if (n >= 1)
    signalerLigne(wf, lineIndex, kTabulations, n, n == 1 ? " a été detectée" : "s ont été detectées");
}

void MainSyntaxe(WorkFiles& wf, std::string_view script, int lines, int scriptKind, int vlseDependent,
                 const Progression& progression, EtatEtendu* etendu) {
  const std::vector<int> B = lignesDeBloc(script, lines);
  bool enTeteVu = false, codeVu = false;
  CharStream in(script);
  for (int i = 0; i <= lines; ++i) {
    if (progression) progression();
    bool tropLong = false;
    const std::string lue = lireCode(in, tropLong);
    const std::string_view code = jusquAuNul(lue);  // the line buffer is a C string
    if (tropLong)
      signalerLigne(wf, i, kLigneTropLongue, kCodeMax, kCodeMax);

    bool fait = false;
    long guillemets = 0, parentheses = 0;
    for (char c : code) {
      guillemets += c == '"';
      parentheses += (c == '(') - (c == ')');
    }
    if (guillemets % 2 == 1) {
      signalerLigne(wf, i, kGuillemetOuvert);
      fait = true;
    }
    if (parentheses > 0) {
      signalerLigne(wf, i, kParenthesesOuvertes, parentheses,
                    parentheses > 1 ? "s n'ont pas été refermées." : " n'a pas été refermée.");
      fait = true;
    }
    if (!fait && toutBlanc(code)) fait = true;
    verifierTabulations(wf, i, code);
    if (fait) continue;

    Context ctx{wf, i, vlseDependent, scriptKind, etendu};
    const Text ligne(code);
    if (verifierEnTete(ctx, ligne)) {
      if (enTeteVu) signalerLigne(wf, i, kEnTeteRepete);
      enTeteVu = true;
      continue;
    }
    if (verifierDeclaration(ctx, ligne)) {
      if (codeVu) signalerLigne(wf, i, kDeclarationTardive);
      continue;
    }
    if (!verifierInstruction(ctx, ligne) && !commandeInconnue(ctx, ligne)) {
      signalerLigne(wf, i, kSyntaxeInconnue);
      continue;
    }
    codeVu = true;
    if (!enTeteVu)
      signalerLigne(wf, i, kCodeAvantEnTete);
    if (B[i] == 0) signalerLigne(wf, i, kCodeHorsBloc);
  }
}

}  // namespace quillomat
