#pragma once
// A whole deal played with random legal cards, each card recorded in the order it was laid.
#include <vector>

#include "support/donnes.h"

struct CartePosee {
  int16_t pli, siege;
  Carte carte;
};

inline std::vector<CartePosee> JouerDonneAuHasard(Partie& g, int16_t preneur, int16_t contrat) {
  DonnerAuHasard(g, preneur, contrat);
  CommencerJeu(g);
  std::vector<CartePosee> posees;
  while (g.NumeroPli <= 18) {
    const int16_t pli = g.NumeroPli;
    const int16_t siege = g.JoueurCourant;
    const int16_t k = JouerAuHasard(g);
    posees.push_back({pli, siege, g.MainsJoueurs[siege][k]});
  }
  return posees;
}
