// The findings of the check while typing, arranged as the editor shows them:
// by line for the underlines, the gutter and the tooltips, in the report's
// order for the panel, counted for the status bar; and the rule that keeps a
// check of an older text from being shown on a newer one. No windows here.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/memory_check.hpp"

namespace quillomat {

// What "Débuguer" would report for `script` (Latin-1, '\n' or CR LF between
// lines) with `reglages`, checked in memory and as it stands: the report's
// findings in its order. A script too long to check gets one whole-script
// error saying so.
// The script's directives and `consignes` silence findings as in a run.
std::vector<Constat> verifierPendantLaFrappe(std::string_view script, const SettingsRecord& reglages,
                                             const Consignes& consignes = {},
                                             const OptionsVerification& options = {});

// The finding of a line that holds a character Latin-1 cannot hold (the
// check cannot run while it is there); `colonne` is 1-based.
Constat constatHorsLatin1(int ligne, int colonne);

// An edit of the text, in lines, as the window reports it.
struct Modification {
  int ligne = 1;                         // 1-based line where the edit begins
  int lignesOtees = 0;                   // line breaks removed
  int lignesAjoutees = 0;                // line breaks inserted
  bool insertionEnDebutDeLigne = false;  // nothing removed, text put before the line's first character
};

// One line that has findings.
struct LigneSignalee {
  int ligne = 0;         // 1-based
  bool erreur = false;   // at least one error; else alerts only
  std::string messages;  // its findings' texts, one per line, in the report's order
};

class ConstatsAffiches {
 public:
  ConstatsAffiches() = default;
  // `constats` in the report's order, whole-script findings (line 0) last.
  explicit ConstatsAffiches(std::vector<Constat> constats);

  const std::vector<Constat>& constats() const { return m_constats; }
  const std::vector<LigneSignalee>& lignes() const { return m_lignes; }  // by line
  // The lines with findings from `premiere` to `derniere`.
  std::span<const LigneSignalee> entre(int premiere, int derniere) const;
  const LigneSignalee* ligne(int ligne) const;  // null for a line without findings

  int erreurs() const { return m_erreurs; }
  int alertes() const { return static_cast<int>(m_constats.size()) - m_erreurs; }
  // "2 erreurs, 1 alerte", "Aucune erreur, 3 alertes", "Aucune erreur";
  // findings on the whole script, which no line shows, are named:
  // "1 erreur, 2 alertes, dont 1 sur tout le script".
  std::string comptes() const;

  // Until the next check, findings follow their lines through an edit that
  // adds or removes lines; those of the lines it removed go.
  void suivre(const Modification& m);

 private:
  std::vector<Constat> m_constats;
  std::vector<LigneSignalee> m_lignes;
  int m_erreurs = 0;
};

// Where a finding is underlined in its line (Latin-1): the code, without the
// comment and the blanks around it. Empty for a line without code.
struct Plage {
  int debut = 0;
  int longueur = 0;
  bool operator==(const Plage&) const = default;
};
Plage plageSoulignee(std::string_view ligne);

// The revisions of one text and of the checks made on it.
class Revisions {
 public:
  void modifier() { ++m_courante; }  // the text changed
  uint64_t courante() const { return m_courante; }
  // The findings shown are those of the text as it stands.
  bool aJour() const { return m_affichee == m_courante; }
  // Neither shown nor being checked: a check must run.
  bool aVerifier() const { return m_courante != m_affichee && m_courante != m_enCours; }
  // A check starts on the text as it stands; returns the revision it checks.
  uint64_t lancer() { return m_enCours = m_courante; }
  // The check of `revision` ends: true when its findings may be shown, that
  // is when the text has not changed since it started.
  bool accepter(uint64_t revision);
  // The findings shown are dropped, or the settings changed: the next check
  // runs whatever the text, and a check running now is not shown.
  void oublier() { ++m_courante; }

 private:
  static constexpr uint64_t kAucune = std::numeric_limits<uint64_t>::max();
  uint64_t m_courante = 0;
  uint64_t m_affichee = kAucune;
  uint64_t m_enCours = kAucune;
};

}  // namespace quillomat
