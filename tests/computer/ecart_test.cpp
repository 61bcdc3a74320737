// The computer taker's discard on hands written out for it: which suit it voids and which it
// spares. Random deals check every discard for soundness (donnes_aleatoires_test.cpp).
#include "computer/ecart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/cartes.h"

namespace {

int Nombre(const Cartes& cs, int16_t couleur) {
  return static_cast<int>(std::ranges::count_if(cs, [&](const Carte& c) { return c.Couleur == couleur; }));
}
bool Contient(const Cartes& cs, const std::string& noms) {
  return std::ranges::all_of(
      Lire(noms), [&](const Carte& c) { return std::ranges::any_of(cs, [&](auto& x) { return Meme(x, c); }); });
}

// West takes with these 24 cards, the last six in the chien. `juste` gets the random start
// suit of the survey (the first draw) and the discard.
struct Cas {
  const char *nom, *cartes;
  bool (*juste)(int16_t, const Cartes&);
};

TEST(Ecart, VoidsAKinglessSuitAndSparesTheLongest) {
  using C = const Cartes&;
  const Cas cas[] = {
      {"the lone card of the only King-less suit goes first, the long spades stay",
       "A21 A20 A19 A18 A17 A16 A15 A14 Exc P14 P13 P12 P11 Co14 Co13 Co12 Ca14 Ca13 T3 P10 P9 Co11 Ca12 Ca11",
       [](int16_t, C e) { return Contient(e, "T3") && Nombre(e, CouleurCoeur) + Nombre(e, CouleurCarreau) == 5; }},
      {"only four small cards outside spades: two spades join them",
       "A21 A20 A19 A18 A17 A16 A15 A14 A13 Exc P14 P13 P12 P11 P10 P9 P8 Co14 Co13 Co12 T14 T13 T12 Ca14",
       [](int16_t, C e) { return Contient(e, "Co13 Co12 T13 T12") && Nombre(e, CouleurPique) == 2; }},
      {"of two longest suits, the first from the random start is spared",
       "A21 A20 A19 A18 A17 A16 A15 Exc P14 P13 P12 P11 P10 P9 Co14 Co13 Co12 Co11 Co10 Co9 T14 Ca14 Ca13 Ca12",
       [](int16_t depart, C e) { return Nombre(e, depart == CouleurCoeur ? CouleurCoeur : CouleurPique) == 0; }},
      {"of two equal King-less suits, the first from the random start is voided",
       "A21 A20 A19 A18 A17 A16 A15 P14 P13 P12 P11 P10 Co14 Co13 Co12 Co11 Co10 Co9 Co8 Co7 T3 T2 Ca3 Ca2",
       [](int16_t depart, C e) { return Nombre(e, depart == CouleurCarreau ? CouleurCarreau : CouleurTrefle) == 2; }},
      {"a long King-less suit loses its six highest",
       "A21 A20 A19 A18 A17 A16 A15 A14 A13 A12 A11 A10 A9 Exc P14 Co14 T14 Ca9 Ca8 Ca7 Ca6 Ca5 Ca4 Ca3",
       [](int16_t, C e) { return Contient(e, "Ca9 Ca8 Ca7 Ca6 Ca5 Ca4"); }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Tab1<int, 5> departs{};
    for (uint64_t graine = 1; graine <= 30; ++graine) {
      Partie g{Aleatoire(graine)};
      const Cartes cartes = Lire(c.cartes);
      Donner(g, {{4, Cartes(cartes.begin(), cartes.end() - 6)}}, Cartes(cartes.end() - 6, cartes.end()));
      DonnerContrat(g, 4, EncherePrise);
      const auto depart = static_cast<int16_t>(CInt(Aleatoire(g.alea).Rnd() * 3) + 1);  // the survey's first draw
      ++departs[depart];
      FaireEcartOrdinateur(g);
      EXPECT_TRUE(c.juste(depart, Cartes(g.Chien.begin(), g.Chien.end()))) << graine;
    }
    EXPECT_GT(departs[CouleurCoeur] * departs[CouleurCarreau], 0);  // both outcomes of the ties happen
  }
}

}  // namespace
