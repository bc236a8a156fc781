// The parameter readers that several signature checkers share beyond the
// caller and the ID: numbers and Shorts, an ID after an earlier parameter,
// an actor statistic, an axis and an expression parameter.
#pragma once

#include <cstddef>
#include <string>

#include "functions/call_reader.hpp"

namespace quillomat {

// Numeric pieces that the dedicated checkers read after their first
// parameter: runs of digits, a Short that starts right after the name's
// separator, an optional Short introduced by one space, a required number,
// and the end of a call that allows nothing more.

// Position of the first non-digit at or after `from` (or the end of the text).
size_t finChiffres(const Text& t, size_t from);

// True when p is the end of the text or a blank: where a value ends.
bool finDeValeur(const Text& t, size_t p);

// A number from `from` up to a blank or the end: a leading '-' when
// `negatif`, digits, at most one '.' when `decimales`, at least one digit.
// On success `fin` is where it ends.
bool nombreValide(const Text& t, size_t from, size_t& fin, bool decimales, bool negatif);

// A Short standing right at pos() (just after the name's separator): the Short
// messages of the shared reader, '-' first only for a "mod" name.
bool lireShortDirect(Call& c);

enum class Lu { Faute, Absent, Present };

// An optional Short at pos(). Absent when only blanks remain. Otherwise one
// space, then digits ending at a blank or the end. When `virgule`, a ',' at
// pos() (right after a word) is skipped and calls for the parameter.
// Messages: " : impossible de détecter le paramètre optionnel de NAME !" and
// " : erreur dans le paramètre optionnel. Attention, NAME ne prend pas de
// variables en entrée !".
Lu lireShortOptionnel(Call& c, bool virgule);

// A required number at pos(): a blank or the end there gives " : impossible
// de détecter le dernier paramètre de la fonction NAME"; the rest is the
// shared last-number rule.
bool lireNombreRequis(Call& c, bool decimales, bool negatif);

// Only blanks may follow pos(); otherwise " : erreur, la fonction NAME
// contient trop de paramètres !".
bool sansTropDeParametres(Call& c);

// Pieces of a parameter list that several checkers read the same way: a
// number written as one token.

// A numeric parameter: the characters from `debut` up to the next blank or the
// end of the text. One ',' at its very end is the separator of ", " and not
// part of the value. A number is a leading '-' (only when allowed), digits and
// at most one '.' (only when decimals are allowed), with at least one digit.
struct Nombre {
  size_t fin = 0;        // the blank (or the end) that ends the token
  bool vide = true;      // a blank or the end stands right at `debut`
  bool virgule = false;  // the token ends with ','
  bool valide = false;
};
Nombre lireNombre(const Text& t, size_t debut, bool decimales, bool negatif);

// The number of blank-separated words from p to the end of the text.
size_t compterMots(const Text& t, size_t p);

// The axis parameter of GetPos, SetPos and the like: one word, x, y or z.

// Reads the axis at pos(), read like an ID; it must be exactly x, y or z in any
// letter case. Messages: " : impossible de détecter l'axe !" and " : erreur
// dans la syntaxe de l'axe de la fonction NAME". On success `axe` holds the
// word as written and pos() stands right after it.
bool lireAxe(Call& c, std::string& axe);

// A last parameter that is an expression (SetPos x 10, ModDisposition player
// -5): one token handed to the value recogniser.

// At pos(), right after the previous parameter: an optional ',', exactly one
// space, then one token (up to a space or tab outside double quotes) that
// `reconnaitreValeur` must accept. A leading '-' is refused unless
// `moinsPermis`. Messages: " : impossible de détecter le dernier paramètre de
// la fonction NAME" (no space or no token) and " : erreur dans le dernier
// paramètre de la fonction NAME" (value refused). On success pos() stands
// right after the token.
bool lireExpressionFinale(Call& c, bool moinsPermis);

// An ID after an earlier parameter: an optional ',' right after it, then
// exactly one space, then the ID. A missing space (",Owner", a tab, the end of
// the text) leaves the ID undetected, reported with `vide` as an empty ID is.
bool lireIdSuivant(Call& c, int kind, IdAbsent vide);

// The second of two IDs: lireIdSuivant with " : impossible de détecter le
// second appelé !".
bool lireSecondId(Call& c, int kind);

// An actor statistic at pos(), read like an ID and judged by the vocabulary:
// " : impossible de détecter la statistique !", the "trop de guillemets."
// message and the "n'est pas une statistique valide !" message. On success
// `stat` holds it as written and pos() stands right after it.
bool lireStatistique(Call& c, std::string& stat);

// End of an expression parameter: the first space or tab outside double quotes.
size_t finJeton(const Text& t, size_t from);
// The same for an argument of the later syntax, whose parentheses and
// brackets may hold blanks: the first blank outside quotes and outside them
// (the end of the line when one is left open).
size_t finArgumentEtendu(const Text& t, size_t from);

}  // namespace quillomat
