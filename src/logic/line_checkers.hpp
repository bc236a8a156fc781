// Checkers of the constructs that are not plain function calls: assignments,
// tests, Begin lines and their block names, logical expressions, Message and
// the functions that take a text. The line checkers have the signature of a
// catalogue checker: 1 when the line is theirs (handled), 0 otherwise.
#pragma once

#include <string_view>

#include "functions/catalogue.hpp"

namespace quillomat {

// set ... to ...
int synDetectSet(Context&, const Text&, const Row&);
// A Begin line.
int synDetectBegin(Context&, const Text&, const Row&);
// A test line; the row's name is the keyword, "If" or "ElseIf".
int synDetectTEST(Context&, const Text&, const Row&);
int synDetectMessage(Context&, const Text&, const Row&);
int synDetectEssentialDeathReload(Context&, const Text&, const Row&);
int synDetectSetActorFullName(Context&, const Text&, const Row&);
int synDetectSetCellFullName(Context&, const Text&, const Row&);
int synDetectPlaceAtMe(Context&, const Text&, const Row&);

// The logical expression of an If or ElseIf line (contexte: "If" or "ElseIf").
void MainLogique(Context& ctx, std::string_view contexte, std::string_view expression);
// What follows Begin; uses ctx.scriptKind.
void MainLogiqueBegin(Context& ctx, std::string_view expression);
// One block name of a Begin line; uses ctx.scriptKind.
void synDetectCommande(Context& ctx, std::string_view piece);

}  // namespace quillomat
