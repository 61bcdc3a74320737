#pragma once
// Deals for the tests (and the card-choice benchmark): the auction's outcome, the opening of
// the play, random deals from the real shuffle and deal with the game's fixed-seed generator,
// and cards laid as the table lays them.
#include "computer/choix.h"
#include "computer/ecart.h"
#include "computer/suivi.h"
#include "game/distribution.h"
#include "game/pli.h"

// The auction's outcome: `preneur` bid `contrat`, everybody else passed.
inline void DonnerContrat(Partie& g, int16_t preneur, int16_t contrat) {
  g.EnchereJoueur.Remplir(EncherePasse);
  g.EnchereJoueur[preneur] = contrat;
  g.Preneur = preneur;
}

// What a new deal resets before the first card, and who leads it.
inline void OuvrirJeu(Partie& g, int16_t entameur) {
  g.EntameurPli = g.JoueurCourant = entameur;
  g.NbCartesPli = g.PlusHautAtoutPli = 0;
  g.NumeroPli = 1;
  g.DemiPointsPreneur = g.DemiPointsDefense = g.BoutsPreneur = g.BoutsDefense = 0;
  for (auto& c : g.PliCourant) c.Couleur = -1;
}

// The next deal (the opening seat moves on), taken by `preneur` with `contrat`; the opening
// seat leads.
inline void DonnerAuHasard(Partie& g, int16_t preneur, int16_t contrat) {
  g.PremierJoueur = JoueurSuivant(g.PremierJoueur);
  DistribuerDonneAcceptee(g);
  DonnerContrat(g, preneur, contrat);
  OuvrirJeu(g, g.PremierJoueur);
}

// The discard for Prise and Garde, which starts the play itself; else the start of play.
inline void CommencerJeu(Partie& g) {
  g.CouleurLonguePreneurCoupee = 0;
  if (ContratPreneur(g) <= EnchereGarde)
    FaireEcartOrdinateur(g);
  else
    PreparerJeuDeLaCarte(g);
}

// The seat to play lays the card of place k, as the table does: recorded, laid, counted; a
// gathered trick is cleared from the table.
inline void JouerPlace(Partie& g, int16_t k) {
  PoserCarte(g, g.JoueurCourant, k);
  CompterCartePli(g);
  if (g.NbCartesPli == 0)
    for (auto& c : g.PliCourant) c.Couleur = -1;
}

// The seat to play lays one of its legal cards drawn at random; returns its place.
inline int16_t JouerAuHasard(Partie& g) {
  DeterminerCartesJouables(g, g.JoueurCourant);
  int16_t places[18];
  int n = 0;
  for (int16_t k = 1; k <= 18; ++k)
    if (g.CarteJouable[g.JoueurCourant][k] == 1) places[n++] = k;
  const int16_t k = places[static_cast<int>(g.Rnd() * n)];
  JouerPlace(g, k);
  return k;
}

// A deal in dealt order, as card numbers: seats 1 to 4 by 18 cards, then the chien's six.
using OrdreDonne = Tab1<int16_t, 78>;

// The deck that deals `d`: packets of three to seats 1 to 4 in turn, then one card to the chien.
inline OrdreDonne JeuQuiDonne(const OrdreDonne& d) {
  OrdreDonne jeu;
  for (int r = 1; r <= 6; ++r) {
    for (int i = 1; i <= 12; ++i) jeu[(r - 1) * 13 + i] = d[(i - 1) / 3 * 18 + (r - 1) * 3 + (i - 1) % 3 + 1];
    jeu[r * 13] = d[72 + r];
  }
  return jeu;
}
