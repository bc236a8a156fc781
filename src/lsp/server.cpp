#include "lsp/server.hpp"

#include <algorithm>

#include "cli/encoding.hpp"
#include "cli/platform.hpp"
#include "lsp/assistance.hpp"
#include "lsp/diagnostics.hpp"
#include "lsp/protocol_json.hpp"
#include "lsp/settings.hpp"
#include "functions/personal_catalogue.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/text_mode.hpp"
#include "lsp/uri.hpp"
#include "pipeline/directive_insertion.hpp"

namespace quillomat::lsp {
namespace {

using json = nlohmann::json;

constexpr std::string_view kVersion = "3.02";
constexpr int kMessageAvertissement = 2;  // window/logMessage type

// A request the server turns down, with the protocol's code.
struct Refus {
  int code;
  std::string message;  // Latin-1
};

// The encoding of the client's first choice that the server knows; UTF-16,
// which every client must accept, when it offers none.
Encodage choisirEncodage(const json& capacites) {
  const json::json_pointer chemin("/general/positionEncodings");
  if (capacites.is_object() && capacites.contains(chemin) && capacites[chemin].is_array())
    for (const json& nom : capacites[chemin])
      if (nom.is_string())
        if (const auto e = encodageDeNom(nom.get_ref<const std::string&>())) return *e;
  return Encodage::Utf16;
}

bool accepteMarkdown(const json& capacites) {
  const json::json_pointer chemin("/textDocument/hover/contentFormat");
  if (!capacites.is_object() || !capacites.contains(chemin)) return false;
  const json& formats = capacites[chemin];
  return formats.is_array() && std::find(formats.begin(), formats.end(), "markdown") != formats.end();
}

const std::string& texteDe(const json& j, const char* cle) { return j.at(cle).get_ref<const std::string&>(); }

int64_t versionDe(const json& document) {
  const auto v = document.find("version");
  return v != document.end() && v->is_number_integer() ? v->get<int64_t>() : 0;
}

std::string texteJson(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

bool estIdValide(const json& id) { return id.is_string() || id.is_number_integer(); }

// A method name quoted in a message: printable ASCII only.
std::string nomCite(std::string_view nom) {
  std::string out;
  for (char c : nom.substr(0, 100))
    if (c >= ' ' && c <= '~') out += c;
  return out;
}

json capacitesDuServeur(Encodage e) {
  return {{"positionEncoding", nomDeEncodage(e)},
          {"textDocumentSync", {{"openClose", true}, {"change", 1}, {"save", {{"includeText", false}}}}},
          {"hoverProvider", true},
          {"completionProvider", {{"triggerCharacters", {"."}}, {"resolveProvider", false}}},
          {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}}};
}

}  // namespace

Serveur::Serveur(std::string lienAide) : lienAide_(std::move(lienAide)) {}

std::string Serveur::erreurDeTrame() {
  return texteJson(
      erreur(nullptr, kErreurJson, "En-tête de message illisible : \"Content-Length\" manquant ou incorrect."));
}

std::vector<std::string> Serveur::recevoir(std::string_view corps) {
  Sortie sortie;
  traiter(corps, sortie);
  std::vector<std::string> textes;
  for (const json& m : sortie) textes.push_back(texteJson(m));
  return textes;
}

void Serveur::traiter(std::string_view corps, Sortie& sortie) {
  const json message = json::parse(corps, nullptr, false);
  if (message.is_discarded()) {
    sortie.push_back(erreur(nullptr, kErreurJson, "Message illisible : ce n'est pas du JSON valide."));
    return;
  }
  if (!message.is_object()) {
    sortie.push_back(erreur(nullptr, kRequeteInvalide, "Message incorrect : un objet JSON est attendu."));
    return;
  }
  const auto id = message.find("id");
  const auto methode = message.find("method");
  const bool estRequete = id != message.end();
  // The answer to a request of the server's: it sends none that waits for one.
  if (methode == message.end() && estRequete && (message.contains("result") || message.contains("error")))
    return;
  const auto jsonrpc = message.find("jsonrpc");
  const bool bienForme = methode != message.end() && methode->is_string() && jsonrpc != message.end() &&
                         *jsonrpc == "2.0" && (!estRequete || estIdValide(*id));
  if (!bienForme) {
    if (estRequete || methode == message.end())
      sortie.push_back(erreur(estRequete && estIdValide(*id) ? *id : json(nullptr), kRequeteInvalide,
                              "Message incorrect : il faut \"jsonrpc\" valant \"2.0\", une méthode \"method\" "
                              "(texte) et, pour une requête, un \"id\" nombre entier ou texte."));
    return;
  }
  const std::string& nom = methode->get_ref<const std::string&>();
  const auto p = message.find("params");
  static const json kSansParametres;
  const json& params = p != message.end() ? *p : kSansParametres;

  if (!estRequete) {
    try {
      notifier(nom, params, sortie);
    } catch (const std::exception&) {
      // A notification gets no answer: a malformed one is dropped.
    }
    return;
  }
  json reponseOuErreur;
  try {
    reponseOuErreur = reponse(*id, requete(nom, params, sortie));
  } catch (const Refus& r) {
    reponseOuErreur = erreur(*id, r.code, r.message);
  } catch (const json::exception&) {
    reponseOuErreur = erreur(*id, kParametresInvalides, "Paramètres incorrects pour \"" + nomCite(nom) + "\".");
  } catch (const std::exception&) {
    reponseOuErreur = erreur(*id, kErreurInterne, "Erreur interne du serveur pour \"" + nomCite(nom) + "\".");
  }
  sortie.insert(sortie.begin(), std::move(reponseOuErreur));
}

json Serveur::requete(std::string_view methode, const json& params, Sortie& sortie) {
  using Traitement = json (Serveur::*)(const json&, Sortie&);
  static constexpr std::pair<std::string_view, Traitement> kRequetes[] = {
      {"initialize", &Serveur::initialiser},
      {"shutdown", &Serveur::arreter},
      {"textDocument/hover", &Serveur::survol},
      {"textDocument/completion", &Serveur::completion},
      {"textDocument/codeAction", &Serveur::actionsDeCode},
  };
  if (etat_ == Etat::AvantInitialisation && methode != "initialize")
    throw Refus{kServeurNonInitialise, "Le serveur attend d'abord la requête \"initialize\"."};
  if (etat_ != Etat::AvantInitialisation && methode == "initialize")
    throw Refus{kRequeteInvalide, "Le serveur a déjà été initialisé."};
  if (etat_ == Etat::Arrete || etat_ == Etat::Termine)
    throw Refus{kRequeteInvalide, "Le serveur s'arrête : seule la notification \"exit\" est encore attendue."};
  for (const auto& [nom, traitement] : kRequetes)
    if (nom == methode) return (this->*traitement)(params, sortie);
  throw Refus{kMethodeInconnue, "Méthode inconnue : \"" + nomCite(methode) + "\"."};
}

void Serveur::notifier(std::string_view methode, const json& params, Sortie& sortie) {
  using Traitement = void (Serveur::*)(const json&, Sortie&);
  static constexpr std::pair<std::string_view, Traitement> kNotifications[] = {
      {"textDocument/didOpen", &Serveur::ouvrir},
      {"textDocument/didChange", &Serveur::changer},
      {"textDocument/didSave", &Serveur::enregistrer},
      {"textDocument/didClose", &Serveur::fermer},
      {"workspace/didChangeConfiguration", &Serveur::configurer},
      {"workspace/didChangeWatchedFiles", &Serveur::fichiersChanges},
  };
  if (methode == "exit") {
    etat_ = Etat::Termine;
    return;
  }
  if (etat_ != Etat::Pret) return;  // before initialize and after shutdown, only exit counts
  for (const auto& [nom, traitement] : kNotifications)
    if (nom == methode) (this->*traitement)(params, sortie);
}

json Serveur::arreter(const json&, Sortie&) {
  etat_ = Etat::Arrete;
  arretDemande_ = true;
  documents_.clear();
  return nullptr;
}

void Serveur::ouvrir(const json& params, Sortie&) {
  const json& d = params.at("textDocument");
  documents_[texteDe(d, "uri")] = Document{texteDe(d, "text"), versionDe(d), true, {}, {}};
}

void Serveur::changer(const json& params, Sortie&) {
  const json& d = params.at("textDocument");
  const auto it = documents_.find(texteDe(d, "uri"));
  if (it == documents_.end()) return;
  for (const json& c : params.at("contentChanges")) {
    Changement changement{std::nullopt, texteDe(c, "text")};
    if (c.contains("range"))
      changement.plage = Plage{positionDe(c.at("range").at("start")), positionDe(c.at("range").at("end"))};
    appliquer(it->second.texte, changement, encodage_);
  }
  it->second.version = versionDe(d);
  it->second.aVerifier = true;
}

void Serveur::enregistrer(const json& params, Sortie&) {
  const auto it = documents_.find(texteDe(params.at("textDocument"), "uri"));
  const auto texte = params.find("text");
  if (it == documents_.end() || texte == params.end() || !texte->is_string()) return;
  it->second.texte = texte->get<std::string>();
  it->second.aVerifier = true;
}

void Serveur::fermer(const json& params, Sortie& sortie) {
  const std::string& uri = texteDe(params.at("textDocument"), "uri");
  if (documents_.erase(uri) > 0)
    sortie.push_back(notification("textDocument/publishDiagnostics", {{"uri", uri}, {"diagnostics", json::array()}}));
}

void Serveur::configurer(const json& params, Sortie& sortie) {
  const auto reglages = params.find("settings");
  if (reglages == params.end() || reglages->is_null()) return;
  optionsConfiguration_ = *reglages;
  recalculerReglages(sortie);
}

json Serveur::initialiser(const json& params, Sortie& sortie) {
  if (!params.is_object()) throw Refus{kParametresInvalides, "Paramètres incorrects pour \"initialize\"."};
  const json capacites = params.value("capabilities", json::object());
  encodage_ = choisirEncodage(capacites);
  markdown_ = accepteMarkdown(capacites);
  racine_ = racineDuProjet(params);
  if (racine_) reglagesFichier_ = lireReglages(*racine_);
  optionsDepart_ = params.value("initializationOptions", json());
  recalculerReglages(sortie);
  etat_ = Etat::Pret;
  return {{"capabilities", capacitesDuServeur(encodage_)},
          {"serverInfo", {{"name", "quillomat-lsp"}, {"version", kVersion}}}};
}

void Serveur::recalculerReglages(Sortie& sortie) {
  std::vector<std::string> avertissements;
  const SettingsRecord avant = reglages_;
  reglages_ = appliquerOptions(appliquerOptions(reglagesFichier_, optionsDepart_, avertissements),
                               optionsConfiguration_, avertissements);
  const ReglagesEtendus etendus = appliquerOptionsEtendues(
      appliquerOptionsEtendues({}, optionsDepart_, avertissements), optionsConfiguration_, avertissements);
  const bool etendusChanges = etendus != etendus_;
  if (etendusChanges) {
    etendus_ = etendus;
    options_ = {};
    options_.vlseEtendu = etendus.vlseEtendu;
    if (etendus.vlseEtendu && !etendus.catalogue.empty()) {
      std::filesystem::path chemin(std::u8string(etendus.catalogue.begin(), etendus.catalogue.end()));
      if (chemin.is_relative() && racine_) chemin = *racine_ / chemin;
      const auto texte = lireBinaire(chemin);
      auto lu = texte ? CataloguePersonnel::lire(versModeTexteLecture(*texte), "catalogue")
                      : CataloguePersonnel::Lecture{};
      if (lu.catalogue)
        options_.catalogue = std::make_shared<const CataloguePersonnel>(std::move(*lu.catalogue));
      else if (!texte)
        avertissements.push_back("Catalogue personnel illisible : il est ignoré.");
      else
        avertissements.push_back(composer("Catalogue personnel ignoré : ligne ", lu.ligne, " : ", lu.faute, "."));
    }
  }
  for (const std::string& a : avertissements)
    sortie.push_back(
        notification("window/logMessage", {{"type", kMessageAvertissement}, {"message", latin1VersUtf8(a)}}));
  if (reglages_ != avant || etendusChanges)
    for (auto& [uri, d] : documents_) d.aVerifier = true;
}

std::shared_ptr<const CataloguePersonnel> Serveur::cataloguePour(const std::string& uri) {
  std::string empreinte;
  const LectureReglagesProjet& projet = reglagesProjet(uri, empreinte);
  if (projet.erreur) return options_.catalogue;
  std::string erreur;
  return projet.reglages.options(erreur, options_).catalogue;
}

json Serveur::survol(const json& params, Sortie&) {
  const std::string& uri = texteDe(params.at("textDocument"), "uri");
  const auto it = documents_.find(uri);
  if (it == documents_.end()) return nullptr;
  const Position p = positionDe(params.at("position"));
  const Lignes lignes(it->second.texte);
  const std::string_view ligne = lignes.ligne(p.ligne);
  const auto catalogue = cataloguePour(uri);
  const auto s = survoler(ligne, octetsDe(ligne, p.colonne, encodage_), markdown_, catalogue.get());
  if (!s) return nullptr;
  const Plage plage{{p.ligne, unites(ligne.substr(0, s->mot.debut), encodage_)},
                    {p.ligne, unites(ligne.substr(0, s->mot.fin), encodage_)}};
  return {{"contents", {{"kind", markdown_ ? "markdown" : "plaintext"}, {"value", s->texte}}},
          {"range", enJson(plage)}};
}

json Serveur::completion(const json& params, Sortie&) {
  json items = json::array();
  const std::string& uri = texteDe(params.at("textDocument"), "uri");
  const auto it = documents_.find(uri);
  if (it != documents_.end()) {
    const Position p = positionDe(params.at("position"));
    const Lignes lignes(it->second.texte);
    const std::string_view ligne = lignes.ligne(p.ligne);
    const size_t octet = octetsDe(ligne, p.colonne, encodage_);
    // The names match the typed word in any letter case; a client that
    // filters in the case typed ("geta" against "GetActorValue") would drop
    // them. The filter text starts with the letters as typed, and the edit
    // replaces the typed word with the name as the catalogue spells it.
    const Etendue mot = motTape(ligne, octet);
    const std::string tape(ligne.substr(mot.debut, mot.fin - mot.debut));
    const json plage = enJson(Plage{{p.ligne, unites(ligne.substr(0, mot.debut), encodage_)},
                                    {p.ligne, unites(ligne.substr(0, mot.fin), encodage_)}});
    const auto catalogue = cataloguePour(uri);
    for (const Proposition& prop : completer(ligne, octet, catalogue.get())) {
      json item = {{"label", prop.etiquette},
                   {"kind", static_cast<int>(prop.genre)},
                   {"filterText", tape + prop.etiquette.substr(std::min(tape.size(), prop.etiquette.size()))},
                   {"textEdit", {{"range", plage}, {"newText", prop.etiquette}}}};
      if (!prop.detail.empty()) item["detail"] = prop.detail;
      items.push_back(std::move(item));
    }
  }
  return {{"isIncomplete", false}, {"items", std::move(items)}};
}

// Some clients tell of a changed file; the dates are compared at the next
// publication anyway, so that nothing is needed here but a look at them.
void Serveur::fichiersChanges(const json&, Sortie&) {}

const LectureReglagesProjet& Serveur::reglagesProjet(const std::string& uri, std::string& empreinte) {
  static const LectureReglagesProjet kAucun;
  empreinte.clear();
  const auto chemin = cheminDeUri(uri);
  if (!chemin) return kAucun;
  const std::filesystem::path dossier = chemin->parent_path();
  const auto fichier = trouverReglagesProjet(dossier);
  if (!fichier) return kAucun;
  std::error_code ec;
  const auto date = std::filesystem::last_write_time(*fichier, ec);
  const auto taille = std::filesystem::file_size(*fichier, ec);
  empreinte = fichier->string() + "|" + std::to_string(date.time_since_epoch().count()) + "|" + std::to_string(taille);
  ReglagesLus& lus = reglagesProjets_[dossier];
  if (lus.empreinte != empreinte) lus = {empreinte, chargerReglagesProjet(*fichier)};
  return lus.lecture;
}

json Serveur::actionsDeCode(const json& params, Sortie&) {
  json actions = json::array();
  const std::string& uri = texteDe(params.at("textDocument"), "uri");
  const auto it = documents_.find(uri);
  if (it == documents_.end()) return actions;
  const std::string& texte = it->second.texte;
  const Lignes lignes(texte);
  for (const json& d : params.at("context").at("diagnostics")) {
    const auto code = d.find("code");
    if (code == d.end() || !code->is_string() || !codeConnu(code->get_ref<const std::string&>())) continue;
    const std::string& c = code->get_ref<const std::string&>();
    const auto ajouter = [&](const std::string& titre, const InsertionDirective& ins) {
      const std::string_view ligne = lignes.ligne(static_cast<size_t>(ins.ligne));
      const Position p{static_cast<size_t>(ins.ligne), unites(ligne.substr(0, ins.colonne), encodage_)};
      const json modification = {{"range", enJson(Plage{p, p})}, {"newText", ins.texte}};
      actions.push_back({{"title", titre},
                         {"kind", "quickfix"},
                         {"diagnostics", json::array({d})},
                         {"edit", {{"changes", {{uri, json::array({modification})}}}}}});
    };
    const size_t ligne = d.at("range").at("start").at("line").get<size_t>();
    const auto& surLeScript = it->second.codesSurLeScript;
    const bool scriptEntier = ligne == 0 && std::find(surLeScript.begin(), surLeScript.end(), c) != surLeScript.end();
    if (!scriptEntier)
      if (const auto ins = directivePourLigne(texte, static_cast<int>(ligne), c))
        ajouter(titreIgnorer(c, Portee::Ligne), *ins);
    ajouter(titreIgnorer(c, Portee::Fichier), directivePourFichier(texte, c));
  }
  return actions;
}

std::vector<std::string> Serveur::publier() {
  std::vector<std::string> sortie;
  if (etat_ != Etat::Pret) return sortie;
  for (auto& [uri, d] : documents_) {
    std::string empreinte;
    const LectureReglagesProjet& projet = reglagesProjet(uri, empreinte);
    if (empreinte != d.empreinteReglages) d.aVerifier = true;
    if (!d.aVerifier) continue;
    d.aVerifier = false;
    d.empreinteReglages = empreinte;
    std::vector<Diagnostic> diagnostics;
    if (projet.erreur) {
      // Nothing is checked with a settings file read halfway.
      const std::string nom = nomAffiche(depuisChemin(projet.reglages.fichier));
      std::string message = latin1VersUtf8(messageErreurReglages("\x01", *projet.erreur));
      message.replace(message.find('\x01'), 1, nom);
      diagnostics.push_back({{{0, 0}, {0, 0}}, kGraviteErreur, {}, std::move(message)});
    } else {
      // The catalogue is read at each check, as the settings file: an edit shows at the next one.
      std::string erreur;
      const OptionsVerification options = projet.reglages.options(erreur, options_);
      if (erreur.empty())
        diagnostics = diagnostiquer(d.texte, projet.reglages.appliquer(reglages_), encodage_, options,
                                    projet.reglages.consignes());
      else
        diagnostics.push_back({{{0, 0}, {0, 0}}, kGraviteErreur, {}, latin1VersUtf8(erreur)});
    }
    d.codesSurLeScript.clear();
    for (const Diagnostic& x : diagnostics)
      if (x.scriptEntier) d.codesSurLeScript.push_back(x.code);
    std::string m = "{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/publishDiagnostics\",\"params\":{\"uri\":";
    ajouterTexteJson(m, uri);
    m += ",\"version\":" + std::to_string(d.version) + ",\"diagnostics\":";
    m += diagnosticsEnJson(diagnostics, lienAide_);
    m += "}}";
    sortie.push_back(std::move(m));
  }
  return sortie;
}

}  // namespace quillomat::lsp
