#pragma once
// Small readings of the position shared by the defence and taker rules.
#include <cstdint>

#include "computer/choix.h"

// The card that opened the current trick.
inline const Carte& CarteEntamee(const Partie& g) { return g.PliCourant[g.EntameurPli]; }

inline bool DefenseurEntame(const Partie& g, const ContexteChoix& c) {
  return c.joueur != g.Preneur && c.PositionDansPli == 1;
}

// Avoids the plain card (s, v). Only a candidate can be cleared, so the card table tells at
// once whether there is anything to do: the cascade reaches these rules for every card.
inline void EviterCarte(Partie& g, int16_t joueur, int16_t s, int16_t v) {
  if (g.DetenteurCarte[s][v] == joueur && EstCandidat(g, joueur, g.PlaceCarte[s][v]))
    ExclureCarteSiAutreChoix(g, joueur, s, v);
}

// Avoids, in hand order, every candidate that fails `garder`; the helper keeps the last one.
template <class Critere>
void ExclureSauf(Partie& g, int16_t joueur, Critere garder) {
  for (int16_t k = 1; k <= 18; ++k) {
    const Carte carte = g.MainsJoueurs[joueur][k];
    if (EstCandidat(g, joueur, k) && !garder(carte)) ExclureCarteSiAutreChoix(g, joueur, carte.Couleur, carte.Valeur);
  }
}

// Picks the lowest candidate trump above the Petit, when there is one.
inline void PrendrePlusPetitAtout(Partie& g, ContexteChoix& c) {
  int16_t place = -1;
  ChercherPlusPetitAtout(g, c.joueur, place);
  if (place != -1) Prendre(g, c, place);
}
