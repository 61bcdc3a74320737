#include "computer/evaluation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "support/cartes.h"

namespace {

// Seat 1: the given suit-0 cards, then so many Kings, Queens and Knights, then small cards.
void Poser(Partie& g, const std::vector<int16_t>& atouts, int rois, int dames = 0, int cavaliers = 0) {
  const int premiere = static_cast<int>(atouts.size()) + 1;
  for (int j = 1; j < premiere; ++j) g.MainsJoueurs[1][j] = At(atouts[j - 1u]);
  for (int j = premiere; j <= 18; ++j) {
    const int k = j - premiere;
    const int16_t v = k < rois                       ? 14
                      : k < rois + dames             ? 13
                      : k < rois + dames + cavaliers ? 12
                                                     : static_cast<int16_t>(k / 4 + 1);
    g.MainsJoueurs[1][j] = Carte{v, static_cast<int16_t>(k % 4 + 1), 1, 0};
  }
}

// The weight of each kind of card; plain rows hold for each of the four suits.
struct Poids {
  const char* nom;
  bool atout;
  int16_t de, a, poids;
};
const Poids kPoids[] = {
    {"the Excuse", true, 0, 0, 8},        {"the Petit", true, 1, 1, 12},  {"trumps 2 to 14", true, 2, 14, 2},
    {"trumps 15 to 20", true, 15, 20, 3}, {"trump 21", true, 21, 21, 12}, {"plain 1 to 10", false, 1, 10, 1},
    {"Jack, Knight", false, 11, 12, 2},   {"Queen", false, 13, 13, 6},    {"King", false, 14, 14, 12},
};
// The bonus by the number of suit-0 cards held, 0 to 18.
const int16_t kBonus[19] = {0, 0, 0, 0, 0, 0, 2, 4, 6, 9, 12, 12, 12, 12, 12, 12, 12, 12, 12};

TEST(Evaluation, WeightOfEveryCardAndLengthBonus) {
  Partie g{Aleatoire(1)};
  // Each card beside 17 small spades (1 each): the hand scores its weight and 17.
  int cartes = 0;
  for (const Poids& p : kPoids)
    for (int16_t s = p.atout ? CouleurAtout : CouleurPique; s <= (p.atout ? CouleurAtout : CouleurCarreau); ++s)
      for (int16_t v = p.de; v <= p.a; ++v) {
        g.MainsJoueurs[1].Remplir(Pi(1));
        g.MainsJoueurs[1][1] = Carte{v, s, 1, 0};
        EXPECT_EQ(EvaluerMain(g, 1) - 17, p.poids) << p.nom << ": " << Nom(g.MainsJoueurs[1][1]);
        ++cartes;
      }
  EXPECT_EQ(cartes, 78);
  // The Excuse and n - 1 trumps 2 (weights 8 and 2), then small spades: the Excuse counts in n.
  for (int n = 1; n <= 18; ++n) {
    g.MainsJoueurs[1].Remplir(Pi(1));
    for (int j = 1; j <= n; ++j) g.MainsJoueurs[1][j] = j == 1 ? Exc() : At(2);
    EXPECT_EQ(EvaluerMain(g, 1), 8 + 2 * (n - 1) + (18 - n) + kBonus[n]) << n << " suit-0 cards";
  }
}

// Per shape: a hand just at the trump and high-trump minimums bids by its score; one suit-0
// card fewer or one high trump fewer passes whatever the score.
TEST(Evaluation, ShapesAndScoreBands) {
  // Per shape (its suit-0 cards): Kings, Queens (then small cards), S, the bid of the score bands, Knights.
  // clang-format off
  const std::pair<std::vector<int16_t>, std::vector<std::array<int, 5>>> cas[] = {
      {{0, 1, 21, 15, 2}, {{0, 0, 50, 0}, {0, 1, 55, 1}, {1, 0, 61, 1}, {0, 3, 65, 2}, {2, 1, 77, 2}, {1, 4, 81, 3},
                           {3, 0, 83, 3}, {2, 3, 87, 4}}},
      {{0, 1, 21, 15}, {{4, 4, 113}}}, {{0, 1, 21, 10, 2}, {{4, 4, 113}}},
      {{0, 21, 15, 2, 3}, {{0, 0, 40, 0}, {0, 1, 45, 1}, {0, 3, 55, 1}, {1, 1, 56, 2}, {3, 0, 73, 2}, {2, 3, 77, 3},
                           {3, 2, 83, 3}, {4, 0, 84, 4}}},
      {{0, 21, 15, 2}, {{4, 4, 103}}}, {{0, 21, 10, 2, 3}, {{4, 4, 103}}},
      {{21, 15, 2, 3, 4, 5}, {{1, 1, 53, 0}, {0, 4, 57, 1}, {2, 2, 69, 1}, {3, 0, 70, 2}, {4, 4, 101, 2}}},
      {{21, 15, 2, 3, 4}, {{4, 4, 98}}}, {{21, 10, 2, 3, 4, 5}, {{4, 4, 100}}},
      {{13, 14, 15, 16, 2, 3, 4, 5}, {{3, 0, 67, 0}, {2, 3, 71, 1}, {4, 1, 83, 1}, {3, 4, 87, 2}, {4, 4, 98, 2}}},
      {{13, 14, 15, 16, 2, 3, 4}, {{4, 4, 95}}}, {{13, 14, 15, 10, 2, 3, 4, 5}, {{4, 4, 97}}},
      {{0, 1, 13, 14, 2, 3}, {{0, 0, 42, 0}, {0, 1, 47, 1}, {0, 3, 57, 2}, {3, 0, 75, 2}, {2, 3, 79, 3},
                              {2, 4, 84, 4}}},
      {{0, 1, 13, 14, 2}, {{4, 4, 103}}}, {{0, 1, 13, 10, 2, 3}, {{4, 4, 106}}},
      {{0, 1, 21, 2, 3, 4, 5, 6, 7}, {{4, 4, 126}}},  // three oudlers, only 21 high
      {{0, 1, 21, 18, 5}, {{2, 1, 78, 3, 1}}},        // a Knight for a small card
  };
  // clang-format on
  for (const auto& [atouts, mains] : cas)
    for (const auto& [rois, dames, s, attendu, cavaliers] : mains) {
      Partie g(Aleatoire(3));
      Poser(g, atouts, rois, dames, cavaliers);
      EXPECT_EQ(EvaluerMain(g, 1), s);
      EXPECT_EQ(CalculerEnchereConseillee(g, 1), attendu) << "S = " << s;
    }
}

// Seat 1: the given suit-0 cards, worth `atoutsPoints`, then plain cards that bring the hand to
// `points`: some mix of Kings, Queens and Knights (11, 5 and 1 above a small card) and small
// cards. False when no mix fits.
bool PoserPoints(Partie& g, const std::vector<int16_t>& atouts, int atoutsPoints, int points) {
  const int n = 18 - static_cast<int>(atouts.size());
  for (int rois = 0; rois <= n; ++rois)
    for (int dames = 0; rois + dames <= n; ++dames) {
      const int cavaliers = points - atoutsPoints - n - 11 * rois - 5 * dames;
      if (cavaliers < 0 || rois + dames + cavaliers > n) continue;
      Poser(g, atouts, rois, dames, cavaliers);
      return true;
    }
  return false;
}

// Per shape, the lowest score that bids Prise, Garde, Garde sans and Garde contre; each hand
// holds just its shape's trump and high-trump minimums whatever the draws (no trump 11 or 12).
struct Bandes {
  const char* forme;
  std::vector<int16_t> atouts;
  int atoutsPoints;  // weights and length bonus of those cards
  std::array<int, 4> seuils;
};
const Bandes kBandes[] = {
    {"three oudlers", {0, 1, 21, 15, 2}, 37, {52, 62, 78, 84}},
    {"the Excuse and trump 21", {0, 21, 15, 2, 3}, 27, {44, 56, 76, 84}},
    {"one oudler", {21, 15, 2, 3, 4, 5}, 25, {56, 70, 104, 114}},
    {"no oudler", {15, 16, 17, 18, 2, 3, 4, 5}, 26, {70, 84, 124, 130}},
    {"the Petit and the Excuse", {0, 1, 13, 14, 2, 3}, 30, {44, 56, 76, 84}},
};

// Every edge between two bids, for every shape: a hand exactly at the edge bids the higher,
// one point below it the lower.
TEST(Evaluation, EveryEdgeOfEveryShape) {
  for (const Bandes& b : kBandes)
    for (int16_t enchere = EncherePrise; enchere <= EnchereGardeContre; ++enchere) {
      const int seuil = b.seuils[enchere - 1u];
      for (int s : {seuil - 1, seuil}) {
        SCOPED_TRACE(std::string(b.forme) + ", S = " + std::to_string(s));
        Partie g(Aleatoire(3));
        ASSERT_TRUE(PoserPoints(g, b.atouts, b.atoutsPoints, s));
        ASSERT_EQ(EvaluerMain(g, 1), s);
        EXPECT_EQ(CalculerEnchereConseillee(g, 1), s < seuil ? enchere - 1 : enchere);
      }
    }
}

// One draw r = CInt(2 u) per suit-0 card in hand order, the Petit and the Excuse included;
// trump v counts as high when v >= 13 - r. With three high trumps out of eight and S = 77,
// the fourth card's draw decides between Passe and Prise.
TEST(Evaluation, HighTrumpDraws) {
  for (uint64_t graine = 1; graine <= 40; ++graine)
    for (int16_t quatrieme : {12, 11, 10}) {
      Partie g{Aleatoire(graine)};
      Poser(g, {13, 14, 15, quatrieme, 2, 3, 4, 5}, 4, 0);
      ASSERT_EQ(EvaluerMain(g, 1), 77);
      Aleatoire temoin = g.alea;
      for (int i = 1; i <= 3; ++i) temoin.Rnd();  // trumps 13 to 15, in hand order
      const int r = CInt(2 * temoin.Rnd());
      for (int i = 5; i <= 8; ++i) temoin.Rnd();
      EXPECT_EQ(CalculerEnchereConseillee(g, 1), quatrieme >= 13 - r ? EncherePrise : EncherePasse) << graine;
      EXPECT_EQ(g.Rnd(), temoin.Rnd()) << "one draw per suit-0 card, seed " << graine;
    }
}

}  // namespace
