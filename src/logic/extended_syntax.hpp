// The lines of the script extender's later syntax, as statement catalogue
// rows: let, if eval, the loops, user functions and call; and the alert for
// a function that no catalogue knows.
#pragma once

#include <string_view>

#include "functions/catalogue.hpp"

namespace quillomat {

// Kind under which the function script named by call is recorded.
inline constexpr int kKindScript = 96;

int synDetectLet(Context&, const Text&, const Row&);
// if eval / elseif eval; the row's name is the keyword.
int synDetectEval(Context&, const Text&, const Row&);
// while EXPRESSION, SetFunctionValue EXPRESSION, call NAME ARGS: the row's
// name is the keyword, the rest one expression.
int synDetectMotExpression(Context&, const Text&, const Row&);
int synDetectForeach(Context&, const Text&, const Row&);
int synDetectBeginFunction(Context&, const Text&, const Row&);

// "fonction inconnue : NOM ...", once per name and script; nothing outside
// the later syntax.
void signalerFonctionInconnue(Context& ctx, std::string_view nom);

// A line that no row recognised and that reads as a call of an unknown
// function (NAME or ref.NAME, then blanks or arguments): alerts once per
// name and returns true.
bool commandeInconnue(Context& ctx, const Text& ligne);

}  // namespace quillomat
