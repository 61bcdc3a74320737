// The card table, seats and small helpers, and sorting. The random generator and its rounding:
// tests/game/distribution_test.cpp, through the shuffle.
#include <gtest/gtest.h>

#include "support/cartes.h"
#include "support/regles_jeu.h"

namespace {

TEST(Cartes, TableHalfPointsAndSeats) {
  TableDesCartes t;
  CreerJeuCartes(t);
  // Card numbers: (suit - 1) * 14 + value, then 57 + value for suit 0.
  EXPECT_EQ(t[1], (Carte{1, 1, 0, 0}));
  EXPECT_EQ(t[43], (Carte{1, 4, 0, 0}));
  EXPECT_EQ(t[57], (Carte{0, 0, 0, 0}));
  EXPECT_EQ(t[78], (Carte{21, 0, 0, 0}));
  int total = 0;
  for (int16_t n = 1; n <= 78; ++n) {
    EXPECT_EQ(NumeroCarte(t[n]), n);
    int16_t d = -1;
    CalculerValeurCarte(t[n], d);
    EXPECT_EQ(d, regles::DemiPoints(t[n])) << Nom(t[n]);
    total += d;
  }
  EXPECT_EQ(total, 182);

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
  // Seat 1: the Excuse as its only suit-0 card goes before the King of Pique; seat 2: the
  // Excuse after trump 1. EnMain stays with its place.
  const Cartes m1{Co(3), Pi(14), Exc(), Ca(1), Pi(2), Tr(12), Co(14), Ca(13), Tr(1),
                  Pi(5), Co(4),  Tr(6), Ca(7), Pi(9), Co(10), Tr(11), Ca(2),  Pi(1)};
  const Cartes m2{Exc(), At(1), Pi(3), At(21), At(7), Co(1), Ca(14), At(12), Tr(3),
                  Pi(4), Co(2), Tr(4), Ca(3),  Pi(6), Co(5), Tr(5),  Ca(4),  Pi(7)};
  for (int j = 1; j <= 18; ++j) g.MainsJoueurs[1][j] = m1[j - 1u], g.MainsJoueurs[2][j] = m2[j - 1u];
  g.MainsJoueurs[2][4].EnMain = 0;
  const Cartes chien{Tr(2), At(5), Pi(13), Exc(), Tr(14), At(20)};
  for (int j = 1; j <= 6; ++j) g.Chien[j] = chien[j - 1u];
  struct Compteur : Affichage {
    int n = 0;
    void DisposerMainJoueur() override { ++n; }
  } ecran;
  g.ecran = &ecran;
  TrierChien(g);
  TrierMains(g);
  EXPECT_EQ(ecran.n, 1);
  EXPECT_EQ(Nom(g.MainsJoueurs[1][1]) + Nom(g.MainsJoueurs[1][2]) + Nom(g.MainsJoueurs[1][18]), "ExcP14Ca1");
  EXPECT_EQ(Nom(g.MainsJoueurs[2][1]) + Nom(g.MainsJoueurs[2][4]) + Nom(g.MainsJoueurs[2][5]), "A21A1Exc");
  EXPECT_EQ(g.MainsJoueurs[2][4].EnMain, 0);
  std::string c, montre;
  for (int j = 1; j <= 6; ++j) c += Nom(g.Chien[j]), montre += Nom(g.ChienMontre[j]);
  EXPECT_EQ(c, "A20A5ExcP13T14T2");
  EXPECT_EQ(montre, c);
}

}  // namespace
