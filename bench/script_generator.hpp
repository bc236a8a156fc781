// Scripts for the benchmarks, built without randomness so that every run
// and every machine checks the same bytes.
#pragma once

#include <string>

namespace quillomat::bench {

// A script of exactly `lignes` lines (at least 40) that mixes every kind of
// line the checker knows: header and declarations, Begin blocks of several
// kinds, if/elseif/else/endif, set ... to, Message and MessageBox, calls of
// every family of functions with and without callers, comments, quotes, and
// faulty lines. About two lines in five give a finding, and every block
// brings new object names.
std::string scriptStress(int lignes);

// An ordinary quest script of 300 lines with a handful of faults.
std::string scriptTypique();

}  // namespace quillomat::bench
