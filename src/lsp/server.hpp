// The language server without its transport: one message body in, the
// bodies of the messages to send out (JSON text). Diagnostics wait in
// `publier` so that the main loop can check a document once after a burst of
// changes.
#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/documents.hpp"
#include "lsp/positions.hpp"
#include "lsp/settings.hpp"
#include "pipeline/options_verification.hpp"
#include "pipeline/project_settings.hpp"
#include "pipeline/records.hpp"

namespace quillomat::lsp {

// Error codes of the protocol.
inline constexpr int kErreurJson = -32700;
inline constexpr int kRequeteInvalide = -32600;
inline constexpr int kMethodeInconnue = -32601;
inline constexpr int kParametresInvalides = -32602;
inline constexpr int kErreurInterne = -32603;
inline constexpr int kServeurNonInitialise = -32002;

class Serveur {
 public:
  // lienAide: the file URI of the installed help page, or empty.
  explicit Serveur(std::string lienAide = {});

  std::vector<std::string> recevoir(std::string_view corps);
  // The answer to a message whose header block could not be read.
  static std::string erreurDeTrame();
  // The diagnostics of every document changed since its last publication.
  std::vector<std::string> publier();

  bool termine() const { return etat_ == Etat::Termine; }
  // 0 after shutdown then exit, 1 when the client left without shutdown.
  int codeDeSortie() const { return arretDemande_ ? 0 : 1; }
  // The client is gone: the end of its input stands for "exit".
  void finDeLEntree() { etat_ = Etat::Termine; }

  const SettingsRecord& reglages() const { return reglages_; }

 private:
  enum class Etat { AvantInitialisation, Pret, Arrete, Termine };
  using Sortie = std::vector<nlohmann::json>;  // the messages to send, in order

  void traiter(std::string_view corps, Sortie& sortie);
  // Requests answer with their result; a refusal is thrown.
  nlohmann::json requete(std::string_view methode, const nlohmann::json& params, Sortie& sortie);
  nlohmann::json initialiser(const nlohmann::json& params, Sortie& sortie);
  nlohmann::json arreter(const nlohmann::json& params, Sortie& sortie);
  nlohmann::json survol(const nlohmann::json& params, Sortie& sortie);
  nlohmann::json completion(const nlohmann::json& params, Sortie& sortie);
  nlohmann::json actionsDeCode(const nlohmann::json& params, Sortie& sortie);
  void fichiersChanges(const nlohmann::json& params, Sortie& sortie);
  // The settings file of a document's folder, read again when it changed.
  const LectureReglagesProjet& reglagesProjet(const std::string& uri, std::string& empreinte);
  // The personal catalogue a document is checked with (its folder's settings file, else the client's).
  std::shared_ptr<const CataloguePersonnel> cataloguePour(const std::string& uri);
  void notifier(std::string_view methode, const nlohmann::json& params, Sortie& sortie);
  void ouvrir(const nlohmann::json& params, Sortie& sortie);
  void changer(const nlohmann::json& params, Sortie& sortie);
  void enregistrer(const nlohmann::json& params, Sortie& sortie);
  void fermer(const nlohmann::json& params, Sortie& sortie);
  void configurer(const nlohmann::json& params, Sortie& sortie);
  void recalculerReglages(Sortie& sortie);

  std::string lienAide_;
  Etat etat_ = Etat::AvantInitialisation;
  bool arretDemande_ = false;
  Encodage encodage_ = Encodage::Utf16;
  bool markdown_ = false;
  SettingsRecord reglagesFichier_;
  nlohmann::json optionsDepart_, optionsConfiguration_;
  SettingsRecord reglages_;
  std::optional<std::filesystem::path> racine_;
  ReglagesEtendus etendus_;
  OptionsVerification options_;  // the later syntax and the personal catalogue, as read
  std::map<std::string, Document> documents_;
  struct ReglagesLus {
    std::string empreinte;
    LectureReglagesProjet lecture;
  };
  std::map<std::filesystem::path, ReglagesLus> reglagesProjets_;  // by folder
};

}  // namespace quillomat::lsp
