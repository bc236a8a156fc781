#include "app/core/small_commands.hpp"

#include <algorithm>
#include <system_error>

#include "app/core/line_index.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/records.hpp"
#include "pipeline/text_mode.hpp"

namespace quillomat {

const std::string_view kAdresseSite = "https://lunebrac.example/index.php";
const std::string_view kAdresseContact = "auteur@lunebrac.example";

namespace {

std::pair<int, int> ordonnee(int debut, int fin) { return {std::min(debut, fin), std::max(debut, fin)}; }

// A number typed in the box, read as the C library's atoi reads it: leading
// blanks, a sign, digits. Far too large a number saturates instead of overflowing.
std::optional<long long> lireEntier(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && estBlanc(s[i])) ++i;
  bool negatif = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negatif = s[i++] == '-';
  if (i >= s.size() || !estChiffre(s[i])) return std::nullopt;
  long long n = 0;
  for (; i < s.size() && estChiffre(s[i]); ++i) n = std::min(n * 10 + (s[i] - '0'), 1LL << 40);
  return negatif ? -n : n;
}

// File names are Latin-1 here; the file system wants its own encoding.
std::filesystem::path cheminLatin1(std::string_view nom) {
  std::u16string u;
  for (char c : nom) u += static_cast<char16_t>(static_cast<unsigned char>(c));
  return std::filesystem::path(u);
}

bool estFichier(const std::filesystem::path& p) {
  std::error_code ec;
  return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

std::string texteLigneCurseur(std::string_view texte, int debut, int fin) {
  const LineIndex lignes(texte);
  const auto [a, b] = ordonnee(debut, fin);
  const int ligneA = lignes.ligneDe(a) + 1, ligneB = lignes.ligneDe(b) + 1;
  std::string s = "Ln " + std::to_string(ligneA);
  if (ligneA != ligneB) s += "-" + std::to_string(ligneB);
  return s;
}

std::string texteColonneCurseur(std::string_view texte, int debut, int fin) {
  const LineIndex lignes(texte);
  const auto [a, b] = ordonnee(debut, fin);
  const int colA = a - lignes.debut(lignes.ligneDe(a)) + 1;
  std::string s = "Col " + std::to_string(colA);
  if (a != b) s += "-" + std::to_string(b - lignes.debut(lignes.ligneDe(b)) + 1);
  return s;
}

std::optional<int> positionAllerALigne(std::string_view texte, std::string_view saisie) {
  const auto n = lireEntier(saisie);
  const LineIndex lignes(texte);
  if (!n || *n < 1 || *n > lignes.nombre()) return std::nullopt;
  // The end of the line's text, on the last line too (which has no line
  // break to step back over).
  const int ligne = static_cast<int>(*n) - 1;
  return std::max(lignes.debut(ligne) + lignes.longueur(ligne), 0);
}

std::optional<std::string> messageLigneAbsente(std::string_view texte, std::string_view saisie) {
  const auto n = lireEntier(saisie);
  if (!n || positionAllerALigne(texte, saisie)) return std::nullopt;
  // The number as typed: a saturated one would name another line.
  std::string nombre;
  for (size_t i = saisie.find_first_of("0123456789"); i < saisie.size() && estChiffre(saisie[i]); ++i) {
    if (!nombre.empty() || saisie[i] != '0') nombre += saisie[i];
  }
  if (nombre.empty()) nombre = "0";
  if (*n < 0) nombre.insert(0, "-");
  return "Le script n'a pas de ligne " + nombre + " : il en a " + std::to_string(LineIndex(texte).nombre()) + ".";
}

std::optional<std::filesystem::path> trouverFichierDonnees(std::string_view nom, const std::filesystem::path& courant,
                                                           const std::filesystem::path& programme) {
  const std::filesystem::path fichier = cheminLatin1(nom);
  // An installed program keeps its data under share/, beside bin/.
  for (const auto& dossier : {courant, programme, programme / ".." / "share" / "quillomat"}) {
    if (dossier.empty()) continue;
    if (estFichier(dossier / fichier)) return dossier / fichier;
  }
  return std::nullopt;
}

void nettoyerEspace(const std::filesystem::path& dossier) {
  for (const char* nom : {"ScriptVaelmoor.txt", "DbPlatform.dat", "DebugKVR4.dat", "DbTempKVR4", "InfTempKVR4",
                          "InfTempKVR4.2", "InfTempKVR4.3"})
    supprimer(dossier / nom);
}

bool remettreParDefaut(const std::filesystem::path& dossier) {
  return ecrireReglages(dossier, SettingsRecord{1, 1, 0, 0, 0, 0, 0, 1});
}

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
