#include "functions/call_reader.hpp"

#include "pipeline/ascii.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kAppelantSansGuillemets{"QM201",
                                             " : erreur dans la syntaxe de l'appelant de la fonction {FONCTION}. "
                                             "Rajoutez des guillemets.",
                                             "L'objet écrit avant le point contient un blanc, et n'est pas entre "
                                             "guillemets."};
constexpr Libelle<0> kAppelantIntrouvable{"QM202", " : impossible de détecter l'appelant !",
                                          "Rien n'est écrit avant le point qui précède le nom de la fonction."};
constexpr Libelle<1> kAppelantTropDeGuillemets{"QM203",
                                               " : erreur dans la syntaxe de l'appelant de la fonction {FONCTION} : "
                                               "trop de guillemets.",
                                               "L'objet écrit avant le point contient plus de deux guillemets."};
constexpr Libelle<1> kAppelantGuillemetMalPlace{"QM204",
                                                " : erreur dans la syntaxe de l'appelant de la fonction {FONCTION} : "
                                                "le guillemet final n'est pas avant l'opérateur '.'.",
                                                "Le guillemet qui ferme le nom de l'objet appelant n'est pas juste "
                                                "avant le point."};
constexpr Libelle<1> kAppelantSansParametre{"QM205",
                                            " : erreur, la fonction {FONCTION} peut prendre un appelant, mais pas de "
                                            "paramètre appelé !",
                                            "La fonction s'applique à l'objet écrit avant le point et ne prend aucun "
                                            "paramètre après son nom."};
constexpr Libelle<1> kSansParametre{"QM206", " : erreur, la fonction {FONCTION} ne prend pas de paramètre appelé !",
                                    "La fonction ne prend aucun paramètre après son nom."};
constexpr Libelle<3> kRienApres{"QM209",
                                " : erreur, la fonction {FONCTION} ne doit contenir aucun paramètre après "
                                "{PARAMETRE}\"{VALEUR}\" !",
                                "Quelque chose suit le dernier paramètre de la fonction."};

constexpr const Fiche* kLibelles[] = {&kAppelantSansGuillemets, &kAppelantIntrouvable, &kAppelantTropDeGuillemets,
                                      &kAppelantGuillemetMalPlace, &kAppelantSansParametre, &kSansParametre,
                                      &kRienApres};

}  // namespace

Libelles libellesCallReader() { return kLibelles; }

bool nomEn(const Text& t, size_t pos, std::string_view name) {
  if (pos > t.size() || t.size() - pos < name.size()) return false;
  const std::string_view low = t.low();
  for (size_t i = 0; i < name.size(); ++i)
    if (low[pos + i] != enMinuscule(name[i])) return false;
  return true;
}

bool estNombre(std::string_view s, bool decimales, bool negatif) {
  size_t i = 0;
  if (negatif && i < s.size() && s[i] == '-') ++i;
  bool chiffre = false, point = false;
  for (; i < s.size(); ++i) {
    if (estChiffre(s[i]))
      chiffre = true;
    else if (s[i] == '.' && decimales && !point)
      point = true;
    else
      return false;
  }
  return chiffre;
}

Mot lireMot(const Text& t, size_t from) {
  Mot m;
  size_t i = from;
  for (; i < t.size(); ++i) {
    const char c = t.at(i);
    if (c == '"') {
      if (++m.guillemets == 3) {
        ++i;
        break;
      }
      continue;
    }
    if ((estEspaceOuTab(c) || c == ',') && m.guillemets != 1) break;
    if (m.texte.size() < kNomMax) m.texte += c;  // longer words are cut without a message
  }
  m.fin = i;
  return m;
}

LectureAppelant lireTexteAppelant(const Text& t, size_t from, size_t point) {
  LectureAppelant l;
  size_t i = from;
  for (; i < point; ++i) {
    const char c = t.at(i);
    if (c == '"') {
      if (++l.guillemets == 3) {
        ++i;
        break;
      }
      continue;
    }
    if (estEspaceOuTab(c) && l.guillemets == 0) {
      l.blancHorsGuillemets = true;
      break;
    }
    l.texte += c;
    if (l.texte.size() == kNomMax) {
      ++i;
      break;
    }
  }
  l.arret = i;
  return l;
}

size_t Call::dernierPoint(std::string_view suffixe) const {
  const auto& points = t_.points();
  for (auto it = points.rbegin(); it != points.rend(); ++it) {
    const size_t d = *it;
    if (d < t_.debut()) break;
    if (nomEn(t_, d + 1, row_.name) && nomEn(t_, d + 1 + row_.name.size(), suffixe)) return d;
  }
  return npos;
}

bool Call::detecterSeul(bool appelantPermis) {
  const size_t p = t_.debut();
  if (nomEn(t_, p, row_.name)) {
    pos_ = p + row_.name.size();
    return true;
  }
  if (!appelantPermis) return false;
  point_ = dernierPoint("");
  if (point_ == npos) return false;
  pos_ = point_ + 1 + row_.name.size();
  return true;
}

bool Call::detecterAvecSeparateur(bool appelantPermis) {
  const size_t p = t_.debut();
  const size_t finNom = p + row_.name.size();
  if (nomEn(t_, p, row_.name)) {
    if (t_.at(finNom) == ' ') {
      pos_ = finNom + 1;
      return true;
    }
    if (t_.at(finNom) == ',' && t_.at(finNom + 1) == ' ') {
      pos_ = finNom + 2;
      return true;
    }
  }
  if (!appelantPermis) return false;
  size_t separateur = 1;
  point_ = dernierPoint(" ");
  if (point_ == npos) {
    point_ = dernierPoint(", ");
    separateur = 2;
  }
  if (point_ == npos) return false;
  pos_ = point_ + 1 + row_.name.size() + separateur;
  return true;
}

bool Call::lireAppelant(int kind) {
  if (!avecAppelant()) return true;
  const LectureAppelant l = lireTexteAppelant(t_, t_.debut(), point_);
  arretAppelant_ = l.arret;
  if (l.blancHorsGuillemets) {
    signaler(kAppelantSansGuillemets, nom());
    return false;
  }
  if (l.texte.empty()) {
    signaler(kAppelantIntrouvable);
    return false;
  }
  if (l.guillemets == 3) {
    signaler(kAppelantTropDeGuillemets, nom());
    return false;
  }
  if (l.guillemets == 2 && t_.at(point_ - 1) != '"') {
    signaler(kAppelantGuillemetMalPlace, nom());
    return false;
  }
  appelant_ = l.texte;
  triInfo(ctx_.wf, IdentifierRecord{kind, appelant_});
  return true;
}

bool Call::finSansParametre(bool peutAvoirAppelant) {
  if (resteBlanc(pos_)) return true;
  if (peutAvoirAppelant)
    signaler(kAppelantSansParametre, nom());
  else
    signaler(kSansParametre, nom());
  return false;
}

void Call::signalerAbsent(IdAbsent vide) {
  if (vide.fixe)
    signaler(*vide.fixe);
  else
    signaler(*vide.avecNom, nom());
}

bool Call::lireId(int kind, IdAbsent vide) {
  const Mot m = lireMot(t_, pos_);
  pos_ = m.fin;
  if (m.texte.empty()) {
    signalerAbsent(vide);
    return false;
  }
  if (m.guillemets == 3) {
    signaler(kAppeleTropDeGuillemets, nom());
    return false;
  }
  id_ = m.texte;
  triInfo(ctx_.wf, IdentifierRecord{kind, id_});
  return true;
}

bool Call::rienApres(std::string_view apres, std::string_view valeur) {
  if (resteBlanc(pos_)) return true;
  signaler(kRienApres, nom(), apres, valeur);
  return false;
}

bool Call::lireShort() {
  if (t_.at(pos_) == ',') ++pos_;
  if (t_.at(pos_) != ' ') {
    signaler(kPasDEspaceApresId, id_);
    return false;
  }
  ++pos_;
  if (resteBlanc(pos_)) {
    signaler(kShortIntrouvable);
    return false;
  }
  if (t_.at(pos_) == '-' && nomMod()) ++pos_;
  size_t chiffres = 0;
  for (; pos_ < t_.size() && !estBlanc(t_.at(pos_)); ++pos_, ++chiffres) {
    if (!estChiffre(t_.at(pos_))) {
      chiffres = 0;
      break;
    }
  }
  if (chiffres == 0) {
    signaler(kShortVariable, nom());
    return false;
  }
  return true;
}

bool Call::lireDernierNombre(bool decimales, bool negatif) {
  if (resteBlanc(pos_)) {
    signaler(kDernierIntrouvable, nom());
    return false;
  }
  const size_t debut = pos_;
  while (pos_ < t_.size() && !estBlanc(t_.at(pos_))) ++pos_;
  if (!estNombre(t_.src().substr(debut, pos_ - debut), decimales, negatif || nomMod())) {
    signaler(kDernierVariable, nom());
    return false;
  }
  valeur_ = std::string(t_.src().substr(debut, pos_ - debut));
  return true;
}

bool Call::resteBlanc(size_t from) const { return from >= t_.size() || toutBlanc(t_.src().substr(from)); }

bool Call::nomMod() const { return commencePar(row_.name, "mod"); }

}  // namespace quillomat
