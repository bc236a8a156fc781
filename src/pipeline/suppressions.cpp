#include "pipeline/suppressions.hpp"

#include <algorithm>

#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "syntax/line_scanner.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kDirectiveIllisible{
    "QM910",
    " : directive du quillomat illisible {DIRECTIVE} : écrivez \"; quillomat: ignorer QM126\" pour cette ligne ou "
    "\"; quillomat: ignorer-fichier QM126\" pour tout le script.",
    "Un commentaire commence par quillomat mais n'est pas une directive connue : rien n'est ignoré.", kAlerte};
constexpr Libelle<1> kCodeInconnu{
    "QM911", " : code {CODE} inconnu dans la directive du quillomat : il n'ignore rien.",
    "Une directive nomme un code qu'aucun message du quillomat ne porte.", kAlerte};
constexpr Libelle<0> kSansCode{
    "QM912", " : directive du quillomat sans code : indiquez les codes à ignorer, séparés par des virgules.",
    "Une directive ne nomme aucun code : elle n'ignore rien.", kAlerte};
constexpr Libelle<1> kInutile{
    "QM913", " : la directive du quillomat n'ignore aucun constat {CODE} : retirez ce code de la directive.",
    "Une directive ignore un code qu'aucun constat ne porte à sa place (signalé à la demande).", kAlerte};

constexpr const Fiche* kLibelles[] = {&kDirectiveIllisible, &kCodeInconnu, &kSansCode, &kInutile};

// A piece of the comment quoted in a message: short enough to leave the
// message readable within the 199 bytes of a finding. Control bytes (a NUL
// would cut the finding's fixed-size text) are shown as '?'.
std::string extrait(std::string_view s) {
  constexpr size_t kMax = 40;
  std::string e(s.substr(0, kMax));
  for (char& c : e)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  return s.size() <= kMax ? e : e + "...";
}

template <size_t N, typename... Morceaux>
FindingRecord constatDeLigne(int ligne, const Libelle<N>& libelle, const Morceaux&... morceaux) {
  std::string texte = composer("    - Ligne ", ligne + 1, rediger(libelle, morceaux...));
  if (texte.size() > kTexteMax) texte.resize(kTexteMax);
  return {ligne, std::move(texte), libelle.nature, libelle.code};
}

constexpr bool finDeMot(char c) { return estBlanc(c) || c == ',' || c == ';'; }

size_t passerBlancs(std::string_view s, size_t i) {
  while (i < s.size() && estEspaceOuTab(s[i])) ++i;
  return i;
}

size_t finDuMot(std::string_view s, size_t i) {
  while (i < s.size() && !finDeMot(s[i])) ++i;
  return i;
}

// True when the text names the checker ("quillomat", in any case): only
// then can it hold a directive.
bool nommeLeQuillomat(std::string_view texte) {
  // Two fast searches for the first letter in either case: most scripts never
  // name the checker, and this runs on every check.
  for (const char q : {'q', 'Q'})
    for (size_t p = texte.find(q); p != std::string_view::npos; p = texte.find(q, p + 1))
      if (commencePar(texte.substr(p), "quillomat")) return true;
  return false;
}

class Lecteur {
 public:
  explicit Lecteur(std::string_view script) {
    size_t debut = 0;
    for (;;) {
      const size_t fin = script.find('\n', debut);
      lignes_.push_back(script.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut));
      if (fin == std::string_view::npos) break;
      debut = fin + 1;
    }
  }

  DirectivesDuScript lire() {
    for (size_t i = 0; i < lignes_.size(); ++i) lireLigne(static_cast<int>(i));
    return std::move(resultat_);
  }

 private:
  bool tientDuCode(int i) const { return !toutBlanc(partieCode(lignes_[static_cast<size_t>(i)])); }

  // The line a directive of line i silences: its own, or on a line without
  // code the next one that holds code.
  int cible(int i) const {
    for (int k = i; k < static_cast<int>(lignes_.size()); ++k)
      if (tientDuCode(k)) return k;
    return -1;
  }

  void lireLigne(int i) {
    const std::string_view ligne = lignes_[static_cast<size_t>(i)];
    if (!nommeLeQuillomat(ligne)) return;
    const size_t commentaire = partieCode(ligne).size();
    if (commentaire >= ligne.size()) return;
    // Every ';' of the comment may open a directive, so that one can follow
    // a comment of the author's own.
    for (size_t p = commentaire; p < ligne.size(); p = ligne.find(';', p + 1)) {
      size_t d = p;
      while (d < ligne.size() && (ligne[d] == ';' || estEspaceOuTab(ligne[d]))) ++d;
      const size_t fin = lireDirective(i, ligne, d);
      if (fin == std::string_view::npos) break;
      if (fin > p) p = fin - 1;
    }
  }

  // Reads a directive at position d of the line; returns where it ends (the
  // next ';' or the end of the line), or d itself when none stands there.
  size_t lireDirective(int i, std::string_view ligne, size_t d) {
    constexpr std::string_view kNom = "quillomat";
    if (!commencePar(ligne.substr(d), kNom)) return d;
    size_t k = d + kNom.size();
    if (k < ligne.size() && (estLettre(ligne[k]) || estChiffre(ligne[k]) || ligne[k] == '-' || ligne[k] == '_' ||
                             static_cast<unsigned char>(ligne[k]) > 127))
      return d;
    size_t finDirective = ligne.find(';', k);
    if (finDirective == std::string_view::npos) finDirective = ligne.size();
    const std::string_view texte = ligne.substr(d, finDirective - d);
    k = passerBlancs(ligne, k);
    const bool deuxPoints = k < finDirective && ligne[k] == ':';
    // Without its ':', a comment that only speaks of the checker is no
    // directive; one that goes on with "ignor..." is a directive mistyped.
    if (!deuxPoints && !commencePar(ligne.substr(k), "ignor")) return d;
    if (deuxPoints) k = passerBlancs(ligne, k + 1);
    const size_t finMot = finDuMot(ligne, k);
    const std::string mot = enMinuscules(ligne.substr(k, finMot - k));
    if (!deuxPoints || (mot != "ignorer" && mot != "ignorer-fichier")) {
      std::string_view montre = texte;
      while (!montre.empty() && estBlanc(montre.back())) montre.remove_suffix(1);
      resultat_.constats.push_back(constatDeLigne(i, kDirectiveIllisible, guillemets(extrait(montre))));
      return finDirective;
    }
    Directive dir;
    dir.ligne = i;
    dir.portee = mot == "ignorer" ? Portee::Ligne : Portee::Fichier;
    dir.cible = dir.portee == Portee::Ligne ? cible(i) : -1;
    dir.finCodes = finMot;
    bool unCode = false;
    for (k = finMot; k < finDirective;) {
      while (k < finDirective && (estEspaceOuTab(ligne[k]) || ligne[k] == ',')) ++k;
      // "-- why" after the codes is the author's explanation.
      if (k >= finDirective || ligne.substr(k, 2) == "--") break;
      const size_t finCode = finDuMot(ligne, k);
      std::string code(ligne.substr(k, finCode - k));
      for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (codeConnu(code)) {
        if (std::find(dir.codes.begin(), dir.codes.end(), code) == dir.codes.end()) dir.codes.push_back(code);
      } else {
        resultat_.constats.push_back(constatDeLigne(i, kCodeInconnu, guillemets(extrait(ligne.substr(k, finCode - k)))));
      }
      unCode = true;
      dir.finCodes = finCode;
      k = finCode;
    }
    if (!unCode) resultat_.constats.push_back(constatDeLigne(i, kSansCode));
    if (!dir.codes.empty()) resultat_.directives.push_back(std::move(dir));
    return finDirective;
  }

  std::vector<std::string_view> lignes_;
  DirectivesDuScript resultat_;
};

}  // namespace

bool codeConnu(std::string_view code) { return libelleDe(code) != nullptr; }

Libelles libellesSuppressions() { return kLibelles; }

DirectivesDuScript lireDirectives(std::string_view script) { return Lecteur(script).lire(); }

Tri trierConstats(std::vector<FindingRecord>& findings, std::string_view script, const Consignes& consignes) {
  Tri tri;
  DirectivesDuScript lues = nommeLeQuillomat(script) ? lireDirectives(script) : DirectivesDuScript{};
  tri.actif = !lues.directives.empty() || !lues.constats.empty() || !consignes.codesIgnores.empty();
  if (!tri.actif) return tri;
  findings.insert(findings.end(), lues.constats.begin(), lues.constats.end());

  std::vector<std::vector<bool>> servi;
  for (const Directive& d : lues.directives) servi.emplace_back(d.codes.size(), false);
  // The directives of a line found by its number, those of the whole script always looked at.
  std::vector<std::pair<int, size_t>> parCible;
  std::vector<size_t> pourLeScript;
  for (size_t i = 0; i < lues.directives.size(); ++i) {
    if (lues.directives[i].portee == Portee::Fichier) pourLeScript.push_back(i);
    else if (lues.directives[i].cible >= 0) parCible.emplace_back(lues.directives[i].cible, i);
  }
  std::sort(parCible.begin(), parCible.end());
  const auto ignorer = [&](const FindingRecord& f) {
    bool parDirective = false;
    const auto essayer = [&](size_t i) {
      const Directive& d = lues.directives[i];
      for (size_t j = 0; j < d.codes.size(); ++j)
        if (d.codes[j] == f.code) {
          servi[i][j] = true;
          parDirective = true;
        }
    };
    for (size_t i : pourLeScript) essayer(i);
    if (f.line >= 0)
      for (auto it = std::lower_bound(parCible.begin(), parCible.end(), std::pair<int, size_t>{f.line, 0});
           it != parCible.end() && it->first == f.line; ++it)
        essayer(it->second);
    if (parDirective) {
      tri.ignores.push_back({f, Origine::Directive});
      return true;
    }
    const auto& codes = consignes.codesIgnores;
    if (std::find(codes.begin(), codes.end(), f.code) == codes.end()) return false;
    tri.ignores.push_back({f, Origine::Reglages});
    return true;
  };
  std::erase_if(findings, ignorer);

  if (consignes.signalerInutiles)
    for (size_t i = 0; i < lues.directives.size(); ++i)
      for (size_t j = 0; j < lues.directives[i].codes.size(); ++j)
        if (!servi[i][j])
          findings.push_back(constatDeLigne(lues.directives[i].ligne, kInutile, lues.directives[i].codes[j]));
  return tri;
}

}  // namespace quillomat
