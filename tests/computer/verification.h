#pragma once
// Checks every picture and every counter of the bookkeeping against where the cards really
// are. A picture may know less than the truth, never something false.
#include <gtest/gtest.h>

#include <string>

#include "game/partie.h"

namespace positions {

// Where each card really is, by card number.
struct Lieux {
  Tab1<int16_t, 78> siege{};   // seat holding it, 0 in the chien, -1 played
  Tab1<int16_t, 78> place{};   // hand place while held
  Tab1<int16_t, 78> joueur{};  // seat whose hand it came from (0 the chien)
};

inline Lieux Situer(const Partie& g) {
  Lieux l;
  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& c = g.MainsJoueurs[p][k];
      const int16_t n = NumeroCarte(c);
      l.siege[n] = c.EnMain == 1 ? p : int16_t{-1};
      l.place[n] = k;
      l.joueur[n] = p;
    }
  for (const Carte& c : g.Chien) l.siege[NumeroCarte(c)] = 0;
  return l;
}

inline ::testing::AssertionResult MemoireJuste(const Partie& g) {
  const Lieux l = Situer(g);
  std::string err;  // a stream would cost more than the checks
  auto faux = [&](const char* quoi, int a = 0, int b = 0, int c = 0, int d = 0) {
    err += std::string(quoi) + " (" + std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c) + ", " +
           std::to_string(d) + "); ";
  };
  const bool chienVu = g.EnchereJoueur[g.Preneur] <= EnchereGarde;

  // Held cards by seat, in trumps and by suit; trumps in the chien.
  Tab1<int16_t, 4> atouts{};
  Tab1<Tab1<int16_t, 4>, 4> couleurs{};
  int16_t atoutsChien = 0, tombes = 0;
  Tab1<int16_t, 4> couleursChien{};
  for (int16_t n = 1; n <= 78; ++n) {
    const Carte c = CarteDeNumero(n);
    const int16_t s = l.siege[n];
    if (c.EstAtout()) {
      if (s >= 1) ++atouts[s];
      if (s == 0) ++atoutsChien;
      if (s == -1) ++tombes;
    } else if (c.EstCouleur()) {
      if (s >= 1) ++couleurs[s][c.Couleur];
      if (s == 0) ++couleursChien[c.Couleur];
    }
  }

  for (int16_t o = 1; o <= 4; ++o) {
    const bool voitChien = chienVu && o == g.Preneur;
    if (g.ChienConnu[o] != (voitChien ? 1 : 0)) faux("ChienConnu", o);
    for (int16_t n = 1; n <= 78; ++n) {
      const Carte c = CarteDeNumero(n);
      const int16_t code = c.EstCouleur() ? g.ConnuDetenteurCouleur[o][c.Couleur][c.Valeur]
                                          : g.ConnuDetenteurAtout[o][c.Valeur];
      const int16_t s = l.siege[n];
      if (s == -1 && code != ConnuJouee) faux("played card not coded 10", o, n, code);
      if (code >= 1 && code <= 4 && s != code) faux("wrong holder", o, n, code, s);
      if (code == ConnuChien && !(voitChien && s == 0)) faux("code 5 outside the known discard", o, n);
      if (code == ConnuNonPlace && (s == -1 || s == o)) faux("card left unplaced", o, n, s);
      if (s == 0 && voitChien && code != ConnuChien) faux("discard not coded 5", o, n, code);
      if (c.EstCouleur() && s >= 1 && g.PossibleDetenteurCouleur[o][s][c.Couleur][c.Valeur] == 0)
        faux("excluded seat holds the card", o, s, n);
    }
    for (int16_t q = 1; q <= 4; ++q) {
      for (int16_t s = 1; s <= 4; ++s)
        if (g.CoupesConnues[o][q][s] == 1 && couleurs[q][s] != 0) faux("void seat holds the suit", o, q, s);
      if (g.SansAtout[o][q] == 1 && atouts[q] != 0) faux("trumpless seat holds a trump", o, q);
    }
    // Unknown cards: held by another seat, or in a chien the observer has not seen.
    for (int16_t s = 1; s <= 4; ++s) {
      int16_t autres = voitChien ? 0 : couleursChien[s];
      for (int16_t q = 1; q <= 4; ++q)
        if (q != o) autres += couleurs[q][s];
      if (g.NbCartesCouleurInconnues[o][s] != autres) faux("NbCartesCouleurInconnues", o, s, g.NbCartesCouleurInconnues[o][s], autres);
      if (g.NbDehorsCouleur[o][s] != static_cast<int16_t>(autres + (voitChien ? couleursChien[s] : 0)))
        faux("NbDehorsCouleur", o, s, g.NbDehorsCouleur[o][s]);
    }
    int16_t atoutsAutres = voitChien ? 0 : atoutsChien;
    for (int16_t q = 1; q <= 4; ++q)
      if (q != o) atoutsAutres += atouts[q];
    if (g.NbAtoutsInconnus[o] != atoutsAutres) faux("NbAtoutsInconnus", o, g.NbAtoutsInconnus[o], atoutsAutres);
  }

  int16_t dehors = atoutsChien;
  for (int16_t p = 1; p <= 4; ++p) {
    if (g.NbAtouts[p] != atouts[p]) faux("NbAtouts", p, g.NbAtouts[p], atouts[p]);
    if (p != g.JoueurHumain) dehors += atouts[p];
    for (int16_t s = 1; s <= 4; ++s)
      if (g.NbCartesCouleur[p][s] != couleurs[p][s]) faux("NbCartesCouleur", p, s, g.NbCartesCouleur[p][s]);
  }
  if (g.AtoutsDehors != dehors) faux("AtoutsDehors", g.AtoutsDehors, dehors);
  if (g.NbAtoutsTombes != tombes) faux("NbAtoutsTombes", g.NbAtoutsTombes, tombes);

  // Holders and places.
  for (int16_t n = 1; n <= 78; ++n) {
    const Carte c = CarteDeNumero(n);
    const int16_t s = l.siege[n];
    if (c.EstCouleur() || c.Valeur >= 2) {
      const int16_t d = c.EstCouleur() ? g.DetenteurCarte[c.Couleur][c.Valeur] : g.DetenteurAtout[c.Valeur];
      const int16_t k = c.EstCouleur() ? g.PlaceCarte[c.Couleur][c.Valeur] : g.PlaceAtout[c.Valeur];
      if (d != s) faux("holder", n, d, s);
      if (s >= 1 && k != l.place[n]) faux("place", n, k, l.place[n]);
    } else {
      const int16_t d = c.EstExcuse() ? g.DetenteurExcuse : g.DetenteurPetit;
      const int16_t k = c.EstExcuse() ? g.PlaceExcuse : g.PlacePetit;
      if (d != (s >= 1 ? s : int16_t{-1})) faux("holder of Petit or Excuse", n, d, s);
      if (s >= 1 && k != l.place[n]) faux("place of Petit or Excuse", n, k, l.place[n]);
    }
  }

  if (err.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << err;
}

}  // namespace positions
