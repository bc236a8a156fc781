#include "app/core/utf8_detection.hpp"

#include "pipeline/utf8.hpp"

namespace quillomat {

bool estUtf8NonAscii(std::string_view octets) {
  bool nonAscii = false;
  for (size_t i = 0; i < octets.size();) {
    const PointUtf8 c = lirePointUtf8(octets.substr(i));
    if (!c.valide) return false;
    nonAscii = nonAscii || c.point >= 0x80;
    i += c.longueur;
  }
  return nonAscii;
}

}  // namespace quillomat
