#pragma once
// Deals played with random legal cards, for the card-choice benchmark (bench/bench_choix.cpp).
#include "tests/support/donnes.h"

namespace donne {

// A random deal, taker and contract, the discard when there is one, and the play opened.
inline void NouvelleDonne(Partie& g) {
  const auto preneur = static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1);
  DonnerAuHasard(g, preneur, static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1));
  CommencerJeu(g);
}

inline void JouerCarteAuHasard(Partie& g) { JouerAuHasard(g); }

}  // namespace donne
