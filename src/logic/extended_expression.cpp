// Expressions of the later syntax, read by one precedence loop over the
// operator table. The first fault ends the reading: one finding per
// expression, naming what is wrong.
#include "logic/extended_expression.hpp"

#include <algorithm>
#include <array>

#include "logic/extended_syntax.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kParentheseOuverte{"QM601", " : erreur dans l'expression : une parenthèse '(' n'a pas été refermée.",
                                        "Une parenthèse ouverte dans l'expression n'a pas de ')' qui la ferme."};
constexpr Libelle<0> kCrochetOuvert{"QM602", " : erreur dans l'expression : un crochet '[' n'a pas été refermé.",
                                    "L'indice d'un tableau est ouvert par '[' sans ']' qui le ferme."};
constexpr Libelle<1> kOperateurSansOperande{"QM603",
                                            " : erreur dans l'expression : l'opérateur '{OP}' n'a pas d'opérande.",
                                            "Une valeur manque d'un côté de cet opérateur."};
constexpr Libelle<1> kEnTrop{"QM604", " : erreur dans l'expression : '{TEXTE}' est en trop.",
                             "L'expression est complète avant ce texte : un opérateur manque, ou il est de trop."};
constexpr Libelle<0> kExpressionAbsente{"QM605", " : erreur, l'expression manque.",
                                        "Le mot-clé attend une expression, et rien ne le suit."};
constexpr Libelle<1> kPasUneValeur{"QM606", " : erreur dans l'expression : '{TEXTE}' n'est pas une valeur.",
                                   "Ce texte n'est ni un nombre, ni un texte entre guillemets, ni une variable, ni "
                                   "une fonction, ni un opérateur de l'expression."};
constexpr Libelle<1> kAppelNonReconnu{"QM607",
                                      " : erreur dans l'expression : l'appel de {FONCTION} n'est pas reconnu.",
                                      "La fonction est connue, mais ce qui la suit n'est pas une forme de son appel."};
constexpr Libelle<0> kTropImbriquee{"QM608", " : erreur, l'expression est imbriquée trop profondément.",
                                    "L'expression ouvre plus de 100 parenthèses, crochets ou opérateurs les uns dans "
                                    "les autres."};
constexpr Libelle<0> kCallSansNom{"QM609", " : erreur, 'call' doit être suivi du nom d'une fonction !",
                                  "Le mot call n'est pas suivi du nom du script de fonction à appeler."};

constexpr const Fiche* kLibelles[] = {&kParentheseOuverte, &kCrochetOuvert, &kOperateurSansOperande,
                                      &kEnTrop,            &kExpressionAbsente, &kPasUneValeur,
                                      &kAppelNonReconnu,   &kTropImbriquee, &kCallSansNom};

// Binary operators, loosest first: the level drives the precedence loop.
struct Binaire {
  std::string_view op;
  int niveau;
};
constexpr Binaire kBinaires[] = {
    {"||", 1}, {"&&", 2}, {":", 3},  {"==", 4}, {"!=", 4}, {">", 5},  {"<", 5},  {">=", 5}, {"<=", 5}, {"|", 6},
    {"&", 7},  {"<<", 8}, {">>", 8}, {"+", 9},  {"-", 9},  {"*", 10}, {"/", 10}, {"%", 10}, {"^", 11}, {"::", 12},
};
constexpr std::string_view kPrefixes[] = {"-", "!", "$", "#", "*", "&"};
// Every operator the reader knows, two-character ones first so they win.
constexpr std::string_view kOperateurs[] = {"||", "&&", "==", "!=", ">=", "<=", "<<", ">>", "->", "::", "+", "-",
                                            "*",  "/",  "%",  "^",  "|",  "&",  "<",  ">",  ":",  "!",  "$",  "#"};
constexpr int kProfondeurMax = 100;

int niveauBinaire(std::string_view op) {
  for (const Binaire& b : kBinaires)
    if (b.op == op) return b.niveau;
  return -1;
}

bool estPrefixe(std::string_view op) {
  return std::find(std::begin(kPrefixes), std::end(kPrefixes), op) != std::end(kPrefixes);
}

bool debutNom(char c) { return estLettre(c) || c == '_'; }
bool suiteNom(char c) { return estLettre(c) || estChiffre(c) || c == '_'; }

enum class Genre { Fin, Nombre, Chaine, Nom, Operateur, ParO, ParF, CroO, CroF, Virgule, Autre };

struct Jeton {
  Genre genre = Genre::Fin;
  size_t debut = 0, fin = 0;
};

class Lecteur {
 public:
  Lecteur(Context& ctx, std::string_view s) : ctx_(ctx), s_(s) {}

  bool faute() const { return faute_; }
  size_t pos() const { return p_; }

  Jeton voir() const { return lire(p_); }
  std::string_view texte(const Jeton& j) const { return s_.substr(j.debut, j.fin - j.debut); }

  int toutLire() {
    if (voir().genre == Genre::Fin) return echec(kExpressionAbsente);
    const int r = expression(1);
    if (!faute_) finAttendue();
    return faute_ ? 0 : r;
  }

  int arguments(std::vector<std::string_view>* args) {
    const EnArgument enArgument(*this, true);
    int n = 0;
    for (;;) {
      Jeton j = voir();
      if (j.genre == Genre::Fin) break;
      if (j.genre == Genre::Virgule && n > 0) {
        p_ = j.fin;
        j = voir();
      }
      const size_t debut = j.debut;
      if (expression(1) == 0) return -1;
      if (args) args->push_back(s_.substr(debut, p_ - debut));
      ++n;
    }
    return n;
  }

  int cible(std::string& nom, std::string& objet) {
    const Jeton j = voir();
    if (j.genre != Genre::Nom) return 0;
    const std::string_view mot = texte(j);
    const size_t point = mot.find('.');
    nom = std::string(point == std::string_view::npos ? mot : mot.substr(point + 1));
    objet = point == std::string_view::npos ? std::string() : std::string(mot.substr(0, point));
    p_ = j.fin;
    suffixes();
    return faute_ ? -1 : static_cast<int>(p_);
  }

 private:
  template <size_t N, typename... M>
  int echec(const Libelle<N>& l, const M&... m) {
    if (!faute_) signalerLigne(ctx_.wf, ctx_.line, l, m...);
    faute_ = true;
    return 0;
  }

  void finAttendue() {
    const Jeton j = voir();
    if (j.genre == Genre::Autre)
      echec(kPasUneValeur, extrait(j));
    else if (j.genre != Genre::Fin)
      echec(kEnTrop, extrait(j));
  }

  // The token as a message quotes it: at most 40 characters.
  std::string extrait(const Jeton& j) const {
    return std::string(texte(j).substr(0, 40));
  }

  Jeton lire(size_t p) const {
    while (p < s_.size() && estBlanc(s_[p])) ++p;
    Jeton j{Genre::Fin, p, p};
    if (p >= s_.size()) return j;
    const char c = s_[p];
    size_t q = p + 1;
    auto at = [&](size_t i) { return i < s_.size() ? s_[i] : '\0'; };
    if (estChiffre(c) || (c == '.' && estChiffre(at(p + 1)))) {
      while (estChiffre(at(q))) ++q;
      if (c != '.' && at(q) == '.') ++q;
      while (estChiffre(at(q))) ++q;
      j.genre = Genre::Nombre;
    } else if (c == '"') {
      while (q < s_.size() && s_[q] != '"') ++q;
      if (q >= s_.size()) {
        j.fin = p + 1;
        j.genre = Genre::Autre;
        return j;
      }
      ++q;
      j.genre = Genre::Chaine;
    } else if (debutNom(c)) {
      while (suiteNom(at(q))) ++q;
      if (at(q) == '.' && debutNom(at(q + 1))) {
        q += 2;
        while (suiteNom(at(q))) ++q;
      }
      j.genre = Genre::Nom;
    } else if (c == '(' || c == ')' || c == '[' || c == ']' || c == ',') {
      j.genre = c == '(' ? Genre::ParO : c == ')' ? Genre::ParF : c == '[' ? Genre::CroO : c == ']' ? Genre::CroF
                                                                                                  : Genre::Virgule;
    } else {
      j.genre = Genre::Autre;
      for (std::string_view op : kOperateurs)
        if (s_.substr(p, op.size()) == op) {
          j.genre = Genre::Operateur;
          q = p + op.size();
          break;
        }
    }
    j.fin = q;
    return j;
  }

  // Can the token at p begin an operand written after a blank (an argument)?
  bool operandeSuit(size_t p) const {
    if (p >= s_.size() || !estBlanc(s_[p])) return false;
    const Jeton j = lire(p);
    switch (j.genre) {
      case Genre::Nombre: case Genre::Chaine: case Genre::Nom: case Genre::ParO: return true;
      case Genre::Operateur: {
        const std::string_view op = texte(j);
        return op == "!" || op == "$" || op == "#";
      }
      default: return false;
    }
  }

  // Whether a name is read among the arguments of a call, for its lifetime.
  struct EnArgument {
    Lecteur& l;
    bool avant;
    EnArgument(Lecteur& lecteur, bool oui) : l(lecteur), avant(lecteur.enArgument_) { l.enArgument_ = oui; }
    ~EnArgument() { l.enArgument_ = avant; }
    EnArgument(const EnArgument&) = delete;
    EnArgument& operator=(const EnArgument&) = delete;
  };

  // One level deeper; false (reported) past the limit.
  struct Niveau {
    Lecteur& l;
    explicit Niveau(Lecteur& lecteur) : l(lecteur) { ++l.profondeur_; }
    ~Niveau() { --l.profondeur_; }
  };

  int expression(int niveau) {
    Niveau n(*this);
    if (profondeur_ > kProfondeurMax) return echec(kTropImbriquee);
    int r = unaire();
    for (;;) {
      if (faute_) return 0;
      const Jeton t = voir();
      if (t.genre != Genre::Operateur) break;
      const int nv = niveauBinaire(texte(t));
      if (nv < niveau) break;
      p_ = t.fin;
      if (!operandePeutSuivre()) return echec(kOperateurSansOperande, texte(t));
      if (expression(nv + 1) == 0) return 0;
      r = 1;
    }
    return r;
  }

  // After an operator: something that can begin an operand.
  bool operandePeutSuivre() const {
    const Jeton u = voir();
    switch (u.genre) {
      case Genre::Fin: case Genre::ParF: case Genre::CroF: case Genre::Virgule: return false;
      case Genre::Operateur: return estPrefixe(texte(u));
      default: return true;
    }
  }

  int unaire() {
    Niveau n(*this);
    if (profondeur_ > kProfondeurMax) return echec(kTropImbriquee);
    const Jeton t = voir();
    if (t.genre == Genre::Operateur) {
      if (!estPrefixe(texte(t))) return echec(kOperateurSansOperande, texte(t));
      p_ = t.fin;
      if (!operandePeutSuivre()) return echec(kOperateurSansOperande, texte(t));
      return unaire() == 0 ? 0 : 1;
    }
    const int r = primaire();
    if (faute_) return 0;
    const size_t avant = p_;
    suffixes();
    if (faute_) return 0;
    return p_ == avant ? r : 1;
  }

  // [EXPRESSION] and ->key after an operand, any number of them.
  void suffixes() {
    for (;;) {
      const Jeton t = voir();
      if (t.genre == Genre::CroO) {
        const EnArgument horsArgument(*this, false);
        p_ = t.fin;
        if (voir().genre == Genre::Fin) {
          echec(kCrochetOuvert);
          return;
        }
        if (expression(1) == 0) return;
        const Jeton f = voir();
        if (f.genre != Genre::CroF) {
          if (f.genre == Genre::Fin)
            echec(kCrochetOuvert);
          else
            echec(kEnTrop, extrait(f));
          return;
        }
        p_ = f.fin;
      } else if (t.genre == Genre::Operateur && texte(t) == "->") {
        p_ = t.fin;
        const Jeton cle = voir();
        if (cle.genre != Genre::Nom && cle.genre != Genre::Chaine && cle.genre != Genre::Nombre) {
          echec(kOperateurSansOperande, "->");
          return;
        }
        p_ = cle.fin;
      } else {
        return;
      }
    }
  }

  int primaire() {
    const Jeton t = voir();
    switch (t.genre) {
      case Genre::Nombre:
      case Genre::Chaine:
        p_ = t.fin;
        return 1;
      case Genre::ParO: {
        const EnArgument horsArgument(*this, false);  // a call in parentheses is written on purpose
        p_ = t.fin;
        if (voir().genre == Genre::Fin) return echec(kParentheseOuverte);
        const int r = expression(1);
        if (faute_) return 0;
        const Jeton f = voir();
        if (f.genre == Genre::Fin) return echec(kParentheseOuverte);
        if (f.genre != Genre::ParF) return echec(kEnTrop, extrait(f));
        p_ = f.fin;
        return r;
      }
      case Genre::Nom: return nomOuAppel(t);
      case Genre::Fin: return echec(kExpressionAbsente);
      case Genre::ParF: case Genre::CroF: case Genre::Virgule: return echec(kEnTrop, texte(t));
      default: return echec(kPasUneValeur, texte(t));
    }
  }

  int nomOuAppel(const Jeton& j) {
    const std::string_view mot = texte(j);
    const size_t point = mot.find('.');
    const bool pointe = point != std::string_view::npos;
    const std::string_view fonction = pointe ? mot.substr(point + 1) : mot;
    if (!pointe && (mot.size() == 4 && commencePar(mot, "call"))) return appelUtilisateur(j);
    const bool variable = !pointe && estVariableDeclaree(ctx_, mot);
    if (!variable && estFonctionConnue(ctx_, fonction, false)) return appelConnu(j, fonction);
    p_ = j.fin;
    // Among the arguments of a call, a name followed by another argument is an
    // object (an editor ID, a function script), not a call of an unknown function.
    if (!variable && !enArgument_ && operandeSuit(p_)) {
      signalerFonctionInconnue(ctx_, fonction);
      return argumentsLibres();
    }
    if (pointe) {
      const std::string objet(mot.substr(0, point)), var(fonction);
      triInfo(ctx_.wf, IdentifierRecord{19, objet});
      triInfo(ctx_.wf, IdentifierRecord{29, var});
      triInfoExterne(ctx_.wf, AttachmentRecord{var, objet});
    } else {
      triInfo(ctx_.wf, IdentifierRecord{9, std::string(mot)});
    }
    return 1;
  }

  // Operands written after a call whose signature is not known.
  int argumentsLibres() {
    const EnArgument enArgument(*this, true);
    while (operandeSuit(p_))
      if (unaire() == 0) return 0;
    return 1;
  }

  int appelUtilisateur(const Jeton& j) {
    p_ = j.fin;
    const Jeton nom = voir();
    if (nom.genre != Genre::Nom || texte(nom).find('.') != std::string_view::npos) return echec(kCallSansNom);
    p_ = nom.fin;
    triInfo(ctx_.wf, IdentifierRecord{kKindScript, std::string(texte(nom))});
    return argumentsLibres();
  }

  // A function of a catalogue: the text from its name (or its caller) up to
  // the first operator or closing bracket outside brackets goes to the
  // catalogue rows, which read the call as they read it anywhere. A pair
  // (::) binds tighter than any call: it is an argument.
  int appelConnu(const Jeton& j, std::string_view fonction) {
    size_t q = j.fin;
    int profondeur = 0;
    for (;;) {
      const Jeton t = lire(q);
      if (t.genre == Genre::Fin) {
        q = t.debut;
        break;
      }
      if (t.genre == Genre::ParO || t.genre == Genre::CroO) ++profondeur;
      if ((t.genre == Genre::ParF || t.genre == Genre::CroF) && profondeur-- == 0) break;
      if (profondeur == 0 && t.genre == Genre::Operateur) {
        const std::string_view op = texte(t);
        const bool signe = op == "-" && t.debut > 0 && estBlanc(s_[t.debut - 1]) && t.fin < s_.size() &&
                           estChiffre(s_[t.fin]);
        if (!signe && op != "::" && (niveauBinaire(op) > 0 || op == "->")) break;
      }
      q = t.fin;
    }
    if (lire(q).genre != Genre::Fin) q = lire(q).debut;
    const int r = reconnaitreFonction(ctx_, s_.substr(j.debut, q - j.debut));
    if (r == 0) return echec(kAppelNonReconnu, fonction);
    p_ = q;
    return r;
  }

  Context& ctx_;
  std::string_view s_;
  size_t p_ = 0;
  int profondeur_ = 0;
  bool faute_ = false;
  bool enArgument_ = false;
};

}  // namespace

Libelles libellesExtendedExpression() { return kLibelles; }

bool estVariableDeclaree(const Context& ctx, std::string_view nom) {
  if (!ctx.wf.disponible(WorkFile::Identifiers)) return false;
  for (size_t i : ctx.wf.identifiers.avecNom(enMinuscules(nom))) {
    const int k = ctx.wf.identifiers.records()[i].kind;
    if ((k >= 0 && k <= 4) || k == kKindTableau || k == kKindChaine) return true;
  }
  return false;
}

int verifierExpressionEtendue(Context& ctx, std::string_view texte) {
  Lecteur l(ctx, jusquAuNul(texte));
  return l.toutLire();
}

int lireArgumentsEtendus(Context& ctx, std::string_view texte, std::vector<std::string_view>* args) {
  Lecteur l(ctx, jusquAuNul(texte));
  return l.arguments(args);
}

int lireCibleEtendue(Context& ctx, std::string_view texte, std::string& nom, std::string& objet) {
  Lecteur l(ctx, jusquAuNul(texte));
  return l.cible(nom, objet);
}

}  // namespace quillomat
