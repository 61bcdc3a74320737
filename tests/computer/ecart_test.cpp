// The computer taker's discard on hands written out for it: which suit it voids and which it
// spares. Random deals check every discard for soundness (donnes_aleatoires_test.cpp).
#include "computer/ecart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/cartes.h"

namespace {

int Nombre(const Cartes& cs, int16_t couleur) {
  return static_cast<int>(std::ranges::count_if(cs, [&](const Carte& c) { return c.Couleur == couleur; }));
}
bool Contient(const Cartes& cs, const std::string& noms) {
  return std::ranges::all_of(
      Lire(noms), [&](const Carte& c) { return std::ranges::any_of(cs, [&](auto& x) { return Meme(x, c); }); });
}

// West takes with these 24 cards, the last six in the chien; the cards he must lay aside, and how
// many of the six from the suits named. Among suits alike the survey starts from a random suit:
// that draw is left to the pinned self-play.
struct Cas {
  const char* nom;
  const char* cartes;
  const char* ecartees;
  std::vector<int16_t> couleurs;
  int nombre;
};

TEST(Ecart, VoidsAKinglessSuitAndSparesTheLongest) {
  // clang-format off
  const Cas cas[] = {
      {"the lone card of the only King-less suit goes first, the long spades stay",
       "A21 A20 A19 A18 A17 A16 A15 A14 Exc P14 P13 P12 P11 Co14 Co13 Co12 Ca14 Ca13 T3 P10 P9 Co11 Ca12 Ca11",
       "T3", {CouleurCoeur, CouleurCarreau}, 5},
      {"only four small cards outside spades: two spades join them",
       "A21 A20 A19 A18 A17 A16 A15 A14 A13 Exc P14 P13 P12 P11 P10 P9 P8 Co14 Co13 Co12 T14 T13 T12 Ca14",
       "Co13 Co12 T13 T12", {CouleurPique}, 2},
      {"a long King-less suit loses its six highest",
       "A21 A20 A19 A18 A17 A16 A15 A14 A13 A12 A11 A10 A9 Exc P14 Co14 T14 Ca9 Ca8 Ca7 Ca6 Ca5 Ca4 Ca3",
       "Ca9 Ca8 Ca7 Ca6 Ca5 Ca4", {}, 0},
  };
  // clang-format on
  for (const Cas& c : cas)
    for (uint64_t graine = 1; graine <= 30; ++graine) {
      Partie g{Aleatoire(graine)};
      const Cartes cartes = Lire(c.cartes);
      Donner(g, {{4, Cartes(cartes.begin(), cartes.end() - 6)}}, Cartes(cartes.end() - 6, cartes.end()));
      DonnerContrat(g, 4, EncherePrise);
      FaireEcartOrdinateur(g);
      const Cartes ecart(g.Chien.begin(), g.Chien.end());
      EXPECT_TRUE(Contient(ecart, c.ecartees)) << c.nom << ", seed " << graine;
      int n = 0;
      for (int16_t s : c.couleurs) n += Nombre(ecart, s);
      EXPECT_EQ(n, c.nombre) << c.nom << ", seed " << graine;
    }
}

}  // namespace
