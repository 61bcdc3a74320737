#include "game/distribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "computer/evaluation.h"

namespace {

using Ordre = Tab1<int16_t, 78>;  // a deal in dealt order: seats 1..4 by 18, then the chien

int16_t N(int16_t couleur, int16_t valeur) { return NumeroCarte(couleur, valeur); }
int16_t At(int16_t valeur) { return NumeroCarte(CouleurAtout, valeur); }

// Seats take the cards they list; the rest, in card-number order, fill the hands still
// short, then the chien.
Ordre Composer(std::initializer_list<std::initializer_list<int16_t>> voulues) {
  Ordre d{};
  Tab1<bool, 78> pris{};
  Tab1<int, 5> n{};  // cards placed per seat, 5 for the chien
  int p = 1;
  for (auto main : voulues) {
    for (int16_t c : main) d[(p - 1) * 18 + ++n[p]] = c, pris[c] = true;
    ++p;
  }
  for (int16_t c = 1, q = 1; c <= 78; ++c) {
    if (pris[c]) continue;
    while (q < 5 && n[q] == 18) ++q;
    d[(q - 1) * 18 + ++n[q]] = c;
  }
  return d;
}

// Seat p: plain suit p from 1 to the Queen and five trumps, 21..17 for seat 1 down to 6..2
// for seat 4; the chien: the four Kings, the Excuse and the Petit. Nobody can bid.
Ordre Base() {
  Ordre d{};
  int i = 1;
  for (int16_t p = 1; p <= 4; ++p) {
    for (int16_t v = 1; v <= 13; ++v) d[i++] = N(p, v);
    for (int k = 0; k < 5; ++k) d[i++] = At(static_cast<int16_t>(21 - 5 * (p - 1) - k));
  }
  for (int16_t c : {N(1, 14), N(2, 14), N(3, 14), N(4, 14), At(0), At(1)}) d[i++] = c;
  return d;
}

void Echanger(Ordre& d, int16_t a, int16_t b) { std::swap(*std::find(d.begin(), d.end(), a), *std::find(d.begin(), d.end(), b)); }

// Deals d exactly, as the replay of a saved deck, and returns the verdict.
int16_t Jouer(Partie& g, const Ordre& d) {
  for (int r = 1; r <= 6; ++r) {
    for (int p = 1; p <= 4; ++p)
      for (int i = 1; i <= 3; ++i) g.JeuSauve[(r - 1) * 13 + (p - 1) * 3 + i] = d[(p - 1) * 18 + (r - 1) * 3 + i];
    g.JeuSauve[r * 13] = d[72 + r];
  }
  g.NumeroDonne = 10;
  g.RejouerDonne = 1;
  return DistribuerDonne(g);
}

// Card numbers of seat p's hand, and of the hand that seat p holds in d.
std::vector<int16_t> Main(const Partie& g, int p) {
  std::vector<int16_t> m;
  for (const Carte& c : g.MainsJoueurs[p]) m.push_back(NumeroCarte(c));
  return m;
}
std::vector<int16_t> Main(const Ordre& d, int p) { return {d.begin() + (p - 1) * 18, d.begin() + p * 18}; }

Partie Nouvelle(uint64_t graine, int16_t forceMain = 2, int16_t auMoinsUnePrise = 0) {
  Partie g{Aleatoire(graine)};
  g.ForceMain = forceMain;
  g.AuMoinsUnePriseActif = auMoinsUnePrise;
  return g;
}

// The deck 1..78 dealt in packets of three from seat 1, one card to the chien per pass; the
// first deal starts from 1..78 whatever the deck held; the shuffle exchanges the places
// CInt(CInt(u * 7699) / 100) + 1, CInt(u * 1400) + 313 times.
TEST(Distribution, ShuffleAndPackets) {
  Partie g = Nouvelle(1);
  Ordre identite;
  for (int16_t i = 1; i <= 78; ++i) identite[i] = i;
  g.JeuSauve = identite;
  g.NumeroDonne = 10;
  g.RejouerDonne = 1;
  DistribuerDonne(g);
  EXPECT_EQ(Main(g, 1), (std::vector<int16_t>{1, 2, 3, 14, 15, 16, 27, 28, 29, 40, 41, 42, 53, 54, 55, 66, 67, 68}));
  EXPECT_EQ(Main(g, 4), (std::vector<int16_t>{10, 11, 12, 23, 24, 25, 36, 37, 38, 49, 50, 51, 62, 63, 64, 75, 76, 77}));
  for (int j = 1; j <= 6; ++j) EXPECT_EQ(NumeroCarte(g.Chien[j]), 13 * j);
  for (int16_t i = 1; i <= 78; ++i) EXPECT_EQ(g.CartesDistribuees[i], (Carte{CarteDeNumero(g.PaquetTravail[i]).Valeur, CarteDeNumero(g.PaquetTravail[i]).Couleur, 1, 0}));
  const Ordre base = Base();
  ASSERT_EQ(Jouer(g, base), 1);
  EXPECT_EQ(g.PaquetTravail, base);  // kept in dealt order

  // The next try shuffles the order just dealt; at the top of its range the count of tries
  // stays there rather than wrap to 1 and reset the deck.
  for (uint64_t graine = 1; graine <= 10; ++graine) {
    Aleatoire a(graine);
    auto melanger = [&a](Ordre paquet) {
      const int n = CInt(a.Rnd() * 1400) + 313;
      for (int k = 0; k < n; ++k) {
        const int x = CInt(CInt(a.Rnd() * 7699) / 100.0) + 1;
        std::swap(paquet[x], paquet[CInt(CInt(a.Rnd() * 7699) / 100.0) + 1]);
      }
      return paquet;
    };
    Partie h = Nouvelle(graine);
    h.PaquetTravail.Remplir(5);  // whatever it held before the first deal
    DistribuerDonne(h);
    EXPECT_EQ(h.NumeroDonne, 1);
    EXPECT_EQ(h.JeuCourant, melanger(identite));
    EXPECT_EQ(h.JeuSauve, h.JeuCourant);
    const Ordre suite = h.PaquetTravail;
    h.NumeroDonne = 32767;
    DistribuerDonne(h);
    EXPECT_EQ(h.NumeroDonne, 32767);
    EXPECT_EQ(h.JeuCourant, melanger(suite));
  }
}

TEST(Distribution, PetitSecAndDiscardableCards) {
  Partie g = Nouvelle(3);
  // Seat 3 left with the Petit as its only suit-0 card; then with the Excuse beside it.
  Ordre sec = Base();
  Echanger(sec, At(11), At(1));
  for (int16_t k = 0; k < 4; ++k) Echanger(sec, At(static_cast<int16_t>(10 - k)), N(1, static_cast<int16_t>(1 + k)));
  EXPECT_EQ(Jouer(g, sec), 0);
  EXPECT_EQ(g.PaquetTravail, sec);  // a rejected try keeps its cards
  Echanger(sec, At(0), N(3, 1));
  EXPECT_EQ(Jouer(g, sec), 1);

  // Seat 4 with fifteen suit-0 cards and three plain cards below the King: it needs three
  // more such cards in the chien, where Kings do not count.
  Ordre ecart = Base();
  for (int16_t k = 0; k < 5; ++k) {
    Echanger(ecart, N(4, static_cast<int16_t>(1 + k)), At(static_cast<int16_t>(21 - k)));
    Echanger(ecart, N(4, static_cast<int16_t>(6 + k)), At(static_cast<int16_t>(16 - k)));
  }
  Echanger(ecart, N(1, 14), N(1, 1));
  Echanger(ecart, N(2, 14), N(2, 1));
  EXPECT_EQ(Jouer(g, ecart), 0);  // 3 + 2
  Echanger(ecart, N(3, 14), N(3, 1));
  EXPECT_EQ(Jouer(g, ecart), 1);  // 3 + 3
}

// Seat 1 passes, seat 2 supports Garde, seat 3 Prise, seat 4 passes.
Ordre Encheres() {
  return Composer({{At(5), At(6), At(7)},
                   {At(0), At(21), At(20), At(19), At(18), N(1, 14), N(2, 14)},
                   {At(1), At(17), At(16), At(2), At(3), At(4), N(3, 14), N(4, 14), N(1, 13)}});
}

TEST(Distribution, ForcedHandAndAtLeastOneTaker) {
  const Ordre d = Encheres();
  Partie g = Nouvelle(4);
  ASSERT_EQ(Jouer(g, d), 1);
  const int16_t encheres[5] = {0, 0, 2, 1, 0};
  for (int16_t p = 1; p <= 4; ++p) ASSERT_EQ(CalculerEnchereConseillee(g, p), encheres[p]);

  // ForceMain, then the seat whose hand seat 1 ends with (0: rejected, hands untouched).
  for (auto [forceMain, source] : {std::pair{1, 1}, {2, 1}, {0, 1}, {7, 1}, {3, 3}, {4, 2}, {5, 0}, {6, 0}}) {
    for (int16_t option : {0, 1}) {
      Partie h = Nouvelle(4, static_cast<int16_t>(forceMain), option);
      EXPECT_EQ(Jouer(h, d), source != 0 ? 1 : 0) << forceMain;
      const int s = std::max(source, 1);
      EXPECT_EQ(Main(h, 1), Main(d, s)) << forceMain;
      EXPECT_EQ(Main(h, s), Main(d, 1)) << forceMain;
      EXPECT_EQ(h.PaquetTravail, d);  // the record of the deal is not exchanged
    }
  }
  // A defence hand asked while seat 1 bids: the first passing seat gives its hand.
  Ordre fort = Composer({{At(0), At(21), At(20), At(19), At(18), N(1, 14), N(2, 14)},
                         {At(5), At(6), At(7)},
                         {At(1), At(17), At(16), At(2), At(3), At(4), N(3, 14), N(4, 14), N(1, 13)}});
  Partie h = Nouvelle(4, 1, 1);
  EXPECT_EQ(Jouer(h, fort), 1);
  EXPECT_EQ(Main(h, 1), Main(fort, 2));

  // Four passing hands are rejected with the option on, also when seat 1 was asked to pass;
  // seat 1 alone bidding is enough.
  for (int16_t forceMain : {1, 2}) {
    Partie k = Nouvelle(6, forceMain, 1);
    EXPECT_EQ(Jouer(k, Base()), 0);
    k.AuMoinsUnePriseActif = 0;
    EXPECT_EQ(Jouer(k, Base()), 1);
  }
  Partie k = Nouvelle(6, 2, 1);
  EXPECT_EQ(Jouer(k, Composer({{At(0), At(21), At(20), At(19), At(18), N(1, 14), N(2, 14)},
                               {At(1), At(2), At(3), At(4), At(5), At(6)},
                               {At(7), At(8), At(9), At(10), At(13)}})),
            1);

  // The exchange moves Valeur and Couleur place by place; EnMain stays with its place.
  g.MainsJoueurs[1][3].EnMain = 0;
  EchangerMains(g, 1, 2);
  EXPECT_EQ(Main(g, 1), Main(d, 2));
  EXPECT_EQ(Main(g, 2), Main(d, 1));
  EXPECT_EQ(g.MainsJoueurs[1][3].EnMain, 0);
  EXPECT_EQ(g.MainsJoueurs[2][3].EnMain, 1);
}

// A replay deals the saved deck again: the same cards, the count of tries unchanged; with a
// forced hand, the same four hands up to the exchange with seat 1.
TEST(Distribution, Replay) {
  for (int16_t forceMain : {2, 4}) {
    Partie g = Nouvelle(9, forceMain);
    DistribuerDonneAcceptee(g);
    const Partie avant = g;
    g.RejouerDonne = 1;
    DistribuerDonneAcceptee(g);
    EXPECT_EQ(g.NumeroDonne, avant.NumeroDonne);
    EXPECT_EQ(g.JeuSauve, avant.JeuSauve);
    EXPECT_EQ(g.Chien, avant.Chien);
    for (int p = 1; p <= 4; ++p)
      EXPECT_TRUE(std::find(avant.MainsJoueurs.begin(), avant.MainsJoueurs.end(), g.MainsJoueurs[p]) != avant.MainsJoueurs.end());
    if (forceMain == 2) {
      EXPECT_EQ(g.MainsJoueurs, avant.MainsJoueurs);
    }
  }
}

// Accepted deals under every option: each card once, sorted hands, no Petit sec, six cards to
// discard for every seat, and seat 1 holding the hand asked for.
TEST(Distribution, AcceptedDeals) {
  Partie g = Nouvelle(2024);
  int verifiees = 0;
  for (int i = 0; i < 1200; ++i) {
    g.ForceMain = static_cast<int16_t>(1 + i % 6);
    g.AuMoinsUnePriseActif = static_cast<int16_t>(i / 6 % 2);
    DistribuerDonneAcceptee(g);
    Tab1<int, 78> vues{};
    int chien = 0;
    for (const Carte& c : g.Chien) ++vues[NumeroCarte(c)], chien += c.Couleur != 0 && c.Valeur < 14;
    for (int16_t p = 1; p <= 4; ++p) {
      const auto& m = g.MainsJoueurs[p];
      int atouts = 0, ecartables = chien;
      for (int j = 1; j <= 18; ++j) {
        ++vues[NumeroCarte(m[j])];
        atouts += m[j].Couleur == 0;
        ecartables += m[j].Couleur != 0 && m[j].Valeur < 14;
        if (j < 18) {
          ASSERT_TRUE(AvantDansLeTri(m[j], m[j + 1]));
        }
      }
      EXPECT_FALSE(atouts == 1 && m[1].EstPetit()) << i;
      EXPECT_GE(ecartables, 6) << i;
    }
    ASSERT_TRUE(std::all_of(vues.begin(), vues.end(), [](int n) { return n == 1; })) << i;
    // Without trump 11 or 12 the advice draws on nothing: it must be the bid asked.
    const auto& m1 = g.MainsJoueurs[1];
    if (g.ForceMain != 2 && std::none_of(m1.begin(), m1.end(), [](const Carte& c) { return c.Couleur == 0 && (c.Valeur == 11 || c.Valeur == 12); })) {
      EXPECT_EQ(CalculerEnchereConseillee(g, 1), g.ForceMain == 1 ? 0 : g.ForceMain - 2) << i;
      ++verifiees;
    }
  }
  EXPECT_GT(verifiees, 300);
}

}  // namespace
