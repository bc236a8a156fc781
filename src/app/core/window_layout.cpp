#include "app/core/window_layout.hpp"

#include <algorithm>

namespace quillomat {

Cadre fenetrePrincipaleInitiale(Cadre ecran) {
  const int largeur = ecran.largeur * 19 / 20, hauteur = ecran.hauteur * 9 / 10;
  return {ecran.x + (ecran.largeur - largeur) / 2, ecran.y + (ecran.hauteur - hauteur) / 2, largeur, hauteur};
}

std::vector<Cadre> cascade(Cadre zone, int n, int pas) {
  std::vector<Cadre> cadres;
  if (n <= 0) return cadres;
  pas = std::max(pas, 1);
  // Steps that keep every window at two thirds of the zone at least.
  const int marges = std::min(zone.largeur, zone.hauteur) / 3;
  const int etages = std::clamp(n, 1, marges / pas + 1);
  const int largeur = zone.largeur - (etages - 1) * pas, hauteur = zone.hauteur - (etages - 1) * pas;
  for (int k = 0; k < n; ++k) {
    const int decalage = (k % etages) * pas;
    cadres.push_back({zone.x + decalage, zone.y + decalage, largeur, hauteur});
  }
  return cadres;
}

PlacesRapport placesRapport(Cadre zone, Cadre script, int largeur, bool scriptLibre) {
  largeur = std::clamp(largeur, 1, std::max(zone.largeur, 1));
  const auto rapportEn = [&](int x) { return Cadre{x, zone.y, largeur, zone.hauteur}; };
  if (zone.droite() - script.droite() >= largeur) return {rapportEn(script.droite()), script};
  if (script.x - zone.x >= largeur) return {rapportEn(script.x - largeur), script};
  const int reste = zone.largeur - largeur;
  if (scriptLibre && reste >= zone.largeur / 4) {
    return {rapportEn(zone.x + reste), {zone.x, zone.y, reste, zone.hauteur}};
  }
  return {rapportEn(zone.droite() - largeur), script};
}

}  // namespace quillomat
