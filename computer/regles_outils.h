#pragma once
// Small readings of the position shared by the defence and taker rules.
#include <cstdint>

#include "computer/choix.h"

// The card that opened the current trick.
inline const Carte& CarteEntamee(const Partie& g) { return g.PliCourant[g.EntameurPli]; }

inline bool DefenseurEntame(const Partie& g, const ContexteChoix& c) {
  return c.joueur != g.Preneur && c.PositionDansPli == 1;
}

// Avoids, in hand order, every held card that fails `garder`; the helper keeps the last candidate.
template <class Critere>
void ExclureSauf(Partie& g, int16_t joueur, Critere garder) {
  for (int16_t k = 1; k <= 18; ++k) {
    const Carte carte = g.MainsJoueurs[joueur][k];
    if (carte.EnMain == 1 && !garder(carte))
      ExclureCarteSiAutreChoix(g, joueur, carte.Couleur, carte.Valeur);
  }
}

// Picks the lowest candidate trump above the Petit, when there is one.
inline void PrendrePlusPetitAtout(Partie& g, ContexteChoix& c) {
  int16_t place = -1;
  ChercherPlusPetitAtout(g, c.joueur, place);
  if (place != -1) Prendre(g, c, place);
}
