#include "lsp/settings.hpp"

#include <array>

#include "lsp/uri.hpp"

namespace quillomat::lsp {
namespace {

struct NomDeType {
  std::string_view nom;  // UTF-8, as the client sends it
  int type;
};
constexpr std::array<NomDeType, 5> kTypes = {
    {{"inconnu", 0}, {"quete", 1}, {"qu\xC3\xAAte", 1}, {"objet", 2}, {"effet", 3}}};

std::optional<int> typeDe(const nlohmann::json& v) {
  if (v.is_number_integer() && v.get<int64_t>() >= 0 && v.get<int64_t>() <= 3) return v.get<int>();
  if (!v.is_string()) return std::nullopt;
  for (const NomDeType& t : kTypes)
    if (v.get_ref<const std::string&>() == t.nom) return t.type;
  return std::nullopt;
}

std::optional<int32_t> ouiNon(const nlohmann::json& v) {
  if (v.is_boolean()) return v.get<bool>() ? 1 : 0;
  if (v.is_number_integer() && (v.get<int64_t>() == 0 || v.get<int64_t>() == 1)) return v.get<int32_t>();
  return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> racineDuProjet(const nlohmann::json& parametres) {
  if (!parametres.is_object()) return std::nullopt;
  const auto dossiers = parametres.find("workspaceFolders");
  if (dossiers != parametres.end() && dossiers->is_array() && !dossiers->empty() && dossiers->front().is_object()) {
    const auto uri = dossiers->front().find("uri");
    if (uri != dossiers->front().end() && uri->is_string())
      if (auto chemin = cheminDeUri(uri->get_ref<const std::string&>())) return chemin;
  }
  const auto uri = parametres.find("rootUri");
  if (uri != parametres.end() && uri->is_string())
    if (auto chemin = cheminDeUri(uri->get_ref<const std::string&>())) return chemin;
  const auto chemin = parametres.find("rootPath");
  if (chemin != parametres.end() && chemin->is_string()) {
    const std::string& s = chemin->get_ref<const std::string&>();
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
  }
  return std::nullopt;
}

SettingsRecord appliquerOptions(SettingsRecord r, const nlohmann::json& options,
                                std::vector<std::string>& avertissements) {
  if (!options.is_object()) return r;
  const auto imbriquees = options.find("quillomat");
  const nlohmann::json& o = imbriquees != options.end() && imbriquees->is_object() ? *imbriquees : options;
  if (const auto v = o.find("type"); v != o.end() && !v->is_null()) {
    if (const auto type = typeDe(*v))
      r.scriptKind = *type;
    else
      avertissements.push_back("Réglage \"type\" ignoré : choisissez inconnu, objet, quete ou effet.");
  }
  struct Bascule {
    std::string_view cle;
    int32_t SettingsRecord::*champ;
  };
  for (const Bascule b : {Bascule{"vlse", &SettingsRecord::vlseDependent},
                          Bascule{"sansAlertes", &SettingsRecord::hideAlerts}}) {
    const auto v = o.find(std::string(b.cle));
    if (v == o.end() || v->is_null()) continue;
    if (const auto oui = ouiNon(*v))
      r.*b.champ = *oui;
    else
      avertissements.push_back("Réglage \"" + std::string(b.cle) + "\" ignoré : choisissez true ou false.");
  }
  return r;
}

ReglagesEtendus appliquerOptionsEtendues(ReglagesEtendus r, const nlohmann::json& options,
                                         std::vector<std::string>& avertissements) {
  if (!options.is_object()) return r;
  const auto imbriquees = options.find("quillomat");
  const nlohmann::json& o = imbriquees != options.end() && imbriquees->is_object() ? *imbriquees : options;
  if (const auto v = o.find("vlseEtendu"); v != o.end() && !v->is_null()) {
    if (const auto oui = ouiNon(*v))
      r.vlseEtendu = *oui != 0;
    else
      avertissements.push_back("Réglage \"vlseEtendu\" ignoré : choisissez true ou false.");
  }
  if (const auto v = o.find("catalogue"); v != o.end() && !v->is_null()) {
    if (v->is_string())
      r.catalogue = v->get<std::string>();
    else
      avertissements.push_back("Réglage \"catalogue\" ignoré : donnez le chemin d'un fichier.");
  }
  return r;
}

}  // namespace quillomat::lsp
