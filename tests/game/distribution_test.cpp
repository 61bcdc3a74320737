// The deal: packets, the judgement of a deal on deals written out for it, forced hands,
// replays, and accepted deals under every option.
#include "game/distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "computer/evaluation.h"
#include "support/cartes.h"

namespace {

using Ordre = OrdreDonne;
using Liste = std::vector<int16_t>;

int16_t N(const Carte& c) { return NumeroCarte(c); }

// Seat p: plain suit p from 1 to the Queen and five trumps, 21..17 for seat 1 down to 6..2
// for seat 4; the chien: the four Kings, the Excuse and the Petit. Nobody can bid.
Ordre Base() {
  std::map<int16_t, Cartes> mains;
  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k)
      mains[p].push_back(k <= 13 ? Carte{k, p, 1, 0} : At(static_cast<int16_t>(40 - 5 * p - k)));
  return Composer(mains);
}

void Echanger(Ordre& d, const Carte& a, const Carte& b) {
  std::swap(*std::find(d.begin(), d.end(), N(a)), *std::find(d.begin(), d.end(), N(b)));
}

// Deals d exactly, as the replay of a saved deck, and returns the verdict.
int16_t Jouer(Partie& g, const Ordre& d) {
  g.JeuSauve = JeuQuiDonne(d);
  g.NumeroDonne = 10;
  g.RejouerDonne = 1;
  return DistribuerDonne(g);
}

Liste Main(const Partie& g, int p) {
  Liste m;
  for (const Carte& c : g.MainsJoueurs[p]) m.push_back(N(c));
  return m;
}
Liste Main(const Ordre& d, int p) { return {d.begin() + (p - 1) * 18, d.begin() + p * 18}; }

Partie Nouvelle(uint64_t graine, int forceMain = 2, int auMoinsUnePrise = 0) {
  Partie g{Aleatoire(graine)};
  g.ForceMain = static_cast<int16_t>(forceMain);
  g.AuMoinsUnePriseActif = static_cast<int16_t>(auMoinsUnePrise);
  return g;
}

// Packets of three from seat 1 and one card to the chien per pass.
TEST(Distribution, PacketsAndTheDeck) {
  Ordre identite;
  for (int16_t i = 1; i <= 78; ++i) identite[i] = i;
  Partie g = Nouvelle(1);
  g.JeuSauve = identite;
  g.RejouerDonne = 1;
  DistribuerDonne(g);
  EXPECT_EQ(Main(g, 1), (Liste{1, 2, 3, 14, 15, 16, 27, 28, 29, 40, 41, 42, 53, 54, 55, 66, 67, 68}));
  EXPECT_EQ(Main(g, 4), (Liste{10, 11, 12, 23, 24, 25, 36, 37, 38, 49, 50, 51, 62, 63, 64, 75, 76, 77}));
  for (int j = 1; j <= 6; ++j) EXPECT_EQ(N(g.Chien[j]), 13 * j);

  // Later deals shuffle the order held, the first deal of a run 1..78 whatever is held; at the
  // top of its range the count of tries stays there rather than wrap back to the first deal.
  g.RejouerDonne = 0;
  Partie h = g;
  h.PaquetTravail = identite;
  Partie premiere = g;
  premiere.NumeroDonne = 0;
  for (Partie* p : {&g, &h}) {
    p->NumeroDonne = 32767;
    DistribuerDonne(*p);
  }
  DistribuerDonne(premiere);
  EXPECT_EQ(g.NumeroDonne, 32767);
  EXPECT_NE(g.JeuCourant, h.JeuCourant) << "the order held is shuffled, not 1..78";
  EXPECT_EQ(premiere.JeuCourant, h.JeuCourant) << "the first deal shuffles 1..78";
}

TEST(Distribution, PetitSecAndDiscardableCards) {
  Partie g = Nouvelle(3);
  // Seat 3 left with the Petit as its only suit-0 card; then with the Excuse beside it.
  Ordre sec = Base();
  Echanger(sec, At(11), At(1));
  for (int16_t k = 0; k < 4; ++k) Echanger(sec, At(static_cast<int16_t>(10 - k)), Pi(static_cast<int16_t>(1 + k)));
  EXPECT_EQ(Jouer(g, sec), 0);
  EXPECT_EQ(g.PaquetTravail, sec);  // a rejected try too keeps its cards, in dealt order
  Echanger(sec, Exc(), Tr(1));
  EXPECT_EQ(Jouer(g, sec), 1);

  // Seat 4 with fifteen suit-0 cards and three plain cards below the King needs three more
  // such cards in the chien, where Kings do not count.
  Ordre ecart = Base();
  for (int16_t k = 0; k < 10; ++k) Echanger(ecart, Ca(static_cast<int16_t>(1 + k)), At(static_cast<int16_t>(21 - k)));
  Echanger(ecart, Pi(14), Pi(1));
  Echanger(ecart, Co(14), Co(1));
  EXPECT_EQ(Jouer(g, ecart), 0);  // 3 + 2
  Echanger(ecart, Tr(14), Tr(1));
  EXPECT_EQ(Jouer(g, ecart), 1);  // 3 + 3
}

TEST(Distribution, ForcedHandAndAtLeastOneTaker) {
  const Cartes passe = Lire("A5 A6 A7");
  const Cartes garde = Lire("Exc A21 A20 A19 A18 P14 Co14");
  const Cartes prise = Lire("A1 A17 A16 A2 A3 A4 T14 Ca14 P13");
  const Ordre d = Composer({{1, passe}, {2, garde}, {3, prise}});
  Partie g = Nouvelle(4);
  ASSERT_EQ(Jouer(g, d), 1);
  for (int16_t p = 1; p <= 4; ++p) ASSERT_EQ(CalculerEnchereConseillee(g, p), (Liste{0, 2, 1, 0}[p - 1u]));

  // ForceMain, then the seat whose hand seat 1 ends with (0: rejected, hands untouched). The last
  // seat gives its hand too; a defence hand asked while seat 1 bids: the first passing seat's.
  Ordre dernier = d;
  std::swap_ranges(dernier.begin() + 18, dernier.begin() + 36, dernier.begin() + 54);
  const Ordre fort = Composer({{1, garde}, {2, passe}});
  for (auto [o, forceMain, source] : {std::tuple{&d, 1, 1},
                                      {&d, 2, 1},
                                      {&d, 0, 1},
                                      {&d, 7, 1},
                                      {&d, 3, 3},
                                      {&d, 4, 2},
                                      {&d, 5, 0},
                                      {&d, 6, 0},
                                      {&dernier, 4, 4},
                                      {&fort, 1, 2}}) {
    Partie h = Nouvelle(4, forceMain);
    EXPECT_EQ(Jouer(h, *o), source != 0 ? 1 : 0) << forceMain;
    EXPECT_EQ(Main(h, 1), Main(*o, std::max(source, 1))) << forceMain;
    EXPECT_EQ(h.PaquetTravail, *o);  // the record of the deal is not exchanged
  }

  // Four passing hands are rejected with the option, also when seat 1 was asked to pass; any
  // seat bidding is enough.
  for (int forceMain : {1, 2}) {
    Partie k = Nouvelle(6, forceMain, 1);
    EXPECT_EQ(Jouer(k, Base()), 0);
    k.AuMoinsUnePriseActif = 0;
    EXPECT_EQ(Jouer(k, Base()), 1);
  }
  Ordre seul = Base();  // West alone can bid
  for (auto [a, b] : {std::pair{Ca(1), At(21)}, {Ca(2), Exc()}, {Ca(3), At(1)}, {Ca(4), At(20)}, {Ca(5), At(19)}})
    Echanger(seul, a, b);
  Partie k = Nouvelle(6, 2, 1);
  EXPECT_EQ(Jouer(k, seul), 1);
  for (int16_t p = 1; p <= 4; ++p) EXPECT_EQ(CalculerEnchereConseillee(k, p) > 0, p == 4);
  // Replayed under options that came after it and that its cards can never meet, a deal is
  // tried 1,000 times, then kept as saved.
  Partie rejeu = Nouvelle(6, 6, 1);
  EXPECT_EQ(Jouer(rejeu, Base()), 0);
  int32_t essais = 0;
  DistribuerDonneAcceptee(rejeu, essais);
  EXPECT_EQ(essais, 1000);
  for (int p = 1; p <= 4; ++p) EXPECT_EQ(Main(rejeu, p), Main(Base(), p));

  // The exchange moves Valeur and Couleur place by place; EnMain stays with its place.
  g.MainsJoueurs[1][3].EnMain = 0;
  EchangerMains(g, 1, 2);
  EXPECT_EQ(Main(g, 1), Main(d, 2));
  EXPECT_EQ(Main(g, 2), Main(d, 1));
  EXPECT_EQ(g.MainsJoueurs[1][3].EnMain, 0);
}

// Accepted deals under every option, and two replays of each: sorted hands, and seat 1 holding
// the hand asked for. A replay deals the same cards to the same seats (up to the forced exchange) and chien.
TEST(Distribution, AcceptedDealsAndTheirReplays) {
  Partie g = Nouvelle(2024);
  Partie avant = g;
  int verifiees = 0;
  for (int i = 0; i < 3600; ++i) {
    g.RejouerDonne = i % 3 != 0;
    if (!g.RejouerDonne) {
      g.ForceMain = static_cast<int16_t>(1 + i / 3 % 6);
      g.AuMoinsUnePriseActif = static_cast<int16_t>(i / 18 % 2);
    }
    DistribuerDonneAcceptee(g);
    if (!g.RejouerDonne) avant = g;
    EXPECT_EQ(g.NumeroDonne, avant.NumeroDonne) << i;
    EXPECT_EQ(g.JeuSauve, avant.JeuSauve) << i;
    EXPECT_EQ(g.Chien, avant.Chien) << i;
    EXPECT_TRUE(std::is_permutation(g.MainsJoueurs.begin(), g.MainsJoueurs.end(), avant.MainsJoueurs.begin()));
    for (const auto& m : g.MainsJoueurs) EXPECT_TRUE(std::is_sorted(m.begin(), m.end(), AvantDansLeTri)) << i;
    // Without trump 11 or 12 the advice draws on nothing: it must be the bid asked.
    const auto& m1 = g.MainsJoueurs[1];
    if (g.ForceMain != 2 && std::none_of(m1.begin(), m1.end(), [](const Carte& c) {
          return c.EstAtout() && (c.Valeur == 11 || c.Valeur == 12);
        })) {
      EXPECT_EQ(CalculerEnchereConseillee(g, 1), g.ForceMain == 1 ? 0 : g.ForceMain - 2) << i;
      ++verifiees;
    }
  }
  EXPECT_GT(verifiees, 900);
}

// Reseeded from the clock at every try, two games seeded alike deal apart.
TEST(Distribution, ReseededAtEveryTry) {
  Partie a{Aleatoire(7, true)}, b{Aleatoire(7, true)};
  DistribuerDonne(a);
  DistribuerDonne(b);
  EXPECT_NE(a.JeuSauve, b.JeuSauve);
}

}  // namespace
