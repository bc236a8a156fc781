#include "cli/output_formats.hpp"

#include "cli/encoding.hpp"
#include "cli/run_listing.hpp"
#include "pipeline/findings.hpp"

namespace quillomat {
namespace {

std::string nature(bool alerte) { return alerte ? "alerte" : "erreur"; }

std::string_view nomStatut(int statut) {
  switch (statut) {
    case kStatutAucuneErreur: return "aucune_erreur";
    case kStatutErreurs: return "erreurs";
    default: return "echec";
  }
}

}  // namespace

int Resultat::statut() const {
  if (v.issue != Issue::Verifie) return kStatutEchec;
  return v.findings.empty() ? kStatutAucuneErreur : kStatutErreurs;
}

void Bilan::compter(const Resultat& r) {
  ++scripts;
  switch (r.statut()) {
    case kStatutAucuneErreur: ++sansErreur; break;
    case kStatutErreurs: ++avecErreurs; break;
    default: ++echecs; break;
  }
}

// A script left unchecked weighs more than findings: the run proved nothing about it.
int Bilan::statut() const {
  if (echecs > 0) return kStatutEchec;
  return avecErreurs > 0 ? kStatutErreurs : kStatutAucuneErreur;
}

std::string enRapport(const Resultat& r) {
  std::string out = latin1VersUtf8(r.v.rapport);
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

std::string enLignes(const Resultat& r) {
  if (r.v.issue != Issue::Verifie) return r.fichier + ": erreur: " + messageCourt(r.message) + "\n";
  std::string out;
  for (const Constat& c : constatsListes(r.v)) {
    out += r.fichier;
    if (c.ligne > 0) (out += ':') += std::to_string(c.ligne);
    out += ": " + nature(c.alerte) + ": " + latin1VersUtf8(c.texte) + "\n";
  }
  return out;
}

nlohmann::ordered_json enJson(const Resultat& r) {
  nlohmann::ordered_json j;
  j["fichier"] = r.fichier;
  j["statut"] = nomStatut(r.statut());
  if (r.v.issue != Issue::Verifie) {
    j["message"] = messageCourt(r.message);
    return j;
  }
  const auto nom = nomDuScript(r.v);
  j["script"] = nom ? nlohmann::ordered_json(latin1VersUtf8(*nom)) : nlohmann::ordered_json(nullptr);
  j["lignes"] = r.v.lines;
  nlohmann::ordered_json constats = nlohmann::ordered_json::array();
  for (const Constat& c : constatsListes(r.v)) {
    nlohmann::ordered_json e;
    e["fichier"] = r.fichier;
    e["ligne"] = c.ligne > 0 ? nlohmann::ordered_json(c.ligne) : nlohmann::ordered_json(nullptr);
    e["nature"] = nature(c.alerte);
    e["code"] = std::string(c.code);

    e["texte"] = latin1VersUtf8(c.texte);
    constats.push_back(std::move(e));
  }
  j["constats"] = std::move(constats);
  // Only where directives or a settings file are at work, so that other
  // scripts keep their output as it was.
  if (r.v.tri.actif) j["constats_ignores"] = constatsIgnores(r.v).size();
  if (r.v.reglages.showInfo == 1) {
    nlohmann::ordered_json inv = nlohmann::ordered_json::object();
    for (std::string_view cle : sectionsInventaire()) inv[std::string(cle)] = nlohmann::ordered_json::array();
    for (const EntreeInventaire& e : inventaires(r.v)) {
      nlohmann::ordered_json x;
      x["nom"] = latin1VersUtf8(e.nom);
      x["type"] = latin1VersUtf8(e.type);
      if (e.objet) x["objet"] = latin1VersUtf8(*e.objet);
      inv[std::string(e.section)].push_back(std::move(x));
    }
    j["inventaires"] = std::move(inv);
  }
  nlohmann::ordered_json erronees = nlohmann::ordered_json::array();
  for (const auto& n : variablesErronees(r.v)) erronees.push_back(latin1VersUtf8(n));
  j["variables_erronees"] = std::move(erronees);
  return j;
}

nlohmann::ordered_json enJson(const Bilan& b) {
  return {{"scripts", b.scripts}, {"sans_erreur", b.sansErreur}, {"avec_erreurs", b.avecErreurs}, {"echecs", b.echecs}};
}

std::string enTexte(const Bilan& b) {
  return latin1VersUtf8(composer("Bilan : ", b.scripts, b.scripts <= 1 ? " script : " : " scripts : ", b.sansErreur,
                                 " sans erreur, ", b.avecErreurs, " avec des erreurs ou des alertes, ", b.echecs,
                                 b.echecs <= 1 ? " non vérifié.\n" : " non vérifiés.\n"));
}

}  // namespace quillomat
