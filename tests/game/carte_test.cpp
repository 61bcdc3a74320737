#include <gtest/gtest.h>

#include "game/aleatoire.h"
#include "game/partie.h"

namespace {

Carte C(int16_t couleur, int16_t valeur) { return Carte{valeur, couleur, 1, 0}; }

TEST(Cartes, TableAndHalfPoints) {
  TableDesCartes t;
  CreerJeuCartes(t);
  // Card numbers: (suit - 1) * 14 + value, then 57 + value for suit 0.
  EXPECT_EQ(t[1], (Carte{1, 1, 0, 0}));
  EXPECT_EQ(t[14], (Carte{14, 1, 0, 0}));
  EXPECT_EQ(t[43], (Carte{1, 4, 0, 0}));
  EXPECT_EQ(t[57], (Carte{0, 0, 0, 0}));
  EXPECT_EQ(t[58], (Carte{1, 0, 0, 0}));
  EXPECT_EQ(t[78], (Carte{21, 0, 0, 0}));
  for (int16_t n = 1; n <= 78; ++n) EXPECT_EQ(NumeroCarte(t[n]), n);

  // The half-point table, card by card, and the deck's 182.
  const int16_t plain[15] = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 5, 7, 9};
  int total = 0;
  for (int16_t n = 1; n <= 78; ++n) {
    int16_t d = -1;
    CalculerValeurCarte(t[n], d);
    const Carte& c = t[n];
    const int16_t expected =
        c.Couleur == 0 ? ((c.Valeur == 0 || c.Valeur == 1 || c.Valeur == 21) ? 9 : 1) : plain[c.Valeur];
    EXPECT_EQ(d, expected) << "card " << n;
    total += d;
  }
  EXPECT_EQ(total, 182);
}

TEST(Cartes, SeatsParityMaximum) {
  int16_t s = 0;
  JoueurSuivant(4, s);
  EXPECT_EQ(s, 1);
  JoueurSuivant(2, s);
  EXPECT_EQ(s, 3);
  JoueurPrecedent(1, s);
  EXPECT_EQ(s, 4);
  JoueurPrecedent(3, s);
  EXPECT_EQ(s, 2);

  EXPECT_EQ(EstImpair(-3), 0);  // the remainder keeps the sign
  EXPECT_EQ(EstImpair(3), 1);
  EXPECT_EQ(EstImpair(0), 0);
  EXPECT_EQ(EstPair(-4), 1);
  EXPECT_EQ(EstPair(-3), 0);
  EXPECT_EQ(EstPair(0), 1);
  EXPECT_EQ(Maximum(5, 5), 5);
  EXPECT_EQ(Maximum(-2, 7), 7);
  EXPECT_EQ(Maximum(7, -2), 7);
}

TEST(Cartes, SortingHandsAndChien) {
  Aleatoire a(1);
  Partie g(a);
  // Seat 1: the Excuse as its only suit-0 card goes before the King of Pique.
  Main& m1 = g.MainsJoueurs[1];
  const Carte cartes1[18] = {C(2, 3), C(1, 14), C(0, 0), C(4, 1),  C(1, 2), C(3, 12), C(2, 14), C(4, 13), C(3, 1),
                             C(1, 5), C(2, 4),  C(3, 6), C(4, 7),  C(1, 9), C(2, 10), C(3, 11), C(4, 2),  C(1, 1)};
  for (int j = 1; j <= 18; ++j) m1[j] = cartes1[j - 1];
  // Seat 2: trumps with the Excuse: the Excuse comes after trump 1.
  Main& m2 = g.MainsJoueurs[2];
  const Carte cartes2[18] = {C(0, 0), C(0, 1), C(1, 3),  C(0, 21), C(0, 7), C(2, 1), C(4, 14), C(0, 12), C(3, 3),
                             C(1, 4), C(2, 2), C(3, 4),  C(4, 3),  C(1, 6), C(2, 5), C(3, 5),  C(4, 4),  C(1, 7)};
  for (int j = 1; j <= 18; ++j) m2[j] = cartes2[j - 1];
  m2[4].EnMain = 0;  // EnMain stays with its place
  for (int p = 3; p <= 4; ++p)
    for (int j = 1; j <= 18; ++j) g.MainsJoueurs[p][j] = C(static_cast<int16_t>(1 + j % 4), static_cast<int16_t>(j / 4 + 1 + (p - 3) * 5));
  const Carte chien[6] = {C(3, 2), C(0, 5), C(1, 13), C(0, 0), C(3, 14), C(0, 20)};
  for (int j = 1; j <= 6; ++j) g.Chien[j] = chien[j - 1];

  struct Compteur : Affichage {
    int n = 0;
    void DisposerMainJoueur() override { ++n; }
  } ecran;
  g.ecran = &ecran;
  TrierChien(g);
  TrierMains(g);
  EXPECT_EQ(ecran.n, 1);

  EXPECT_EQ(m1[1].Couleur, 0);
  EXPECT_EQ(m1[1].Valeur, 0);
  EXPECT_EQ(m1[2], C(1, 14));
  EXPECT_EQ(m1[18], C(4, 1));
  EXPECT_EQ(m2[1], C(0, 21));
  EXPECT_EQ(m2[4], (Carte{1, 0, 0, 0}));  // trump 1 moved into the place whose EnMain is 0
  EXPECT_EQ(m2[5], C(0, 0));
  EXPECT_EQ(m2[6], C(1, 7));
  for (int p = 1; p <= 4; ++p)
    for (int j = 1; j < 18; ++j) EXPECT_TRUE(AvantDansLeTri(g.MainsJoueurs[p][j], g.MainsJoueurs[p][j + 1]));
  const Carte attendu[6] = {C(0, 20), C(0, 5), C(0, 0), C(1, 13), C(3, 14), C(3, 2)};
  for (int j = 1; j <= 6; ++j) {
    EXPECT_EQ(g.Chien[j], attendu[j - 1]);
    EXPECT_EQ(g.ChienMontre[j].Valeur, attendu[j - 1].Valeur);
    EXPECT_EQ(g.ChienMontre[j].Couleur, attendu[j - 1].Couleur);
  }
}

TEST(Aleatoire, RoundingAndDraws) {
  EXPECT_EQ(CInt(0.5), 0);
  EXPECT_EQ(CInt(1.5), 2);
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(-0.5), 0);
  EXPECT_EQ(CInt(-1.5), -2);
  EXPECT_EQ(CInt(0.49), 0);
  EXPECT_EQ(CInt(0.51), 1);

  Aleatoire a(42), b(42), c(43);
  bool differ = false;
  for (int i = 0; i < 100000; ++i) {
    const double x = a.Rnd();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ASSERT_EQ(x, b.Rnd());
    differ = differ || x != c.Rnd();
  }
  EXPECT_TRUE(differ);

  // Without reseeding a fixed-seed generator ignores the clock.
  Aleatoire f(7), h(7);
  f.Reensemencer();
  EXPECT_EQ(f.Rnd(), h.Rnd());
  // With it, two reseeds in a row give different streams even in one clock tick.
  Aleatoire r1(7, true), r2(7, true);
  r1.Reensemencer();
  r2.Reensemencer();
  r2.Reensemencer();
  EXPECT_NE(r1.Rnd(), r2.Rnd());
}

}  // namespace
