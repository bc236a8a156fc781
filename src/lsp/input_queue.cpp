#include "lsp/input_queue.hpp"

#include <vector>

#include "lsp/platform.hpp"

namespace quillomat::lsp {

void FileDEntree::pousser(Trame t) {
  std::unique_lock verrou(mutex_);
  place_.wait(verrou, [&] { return trames_.empty() || octets_ + t.corps.size() <= kOctetsMax; });
  octets_ += t.corps.size();
  trames_.push_back(std::move(t));
  arrivee_.notify_one();
}

void FileDEntree::fermer() {
  std::lock_guard verrou(mutex_);
  fermee_ = true;
  arrivee_.notify_one();
}

std::optional<Trame> FileDEntree::attendre() {
  std::unique_lock verrou(mutex_);
  arrivee_.wait(verrou, [&] { return !trames_.empty() || fermee_; });
  if (trames_.empty()) return std::nullopt;
  Trame t = std::move(trames_.front());
  trames_.pop_front();
  octets_ -= t.corps.size();
  place_.notify_one();
  return t;
}

bool FileDEntree::vide() {
  std::lock_guard verrou(mutex_);
  return trames_.empty();
}

void lireLEntree(FileDEntree& file) {
  std::vector<char> tampon(size_t{1} << 16);
  LecteurTrames lecteur;
  for (;;) {
    const long n = lireEntree(tampon.data(), tampon.size());
    if (n <= 0) break;
    lecteur.ajouter({tampon.data(), static_cast<size_t>(n)});
    while (auto t = lecteur.suivante()) file.pousser(std::move(*t));
  }
  file.fermer();
}

}  // namespace quillomat::lsp
