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
