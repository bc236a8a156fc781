// A last parameter that is an expression (SetPos x 10, ModDisposition player
// -5): one token handed to the value recogniser.
#pragma once

#include "functions/call_reader.hpp"

namespace quillomat::expression {

// At pos(), right after the previous parameter: an optional ',', exactly one
// space, then one token (up to a space or tab outside double quotes) that
// `reconnaitreValeur` must accept. A leading '-' is refused unless
// `moinsPermis`. Messages: " : impossible de détecter le dernier paramètre de
// la fonction NAME" (no space or no token) and " : erreur dans le dernier
// paramètre de la fonction NAME" (value refused). On success pos() stands
// right after the token.
bool lireExpressionFinale(Call& c, bool moinsPermis);

}  // namespace quillomat::expression
