#pragma once
// The computer players' bookkeeping of a deal: where each card is, the counts by seat and
// suit, the markers the strategy rules read, and the history of the tricks.
#include <cstdint>

#include "game/partie.h"

// Start of play, once per deal, when the hands (and the discard) are final.
void PreparerJeuDeLaCarte(Partie& g);
// A card of `joueur` from hand place `place`, recorded while it is still in the hand and
// before the trick state takes it.
void EnregistrerCarteJouee(Partie& g, int16_t joueur, int16_t place);
void TrouverDetenteurPetit(Partie& g);
void TrouverDetenteurExcuse(Partie& g);

// Random start suit s0 = CInt(Rnd * 3) + 1; the four suits are s0, s0+1, s0+2, s0+3 (5 -> 1).
// The card choice, the long suits and the computer discard all draw it.
int16_t TirerCouleurDepart(Partie& g);
inline int16_t CouleurApres(int16_t s0, int i) { return static_cast<int16_t>((s0 - 1 + i) % 4 + 1); }
