// The score of a deal on worked examples, and the ranking of the seats. The worked sheet row by
// row: tests/table/form_score_detaille_test.cpp; whole random deals:
// tests/computer/donnes_aleatoires_test.cpp.
#include "game/score.h"

#include <gtest/gtest.h>

namespace {

// A finished deal as the score reads it.
Partie Donne(int16_t contrat, int16_t demiPoints, int16_t pointsAFaire, int16_t petitAuBout = 0, int16_t poignee = 0) {
  Partie g{Aleatoire(1)};
  g.Preneur = 3;
  g.EnchereJoueur[3] = contrat;
  g.DemiPointsPreneur = demiPoints;
  g.DemiPointsDefense = static_cast<int16_t>(182 - demiPoints);
  g.PointsAFaire = pointsAFaire;
  g.PetitAuBout = petitAuBout;
  g.PoigneeAnnoncee = poignee;
  return g;
}

TEST(ScoreDonne, MadeOrFailedAndTheEnds) {
  // Points made: half points halved, halves to the even integer; equal to the target is made.
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 111, 56)), 25 * 3);  // 55.5 -> 56
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 113, 56)), 25 * 3);  // 56.5 -> 56
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 110, 56)), (55 - 56 - 25) * 3);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 109, 56)), (54 - 56 - 25) * 3);  // 54.5 -> 54
  // A failed Garde sans keeps its multiplier; the handful goes to the camp that won.
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeSans, 100, 51, 2)), (50 - 51 - 25 - 10) * 4 * 3);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 80, 51, 0, 3)), ((40 - 51 - 25) - 40) * 3);
  // The two ends of the range, in 16 bits.
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 182, 36, 1, 3)), 1740);
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 0, 56, 2, 3)), -1758);
}

TEST(Classement, DenseRanks) {
  Partie g{Aleatoire(2)};
  auto rangs = [&](int32_t a, int32_t b, int32_t c, int32_t d) {
    g.ScoreTotal[1] = a, g.ScoreTotal[2] = b, g.ScoreTotal[3] = c, g.ScoreTotal[4] = d;
    DetermineClassementJoueurs(g);
    return g.Classement[1] * 1000 + g.Classement[2] * 100 + g.Classement[3] * 10 + g.Classement[4];
  };
  EXPECT_EQ(rangs(0, 0, 0, 0), 1111);
  EXPECT_EQ(rangs(100, -20, 100, -80), 1213);
  EXPECT_EQ(rangs(-70, 10, 30, 30), 3211);
  EXPECT_EQ(rangs(100000, -100000, 5, 4), 1423);  // running scores are 32-bit
  EXPECT_EQ(g.OrdreClassement[1] * 1000 + g.OrdreClassement[2] * 100 + g.OrdreClassement[3] * 10 + g.OrdreClassement[4],
            1342);
}

}  // namespace
