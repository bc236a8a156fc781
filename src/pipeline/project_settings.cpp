#include "pipeline/project_settings.hpp"

#include <algorithm>
#include <system_error>

#include "functions/personal_catalogue.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/text_mode.hpp"

namespace quillomat {
namespace {

std::string_view sansBlancs(std::string_view s) {
  while (!s.empty() && estBlanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && estBlanc(s.back())) s.remove_suffix(1);
  return s;
}

// A value reader: false when the value is wrong; `erreur` then says why, or
// stays empty for the key's usual sentence.
using Lecture = bool (*)(std::string_view valeur, ReglagesProjet& r, std::string& erreur);

std::optional<bool> ouiNon(std::string_view v) {
  const std::string m = enMinuscules(v);
  if (m == "oui") return true;
  if (m == "non") return false;
  return std::nullopt;
}

template <std::optional<int> ReglagesProjet::*Champ>
bool lireOuiNon(std::string_view v, ReglagesProjet& r, std::string&) {
  const auto b = ouiNon(v);
  if (b) r.*Champ = *b ? 1 : 0;
  return b.has_value();
}

bool lireSignalerInutiles(std::string_view v, ReglagesProjet& r, std::string&) {
  r.signalerInutiles = ouiNon(v);
  return r.signalerInutiles.has_value();
}

bool lireVlseEtendu(std::string_view v, ReglagesProjet& r, std::string&) {
  r.vlseEtendu = ouiNon(v);
  return r.vlseEtendu.has_value();
}

// The path as written (the bytes of the file), from the settings file's folder.
bool lireCatalogue(std::string_view v, ReglagesProjet& r, std::string&) {
  r.catalogue = r.fichier.parent_path() / std::filesystem::path(std::string(v));
  return true;
}

// "alertes = non" hides the alerts, as the preference "Ne pas afficher les alertes" does.
bool lireAlertes(std::string_view v, ReglagesProjet& r, std::string&) {
  const auto b = ouiNon(v);
  if (b) r.hideAlerts = *b ? 0 : kAlerte;
  return b.has_value();
}

bool lireType(std::string_view v, ReglagesProjet& r, std::string&) {
  const std::string m = enMinuscules(v);
  // "quête" written in Latin-1 or in UTF-8.
  if (m == "inconnu") r.scriptKind = 0;
  else if (m == "quete" || m == "qu\xEAte" || m == "qu\xC3\xAAte") r.scriptKind = 1;
  else if (m == "objet") r.scriptKind = 2;
  else if (m == "effet") r.scriptKind = 3;
  else return false;
  return true;
}

bool lireCodes(std::string_view v, ReglagesProjet& r, std::string& erreur) {
  size_t i = 0;
  while (i < v.size()) {
    while (i < v.size() && (estBlanc(v[i]) || v[i] == ',')) ++i;
    size_t fin = i;
    while (fin < v.size() && !estBlanc(v[fin]) && v[fin] != ',') ++fin;
    if (fin == i) break;
    std::string code(v.substr(i, fin - i));
    for (char& c : code)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!codeConnu(code)) {
      erreur = composer("code inconnu ", guillemets(v.substr(i, std::min<size_t>(fin - i, 40))),
                        " : les codes sont ceux des messages du quillomat (QM101...), décrits dans l'aide.");
      return false;
    }
    if (std::find(r.ignorer.begin(), r.ignorer.end(), code) == r.ignorer.end()) r.ignorer.push_back(code);
    i = fin;
  }
  return true;
}

struct Cle {
  std::string_view nom;
  Lecture lire;
  std::string_view attendu;  // what the value may be, for the error message
};

// One row per key: a new key is a new row and its reader.
constexpr Cle kCles[] = {
    {"ignorer", lireCodes, "des codes séparés par des virgules, comme QM120, QM126"},
    {"type", lireType, "inconnu, objet, quete ou effet"},
    {"vlse", lireOuiNon<&ReglagesProjet::vlseDependent>, "oui ou non"},
    {"alertes", lireAlertes, "oui ou non"},
    {"signaler-inutiles", lireSignalerInutiles, "oui ou non"},
    {"vlse-etendu", lireVlseEtendu, "oui ou non"},
    {"catalogue", lireCatalogue, "le chemin du catalogue personnel"},
};

std::string listeDesCles() {
  std::string out;
  for (const Cle& c : kCles) {
    if (!out.empty()) out += ", ";
    out += c.nom;
  }
  return out;
}

}  // namespace

SettingsRecord ReglagesProjet::appliquer(SettingsRecord r) const {
  if (scriptKind) r.scriptKind = *scriptKind;
  if (vlseDependent) r.vlseDependent = *vlseDependent;
  if (hideAlerts) r.hideAlerts = *hideAlerts;
  return r;
}

Consignes ReglagesProjet::consignes() const { return {ignorer, signalerInutiles.value_or(false)}; }

OptionsVerification ReglagesProjet::options(std::string& erreur, OptionsVerification base) const {
  OptionsVerification o = std::move(base);
  o.vlseEtendu = vlseEtendu.value_or(o.vlseEtendu);
  if (!o.vlseEtendu || catalogue.empty()) return o;
  CatalogueCharge c = chargerCatalogue(catalogue, catalogue.string());
  if (!c.catalogue) erreur = "Erreur : " + c.erreur;
  o.catalogue = std::move(c.catalogue);
  return o;
}

std::vector<std::string_view> clesReglagesProjet() {
  std::vector<std::string_view> out;
  for (const Cle& c : kCles) out.push_back(c.nom);
  return out;
}

LectureReglagesProjet lireReglagesProjet(std::string_view contenu, const std::filesystem::path& fichier) {
  LectureReglagesProjet l;
  l.reglages.fichier = fichier;
  if (contenu.substr(0, 3) == "\xEF\xBB\xBF") contenu.remove_prefix(3);
  std::vector<int> vues(std::size(kCles), 0);
  int numero = 0;
  size_t debut = 0;
  while (debut <= contenu.size()) {
    size_t fin = contenu.find('\n', debut);
    if (fin == std::string_view::npos) fin = contenu.size();
    std::string_view ligne = contenu.substr(debut, fin - debut);
    debut = fin + 1;
    ++numero;
    const auto erreur = [&](std::string detail) {
      l.erreur = ErreurReglages{numero, std::move(detail)};
      l.reglages = ReglagesProjet{};
      l.reglages.fichier = fichier;
      return l;
    };
    if (const size_t c = ligne.find_first_of("#;"); c != std::string_view::npos) ligne = ligne.substr(0, c);
    ligne = sansBlancs(ligne);
    if (ligne.empty()) continue;
    const size_t egal = ligne.find('=');
    if (egal == std::string_view::npos)
      return erreur(composer("ligne illisible ", guillemets(ligne.substr(0, 40)), " : écrivez clé = valeur."));
    const std::string nom = enMinuscules(sansBlancs(ligne.substr(0, egal)));
    const std::string_view valeur = sansBlancs(ligne.substr(egal + 1));
    const auto cle = std::find_if(std::begin(kCles), std::end(kCles), [&](const Cle& k) { return k.nom == nom; });
    if (cle == std::end(kCles))
      return erreur(composer("clé inconnue ", guillemets(std::string_view(nom).substr(0, 40)),
                             " : les clés sont ", listeDesCles(), "."));
    int& vue = vues[static_cast<size_t>(cle - std::begin(kCles))];
    if (vue != 0) return erreur(composer("la clé ", guillemets(cle->nom), " est déjà donnée ligne ", vue, "."));
    vue = numero;
    std::string detail;
    if (valeur.empty() || !cle->lire(valeur, l.reglages, detail)) {
      if (detail.empty())
        detail = composer("valeur ", guillemets(valeur.substr(0, 40)), " incorrecte pour la clé ",
                          guillemets(cle->nom), " : écrivez ", cle->attendu, ".");
      return erreur(std::move(detail));
    }
  }
  return l;
}

LectureReglagesProjet chargerReglagesProjet(const std::filesystem::path& fichier) {
  const auto contenu = lireTexte(fichier);
  if (!contenu) {
    LectureReglagesProjet l;
    l.reglages.fichier = fichier;
    l.erreur = ErreurReglages{0, "le fichier ne peut pas être lu."};
    return l;
  }
  return lireReglagesProjet(*contenu, fichier);
}

std::optional<std::filesystem::path> trouverReglagesProjet(const std::filesystem::path& dossier) {
  std::error_code ec;
  std::filesystem::path d = std::filesystem::absolute(dossier, ec).lexically_normal();
  if (ec) return std::nullopt;
  if (!d.has_filename() && d.has_parent_path()) d = d.parent_path();  // "/mod/" read from "/mod/."
  for (;;) {
    const std::filesystem::path f = d / std::string(kFichierReglagesProjet);
    if (std::filesystem::is_regular_file(f, ec)) return f;
    const std::filesystem::path parent = d.parent_path();
    if (parent == d || parent.empty()) return std::nullopt;
    d = parent;
  }
}

LectureReglagesProjet reglagesDuDossier(const std::filesystem::path& dossier) {
  const auto f = trouverReglagesProjet(dossier);
  return f ? chargerReglagesProjet(*f) : LectureReglagesProjet{};
}

ReglagesDuScript reglagesDuScript(const SettingsRecord& preferences, const std::filesystem::path& dossierDuScript,
                                  const OptionsVerification& base) {
  ReglagesDuScript r{preferences, {}, {}, base};
  if (dossierDuScript.empty()) return r;
  const LectureReglagesProjet l = reglagesDuDossier(dossierDuScript);
  if (l.erreur) {
    r.erreur = messageErreurReglages(l.reglages.fichier.string(), *l.erreur);
    return r;
  }
  r.reglages = l.reglages.appliquer(preferences);
  r.consignes = l.reglages.consignes();
  r.options = l.reglages.options(r.erreur, base);
  return r;
}

std::string messageErreurReglages(std::string_view nom, const ErreurReglages& e) {
  if (e.ligne == 0) return composer("Erreur : fichier de réglages \"", nom, "\" : ", e.detail);
  return composer("Erreur : fichier de réglages \"", nom, "\", ligne ", e.ligne, " : ", e.detail);
}

}  // namespace quillomat
