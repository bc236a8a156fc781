// Reading one call of a script function, shared by every signature checker:
// which form the call has (bare, with separator, with caller), the caller,
// the ID parameters, Short values and numbers, and the fixed messages about
// them. A checker runs these steps in its own order and stops at the first
// fault it reports (every step returns false once it has reported).
#pragma once

#include <string>
#include <string_view>

#include "functions/catalogue.hpp"
#include "functions/shared_messages.hpp"
#include "pipeline/findings.hpp"

namespace quillomat {

// A word read like an ID: double quotes are counted and not kept; a blank or
// a ',' outside quotes ends it; at most 49 characters are kept; reading stops
// after a third quote.
struct Mot {
  std::string texte;  // as written in the script
  int guillemets = 0;
  size_t fin = 0;  // position where reading stopped
};
Mot lireMot(const Text& t, size_t from);

// A number: a leading '-' when `negatif`, digits, at most one '.' when
// `decimales`, and at least one digit.
bool estNombre(std::string_view s, bool decimales, bool negatif);

// The caller text before the '.', read by the caller rule.
struct LectureAppelant {
  std::string texte;
  int guillemets = 0;
  bool blancHorsGuillemets = false;  // a blank met before any double quote
  size_t arret = 0;                  // position where reading stopped
};
LectureAppelant lireTexteAppelant(const Text& t, size_t from, size_t point);

// The message for an ID that is not there: a fixed one, or one that names the
// function.
struct IdAbsent {
  IdAbsent(const Libelle<0>& l) : fixe(&l) {}
  IdAbsent(const Libelle<1>& l) : avecNom(&l) {}
  const Libelle<0>* fixe = nullptr;
  const Libelle<1>* avecNom = nullptr;
};

class Call {
 public:
  Call(Context& ctx, const Text& t, const Row& row) : ctx_(ctx), t_(t), row_(row) {}

  // The bare name at the first non-blank position, or '.' + name after it
  // (the last occurrence) when a caller is allowed. Sets pos() after the name.
  bool detecterSeul(bool appelantPermis);
  // The name followed by " " or ", ", or '.' + the same (last occurrence) when
  // a caller is allowed. Sets pos() after the separator.
  bool detecterAvecSeparateur(bool appelantPermis);
  bool avecAppelant() const { return point_ != npos; }

  // Reads the caller (form with caller only; true without one), reports its
  // faults and records it with `kind`.
  bool lireAppelant(int kind);
  const std::string& appelant() const { return appelant_; }
  // Where the caller reading stopped (the '.' for a sound caller).
  size_t arretAppelant() const { return arretAppelant_; }

  // After a function without parameters only blanks may follow.
  bool finSansParametre(bool peutAvoirAppelant);

  // Reads an ID at pos(), reports an empty one (with `vide`) or one with too
  // many quotes, records it with `kind` and moves pos() to its end.
  bool lireId(int kind, IdAbsent vide = kAppeleIntrouvable);
  void signalerAbsent(IdAbsent vide);
  const std::string& id() const { return id_; }

  // Every further character must be blank, otherwise " : erreur, la fonction
  // NAME ne doit contenir aucun paramètre après " + apres + "\"valeur\" !"
  // (`apres` names the parameter: "l'ID ", "le sexe "...).
  bool rienApres(std::string_view apres, std::string_view valeur);
  bool rienApresId() { return rienApres("l'ID ", id_); }

  // Short value after an ID: optional ',', exactly one space, digits ('-'
  // first for a name beginning with "mod"). Moves pos() to the end of the value.
  bool lireShort();

  // Numeric last parameter at pos(): digits, one '.' when `decimales`, a
  // leading '-' when `negatif` or for a "mod" name. Moves pos() after it and
  // keeps the value read in valeur().
  bool lireDernierNombre(bool decimales, bool negatif);
  const std::string& valeur() const { return valeur_; }

  // True when only blanks stand from `from` to the end of the text.
  bool resteBlanc(size_t from) const;
  // True when the catalogue name begins with "mod".
  bool nomMod() const;

  // Reports the message on the line of the call.
  template <size_t N, typename... Morceaux>
  void signaler(const Libelle<N>& libelle, const Morceaux&... m) {
    signalerLigne(ctx_.wf, ctx_.line, libelle, m...);
  }

  Context& ctx() const { return ctx_; }
  const Text& text() const { return t_; }
  const Row& row() const { return row_; }
  std::string_view nom() const { return row_.name; }
  size_t pos() const { return pos_; }
  void setPos(size_t p) { pos_ = p; }
  size_t point() const { return point_; }

  static constexpr size_t npos = std::string_view::npos;

 private:
  // Last '.' + name + suffix at or after the first non-blank position.
  size_t dernierPoint(std::string_view suffixe) const;

  Context& ctx_;
  const Text& t_;
  const Row& row_;
  size_t pos_ = 0;
  size_t point_ = npos;  // position of the '.' of the form with caller
  std::string appelant_;
  size_t arretAppelant_ = 0;
  std::string id_;
  std::string valeur_;
};

// Case-insensitive: does the text hold `name` (any case) at pos?
bool nomEn(const Text& t, size_t pos, std::string_view name);

}  // namespace quillomat
