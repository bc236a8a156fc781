#include "pipeline/memory_check.hpp"

#include <algorithm>

#include "pipeline/ascii.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/work_files.hpp"

namespace quillomat {
namespace {

size_t passerChiffres(std::string_view s, size_t i) {
  while (i < s.size() && estChiffre(s[i])) ++i;
  return i;
}

}  // namespace

std::string texteSurUneLigne(std::string_view texte) {
  constexpr std::string_view kLigne = "    - Ligne ";
  constexpr std::string_view kPuce = "    - ";
  if (texte.substr(0, kLigne.size()) == kLigne && texte.size() > kLigne.size() && estChiffre(texte[kLigne.size()])) {
    texte.remove_prefix(passerChiffres(texte, kLigne.size()));
    while (!texte.empty() && estEspaceOuTab(texte.front())) texte.remove_prefix(1);
    if (!texte.empty() && texte.front() == ':') texte.remove_prefix(1);
  } else if (texte.substr(0, kPuce.size()) == kPuce) {
    texte.remove_prefix(kPuce.size());
  }
  while (!texte.empty() && estEspaceOuTab(texte.front())) texte.remove_prefix(1);
  // The lines of a finding written on several lines join with one space;
  // blanks inside a line are kept as written (they may quote the script).
  std::string out;
  size_t i = 0;
  while (i < texte.size()) {
    const char c = texte[i++];
    if (c != '\n' && c != '\r') {
      out += c;
      continue;
    }
    while (i < texte.size() && estBlanc(texte[i])) ++i;
    if (i < texte.size()) out += ' ';
  }
  return out;
}

std::vector<Constat> constatsListes(const std::vector<FindingRecord>& findings, int lines, int hideAlerts) {
  struct Place {
    int cle;
    const FindingRecord* f;
  };
  std::vector<Place> places;
  for (const auto& f : findings) {
    if (f.kind == hideAlerts) continue;
    if (f.line == -1)
      places.push_back({lines, &f});
    else if (f.line >= 0 && f.line < lines)
      places.push_back({f.line, &f});
  }
  std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.cle < b.cle; });
  std::vector<Constat> out;
  out.reserve(places.size());
  for (const Place& p : places)
    out.push_back({p.f->line == -1 ? 0 : p.f->line + 1, p.f->kind == kAlerte, texteSurUneLigne(p.f->text), p.f->code});
  return out;
}

VerificationMemoire verifierEnMemoire(std::string_view script, const SettingsRecord& reglages,
                                      const OptionsVerification& options, const Consignes& consignes) {
  VerificationMemoire v;
  const std::string texte = versModeTexteLecture(script);
  v.lines = compterLignes(texte);
  if (v.lines > kLignesMax) {
    v.code = kScriptTropLong;
    return v;
  }
  WorkFiles wf;
  v.code = executerVerifications(wf, texte, v.lines, reglages.scriptKind, reglages.vlseDependent, {}, options);
  if (v.code == kSucces) v.tri = trierConstats(wf.findings, texte, consignes);
  v.constats = constatsListes(wf.findings, v.lines, reglages.hideAlerts);
  v.findings = std::move(wf.findings);
  v.identifiers = wf.identifiers.records();
  v.attachments = std::move(wf.attachments);
  return v;
}

}  // namespace quillomat
