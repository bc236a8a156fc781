#include "app/core/live_findings.hpp"

#include <algorithm>

#include "app/core/colouring.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/enchaine_tests.hpp"

namespace quillomat {

std::vector<Constat> verifierPendantLaFrappe(std::string_view script, const SettingsRecord& reglages,
                                             const Consignes& consignes, const OptionsVerification& options) {
  VerificationMemoire v = verifierEnMemoire(script, reglages, options, consignes);
  if (v.code == kScriptTropLong) return {Constat{0, false, std::string(messageResultat(kScriptTropLong))}};
  return std::move(v.constats);
}

Constat constatHorsLatin1(int ligne, int colonne) {
  return {ligne, false,
          "le caractère de la colonne " + std::to_string(colonne) +
              " n'existe pas en Latin-1 : le script ne sera vérifié qu'une fois ce caractère remplacé."};
}

ConstatsAffiches::ConstatsAffiches(std::vector<Constat> constats) : m_constats(std::move(constats)) {
  for (const Constat& c : m_constats) {
    m_erreurs += !c.alerte;
    if (c.ligne <= 0) continue;
    if (m_lignes.empty() || m_lignes.back().ligne != c.ligne) {
      m_lignes.push_back({c.ligne, false, {}});
    } else {
      m_lignes.back().messages += '\n';
    }
    m_lignes.back().erreur |= !c.alerte;
    m_lignes.back().messages += c.texte;
  }
}

std::span<const LigneSignalee> ConstatsAffiches::entre(int premiere, int derniere) const {
  const auto avant = [](const LigneSignalee& l, int n) { return l.ligne < n; };
  const auto debut = std::lower_bound(m_lignes.begin(), m_lignes.end(), premiere, avant);
  const auto fin = std::lower_bound(debut, m_lignes.end(), derniere + 1, avant);
  return {debut, fin};
}

const LigneSignalee* ConstatsAffiches::ligne(int ligne) const {
  const auto trouvees = entre(ligne, ligne);
  return trouvees.empty() ? nullptr : &trouvees.front();
}

std::string ConstatsAffiches::comptes() const {
  const auto nombre = [](int n, const char* mot) { return std::to_string(n) + " " + mot + (n > 1 ? "s" : ""); };
  std::string texte = erreurs() == 0 ? "Aucune erreur" : nombre(erreurs(), "erreur");
  if (alertes() > 0) texte += ", " + nombre(alertes(), "alerte");
  const auto surLeScript = std::count_if(m_constats.begin(), m_constats.end(), [](const Constat& c) { return c.ligne == 0; });
  if (surLeScript > 0) texte += ", dont " + std::to_string(surLeScript) + " sur tout le script";
  return texte;
}

void ConstatsAffiches::suivre(const Modification& m) {
  // As many lines as before (a character typed, a text re-indented, lines
  // replaced by as many): each finding stays on its line.
  const int ecart = m.lignesAjoutees - m.lignesOtees;
  if (ecart == 0) return;
  // The line an old line has become; 0 when the edit removed it.
  const auto devient = [&](int l) {
    if (l < m.ligne || (l == m.ligne && !m.insertionEnDebutDeLigne)) return l;
    if (l <= m.ligne + m.lignesOtees && l != m.ligne) return 0;
    return l + ecart;
  };
  std::erase_if(m_constats, [&](Constat& c) {
    if (c.ligne <= 0) return false;
    c.ligne = devient(c.ligne);
    if (c.ligne > 0) return false;
    m_erreurs -= !c.alerte;
    return true;
  });
  std::erase_if(m_lignes, [&](LigneSignalee& l) { return (l.ligne = devient(l.ligne)) == 0; });
}

Plage plageSoulignee(std::string_view ligne) {
  int fin = debutCommentaire(ligne);
  int debut = 0;
  while (debut < fin && estBlanc(ligne[debut])) ++debut;
  while (fin > debut && estBlanc(ligne[fin - 1])) --fin;
  return fin > debut ? Plage{debut, fin - debut} : Plage{};
}

bool Revisions::accepter(uint64_t revision) {
  if (revision == m_enCours) m_enCours = kAucune;
  if (revision != m_courante) return false;
  m_affichee = revision;
  return true;
}

}  // namespace quillomat
