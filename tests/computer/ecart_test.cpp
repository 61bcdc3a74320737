// The computer taker's discard on hands written out for it: which suit it voids and which it
// spares. Random deals check every discard for soundness (donnes_aleatoires_test.cpp).
#include "computer/ecart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/cartes.h"

namespace {

int Nombre(const Cartes& cs, int16_t couleur) {
  return static_cast<int>(std::count_if(cs.begin(), cs.end(), [&](const Carte& c) { return c.Couleur == couleur; }));
}
bool Contient(const Cartes& cs, std::initializer_list<Carte> cartes) {
  return std::all_of(cartes.begin(), cartes.end(), [&](const Carte& c) {
    return std::any_of(cs.begin(), cs.end(), [&](const Carte& x) { return Meme(x, c); });
  });
}

// West takes with these 24 cards, the last six in the chien. `verifier` gets the random
// start suit of the survey (the first draw) and the discard.
struct Cas {
  const char* nom;
  Cartes cartes;
  std::function<void(int16_t, const Cartes&)> verifier;
};

TEST(Ecart, VoidsAKinglessSuitAndSparesTheLongest) {
  const Cas cas[] = {
      {"the lone card of the only King-less suit goes first, the long spades stay",
       {At(21), At(20), At(19), At(18), At(17), At(16), At(15), At(14), Exc(), Pi(14), Pi(13), Pi(12),
        Pi(11), Co(14), Co(13), Co(12), Ca(14), Ca(13), Tr(3),  Pi(10), Pi(9), Co(11), Ca(12), Ca(11)},
       [](int16_t, const Cartes& e) {
         EXPECT_TRUE(Contient(e, {Tr(3)}));
         EXPECT_EQ(Nombre(e, CouleurCoeur) + Nombre(e, CouleurCarreau), 5);
       }},
      {"only four small cards outside spades: two spades join them",
       {At(21), At(20), At(19), At(18), At(17), At(16), At(15), At(14), At(13), Exc(),  Pi(14), Pi(13),
        Pi(12), Pi(11), Pi(10), Pi(9),  Pi(8),  Co(14), Co(13), Co(12), Tr(14), Tr(13), Tr(12), Ca(14)},
       [](int16_t, const Cartes& e) {
         EXPECT_TRUE(Contient(e, {Co(13), Co(12), Tr(13), Tr(12)}));
         EXPECT_EQ(Nombre(e, CouleurPique), 2);
       }},
      {"of two longest suits, the first from the random start is spared",
       {At(21), At(20), At(19), At(18), At(17), At(16), At(15), Exc(), Pi(14), Pi(13), Pi(12), Pi(11),
        Pi(10), Pi(9),  Co(14), Co(13), Co(12), Co(11), Co(10), Co(9), Tr(14), Ca(14), Ca(13), Ca(12)},
       [](int16_t depart, const Cartes& e) {
         EXPECT_EQ(Nombre(e, depart == CouleurCoeur ? CouleurCoeur : CouleurPique), 0);
       }},
      {"of two equal King-less suits, the first from the random start is voided",
       {At(21), At(20), At(19), At(18), At(17), At(16), At(15), Pi(14), Pi(13), Pi(12), Pi(11), Pi(10),
        Co(14), Co(13), Co(12), Co(11), Co(10), Co(9),  Co(8),  Co(7),  Tr(3),  Tr(2),  Ca(3),  Ca(2)},
       [](int16_t depart, const Cartes& e) {
         EXPECT_EQ(Nombre(e, depart == CouleurCarreau ? CouleurCarreau : CouleurTrefle), 2);
       }},
      {"a long King-less suit loses its six highest",
       {At(21), At(20), At(19), At(18), At(17), At(16), At(15), At(14), At(13), At(12), At(11), At(10),
        At(9),  Exc(),  Pi(14), Co(14), Tr(14), Ca(9),  Ca(8),  Ca(7),  Ca(6),  Ca(5),  Ca(4),  Ca(3)},
       [](int16_t, const Cartes& e) {
         EXPECT_TRUE(Contient(e, {Ca(9), Ca(8), Ca(7), Ca(6), Ca(5), Ca(4)}));
       }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Tab1<int, 5> departs{};
    for (uint64_t graine = 1; graine <= 30; ++graine) {
      Partie g{Aleatoire(graine)};
      Donner(g, {{4, Cartes(c.cartes.begin(), c.cartes.end() - 6)}}, Cartes(c.cartes.end() - 6, c.cartes.end()));
      DonnerContrat(g, 4, EncherePrise);
      Aleatoire tirage = g.alea;
      const auto depart = static_cast<int16_t>(CInt(tirage.Rnd() * 3) + 1);
      ++departs[depart];
      FaireEcartOrdinateur(g);
      const Cartes ecart(g.Chien.begin(), g.Chien.end());
      c.verifier(depart, ecart);
    }
    EXPECT_GT(departs[CouleurCoeur] * departs[CouleurCarreau], 0);  // both outcomes of the ties happen
  }
}

}  // namespace
