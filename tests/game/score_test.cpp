#include <gtest/gtest.h>

#include "game/partie.h"
#include "game/score.h"

namespace {

// A finished deal as the score reads it.
Partie Donne(int16_t contrat, int16_t demiPoints, int16_t pointsAFaire, int16_t petitAuBout = 0,
             int16_t poignee = 0) {
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

TEST(ScoreDonne, WorkedExampleRowByRow) {
  // Garde, 2 oudlers, 44 points, petit au bout to the defence, simple handful.
  const Partie g = Donne(EnchereGarde, 88, 41, 2, 1);
  const DetailScore d = DetaillerScoreDonne(g);
  EXPECT_EQ(d.PointsRealises, 44);
  EXPECT_EQ(d.Difference, 3);
  EXPECT_TRUE(d.Reussi);
  EXPECT_EQ(d.ApresPetit, -7);
  EXPECT_EQ(d.ApresPrime, 18);
  EXPECT_EQ(d.Multiplicateur, 2);
  EXPECT_EQ(d.ApresContrat, 36);
  EXPECT_EQ(d.PrimePoignee, 20);
  EXPECT_EQ(d.ApresPoignee, 56);
  EXPECT_EQ(d.Score, 168);
  int16_t s = 0;
  CalculerScoreDonne(g, s);
  EXPECT_EQ(s, 168);
  EXPECT_EQ(ScoreDonne(g), 168);
}

TEST(ScoreDonne, MadeOrFailedAndBonuses) {
  // Points made: half points halved, halves to the even integer; equal to the target is made.
  EXPECT_EQ(DetaillerScoreDonne(Donne(EncherePrise, 111, 56)).PointsRealises, 56);
  EXPECT_EQ(DetaillerScoreDonne(Donne(EncherePrise, 113, 56)).PointsRealises, 56);
  EXPECT_EQ(DetaillerScoreDonne(Donne(EncherePrise, 115, 56)).PointsRealises, 58);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 112, 56)), 25 * 3);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 111, 56)), 25 * 3);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 113, 56)), 25 * 3);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 110, 56)), (55 - 56 - 25) * 3);
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 109, 56)), (54 - 56 - 25) * 3);  // 54.5 -> 54

  // A failed Garde contre with petit au bout for the taker.
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 60, 41, 1)), (30 - 41 - 25 + 10) * 6 * 3);
  // A failed Garde sans keeps its multiplier; the petit counts against a made contract too.
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeSans, 100, 51, 2)), (50 - 51 - 25 - 10) * 4 * 3);
  EXPECT_EQ(ScoreDonne(Donne(EnchereGarde, 120, 51, 2)), (60 - 51 + 25 - 10) * 2 * 3);
  // The handful, after the multiplier, to the camp that won.
  EXPECT_EQ(ScoreDonne(Donne(EncherePrise, 80, 51, 0, 3)), ((40 - 51 - 25) - 40) * 3);
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeSans, 120, 51, 0, 2)), ((60 - 51 + 25) * 4 + 30) * 3);
  // No contract in force leaves the score unmultiplied.
  EXPECT_EQ(DetaillerScoreDonne(Donne(EncherePasse, 120, 51)).Multiplicateur, 1);

  // The two ends of the range, in 16 bits.
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 182, 36, 1, 3)), 1740);
  EXPECT_EQ(ScoreDonne(Donne(EnchereGardeContre, 0, 56, 2, 3)), -1758);
}

TEST(Classement, DenseRanks) {
  Partie g{Aleatoire(2)};
  auto rangs = [&](int32_t a, int32_t b, int32_t c, int32_t d) {
    g.ScoreTotal[1] = a;
    g.ScoreTotal[2] = b;
    g.ScoreTotal[3] = c;
    g.ScoreTotal[4] = d;
    DetermineClassementJoueurs(g);
    return g.Classement;
  };
  auto L = [](int16_t a, int16_t b, int16_t c, int16_t d) {
    Ligne4 l;
    l[1] = a, l[2] = b, l[3] = c, l[4] = d;
    return l;
  };
  EXPECT_EQ(rangs(0, 0, 0, 0), L(1, 1, 1, 1));
  EXPECT_EQ(rangs(100, -20, 100, -80), L(1, 2, 1, 3));
  EXPECT_EQ(rangs(-70, 10, 30, 30), L(3, 2, 1, 1));
  EXPECT_EQ(rangs(100000, -100000, 5, 4), L(1, 4, 2, 3));  // running scores are 32-bit
  EXPECT_EQ(g.OrdreClassement, L(1, 3, 4, 2));
}

}  // namespace
