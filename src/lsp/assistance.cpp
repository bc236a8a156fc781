#include "lsp/assistance.hpp"

#include <algorithm>

#include "cli/encoding.hpp"
#include "functions/catalogue.hpp"
#include "functions/personal_catalogue.hpp"
#include "functions/vocabulary.hpp"
#include "lsp/signature_words.hpp"
#include "pipeline/ascii.hpp"
#include "syntax/line_scanner.hpp"

namespace quillomat::lsp {
namespace {

bool estDuMot(char c) { return estLettre(c) || estChiffre(c) || c == '_'; }

std::string detailDe(const FicheFonction& f) { return latin1VersUtf8("Paramètres : " + motsParametres(f)); }

// A declared function's parameters as its catalogue line writes them ("texte id?").
std::string motsParametres(const FonctionDeclaree& f) {
  static constexpr const char* kMots[] = {"nombre", "texte", "id", "variable", "expression"};
  std::string out;
  for (const ParametreDeclare& p : f.parametres) {
    if (!out.empty()) out += ' ';
    out += kMots[static_cast<int>(p.genre)];
    if (p.facultatif) out += '?';
    if (p.suite) out += "...";
  }
  return out.empty() ? "aucun" : out;
}

std::string motsAppelant(const FonctionDeclaree& f) {
  switch (f.appelant) {
    case quillomat::Appelant::Aucun: return "aucun";
    case quillomat::Appelant::Facultatif: return "facultatif (ref)";
    case quillomat::Appelant::Requis: return "obligatoire (ref)";
  }
  return {};
}

std::string texteSurvol(const std::string& nom, const std::string (&lignes)[3], bool markdown) {
  std::string texte = markdown ? "**" + nom + "**" : nom;
  for (const std::string& l : lignes) texte += (markdown ? "\n\n" : "\n") + l;
  return latin1VersUtf8(texte);
}

const std::vector<Proposition>& propositionsFonctions() {
  static const std::vector<Proposition> out = [] {
    std::vector<Proposition> p;
    for (std::string_view nom : nomsDesFonctions()) {
      const auto f = ficheDe(nom);
      p.push_back({std::string(nom), Genre::Fonction, f ? detailDe(*f) : std::string()});
    }
    return p;
  }();
  return out;
}

// The word typed right before the parameter that starts at `debut`
// ("GetAV Str", "player.GetAV, Str"): at least one blank or a ',' between.
std::string_view motPrecedent(std::string_view ligne, size_t debut) {
  size_t j = debut;
  while (j > 0 && estEspaceOuTab(ligne[j - 1])) --j;
  if (j > 0 && ligne[j - 1] == ',') {
    --j;
    while (j > 0 && estEspaceOuTab(ligne[j - 1])) --j;
  }
  if (j == debut) return {};
  size_t i = j;
  while (i > 0 && estDuMot(ligne[i - 1])) --i;
  return ligne.substr(i, j - i);
}

}  // namespace

std::optional<Etendue> motA(std::string_view ligne, size_t octet) {
  octet = std::min(octet, ligne.size());
  if ((octet == ligne.size() || !estDuMot(ligne[octet])) && (octet == 0 || !estDuMot(ligne[octet - 1])))
    return std::nullopt;
  size_t debut = octet, fin = octet;
  while (debut > 0 && estDuMot(ligne[debut - 1])) --debut;
  while (fin < ligne.size() && estDuMot(ligne[fin])) ++fin;
  return Etendue{debut, fin};
}

std::optional<Survol> survoler(std::string_view ligne, size_t octet, bool markdown,
                               const CataloguePersonnel* personnel) {
  if (octet > partieCode(ligne).size()) return std::nullopt;
  const auto mot = motA(ligne, octet);
  if (!mot) return std::nullopt;
  const std::string_view texteMot = ligne.substr(mot->debut, mot->fin - mot->debut);
  if (const auto f = ficheDe(texteMot)) {
    const std::string lignes[] = {
        "Appelant : " + motsAppelant(*f),
        "Paramètres : " + motsParametres(*f),
        std::string(f->vlse ? "Nécessite" : "Ne nécessite pas") + " Vaelmoor Script Extender (VLSE).",
    };
    return Survol{texteSurvol(std::string(f->nom), lignes, markdown), *mot};
  }
  const FonctionDeclaree* d = personnel ? personnel->trouver(texteMot) : nullptr;
  if (!d) return std::nullopt;
  const std::string lignes[] = {
      "Appelant : " + motsAppelant(*d),
      "Paramètres : " + motsParametres(*d) + (d->renvoieRef ? " ; renvoie une référence" : ""),
      "Déclarée dans le catalogue personnel.",
  };
  return Survol{texteSurvol(d->nom, lignes, markdown), *mot};
}

Etendue motTape(std::string_view ligne, size_t octet) {
  octet = std::min(octet, ligne.size());
  size_t debut = octet;
  while (debut > 0 && estDuMot(ligne[debut - 1])) --debut;
  return {debut, octet};
}

std::vector<Proposition> completer(std::string_view ligne, size_t octet, const CataloguePersonnel* personnel) {
  std::vector<Proposition> out;
  const std::string_view code = partieCode(ligne);
  if (octet > code.size()) return out;
  if (std::count(code.begin(), code.begin() + static_cast<long>(octet), '"') % 2 == 1) return out;
  const size_t debut = motTape(ligne, octet).debut;
  const std::string tape = enMinuscules(ligne.substr(debut, octet - debut));
  const auto precedent = ficheDe(motPrecedent(ligne, debut));
  if (precedent && precedent->statistique) {
    for (std::string_view stat : nomsDesStatistiques())
      if (commencePar(stat, tape)) out.push_back({std::string(stat), Genre::Valeur, {}});
    return out;
  }
  for (const Proposition& p : propositionsFonctions())
    if (commencePar(p.etiquette, tape)) out.push_back(p);
  if (personnel) {
    for (const FonctionDeclaree& f : personnel->fonctions())
      if (commencePar(f.nom, tape))
        out.push_back({latin1VersUtf8(f.nom), Genre::Fonction, latin1VersUtf8("Paramètres : " + motsParametres(f))});
  }
  return out;
}

}  // namespace quillomat::lsp
