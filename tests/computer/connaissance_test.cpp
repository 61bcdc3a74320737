#include "computer/connaissance.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "computer/suivi.h"
#include "positions.h"
#include "verification.h"

using namespace positions;

namespace {

// East (2) takes; South (1), North (3) and West (4) defend. North has neither hearts nor
// trumps, West neither spades, hearts nor clubs; South holds the Petit and the Excuse.
// The chien shows hearts 1 and 2, spades 10 and 11, diamonds 13 and 14.
void DonneEst(Partie& g, int16_t contrat) {
  Cartes nord, ouest, est{Co(14), Co(13), Co(12), P(14), P(13), T(14), T(13)};
  for (int16_t v = 1; v <= 9; ++v) {
    nord.push_back(P(v));
    nord.push_back(T(v));
    ouest.push_back(Ca(v));
    ouest.push_back(A(static_cast<int16_t>(v + 1)));
  }
  for (int16_t v = 11; v <= 21; ++v) est.push_back(A(v));
  Donner(g, {{2, est}, {3, nord}, {4, ouest}}, {Co(1), Co(2), P(10), P(11), Ca(13), Ca(14)});
  DonnerContrat(g, 2, contrat);
  if (contrat <= EnchereGarde) {
    // East keeps hearts 2 and diamonds 14 and lays hearts 1, spades 13, 11, 10, clubs 13,
    // diamonds 13 aside.
    Cartes garde{Co(14), Co(13), Co(12), Co(2), P(14), T(14), Ca(14)};
    for (int16_t v = 11; v <= 21; ++v) garde.push_back(A(v));
    std::sort(garde.begin(), garde.end(), AvantDansLeTri);
    for (int16_t k = 1; k <= 18; ++k) g.MainsJoueurs[2][k] = garde[static_cast<size_t>(k - 1)];
    const Cartes ecart{Co(1), P(13), P(11), P(10), T(13), Ca(13)};
    for (int16_t j = 1; j <= 6; ++j) g.Chien[j] = ecart[static_cast<size_t>(j - 1)];
  }
  PreparerJeuDeLaCarte(g);
}

// Hearts led by South, taken by East's Knight; North discards, West trumps.
void PremierPli(Partie& g) {
  Poser(g, 1, Co(3), 0);
  Poser(g, 2, Co(12), -1);
  Poser(g, 3, P(1), 4);
  Poser(g, 4, A(2), 1);
}

int16_t Coeur(const Partie& g, int16_t o, int16_t v) { return g.ConnuDetenteurCouleur[o][CouleurCoeur][v]; }

}  // namespace

TEST(Connaissance, StartOfPlayUnderPrise) {
  Partie g(Aleatoire(3));
  DonneEst(g, EncherePrise);
  EXPECT_TRUE(MemoireJuste(g));

  // The taker alone knows his discard; no defender codes anything 5.
  EXPECT_EQ(g.ChienConnu[2], 1);
  for (int16_t o : {1, 3, 4}) EXPECT_EQ(g.ChienConnu[o], 0);
  EXPECT_EQ(Coeur(g, 2, 1), ConnuChien);
  EXPECT_EQ(g.ConnuDetenteurCouleur[2][CouleurTrefle][13], ConnuChien);
  EXPECT_EQ(Coeur(g, 2, 2), 2);
  for (int16_t o : {1, 3, 4}) {
    EXPECT_EQ(Coeur(g, o, 1), ConnuNonPlace);
    for (int16_t s = 1; s <= 4; ++s)
      for (int16_t v = 1; v <= 14; ++v) EXPECT_NE(g.ConnuDetenteurCouleur[o][s][v], ConnuChien);
  }

  // The shown chien is out of every defender's reach in a defender's picture, not in the
  // taker's; hearts 2 is then possible only for East, yet no defender places it there.
  for (int16_t d : {1, 3, 4})
    for (int16_t e : {1, 3, 4}) {
      EXPECT_EQ(g.PossibleDetenteurCouleur[d][e][CouleurCoeur][2], 0);
      EXPECT_EQ(g.PossibleDetenteurCouleur[d][e][CouleurCarreau][13], 0);
    }
  EXPECT_EQ(g.PossibleDetenteurCouleur[1][2][CouleurCoeur][2], -1);
  EXPECT_EQ(g.PossibleDetenteurCouleur[2][1][CouleurCoeur][5], -1);
  EXPECT_EQ(Coeur(g, 3, 2), ConnuNonPlace);

  // East: hearts 14, 13, 12, 2 his own and hearts 1 aside leave 9 hearts unknown; his 11
  // trumps leave 10 (the Excuse never counts). West's 9 trumps leave 12.
  EXPECT_EQ(g.NbCartesCouleurInconnues[2][CouleurCoeur], 9);
  EXPECT_EQ(g.NbAtoutsInconnus[2], 10);
  EXPECT_EQ(g.NbAtoutsInconnus[4], 12);
  EXPECT_EQ(g.NbCartesCouleurInconnues[4][CouleurCoeur], 14);
  // Own voids from the start.
  EXPECT_EQ(g.CoupesConnues[3][3][CouleurCoeur], 1);
  EXPECT_EQ(g.CoupesConnues[2][3][CouleurCoeur], 0);
  EXPECT_EQ(g.SansAtout[3][3], 1);
  EXPECT_EQ(g.SansAtout[1][3], 0);
}

TEST(Connaissance, VoidsOfTwoDefendersPlaceTheSuitWithTheThirdForTheTakerOnly) {
  Partie g(Aleatoire(3));
  DonneEst(g, EnchereGarde);
  PremierPli(g);
  EXPECT_TRUE(MemoireJuste(g));

  for (int16_t o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.CoupesConnues[o][3][CouleurCoeur], 1);
    EXPECT_EQ(g.CoupesConnues[o][4][CouleurCoeur], 1);
    EXPECT_EQ(g.CoupesConnues[o][1][CouleurCoeur], 0);
    EXPECT_EQ(g.SansAtout[o][3], 1);  // discarded on a plain lead: no trump either
    EXPECT_EQ(g.SansAtout[o][4], 0);
    // Played cards are coded 10 in every picture, the player's own included.
    EXPECT_EQ(Coeur(g, o, 3), ConnuJouee);
    EXPECT_EQ(Coeur(g, o, 12), ConnuJouee);
    EXPECT_EQ(g.ConnuDetenteurAtout[o][2], ConnuJouee);
    for (int16_t q = 1; q <= 4; ++q) EXPECT_EQ(g.PossibleDetenteurCouleur[o][q][CouleurPique][1], 0);
  }
  // Hearts 4..11 can only be South's in the taker's picture; no defender deduces them.
  for (int16_t v = 4; v <= 11; ++v) {
    EXPECT_EQ(Coeur(g, 2, v), 1) << v;
    EXPECT_EQ(Coeur(g, 3, v), ConnuNonPlace) << v;
    EXPECT_EQ(Coeur(g, 4, v), ConnuNonPlace) << v;
  }
  EXPECT_EQ(Coeur(g, 2, 1), ConnuChien);
  EXPECT_EQ(g.NbCartesCouleurInconnues[2][CouleurCoeur], 8);  // a placed holder is still unknown
  EXPECT_EQ(g.NbCartesCouleurInconnues[3][CouleurCoeur], 12);
}

TEST(Connaissance, WithoutADiscardNobodyKnowsTheChien) {
  for (int16_t contrat : {EnchereGardeSans, EnchereGardeContre}) {
    Partie g(Aleatoire(3));
    DonneEst(g, contrat);
    PremierPli(g);
    EXPECT_TRUE(MemoireJuste(g));
    for (int16_t o = 1; o <= 4; ++o) {
      EXPECT_EQ(g.ChienConnu[o], 0);
      for (int16_t s = 1; s <= 4; ++s)
        for (int16_t v = 1; v <= 14; ++v) EXPECT_NE(g.ConnuDetenteurCouleur[o][s][v], ConnuChien);
      for (int16_t t = 0; t <= 21; ++t) EXPECT_NE(g.ConnuDetenteurAtout[o][t], ConnuChien);
    }
    // Two voids in hearts, yet hearts 1 and 2 may lie in the chien: nothing is deduced.
    for (int16_t v = 1; v <= 11; ++v)
      if (v != 3) {
        EXPECT_EQ(Coeur(g, 2, v), ConnuNonPlace) << v;
      }
    EXPECT_EQ(g.NbCartesCouleurInconnues[2][CouleurCoeur], 10);
  }
}

TEST(Connaissance, OnlyTrumpingOrDiscardingOnAPlainLeadRevealsAVoid) {
  Partie g(Aleatoire(3));
  DonneEst(g, EncherePrise);
  PremierPli(g);
  // South plays his last spade: he alone learns his void at once.
  Poser(g, 2, P(14), 0);
  Poser(g, 3, P(2), -1);
  Poser(g, 4, A(5), 1);
  Poser(g, 1, P(12), -1);
  EXPECT_EQ(g.CoupesConnues[1][1][CouleurPique], 1);
  EXPECT_EQ(g.CoupesConnues[2][1][CouleurPique], 0);
  EXPECT_EQ(g.CoupesConnues[2][4][CouleurPique], 1);

  // Spades again: South cannot beat West's 8 and must lay his Petit (class 3); East
  // overtrumps (class 2). Neither is marked void for the others.
  Poser(g, 3, P(3), 0);
  Poser(g, 4, A(8), 1);
  Poser(g, 1, A(1), 3);
  Poser(g, 2, A(11), 2);
  EXPECT_TRUE(MemoireJuste(g));
  for (int16_t o : {2, 3, 4}) EXPECT_EQ(g.CoupesConnues[o][1][CouleurPique], 0);
  for (int16_t o : {2, 4}) EXPECT_EQ(g.PossibleDetenteurCouleur[o][1][CouleurPique][4], -1);
  for (int16_t o : {1, 3, 4}) EXPECT_EQ(g.CoupesConnues[o][2][CouleurPique], 0);
  // South's last trump is gone while he still holds the Excuse: he learns it, nobody else.
  EXPECT_EQ(g.SansAtout[1][1], 1);
  for (int16_t o : {2, 3, 4}) EXPECT_EQ(g.SansAtout[o][1], 0);

  // The Excuse: coded played everywhere, no trump count moves.
  Partie avant = g;
  Poser(g, 1, Exc(), 0);
  EXPECT_TRUE(MemoireJuste(g));
  for (int16_t o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.ConnuDetenteurAtout[o][0], ConnuJouee);
    EXPECT_EQ(g.NbAtoutsInconnus[o], avant.NbAtoutsInconnus[o]);
  }
}
