// Numeric pieces that the dedicated checkers read after their first
// parameter: runs of digits, a Short that starts right after the name's
// separator, an optional Short introduced by one space, a required number,
// and the end of a call that allows nothing more.
#pragma once

#include "functions/call_reader.hpp"

// Kept in their own namespace until they move into the shared call reader.
namespace quillomat::params {

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

}  // namespace quillomat::params
