#pragma once
// The computer taker's discard after a Prise or a Garde.
#include <cstdint>

#include "game/partie.h"

using Cartes24 = Tab1<Carte, 24>;
using Drapeaux24 = Tab1<int16_t, 24>;

// Merges a sorted hand and a sorted chien into 24 cards in the same order; `origine` is 1 for
// a card of the hand, 0 for one of the chien (which comes first between equal cards).
void FusionnerMainEtChien(const Main& main, const Tab1<Carte, 6>& chien, Cartes24& cartes, Drapeaux24& origine);

// Voids a short King-less suit, fills up to six cards from a random point sparing the
// longest suit, rewrites the taker's hand and the chien, then starts the play.
void FaireEcartOrdinateur(Partie& g);
