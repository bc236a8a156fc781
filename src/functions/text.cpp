#include "functions/text.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat {

Text::Text(std::string_view source) {
  source = jusquAuNul(source);
  src_ = source.substr(0, std::min(source.size(), kLigneMax));
  low_ = enMinuscules(src_);
  while (debut_ < src_.size() && estEspaceOuTab(src_[debut_])) ++debut_;
  initiales_ = bitInitiale(at(debut_));
  for (size_t i = 0; i < src_.size(); ++i)
    if (src_[i] == '.') {
      points_.push_back(static_cast<uint16_t>(i));
      initiales_ |= bitInitiale(at(i + 1));
    }
}

}  // namespace quillomat
