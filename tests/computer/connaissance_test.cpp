// What each seat learns of where the cards lie, on a deal written out for it. That no picture is
// ever wrong is checked after every trick of random deals (donnes_aleatoires_test.cpp).
#include "computer/connaissance.h"

#include <gtest/gtest.h>

#include <string>

#include "support/cartes.h"

namespace {

// East (2) takes; South (1), North (3) and West (4) defend. North has neither hearts nor
// trumps, West neither spades, hearts nor clubs; South holds the Petit and the Excuse. The
// chien shows hearts 1 and 2, spades 10 and 11, diamonds 13 and 14; East keeps hearts 2 and
// diamonds 14 and lays aside hearts 1, spades 13, 11, 10, clubs 13, diamonds 13.
// South leads hearts, taken by West's trump; North discards.
Partie DonneEst() {
  Partie g{Aleatoire(3)}, ecart{Aleatoire(3)};
  const std::string atouts = " A11 A12 A13 A14 A15 A16 A17 A18 A19 A20 A21";
  Donner(g,
         {{2, Lire("Co14 Co13 Co12 P14 P13 T14 T13" + atouts)},
          {3, Lire("P1 P2 P3 P4 P5 P6 P7 P8 P9 T1 T2 T3 T4 T5 T6 T7 T8 T9")},
          {4, Lire("Ca1 Ca2 Ca3 Ca4 Ca5 Ca6 Ca7 Ca8 Ca9 A2 A3 A4 A5 A6 A7 A8 A9 A10")}},
         Lire("Co1 Co2 P10 P11 Ca13 Ca14"));
  DonnerContrat(g, 2, EncherePrise);
  Donner(ecart, {{2, Lire("Co14 Co13 Co12 Co2 P14 T14 Ca14" + atouts)}}, Lire("Co1 P13 P11 P10 T13 Ca13"));
  g.MainsJoueurs[2] = ecart.MainsJoueurs[2];
  g.Chien = ecart.Chien;
  OuvrirJeu(g, 1);
  PreparerJeuDeLaCarte(g);
  Jouer(g, {Co(3), Co(12), Pi(1), At(2)});
  return g;
}

}  // namespace

TEST(Connaissance, TheTakerPlacesWhatTheDefendersCannot) {
  const Partie g = DonneEst();
  // The shown chien is out of every defender's reach in a defender's picture, not the taker's.
  for (int16_t d : {1, 3, 4})
    for (int16_t e : {1, 3, 4}) EXPECT_EQ(g.PossibleDetenteurCouleur[d][e][CouleurCarreau][13], 0);
  EXPECT_EQ(g.PossibleDetenteurCouleur[1][2][CouleurCoeur][2], -1);

  // North discarded and West trumped on hearts: everybody learns both voids, and North's lack
  // of trumps.
  for (int16_t o = 1; o <= 4; ++o) {
    SCOPED_TRACE("observer " + std::to_string(o));
    EXPECT_EQ(g.CoupesConnues[o][3][CouleurCoeur], 1);
    EXPECT_EQ(g.CoupesConnues[o][4][CouleurCoeur], 1);
    EXPECT_EQ(g.CoupesConnues[o][1][CouleurCoeur], 0);
    EXPECT_EQ(g.SansAtout[o][3], 1);
    EXPECT_EQ(g.SansAtout[o][4], 0);
    for (int16_t q = 1; q <= 4; ++q) EXPECT_EQ(g.PossibleDetenteurCouleur[o][q][CouleurPique][1], 0);
  }
  // Hearts 4..11 can only be South's in the taker's picture; no defender deduces them.
  for (int16_t v = 4; v <= 11; ++v) {
    EXPECT_EQ(g.ConnuDetenteurCouleur[2][CouleurCoeur][v], 1) << "the taker, hearts " << v;
    EXPECT_EQ(g.ConnuDetenteurCouleur[3][CouleurCoeur][v], ConnuNonPlace) << "North, hearts " << v;
  }
}

TEST(Connaissance, OnlyTrumpingOrDiscardingOnAPlainLeadRevealsAVoid) {
  Partie g = DonneEst();
  // South plays his last spade: he alone learns his void at once.
  g.EntameurPli = g.JoueurCourant = 2;  // whoever won the last trick
  Jouer(g, {Pi(14), Pi(2), At(5), Pi(12)});
  EXPECT_EQ(g.CoupesConnues[1][1][CouleurPique], 1);
  EXPECT_EQ(g.CoupesConnues[2][1][CouleurPique], 0);
  EXPECT_EQ(g.CoupesConnues[2][4][CouleurPique], 1);

  // Spades again: South cannot beat West's 8 and must lay his Petit; East overtrumps. Neither
  // is marked void for the others, but South knows he has no trump left.
  g.EntameurPli = g.JoueurCourant = 3;
  Jouer(g, {Pi(3), At(8), At(1), At(11)});
  for (int16_t o : {2, 3, 4}) {
    EXPECT_EQ(g.CoupesConnues[o][1][CouleurPique], 0) << o;
    EXPECT_EQ(g.SansAtout[o][1], 0) << o;
  }
  for (int16_t o : {2, 4}) EXPECT_EQ(g.PossibleDetenteurCouleur[o][1][CouleurPique][4], -1);
  EXPECT_EQ(g.CoupesConnues[1][2][CouleurPique], 0);
  EXPECT_EQ(g.SansAtout[1][1], 1);
}
