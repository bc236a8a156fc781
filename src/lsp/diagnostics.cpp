#include "lsp/diagnostics.hpp"

#include <algorithm>
#include <cstdio>
#include <span>

#include "cli/encoding.hpp"
#include "lsp/latin1_text.hpp"
#include "lsp/protocol_json.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/fatal_stop.hpp"
#include "pipeline/memory_check.hpp"
#include "pipeline/text_mode.hpp"
#include "syntax/line_scanner.hpp"

namespace quillomat::lsp {
namespace {

// Where each of the checker's lines starts in the UTF-8 text: the checker
// breaks lines at LF (a CR LF pair is read as LF), or at CR in a text whose
// lines end with CR alone.
std::vector<size_t> debutsDesLignesVerifiees(std::string_view utf8) {
  const char fin = finsDeLigneCR(utf8) ? '\r' : '\n';
  std::vector<size_t> debuts{0};
  for (size_t i = utf8.find(fin); i != std::string_view::npos; i = utf8.find(fin, i + 1)) debuts.push_back(i + 1);
  return debuts;
}

// The code part of the checker's line `ligne` (1-based; 0, the whole script,
// stands on line 1).
Plage plageDuCode(std::string_view utf8, const Lignes& lignes, const std::vector<size_t>& debuts, int ligne,
                  Encodage e) {
  const size_t i = ligne > 0 ? std::min(static_cast<size_t>(ligne - 1), debuts.size() - 1) : 0;
  const std::string_view code = partieCode(utf8.substr(debuts[i]));
  const size_t l = lignes.ligneDe(debuts[i]);
  return {{l, 0}, {l, unites(code, e)}};
}

std::string hexa(char32_t point) {
  char tampon[16];
  std::snprintf(tampon, sizeof tampon, "U+%04X", static_cast<unsigned>(point));
  return tampon;
}

// Characters the scripts cannot hold: only editors that hand the server
// Unicode text meet them, so the report never writes these messages.
constexpr Libelle<2> kHorsLatin1{"QM130",
                                 "    - le caractère \"{CARACTERE}\" ({POINT}) n'existe pas en Latin-1 (ISO 8859-1), "
                                 "l'encodage des scripts du jeu : remplacez-le. La vérification l'a lu comme un \"?\".",
                                 "Signalé par les éditeurs (serveur quillomat-lsp) : le script contient un caractère que "
                                 "ses fichiers en Latin-1 ne peuvent pas garder ; il serait perdu à l'enregistrement."};
constexpr Libelle<0> kRemplacement{"QM131",
                                   "    - caractère de remplacement (U+FFFD) : ce script a sans doute été ouvert avec un "
                                   "autre encodage que Latin-1 (ISO 8859-1), celui des scripts du jeu ; rouvrez-le en "
                                   "Latin-1. La vérification l'a lu comme un \"?\".",
                                   "Signalé par les éditeurs (serveur quillomat-lsp) : l'éditeur a lu le script dans un "
                                   "autre encodage et a remplacé ses accents par ce caractère ; rouvrez-le en Latin-1 "
                                   "avant de l'enregistrer."};
constexpr const Fiche* kLibelles[] = {&kHorsLatin1, &kRemplacement};

// The wording in UTF-8 with its pieces (UTF-8) in place.
std::string rediger(const Fiche& f, std::span<const std::string> morceaux) {
  return detail::remplir(latin1VersUtf8(formeAffichee(f)), morceaux);
}

Diagnostic diagnosticHorsLatin1(Plage plage, std::string_view caractere, char32_t point) {
  if (point == 0xFFFD) return {plage, kGraviteErreur, kRemplacement.code, rediger(kRemplacement, {})};
  const std::string morceaux[] = {std::string(caractere), hexa(point)};
  return {plage, kGraviteErreur, kHorsLatin1.code, rediger(kHorsLatin1, morceaux)};
}

}  // namespace

std::vector<Diagnostic> diagnostiquer(std::string_view utf8, const SettingsRecord& reglages, Encodage e,
                                      const OptionsVerification& options, const Consignes& consignes) {
  const TexteLatin1 latin1 = versLatin1(utf8);
  const Lignes lignes(utf8);
  const std::vector<size_t> debuts = debutsDesLignesVerifiees(utf8);
  std::vector<Diagnostic> out;
  auto surLaLigneUn = [&](std::string_view texteLatin1) {
    out.push_back({plageDuCode(utf8, lignes, debuts, 0, e), kGraviteErreur, {}, latin1VersUtf8(texteLatin1)});
  };
  try {
    const VerificationMemoire v = verifierEnMemoire(latin1.texte, reglages, options, consignes);
    if (v.code != kSucces) surLaLigneUn(messageResultat(v.code));
    out.reserve(v.constats.size() + std::min(latin1.horsLatin1.size(), kHorsLatin1Max));
    for (const Constat& c : v.constats)
      out.push_back({plageDuCode(utf8, lignes, debuts, c.ligne, e), c.alerte ? kGraviteAlerte : kGraviteErreur, c.code,
                     latin1VersUtf8(c.texte), c.ligne == 0});
  } catch (const ArretFatal& a) {
    surLaLigneUn(texteSurUneLigne(a.message()));
  }
  for (size_t k = 0; k < latin1.horsLatin1.size() && k < kHorsLatin1Max; ++k) {
    const HorsLatin1& h = latin1.horsLatin1[k];
    out.push_back(diagnosticHorsLatin1({lignes.position(h.octet, e), lignes.position(h.octet + h.longueur, e)},
                                       utf8.substr(h.octet, h.longueur), h.point));
  }
  return out;
}

Libelles libellesServeur() { return kLibelles; }

std::string diagnosticsEnJson(const std::vector<Diagnostic>& diagnostics, std::string_view lienAide) {
  std::string out = "[";
  out.reserve(diagnostics.size() * 220);
  for (const Diagnostic& d : diagnostics) {
    if (out.size() > 1) out += ',';
    out += "{\"range\":";
    ajouterPlageJson(out, d.plage);
    out += ",\"severity\":" + std::to_string(d.gravite) + ",\"source\":\"quillomat\"";
    if (!d.code.empty()) {
      out += ",\"code\":";
      ajouterTexteJson(out, d.code);
      if (!lienAide.empty()) {
        out += ",\"codeDescription\":{\"href\":";
        ajouterTexteJson(out, std::string(lienAide) + "#" + std::string(d.code));
        out += '}';
      }
    }
    out += ",\"message\":";
    ajouterTexteJson(out, d.message);
    out += '}';
  }
  out += ']';
  return out;
}

}  // namespace quillomat::lsp
