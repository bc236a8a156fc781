#include "syntax/line_scanner.hpp"

#include <vector>

#include "functions/catalogue.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "syntax/char_stream.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

constexpr size_t kCodeMax = 4999;

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
    alerteLigne(wf, lineIndex, " : alerte, ", n, " tabulation", n == 1 ? " a été detectée" : "s ont été detectées",
                " après le premier caractère (risques de plantage in-game).");
}

void MainSyntaxe(WorkFiles& wf, std::string_view script, int lines, int scriptKind, int vlseDependent,
                 const Progression& progression) {
  const std::vector<int> B = lignesDeBloc(script, lines);
  bool enTeteVu = false, codeVu = false;
  CharStream in(script);
  for (int i = 0; i <= lines; ++i) {
    if (progression) progression();
    bool tropLong = false;
    const std::string lue = lireCode(in, tropLong);
    const std::string_view code = jusquAuNul(lue);  // the line buffer is a C string
    if (tropLong)
      alerteLigne(wf, i, " : alerte, cette ligne dépasse ", kCodeMax, " caractères : seuls les ", kCodeMax,
                  " premiers ont été vérifiés.");

    bool fait = false;
    long guillemets = 0, parentheses = 0;
    for (char c : code) {
      guillemets += c == '"';
      parentheses += (c == '(') - (c == ')');
    }
    if (guillemets % 2 == 1) {
      erreurLigne(wf, i, " : un guillemet n'a pas été refermé.");
      fait = true;
    }
    if (parentheses > 0) {
      erreurLigne(wf, i, " : ", parentheses, " parenthèse",
                  parentheses > 1 ? "s n'ont pas été refermées." : " n'a pas été refermée.");
      fait = true;
    }
    if (!fait && toutBlanc(code)) fait = true;
    verifierTabulations(wf, i, code);
    if (fait) continue;

    Context ctx{wf, i, vlseDependent, scriptKind};
    const Text ligne(code);
    if (verifierEnTete(ctx, ligne)) {
      if (enTeteVu) erreurLigne(wf, i, " : vous avez déclaré plusieurs fois le nom du script !");
      enTeteVu = true;
      continue;
    }
    if (verifierDeclaration(ctx, ligne)) {
      if (codeVu) erreurLigne(wf, i, " : vous avez déclaré des variables après des lignes de code !");
      continue;
    }
    if (!verifierInstruction(ctx, ligne)) {
      erreurLigne(wf, i, " : impossible de détecter la syntaxe !");
      continue;
    }
    codeVu = true;
    if (!enTeteVu)
      erreurLigne(wf, i,
                  " : vous avez entré des lignes de code avant l'en-tête \"ScriptName NOM\" (ou \"Scn NOM\") !");
    if (B[i] == 0) erreurLigne(wf, i, " : vous avez entré des lignes de code hors d'un bloc Begin/End !");
  }
}

}  // namespace quillomat
