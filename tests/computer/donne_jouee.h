#pragma once
// Whole deals played by four computer seats, headless, from a fixed seed: for the property
// tests of the card choice and for its benchmark.
#include "computer/choix.h"
#include "computer/ecart.h"
#include "computer/suivi.h"
#include "game/partie.h"
#include "game/pli.h"
#include "tests/computer/positions.h"
#include "tests/ouvrir_jeu.h"

namespace donne {

// A shuffled deal, a random taker and contract, the discard when there is one, and the play
// opened by the next opening seat.
inline void NouvelleDonne(Partie& g) {
  g.PremierJoueur = Suivant(g.PremierJoueur);
  positions::DonnerAuHasard(g);
  const auto preneur = static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1);
  const auto contrat = static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1);
  positions::DonnerContrat(g, preneur, contrat);
  OuvrirJeu(g, g.PremierJoueur);
  g.CouleurLonguePreneurCoupee = 0;
  if (contrat <= EnchereGarde)
    FaireEcartOrdinateur(g);  // starts the play itself
  else
    PreparerJeuDeLaCarte(g);
}

// After a card is laid: the count, and the next trick on a clear table.
inline void CompterEtDebarrasser(Partie& g) {
  CompterCartePli(g);
  if (g.NbCartesPli == 0)
    for (auto& c : g.PliCourant) c.Couleur = -1;
}

// Any legal card of the seat to play, drawn uniformly (its legal cards are already written).
inline void JouerCarteAuHasard(Partie& g) {
  const int16_t j = g.JoueurCourant;
  int16_t places[18];
  int n = 0;
  for (int16_t k = 1; k <= 18; ++k)
    if (g.CarteJouable[j][k] == 1) places[n++] = k;
  PoserCarte(g, j, places[static_cast<int>(g.Rnd() * n)]);
  CompterEtDebarrasser(g);
}

}  // namespace donne
