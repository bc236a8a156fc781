#include "pipeline/directive_insertion.hpp"

#include "pipeline/ascii.hpp"
#include "pipeline/suppressions.hpp"
#include "syntax/line_scanner.hpp"

namespace quillomat {
namespace {

// Line `n` (0-based) without its line end; empty past the last line.
std::string_view ligneDe(std::string_view script, int n) {
  size_t debut = 0;
  for (int i = 0; i < n; ++i) {
    const size_t fin = script.find('\n', debut);
    if (fin == std::string_view::npos) return {};
    debut = fin + 1;
  }
  std::string_view ligne = script.substr(debut);
  ligne = ligne.substr(0, ligne.find('\n'));
  if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
  return ligne;
}

}  // namespace

std::optional<InsertionDirective> directivePourLigne(std::string_view script, int ligne, std::string_view code) {
  const std::string_view texte = ligneDe(script, ligne);
  if (toutBlanc(partieCode(texte))) return std::nullopt;
  for (const Directive& d : lireDirectives(texte).directives)
    if (d.portee == Portee::Ligne) return InsertionDirective{ligne, d.finCodes, ", " + std::string(code)};
  return InsertionDirective{ligne, texte.size(), " ; quillomat: ignorer " + std::string(code)};
}

std::string titreIgnorer(std::string_view code, Portee portee) {
  return "Ignorer " + std::string(code) + (portee == Portee::Ligne ? " sur cette ligne" : " dans tout le script");
}

InsertionDirective directivePourFichier(std::string_view script, std::string_view code) {
  for (const Directive& d : lireDirectives(script).directives)
    if (d.portee == Portee::Fichier) return {d.ligne, d.finCodes, ", " + std::string(code)};
  const size_t lf = script.find('\n');
  const bool crlf = lf != std::string_view::npos && lf > 0 && script[lf - 1] == '\r';
  return {0, 0, "; quillomat: ignorer-fichier " + std::string(code) + (crlf ? "\r\n" : "\n")};
}

}  // namespace quillomat
