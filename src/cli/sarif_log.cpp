#include "cli/sarif_log.hpp"

#include <algorithm>
#include <cstdio>

#include "cli/encoding.hpp"
#include "cli/json_stream.hpp"
#include "cli/platform.hpp"
#include "cli/run_listing.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

using Json = nlohmann::ordered_json;

// The format's schema, as published by its standards body.
constexpr std::string_view kSchemaSarif =
    "https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json";

Json texte(std::string_view latin1) { return {{"text", latin1VersUtf8(latin1)}}; }

std::string_view niveau(bool alerte) { return alerte ? "warning" : "error"; }

// Where a finding stands: the file, and its line unless it is about the whole script.
Json lieu(const std::string& fichier, int ligne) {
  Json artefact =
      fichier == "-" ? Json{{"description", texte("entrée standard")}} : Json{{"uri", uriDeFichier(fichier)}};
  Json physique{{"artifactLocation", std::move(artefact)}};
  if (ligne > 0) physique["region"] = {{"startLine", ligne}};
  return Json::array({{{"physicalLocation", std::move(physique)}}});
}

Json regles() {
  Json out = Json::array();
  for (const Fiche* f : tousLesLibelles()) {
    const std::string code(f->code);
    out.push_back({{"id", code},
                   {"shortDescription", texte(f->sens)},
                   {"fullDescription", texte(formeAffichee(*f))},
                   {"help", texte("Voir l'aide du quillomat, AideDebug.htm#" + code + ".")},
                   {"defaultConfiguration", {{"level", niveau(f->nature == kAlerte)}}}});
  }
  return out;
}

// The rules are the messages in the order of their codes.
int indexDeRegle(std::string_view code) {
  const auto& tous = tousLesLibelles();
  const auto it = std::lower_bound(tous.begin(), tous.end(), code,
                                   [](const Fiche* f, std::string_view c) { return f->code < c; });
  return it != tous.end() && (*it)->code == code ? static_cast<int>(it - tous.begin()) : -1;
}

}  // namespace

std::string uriDeFichier(std::string_view nom) {
  const std::string fichier = cheminGenerique(std::string(nom));
  std::string out = !fichier.empty() && fichier.front() == '/' ? "file://" : "";
  for (const unsigned char c : fichier) {
    const bool libre = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '.' || c == '_' || c == '~' || c == '/';
    if (libre) {
      out += static_cast<char>(c);
    } else {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", c);
      out += code;
    }
  }
  return out;
}

FluxSarif::FluxSarif(std::FILE* flux) : flux_(flux) {
  const Json outil{{"driver", {{"name", "quillomat-check"}, {"version", "3.02"}, {"rules", regles()}}}};
  // The schema named by the log lets validators and dashboards check it.
  ecrire("{\n  \"$schema\": \"" + std::string(kSchemaSarif) + "\",\n  \"version\": \"2.1.0\",\n  \"runs\": [\n    {\n      \"tool\": " + aLaProfondeur(outil, 3) +
         ",\n      \"results\": [");
}

void FluxSarif::script(const Resultat& r) {
  if (r.v.issue != Issue::Verifie) {
    notifications_.push_back(
        {{"level", "error"}, {"message", {{"text", messageCourt(r.message)}}}, {"locations", lieu(r.fichier, 0)}});
    return;
  }
  std::vector<ConstatIgnoreListe> tous;
  for (Constat& c : constatsListes(r.v)) tous.push_back({std::move(c), Origine::Directive});
  const size_t listes = tous.size();
  for (ConstatIgnoreListe& c : constatsIgnores(r.v)) tous.push_back(std::move(c));
  std::string lignes;
  for (size_t n = 0; n < tous.size(); ++n) {
    const Constat& c = tous[n].constat;
    Json resultat{{"ruleId", std::string(c.code)}};
    if (const int i = indexDeRegle(c.code); i >= 0) resultat["ruleIndex"] = i;
    resultat["level"] = niveau(c.alerte);
    resultat["message"] = texte(c.texte);
    resultat["locations"] = lieu(r.fichier, c.ligne);
    // A silenced finding stays a result, marked as the author silenced it.
    if (n >= listes)
      resultat["suppressions"] =
          Json::array({{{"kind", tous[n].origine == Origine::Directive ? "inSource" : "external"}}});
    lignes += premier_ ? "\n        " : ",\n        ";
    lignes += resultat.dump(-1, ' ', false, Json::error_handler_t::replace);
    premier_ = false;
  }
  ecrire(lignes);
}

void FluxSarif::terminer() {
  Json execution{{"executionSuccessful", notifications_.empty()}};
  if (!notifications_.empty()) execution["toolExecutionNotifications"] = notifications_;
  ecrire((premier_ ? "],\n" : "\n      ],\n") + std::string("      \"invocations\": [\n        ") +
         aLaProfondeur(execution, 4) + "\n      ]\n    }\n  ]\n}\n");
}

void FluxSarif::ecrire(std::string_view t) const { ecrireSortie(flux_, t); }

}  // namespace quillomat
