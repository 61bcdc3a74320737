// The card table, seats and small helpers, sorting, the rounding and ends of the score of a deal and
// the ranking of the seats. The random generator and its rounding: distribution_test.cpp, through
// the shuffle; the worked score sheet: tests/table/form_score_detaille_test.cpp.
#include <gtest/gtest.h>

#include <array>

#include "game/score.h"
#include "support/cartes.h"
#include "support/regles_jeu.h"

namespace {

TEST(Cartes, TableHalfPointsAndSeats) {
  TableDesCartes t;
  CreerJeuCartes(t);
  // Card numbers: (suit - 1) * 14 + value, then 57 + value for suit 0.
  EXPECT_EQ((std::array{t[1], t[43], t[57], t[78]}),
            (std::array<Carte, 4>{{{1, 1, 0, 0}, {1, 4, 0, 0}, {0, 0, 0, 0}, {21, 0, 0, 0}}}));
  for (int16_t n = 1; n <= 78; ++n) {
    EXPECT_EQ(NumeroCarte(t[n]), n);
    int16_t d = -1;
    CalculerValeurCarte(t[n], d);
    EXPECT_EQ(d, regles::DemiPoints(t[n])) << Nom(t[n]);
  }

  int16_t s = 0, p = 0;
  JoueurSuivant(4, s), JoueurPrecedent(1, p);
  EXPECT_EQ(s * 10 + p, 14);
  // 1 or 0; the remainder keeps the sign.
  EXPECT_EQ(EstImpair(-3) + 10 * EstImpair(3) + 100 * EstImpair(0), 10);
  EXPECT_EQ(EstPair(-4) + 10 * EstPair(-3) + 100 * EstPair(0), 101);
  EXPECT_EQ(Maximum(-2, 7) + Maximum(7, -2), 14);
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
  EXPECT_EQ(ecran.n * 10 + g.MainsJoueurs[1][4].EnMain, 10);
  EXPECT_EQ(Nom(g.MainsJoueurs[1][1]) + Nom(g.MainsJoueurs[1][2]) + Nom(g.MainsJoueurs[1][18]), "ExcP14Ca1");
  std::string c, montre;
  for (int j = 1; j <= 6; ++j) c += Nom(g.Chien[j]), montre += Nom(g.ChienMontre[j]);
  EXPECT_EQ(c + " " + montre, "A20A5ExcP13T14T2 A20A5ExcP13T14T2");
}

// A finished deal as the score reads it.
Partie Donne(int16_t contrat, int16_t demiPoints, int16_t pointsAFaire, int16_t petitAuBout = 0, int16_t poignee = 0) {
  Partie g{Aleatoire(1)};
  DonnerContrat(g, 3, contrat);
  g.DemiPointsPreneur = demiPoints, g.DemiPointsDefense = static_cast<int16_t>(182 - demiPoints);
  g.PointsAFaire = pointsAFaire, g.PetitAuBout = petitAuBout, g.PoigneeAnnoncee = poignee;
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
