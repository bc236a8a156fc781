// Collects the edits of a formatting aid and keeps the user's selection on
// the same text while they are made.
#pragma once

#include <string>
#include <utility>

#include "app/core/text_edits.hpp"

namespace quillomat {

class ListeRetouches {
 public:
  explicit ListeRetouches(Selection selection) { retouches_.selection = selection; }

  // Replaces `supprimes` characters at `position` of the text as the edits so far left it.
  void modifier(int position, int supprimes, std::string inseres) {
    const int ecart = static_cast<int>(inseres.size()) - supprimes;
    suivre(retouches_.selection.debut, position, supprimes, ecart);
    suivre(retouches_.selection.fin, position, supprimes, ecart);
    retouches_.modifications.push_back({position, supprimes, std::move(inseres)});
    decalage_ += ecart;
  }

  // Characters inserted less characters deleted so far: where a position of
  // the original text now is, for edits made in text order.
  int decalage() const { return decalage_; }

  Retouches resultat() && { return std::move(retouches_); }

 private:
  // An end after the edit moves with the text; an end inside deleted text
  // goes to where it was; an end at an insertion point moves after it.
  static void suivre(int& fin, int position, int supprimes, int ecart) {
    if (fin >= position + supprimes)
      fin += ecart;
    else if (fin > position)
      fin = position;
  }

  Retouches retouches_;
  int decalage_ = 0;
};

}  // namespace quillomat
