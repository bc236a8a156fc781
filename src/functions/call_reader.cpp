#include "functions/call_reader.hpp"

#include "pipeline/ascii.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {

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
    erreur(" : erreur dans la syntaxe de l'appelant de la fonction ", nom(), ". Rajoutez des guillemets.");
    return false;
  }
  if (l.texte.empty()) {
    erreur(" : impossible de détecter l'appelant !");
    return false;
  }
  if (l.guillemets == 3) {
    erreur(" : erreur dans la syntaxe de l'appelant de la fonction ", nom(), " : trop de guillemets.");
    return false;
  }
  if (l.guillemets == 2 && t_.at(point_ - 1) != '"') {
    erreur(" : erreur dans la syntaxe de l'appelant de la fonction ", nom(),
           " : le guillemet final n'est pas avant l'opérateur '.'.");
    return false;
  }
  appelant_ = l.texte;
  triInfo(ctx_.wf, IdentifierRecord{kind, appelant_});
  return true;
}

bool Call::finSansParametre(bool peutAvoirAppelant) {
  if (resteBlanc(pos_)) return true;
  if (peutAvoirAppelant)
    erreur(" : erreur, la fonction ", nom(), " peut prendre un appelant, mais pas de paramètre appelé !");
  else
    erreur(" : erreur, la fonction ", nom(), " ne prend pas de paramètre appelé !");
  return false;
}

bool Call::lireId(int kind, std::string_view vide) {
  const Mot m = lireMot(t_, pos_);
  pos_ = m.fin;
  if (m.texte.empty()) {
    erreur(vide);
    return false;
  }
  if (m.guillemets == 3) {
    erreur(" : erreur dans la syntaxe de l'appelé de la fonction ", nom(), " : trop de guillemets.");
    return false;
  }
  id_ = m.texte;
  triInfo(ctx_.wf, IdentifierRecord{kind, id_});
  return true;
}

bool Call::rienApres(std::string_view apres, std::string_view valeur) {
  if (resteBlanc(pos_)) return true;
  erreur(" : erreur, la fonction ", nom(), " ne doit contenir aucun paramètre après ", apres, guillemets(valeur),
         " !");
  return false;
}

bool Call::lireShort() {
  if (t_.at(pos_) == ',') ++pos_;
  if (t_.at(pos_) != ' ') {
    erreur(" : pas d'espace après l'ID ", guillemets(id_), " !");
    return false;
  }
  ++pos_;
  if (resteBlanc(pos_)) {
    erreur(" : impossible de détecter la valeur de type Short !");
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
    erreur(" : erreur dans la valeur de type Short. Attention, ", nom(), " ne prend pas de variables en entrée !");
    return false;
  }
  return true;
}

bool Call::lireDernierNombre(bool decimales, bool negatif) {
  if (resteBlanc(pos_)) {
    erreur(" : impossible de détecter le dernier paramètre de la fonction ", nom());
    return false;
  }
  const size_t debut = pos_;
  while (pos_ < t_.size() && !estBlanc(t_.at(pos_))) ++pos_;
  if (!estNombre(t_.src().substr(debut, pos_ - debut), decimales, negatif || nomMod())) {
    erreur(" : erreur dans le dernier paramètre. Attention, ", nom(), " ne prend pas de variables en entrée !");
    return false;
  }
  valeur_ = std::string(t_.src().substr(debut, pos_ - debut));
  return true;
}

bool Call::resteBlanc(size_t from) const { return from >= t_.size() || toutBlanc(t_.src().substr(from)); }

bool Call::nomMod() const { return commencePar(row_.name, "mod"); }

}  // namespace quillomat
