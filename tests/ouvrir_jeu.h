#pragma once
// What a new deal resets before the first card, for tests that play whole deals by hand.
#include "game/partie.h"

inline void OuvrirJeu(Partie& g, int16_t entameur) {
  g.EntameurPli = g.JoueurCourant = entameur;
  g.NbCartesPli = g.PlusHautAtoutPli = 0;
  g.NumeroPli = 1;
  g.DemiPointsPreneur = g.DemiPointsDefense = g.BoutsPreneur = g.BoutsDefense = 0;
  for (auto& c : g.PliCourant) c.Couleur = -1;
}
