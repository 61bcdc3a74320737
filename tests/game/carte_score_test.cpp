// The card numbers, parity, sorting, the rounding and ends of the score of a deal and the ranking of
// the seats. Card values: the counts of random deals (tests/computer/donnes_aleatoires_test.cpp);
// the random generator and its rounding: distribution_test.cpp, through the shuffle; the worked
// score sheet: tests/table/form_score_detaille_test.cpp.
#include <gtest/gtest.h>

#include <utility>

#include "game/score.h"
#include "support/cartes.h"

namespace {

TEST(Cartes, NumbersAndParity) {
  TableDesCartes t;
  CreerJeuCartes(t);
  // Card numbers: (suit - 1) * 14 + value, then 57 + value for suit 0.
  const std::pair<int16_t, const char*> numeros[] = {{1, "P1"}, {43, "Ca1"}, {57, "Exc"}, {78, "A21"}};
  for (const auto& [n, nom] : numeros) EXPECT_EQ(Nom(t[n]), nom) << n;
  for (int16_t n = 1; n <= 78; ++n) EXPECT_EQ(NumeroCarte(t[n]), n);
  // 1 or 0; the remainder keeps the sign.
  EXPECT_EQ(EstImpair(-3), 0);
  EXPECT_EQ(EstPair(-4), 1);
}

TEST(Cartes, SortingHandsAndChien) {
  Partie g{Aleatoire(1)};
  // The Excuse as seat 1's only suit-0 card goes before the King of Pique; EnMain stays with its place.
  const Cartes m1 = Lire("Co3 P14 Exc Ca1 P2 T12 Co14 Ca13 T1 P5 Co4 T6 Ca7 P9 Co10 T11 Ca2 P1");
  for (int j = 1; j <= 18; ++j) g.MainsJoueurs[1][j] = m1[j - 1u];
  g.MainsJoueurs[1][4].EnMain = 0;
  const Cartes chien = Lire("T2 A5 P13 Exc T14 A20");
  for (int j = 1; j <= 6; ++j) g.Chien[j] = chien[j - 1u];
  struct Compteur : Affichage {
    int n = 0;
    void DisposerMainJoueur() override { ++n; }
  } ecran;  // hands shown
  g.ecran = &ecran;
  TrierChien(g);
  TrierMains(g);
  EXPECT_EQ(ecran.n, 1);
  EXPECT_EQ(g.MainsJoueurs[1][4].EnMain, 0);
  EXPECT_EQ(Noms(g.MainsJoueurs[1]), "Exc P14 P9 P5 P2 P1 Co14 Co10 Co4 Co3 T12 T11 T6 T1 Ca13 Ca7 Ca2 Ca1");
  EXPECT_EQ(Noms(g.Chien), "A20 A5 Exc P13 T14 T2");
  EXPECT_EQ(Noms(g.ChienMontre), "A20 A5 Exc P13 T14 T2");
}

// A finished deal as the score reads it.
Partie Donne(int16_t contrat, int16_t demiPoints, int16_t pointsAFaire, int16_t petitAuBout = 0, int16_t poignee = 0) {
  Partie g{Aleatoire(1)};
  DonnerContrat(g, 3, contrat);
  g.DemiPointsPreneur = demiPoints;
  g.DemiPointsDefense = static_cast<int16_t>(182 - demiPoints);
  g.PointsAFaire = pointsAFaire;
  g.PetitAuBout = petitAuBout;
  g.PoigneeAnnoncee = poignee;
  return g;
}

// The bonuses and the handful are checked on random deals (tests/computer/donnes_aleatoires_test.cpp),
// whose half points always come out even; here the halves, to the even integer, and the two ends
// of the range, in 16 bits.
TEST(ScoreDonne, RoundingAndTheEnds) {
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 111, 56)), 25 * 3);              // 55.5 -> 56
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 109, 56)), (54 - 56 - 25) * 3);  // 54.5 -> 54
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 182, 36, 1, 3)), 1740);
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 0, 56, 2, 3)), -1758);
}

// Running scores of seats 1 to 4 and the dense ranks they give.
struct Rangs {
  int32_t scores[4];
  int16_t rangs[4];
};
const Rangs kRangs[] = {
    {{0, 0, 0, 0}, {1, 1, 1, 1}},
    {{100, -20, 100, -80}, {1, 2, 1, 3}},
    {{-70, 10, 30, 30}, {3, 2, 1, 1}},
    {{100000, -100000, 5, 4}, {1, 4, 2, 3}},  // running scores are 32-bit
};

TEST(Classement, DenseRanks) {
  Partie g{Aleatoire(2)};
  for (const Rangs& r : kRangs) {
    for (int16_t s = 1; s <= 4; ++s) g.ScoreTotal[s] = r.scores[s - 1];
    DetermineClassementJoueurs(g);
    for (int16_t s = 1; s <= 4; ++s)
      EXPECT_EQ(g.Classement[s], r.rangs[s - 1]) << "seat " << s << ", row " << &r - kRangs;
  }
}

}  // namespace
