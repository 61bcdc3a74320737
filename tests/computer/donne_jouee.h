#pragma once
// Whole deals played by four computer seats, headless, from a fixed seed: for the property
// tests of the card choice and for its benchmark.
#include "computer/choix.h"
#include "computer/ecart.h"
#include "computer/suivi.h"
#include "game/partie.h"
#include "game/pli.h"

namespace donne {

// Shuffles the 78 cards with the game's generator and deals 18 to each seat and 6 to the chien.
inline void Distribuer(Partie& g) {
  Tab1<int16_t, 78> paquet;
  for (int16_t n = 1; n <= 78; ++n) paquet[n] = n;
  for (int16_t i = 78; i >= 2; --i) {
    const int16_t j = static_cast<int16_t>(static_cast<int>(g.Rnd() * i) + 1);
    std::swap(paquet[i], paquet[j]);
  }
  int16_t n = 1;
  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k) {
      g.MainsJoueurs[p][k] = CarteDeNumero(paquet[n++]);
      g.MainsJoueurs[p][k].EnMain = 1;
    }
  for (int16_t k = 1; k <= 6; ++k) g.Chien[k] = CarteDeNumero(paquet[n++]);
  TrierChien(g);
  TrierMains(g);
}

// A random taker and contract; Prise and Garde go through the computer discard when the
// taker has six cards he may put aside, otherwise the deal is played as a Garde sans.
inline void OuvrirJeu(Partie& g) {
  g.Preneur = static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1);
  int16_t enchere = static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1);
  int ecartables = 0;
  auto compter = [&](const Carte& c) { ecartables += c.EstCouleur() && c.Valeur != 14; };
  for (const Carte& c : g.MainsJoueurs[g.Preneur]) compter(c);
  for (const Carte& c : g.Chien) compter(c);
  if (enchere <= EnchereGarde && ecartables < 6) enchere = EnchereGardeSans;
  g.EnchereJoueur.Remplir(EncherePasse);
  g.EnchereJoueur[g.Preneur] = enchere;

  g.NumeroPli = 1;
  g.EntameurPli = g.JoueurCourant = g.PremierJoueur;
  g.NbCartesPli = 0;
  g.PlusHautAtoutPli = 0;
  for (auto& c : g.PliCourant) c.Couleur = -1;
  g.DemiPointsPreneur = g.DemiPointsDefense = 0;
  g.BoutsPreneur = g.BoutsDefense = 0;
  g.CouleurLonguePreneurCoupee = 0;
  if (enchere <= EnchereGarde)
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

inline void NouvelleDonne(Partie& g) {
  g.PremierJoueur = Suivant(g.PremierJoueur);
  Distribuer(g);
  OuvrirJeu(g);
}

}  // namespace donne
