// Where the editor's windows go: the main window on the screen, the document
// windows in the document area, the report beside its script. Sizes are
// chosen so that a script and its report read without resizing anything.
#pragma once

#include <vector>

namespace quillomat {

struct Cadre {
  int x = 0, y = 0, largeur = 0, hauteur = 0;
  int droite() const { return x + largeur; }
  bool operator==(const Cadre&) const = default;
};

// The main window at its first start: most of the screen's free area
// (19/20 of its width, 9/10 of its height), centred.
Cadre fenetrePrincipaleInitiale(Cadre ecran);

// `n` windows cascaded over the document area `zone`, each `pas` lower and
// further right than the one before, all of one size: as large as lets the
// last one fit, but never under two thirds of the zone (the steps then start
// again from the corner).
std::vector<Cadre> cascade(Cadre zone, int n, int pas);

// Where the report window and the window of its script go. The report is
// `largeur` wide, for its lines to read whole (the area's width at most),
// over the area's full height: right of the script when there is room, else
// left of it. Else, when the script window is still where the editor put it
// (`scriptLibre`), the two share the area side by side, the script on the
// left; otherwise, or when the script would keep less than a quarter of the
// area, the report goes over the script at the right of the area, where a
// script's short lines stay in view.
struct PlacesRapport {
  Cadre rapport;
  Cadre script;
};
PlacesRapport placesRapport(Cadre zone, Cadre script, int largeur, bool scriptLibre);

}  // namespace quillomat
