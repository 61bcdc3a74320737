#pragma once
// Checks every seat's picture of the cards and every counter of the bookkeeping against where
// the cards really are. A picture may know less than the truth, never something false.
#include <gtest/gtest.h>

#include <string>

#include "game/partie.h"

inline ::testing::AssertionResult MemoireJuste(const Partie& g) {
  // Where each card is, by card number: seat holding it, 0 in the chien, -1 played.
  Tab1<int16_t, 78> lieu{}, place{};
  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& c = g.MainsJoueurs[p][k];
      lieu[NumeroCarte(c)] = c.EnMain == 1 ? p : int16_t{-1};
      place[NumeroCarte(c)] = k;
    }
  for (const Carte& c : g.Chien) lieu[NumeroCarte(c)] = 0;

  std::string err;  // a stream would cost more than the checks
  auto faux = [&](const char* quoi, int a = 0, int b = 0, int c = 0) {
    err += std::string(quoi) + " (" + std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c) + "); ";
  };
  const bool chienVu = g.EnchereJoueur[g.Preneur] <= EnchereGarde;  // the taker saw his discard

  // Held trumps and plain cards by seat (index 0: the chien), fallen trumps.
  Tab<int16_t, 0, 4> atouts{};
  Tab<Tab1<int16_t, 4>, 0, 4> couleurs{};
  int16_t tombes = 0;
  for (int16_t n = 1; n <= 78; ++n) {
    const Carte c = CarteDeNumero(n);
    tombes += lieu[n] == -1 && c.EstAtout();
    if (lieu[n] != -1 && c.EstAtout()) ++atouts[lieu[n]];
    if (lieu[n] != -1 && c.EstCouleur()) ++couleurs[lieu[n]][c.Couleur];
  }

  for (int16_t o = 1; o <= 4; ++o) {
    const bool voitChien = chienVu && o == g.Preneur;
    if (g.ChienConnu[o] != (voitChien ? 1 : 0)) faux("ChienConnu", o);
    for (int16_t n = 1; n <= 78; ++n) {
      const Carte c = CarteDeNumero(n);
      const int16_t code =
          c.EstCouleur() ? g.ConnuDetenteurCouleur[o][c.Couleur][c.Valeur] : g.ConnuDetenteurAtout[o][c.Valeur];
      const int16_t s = lieu[n];
      if (s == -1 && code != ConnuJouee) faux("played card not coded 10", o, n, code);
      if (code >= 1 && code <= 4 && s != code) faux("wrong holder", o, n, code);
      if (code == ConnuChien && !(voitChien && s == 0)) faux("code 5 outside the known discard", o, n);
      if (code == ConnuNonPlace && (s == -1 || s == o)) faux("card left unplaced", o, n, s);
      if (s == 0 && voitChien && code != ConnuChien) faux("discard not coded 5", o, n, code);
      if (c.EstCouleur() && s >= 1 && g.PossibleDetenteurCouleur[o][s][c.Couleur][c.Valeur] == 0)
        faux("excluded seat holds the card", o, s, n);
    }
    // Unknown cards: held by another seat, or in a chien the observer has not seen.
    int16_t atoutsAutres = voitChien ? 0 : atouts[0];
    for (int16_t q = 1; q <= 4; ++q) {
      atoutsAutres += q != o ? atouts[q] : 0;
      if (g.SansAtout[o][q] == 1 && atouts[q] != 0) faux("trumpless seat holds a trump", o, q);
      for (int16_t s = 1; s <= 4; ++s)
        if (g.CoupesConnues[o][q][s] == 1 && couleurs[q][s] != 0) faux("void seat holds the suit", o, q, s);
    }
    if (g.NbAtoutsInconnus[o] != atoutsAutres) faux("NbAtoutsInconnus", o, g.NbAtoutsInconnus[o], atoutsAutres);
    for (int16_t s = 1; s <= 4; ++s) {
      int16_t autres = voitChien ? 0 : couleurs[0][s];
      for (int16_t q = 1; q <= 4; ++q) autres += q != o ? couleurs[q][s] : 0;
      if (g.NbCartesCouleurInconnues[o][s] != autres) faux("NbCartesCouleurInconnues", o, s, autres);
      if (g.NbDehorsCouleur[o][s] != autres + (voitChien ? couleurs[0][s] : 0)) faux("NbDehorsCouleur", o, s);
    }
  }

  int16_t dehors = atouts[0];
  for (int16_t p = 1; p <= 4; ++p) {
    if (g.NbAtouts[p] != atouts[p]) faux("NbAtouts", p, g.NbAtouts[p], atouts[p]);
    dehors += p != g.JoueurHumain ? atouts[p] : 0;
    for (int16_t s = 1; s <= 4; ++s)
      if (g.NbCartesCouleur[p][s] != couleurs[p][s]) faux("NbCartesCouleur", p, s, g.NbCartesCouleur[p][s]);
  }
  if (g.AtoutsDehors != dehors) faux("AtoutsDehors", g.AtoutsDehors, dehors);
  if (g.NbAtoutsTombes != tombes) faux("NbAtoutsTombes", g.NbAtoutsTombes, tombes);

  // Holders (-1 once played) and places of the cards.
  for (int16_t n = 1; n <= 78; ++n) {
    const Carte c = CarteDeNumero(n);
    const int16_t s = lieu[n];
    const bool seul = !c.EstCouleur() && c.Valeur <= 1;  // the Excuse and the Petit, never in the chien
    const int16_t d = c.EstCouleur() ? g.DetenteurCarte[c.Couleur][c.Valeur]
                      : seul         ? (c.EstExcuse() ? g.DetenteurExcuse : g.DetenteurPetit)
                                     : g.DetenteurAtout[c.Valeur];
    const int16_t k = c.EstCouleur() ? g.PlaceCarte[c.Couleur][c.Valeur]
                      : seul         ? (c.EstExcuse() ? g.PlaceExcuse : g.PlacePetit)
                                     : g.PlaceAtout[c.Valeur];
    if (d != (seul && s == 0 ? int16_t{-1} : s)) faux("holder", n, d, s);
    if (s >= 1 && k != place[n]) faux("place", n, k, place[n]);
  }

  return err.empty() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << err;
}
