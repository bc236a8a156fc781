#include "pipeline/findings.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat {

std::string intToText(long long value) {
  if (value <= 0) return "0";  // only non-negative values are ever written
  std::string digits;
  while (value > 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
    value /= 10;
  }
  return digits;
}

void ajouterConstat(WorkFiles& wf, int lineIndex, std::string_view text, const Fiche& fiche) {
  text = jusquAuNul(text);
  if (text.size() > kTexteMax) text = text.substr(0, kTexteMax);
  wf.findings.push_back(FindingRecord{lineIndex, std::string(text), fiche.nature, fiche.code});
}

}  // namespace quillomat
