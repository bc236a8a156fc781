// The personal catalogue file, read line by line into rows, and the checker
// of a declared function: the shared reader takes the caller and the IDs,
// the reader of extended expressions the values.
#include "functions/personal_catalogue.hpp"

#include "functions/call_parameters.hpp"
#include "logic/extended_expression.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/text_mode.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kAppelantRequis{"QM616",
                                     " : erreur, la fonction {FONCTION} s'appelle sur une référence (ref.fonction) !",
                                     "Le catalogue personnel déclare un appelant obligatoire pour cette fonction."};
constexpr Libelle<3> kParametreDeGenre{"QM617", " : erreur, le paramètre {N} de {FONCTION} doit être {GENRE} !",
                                       "Le catalogue personnel déclare un autre genre de paramètre à cette place."};
constexpr const Fiche* kLibelles[] = {&kAppelantRequis, &kParametreDeGenre};

struct Genre {
  std::string_view mot;
  Parametre genre;
};
constexpr Genre kGenres[] = {{"nombre", Parametre::Nombre},
                             {"texte", Parametre::Texte},
                             {"id", Parametre::Id},
                             {"variable", Parametre::Variable},
                             {"expression", Parametre::Expression}};

bool estNom(std::string_view s) {
  if (s.empty() || !(estLettre(s[0]) || s[0] == '_')) return false;
  for (char c : s)
    if (!(estLettre(c) || estChiffre(c) || c == '_')) return false;
  return true;
}

std::vector<std::string_view> mots(std::string_view s) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < s.size()) {
    if (estBlanc(s[i])) {
      ++i;
      continue;
    }
    size_t f = i;
    while (f < s.size() && !estBlanc(s[f])) ++f;
    out.push_back(s.substr(i, f - i));
    i = f;
  }
  return out;
}

std::string_view sansBlancs(std::string_view s) {
  while (!s.empty() && estBlanc(s.front())) s.remove_prefix(1);
  while (!s.empty() && estBlanc(s.back())) s.remove_suffix(1);
  return s;
}

// One line of the file: the declaration, or the reason it is refused.
std::string lireLigne(std::string_view ligne, FonctionDeclaree& f) {
  const size_t deuxPoints = ligne.find(':');
  if (deuxPoints == std::string_view::npos) return "il manque \":\" entre le nom et les paramètres";
  const auto gauche = mots(ligne.substr(0, deuxPoints));
  if (gauche.empty() || gauche.size() > 2) return "écrivez le nom de la fonction, puis ref ou ref? pour un appelant";
  if (!estNom(gauche[0])) return composer("nom de fonction incorrect \"", gauche[0], "\"");
  f.nom = std::string(gauche[0]);
  if (gauche.size() == 2) {
    const std::string a = enMinuscules(gauche[1]);
    if (a != "ref" && a != "ref?") return composer("appelant inconnu \"", gauche[1], "\" (ref ou ref?)");
    f.appelant = a == "ref" ? Appelant::Requis : Appelant::Facultatif;
  }
  std::string_view droite = ligne.substr(deuxPoints + 1);
  if (const size_t fleche = droite.find("->"); fleche != std::string_view::npos) {
    if (enMinuscules(sansBlancs(droite.substr(fleche + 2))) != "ref") return "seul \"-> ref\" peut suivre les paramètres";
    f.renvoieRef = true;
    droite = droite.substr(0, fleche);
  }
  for (std::string_view m : mots(droite)) {
    if (!f.parametres.empty() && f.parametres.back().suite) return "rien ne peut suivre un paramètre répété (...)";
    if (m == "...") {
      if (f.parametres.empty()) return "\"...\" répète le paramètre qui le précède : il en faut un";
      f.parametres.back().suite = true;
      continue;
    }
    ParametreDeclare p;
    if (m.size() > 3 && m.substr(m.size() - 3) == "...") {
      p.suite = true;
      m.remove_suffix(3);
    }
    if (!m.empty() && m.back() == '?') {
      p.facultatif = true;
      m.remove_suffix(1);
    }
    const std::string mot = enMinuscules(m);
    const Genre* g = nullptr;
    for (const Genre& k : kGenres)
      if (k.mot == mot) g = &k;
    if (!g)
      return composer("genre de paramètre inconnu \"", m, "\" (nombre, texte, id, variable ou expression)");
    if (!p.facultatif && !f.parametres.empty() && f.parametres.back().facultatif)
      return "un paramètre obligatoire ne peut suivre un paramètre facultatif";
    p.genre = g->genre;
    f.parametres.push_back(p);
  }
  return {};
}

// Values the catalogue can be sure of: a number is no quoted text, a text no
// number, a variable a name.
std::string_view genreRefuse(Parametre g, std::string_view jeton) {
  const bool guillemets = !jeton.empty() && jeton[0] == '"';
  const bool nombre = !jeton.empty() && (estChiffre(jeton[0]) || jeton[0] == '.');
  switch (g) {
    case Parametre::Nombre: return guillemets ? "un nombre" : "";
    case Parametre::Texte: return nombre ? "un texte" : "";
    case Parametre::Variable: return estNom(jeton) ? "" : "une variable";
    default: return "";
  }
}

}  // namespace

Libelles libellesPersonalCatalogue() { return kLibelles; }

CatalogueCharge chargerCatalogue(const std::filesystem::path& chemin, std::string_view nom) {
  const auto texte = lireBinaire(chemin);
  if (!texte) return {nullptr, composer("impossible de lire le catalogue personnel \"", nom, "\".")};
  auto lu = CataloguePersonnel::lire(versModeTexteLecture(*texte), nom);
  if (!lu.catalogue) return {nullptr, composer(nom, ", ligne ", lu.ligne, " : ", lu.faute, ".")};
  return {std::make_shared<const CataloguePersonnel>(std::move(*lu.catalogue)), {}};
}

CataloguePersonnel::Lecture CataloguePersonnel::lire(std::string_view texte, std::string_view nomFichier) {
  CataloguePersonnel c;
  int numero = 0;
  while (!texte.empty()) {
    ++numero;
    const size_t fin = texte.find('\n');
    std::string_view ligne = texte.substr(0, fin);
    texte = fin == std::string_view::npos ? std::string_view() : texte.substr(fin + 1);
    ligne = sansBlancs(ligne.substr(0, ligne.find('#')));
    if (ligne.empty()) continue;
    FonctionDeclaree f;
    std::string faute = lireLigne(ligne, f);
    if (faute.empty() && c.trouver(f.nom)) faute = composer("la fonction \"", f.nom, "\" est déjà déclarée");
    if (!faute.empty())
      return {std::nullopt, composer("Erreur : ", nomFichier, ", ligne ", numero, " : ", faute, "."), numero, faute};
    c.fonctions_.push_back(std::move(f));
  }
  for (const FonctionDeclaree& f : c.fonctions_) {
    Row r{strFoncDeclaree, f.nom, 19, 19, 0, f.appelant == Appelant::Aucun ? 0 : 1};
    r.group = f.renvoieRef ? Group::Ref : Group::Plain;
    r.etendu = true;
    c.rows_.push_back(r);
  }
  return {std::move(c), {}, 0, {}};
}

const FonctionDeclaree* CataloguePersonnel::trouver(std::string_view nom) const {
  const std::string cle = enMinuscules(nom);
  for (const FonctionDeclaree& f : fonctions_)
    if (enMinuscules(f.nom) == cle) return &f;
  return nullptr;
}

int strFoncDeclaree(Context& ctx, const Text& t, const Row& row) {
  const FonctionDeclaree* f =
      ctx.etendu && ctx.etendu->catalogue ? ctx.etendu->catalogue->trouver(row.name) : nullptr;
  if (!f) return 0;
  const bool appelantPermis = f->appelant != Appelant::Aucun;
  Call c(ctx, t, row);
  const bool avecParametres = c.detecterAvecSeparateur(appelantPermis);
  if (!avecParametres) {
    if (!c.detecterSeul(appelantPermis)) return 0;
    const char suivant = t.at(c.pos());
    if (suivant != '\0' && !estBlanc(suivant)) return 0;  // a longer name
  }
  if (!c.lireAppelant(19)) return 1;
  if (f->appelant == Appelant::Requis && !c.avecAppelant()) {
    c.signaler(kAppelantRequis, c.nom());
    return 1;
  }
  size_t k = 0;
  int numero = 0;
  while (k < f->parametres.size()) {
    const ParametreDeclare& d = f->parametres[k];
    const bool absent = numero == 0 ? (!avecParametres || c.resteBlanc(c.pos())) : c.resteBlanc(c.pos());
    if (absent) {
      if (d.facultatif || (d.suite && numero > static_cast<int>(k))) return 1;
      if (numero == 0)
        c.signaler(kPremierIntrouvable, c.nom());
      else
        c.signaler(kDernierIntrouvable, c.nom());
      return 1;
    }
    if (numero > 0) {
      size_t p = c.pos();
      if (t.at(p) == ',') ++p;
      if (t.at(p) != ' ') {
        c.signaler(kDernierIntrouvable, c.nom());
        return 1;
      }
      c.setPos(p + 1);
    }
    ++numero;
    if (d.genre == Parametre::Id) {
      if (!c.lireId(19)) return 1;
    } else {
      const size_t fin = d.genre == Parametre::Variable ? finJeton(t, c.pos()) : finArgumentEtendu(t, c.pos());
      std::string_view jeton = t.src().substr(c.pos(), fin - c.pos());
      if (!jeton.empty() && jeton.back() == ',') jeton.remove_suffix(1);
      if (jeton.empty()) {
        c.signaler(kDernierIntrouvable, c.nom());
        return 1;
      }
      if (const std::string_view refus = genreRefuse(d.genre, jeton); !refus.empty()) {
        c.signaler(kParametreDeGenre, numero, c.nom(), refus);
        return 1;
      }
      if (d.genre == Parametre::Variable)
        triInfo(ctx.wf, IdentifierRecord{9, std::string(jeton)});
      else if (verifierExpressionEtendue(ctx, jeton) == 0)
        return 1;
      c.setPos(c.pos() + jeton.size());
    }
    if (!d.suite) ++k;
  }
  sansTropDeParametres(c);
  return 1;
}

}  // namespace quillomat
