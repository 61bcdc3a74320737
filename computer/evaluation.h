#pragma once
// Hand evaluation: the weight of each card, the trump score, the hand score, and the bid a
// hand supports. One evaluation serves the computer seats' bids, the advice shown to the
// user and the deal's checks; the level of play does not change it.
#include <cstdint>

#include "game/partie.h"

// Weight of one card, 1..12.
int16_t PoidsCarte(const Carte& carte);

// Weights of the seat's suit-0 cards (the Excuse included) plus a bonus for their number.
int16_t EvaluerAtouts(const Partie& g, int16_t siege);

// The trump score plus the weights of the plain cards.
int16_t EvaluerMain(const Partie& g, int16_t siege);

// The bid 0..4 that the seat's 18 cards support. Draws one number per suit-0 card, so two
// calls on a hand holding trump 11 or 12 may answer differently.
int16_t CalculerEnchereConseillee(Partie& g, int16_t siege);
