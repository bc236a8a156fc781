#include "app/core/small_commands.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

#include "pipeline/findings.hpp"
#include "pipeline/records.hpp"

namespace quillomat {

const std::string_view kAdresseSite = "https://lunebrac.example/index.php";
const std::string_view kAdresseContact = "auteur@lunebrac.example";

namespace {

int ligneDe(std::string_view texte, int position) {
  int ligne = 0;
  for (int i = 0; i < position && i < static_cast<int>(texte.size()); ++i)
    if (texte[i] == '\n') ++ligne;
  return ligne;
}

int debutDeLigne(std::string_view texte, int position) {
  int i = std::min(position, static_cast<int>(texte.size()));
  while (i > 0 && texte[i - 1] != '\n') --i;
  return i;
}

}  // namespace

std::string texteLigneCurseur(std::string_view texte, int debut, int fin) {
  const int a = ligneDe(texte, debut) + 1;
  const int b = ligneDe(texte, fin) + 1;
  std::string s = "Ln " + intToText(a);
  if (a != b) s += "-" + intToText(b);
  return s;
}

std::string texteColonneCurseur(std::string_view texte, int debut, int fin) {
  std::string s = "Col " + intToText(debut - debutDeLigne(texte, debut) + 1);
  if (debut != fin) s += "-" + intToText(fin - debutDeLigne(texte, fin) + 1);
  return s;
}

std::optional<int> positionAllerALigne(std::string_view texte, std::string_view saisie) {
  size_t i = 0;
  while (i < saisie.size() && (saisie[i] == ' ' || saisie[i] == '\t')) ++i;
  if (i < saisie.size() && saisie[i] == '+') ++i;
  long long n = 0;
  auto [fin, err] = std::from_chars(saisie.data() + i, saisie.data() + saisie.size(), n);
  if (err != std::errc() || fin == saisie.data() + i) return std::nullopt;
  const long long lignes = 1 + std::count(texte.begin(), texte.end(), '\n');
  if (n < 1 || n > lignes) return std::nullopt;
  // The end of the line's text: where its line break stands, or the end of the text.
  size_t debut = 0;
  for (long long l = 1; l < n; ++l) debut = texte.find('\n', debut) + 1;
  const size_t saut = texte.find('\n', debut);
  return static_cast<int>(saut == std::string_view::npos ? texte.size() : saut);
}

std::optional<std::filesystem::path> trouverFichierDonnees(std::string_view nom, const std::filesystem::path& courant,
                                                           const std::filesystem::path& programme) {
  std::error_code ec;
  for (const auto& dossier : {courant, programme, programme / ".." / "share" / "quillomat"}) {
    auto chemin = dossier / std::string(nom);
    if (std::filesystem::is_regular_file(chemin, ec)) return chemin;
  }
  return std::nullopt;
}

void nettoyerEspace(const std::filesystem::path& dossier) {
  static constexpr std::array<std::string_view, 7> kFichiers = {
      "ScriptVaelmoor.txt", "DbPlatform.dat", "DebugKVR4.dat", "DbTempKVR4",
      "InfTempKVR4",        "InfTempKVR4.2",  "InfTempKVR4.3"};
  std::error_code ec;
  for (auto f : kFichiers) std::filesystem::remove(dossier / std::string(f), ec);
}

bool remettreParDefaut(const std::filesystem::path& dossier) { return ecrireReglages(dossier, SettingsRecord{}); }

std::string messageAideIntrouvable() {
  return "  Impossible de trouver le fichier \"AideDebug.htm\" ou \"AideDebug.txt\" dans le répertoire courant.";
}
std::string messageSiteIntrouvable() { return "Vous pouvez aller à l'adresse suivante : " + std::string(kAdresseSite); }
std::string messageContactImpossible() {
  return "Vous pouvez écrire à l'adresse suivante:  " + std::string(kAdresseContact) + "\r\n" + std::string(42, ' ') +
         "Merci !";
}
std::string messageEspaceNettoye() { return "Les fichiers temporaires ont été effacés."; }
std::string messageParDefaut() { return "Les variables ont été remises par défaut."; }

}  // namespace quillomat
