// The rules of the Petit and the Excuse, each on a position built for it: the rule acts when
// its condition holds and not when one clause fails.
#include <gtest/gtest.h>

#include <string>

#include "computer/choix.h"
#include "computer/position.h"
#include "computer/regles.h"

using namespace pos;

namespace {

// A deal in play with the taker at `preneur`, at trick `pli`.
struct Donne {
  Partie g{Aleatoire(2024)};
  explicit Donne(int16_t preneur, int16_t pli = 6) {
    g.Preneur = preneur;
    g.NumeroPli = pli;
    PoserPli(g, 1, {});
  }
  Donne& Pli(int16_t entameur, std::initializer_list<Carte> posees) {
    PoserPli(g, entameur, posees);
    return *this;
  }
  // The hand of the seat to play, every held card a candidate.
  Donne& Main(int16_t j, std::initializer_list<Carte> cartes) {
    Autre(j, cartes);
    ToutJouable(g, j);
    return *this;
  }
  Donne& Autre(int16_t s, std::initializer_list<Carte> cartes) {
    DonnerMain(g, s, cartes);
    Recenser(g);
    return *this;
  }
  template <class F>
  Donne& Avec(F f) {
    f(g);
    return *this;
  }
  // One rule alone: "=card" when it picked, else the candidates left.
  std::string Regle(int16_t numero, int16_t j) {
    ContexteChoix c = CalculerContexteChoix(g, j);
    LancerRegle(g, c, numero);
    EXPECT_EQ(g.ReglesActives[numero], c.ChoixFait == 1 ? 2 : 1) << numero;
    g.ReglesActives.Remplir(1);
    std::string t = c.ChoixFait == 1 ? "=" : "";
    t += Reste(g, j);
    return t;
  }
  // The whole cascade: the rule that picked (0 none), then the candidates left.
  std::string Cascade(int16_t j) {
    ChoisirCarteOrdinateur(g, j);
    return std::to_string(g.RegleAffichee[j]) + " " + Reste(g, j);
  }
};

TEST(PetitExcuse, Regle15) {
  EXPECT_EQ(Donne(2, 17).Pli(2, {At(9)}).Main(3, {At(4), Exc()}).Regle(15, 3), "=Exc");
  EXPECT_EQ(Donne(2, 16).Pli(2, {At(9)}).Main(3, {At(4), Exc()}).Regle(15, 3), "A4 Exc");
  // First of the cascade: whatever the seat's role and place in the trick.
  for (int16_t preneur = 1; preneur <= 4; ++preneur)
    for (int16_t entameur = 1; entameur <= 4; ++entameur) {
      Donne d(preneur, 17);
      d.Pli(entameur, {}).Main(3, {At(1), Exc()});
      for (int16_t s = entameur; s != 3; s = Suivant(s)) d.g.PliCourant[s] = At(static_cast<int16_t>(10 + s));
      EXPECT_EQ(d.Cascade(3), "15 Exc");
    }
}

TEST(PetitExcuse, Regles251Et8) {
  for (int16_t r : {251, 8}) {
    EXPECT_EQ(Donne(2).Pli(2, {}).Main(2, {At(12), At(1), Exc(), Co(3)}).Regle(r, 2), "A12 Exc Co3");
    EXPECT_EQ(Donne(2).Pli(2, {}).Main(2, {At(1), Exc()}).Regle(r, 2), "Exc");
    EXPECT_EQ(Donne(2).Pli(2, {}).Main(2, {At(1)}).Regle(r, 2), "A1");
    EXPECT_EQ(Donne(2).Pli(1, {At(3)}).Main(2, {At(12), At(1)}).Regle(r, 2), "A12 A1");
  }
}

TEST(PetitExcuse, Regle191) {
  EXPECT_EQ(Donne(2).Pli(3, {}).Main(3, {At(12), At(1), Exc(), Co(3), Ca(11)}).Regle(191, 3), "Co3 Ca11");
  EXPECT_EQ(Donne(2).Pli(3, {}).Main(3, {At(12), At(1), Exc()}).Regle(191, 3), "A12 A1 Exc");
  EXPECT_EQ(Donne(3).Pli(3, {}).Main(3, {At(12), At(1), Co(3)}).Regle(191, 3), "A12 A1 Co3");  // the taker
  EXPECT_EQ(Donne(2).Pli(1, {Co(9)}).Main(3, {At(12), At(1), Co(3)}).Regle(191, 3), "A12 A1 Co3");
  EXPECT_EQ(Donne(2).Pli(3, {}).Main(3, {At(12), At(2), Co(3)}).Regle(191, 3), "A12 A2 Co3");
  // Through the cascade: the Excuse rather than the Petit; with trumps only, not the Petit.
  EXPECT_EQ(Donne(2).Pli(3, {}).Main(3, {At(1), Exc()}).Cascade(3), "0 Exc");
  EXPECT_EQ(Donne(2).Pli(3, {}).Main(3, {At(17), At(6), At(1)}).Cascade(3), "252 A17");
}

TEST(PetitExcuse, Regle21) {
  // Only trumps left in hand, and every trump not yet fallen among them.
  auto r21 = [](int16_t pli, std::initializer_list<Carte> main, int16_t tombes) {
    return Donne(1, pli).Pli(2, {}).Main(2, main).Avec([=](Partie& g) { g.NbAtoutsTombes = tombes; }).Regle(21, 2);
  };
  EXPECT_EQ(r21(16, {At(21), At(20), At(1)}, 18), "A21 A20");
  EXPECT_EQ(r21(16, {At(21), At(20), At(1)}, 17), "A21 A20 A1");
  EXPECT_EQ(r21(16, {At(21), At(1), Exc()}, 19), "A21 A1 Exc");  // the Excuse breaks the count
  EXPECT_EQ(r21(18, {At(1)}, 20), "A1");
}

TEST(PetitExcuse, Regle170) {
  auto sansAtout = [](int16_t observateur, std::initializer_list<int16_t> sieges) {
    return [=](Partie& g) {
      for (int16_t s : sieges) g.SansAtout[observateur][s] = 1;
    };
  };
  EXPECT_EQ(Donne(4).Main(4, {At(8), At(1), Pi(5)}).Avec(sansAtout(4, {1, 2, 3})).Regle(170, 4), "A8 P5");
  EXPECT_EQ(Donne(4).Main(4, {At(8), At(1), Pi(5)}).Avec(sansAtout(4, {1, 2})).Regle(170, 4), "A8 A1 P5");
  EXPECT_EQ(Donne(4).Main(4, {At(8), At(1), Pi(5)}).Avec(sansAtout(4, {2, 3})).Regle(170, 4), "A8 A1 P5");
  EXPECT_EQ(Donne(3).Main(4, {At(8), At(1), Pi(5)}).Avec(sansAtout(3, {1, 2, 4})).Regle(170, 4), "A8 A1 P5");
}

TEST(PetitExcuse, Regle4) {
  // After the taker, a card that wins: the Petit.
  EXPECT_EQ(Donne(2).Pli(2, {Pi(10)}).Main(3, {At(7), At(1)}).Regle(4, 3), "=A1");
  EXPECT_EQ(Donne(2).Pli(2, {At(15)}).Main(3, {At(7), At(1)}).Regle(4, 3), "A7 A1");
  // The taker still to play; last after the taker, the duel not at stake.
  EXPECT_EQ(Donne(4).Pli(2, {Pi(10)}).Main(3, {At(7), At(1)}).Regle(4, 3), "A7 A1");
  EXPECT_EQ(Donne(4).Pli(4, {Pi(10), Pi(3), At(2)}).Main(3, {At(7), At(1)}).Regle(4, 3), "=A1");
}

TEST(PetitExcuse, Regle201) {
  EXPECT_EQ(Donne(1).Pli(2, {}).Autre(4, {At(1), Pi(2)}).Main(2, {At(21), At(5), Co(4)}).Regle(201, 2), "=A21");
  EXPECT_EQ(Donne(1).Pli(2, {}).Autre(4, {Jouee(At(1))}).Main(2, {At(21), At(5), Co(4)}).Regle(201, 2),
            "A21 A5 Co4");
  EXPECT_EQ(Donne(2).Pli(2, {}).Autre(4, {At(1), Pi(2)}).Main(2, {At(21), At(5), Co(4)}).Regle(201, 2),
            "A21 A5 Co4");
}

TEST(PetitExcuse, Regle7) {
  EXPECT_EQ(Donne(1).Pli(1, {At(6), At(21)}).Main(3, {At(9), At(1), Ca(2)}).Regle(7, 3), "=A1");
  auto sansPetit = [](Partie& g) { g.CarteJouable[3][g.PlacePetit] = 0; };
  EXPECT_EQ(Donne(1).Pli(1, {At(6), At(21)}).Main(3, {At(9), At(1), Ca(2)}).Avec(sansPetit).Regle(7, 3), "A9 Ca2");
  EXPECT_EQ(Donne(2).Pli(1, {At(6), At(21)}).Main(3, {At(9), At(1)}).Regle(7, 3), "A9 A1");  // the taker's 21
}

TEST(PetitExcuse, Regle181) {
  // Six trumps dealt, a trump lead: the 21, once per deal; a trump of 15 or less from the seat
  // before him covers the Petit.
  for (const auto& [avant, protege] : {std::pair{At(15), 1}, std::pair{At(16), 0}, std::pair{Exc(), 0}}) {
    Donne d(1);
    d.Pli(1, {At(5), avant}).Main(3, {At(21), At(13), At(9), At(6), At(3), At(1)});
    EXPECT_EQ(d.Regle(181, 3), "=A21");
    EXPECT_EQ(d.g.Regle181Jouee, 1);
    EXPECT_EQ(d.g.PetitProtege, protege) << avant.Valeur;
    EXPECT_EQ(d.Main(3, {At(21), At(9), At(1)}).Regle(181, 3), "A21 A9 A1");
  }
  const auto sept = {At(21), At(13), At(9), At(7), At(6), At(3), At(1)};
  EXPECT_EQ(Donne(1).Pli(1, {At(5)}).Main(2, sept).Regle(181, 2), "A21 A13 A9 A7 A6 A3 A1");
  EXPECT_EQ(Donne(1).Pli(2, {}).Main(2, {At(21), At(9), At(1)}).Regle(181, 2), "A21 A9 A1");  // leading
}

TEST(PetitExcuse, Regle118) {
  // The taker, void in clubs from the deal, at their first round.
  auto r118 = [](std::initializer_list<Carte> main, int16_t nonJouee, Carte entame = Tr(4)) {
    return Donne(3).Pli(1, {entame, Tr(13)}).Main(3, main).Avec([=](Partie& g) {
      g.CouleurNonJouee[CouleurTrefle] = nonJouee;
    }).Regle(118, 3);
  };
  EXPECT_EQ(r118({At(18), At(9), At(1), Pi(4)}, 2), "=A1");
  EXPECT_EQ(r118({At(18), At(9), At(1), Pi(4)}, 0), "A18 A9 A1 P4");
  EXPECT_EQ(r118({At(18), At(1), Pi(4), Jouee(Tr(2))}, 2), "A18 A1 P4");
  EXPECT_EQ(r118({At(18), At(9), At(8), At(7), At(6), At(5), At(4), At(3), At(1)}, 2), "A18 A9 A8 A7 A6 A5 A4 A3 A1");
  EXPECT_EQ(r118({At(18), At(1), Pi(4)}, 2, At(4)), "A18 A1 P4");
}

TEST(PetitExcuse, Regle103) {
  // The taker second after the Petit led, or third after it was led or laid second.
  EXPECT_EQ(Donne(2).Pli(1, {At(1)}).Main(2, {At(21), At(4), Co(1)}).Regle(103, 2), "=A21");
  EXPECT_EQ(Donne(2).Pli(4, {At(1), At(7)}).Main(2, {At(21), At(4)}).Regle(103, 2), "=A21");
  EXPECT_EQ(Donne(2).Pli(4, {At(7), At(1)}).Main(2, {At(21), At(4)}).Regle(103, 2), "=A21");
  // Last, without the 21, a defender.
  EXPECT_EQ(Donne(2).Pli(3, {At(1), Pi(2), Pi(5)}).Main(2, {At(21), At(4)}).Regle(103, 2), "A21 A4");
  EXPECT_EQ(Donne(2).Pli(1, {At(1)}).Main(2, {At(20), At(4)}).Regle(103, 2), "A20 A4");
  EXPECT_EQ(Donne(3).Pli(1, {At(1)}).Main(2, {At(21), At(4)}).Regle(103, 2), "A21 A4");
  EXPECT_EQ(Donne(2).Pli(1, {At(1)}).Main(2, {At(21), At(4), Exc()}).Cascade(2), "103 A21");
}

TEST(PetitExcuse, Regle104) {
  // The taker leads; every trump outside his hand is the Petit.
  auto position = [](int16_t niveau, int16_t tombes, bool petitJoue) {
    Donne d(2);
    d.g.Niveau = niveau;
    d.Pli(2, {}).Autre(4, {petitJoue ? Jouee(At(1)) : At(1), Tr(2)}).Main(2, {At(21), At(16), Pi(3), Co(1)});
    d.g.NbAtoutsTombes = tombes;
    return d;
  };
  EXPECT_EQ(position(4, 18, false).Regle(104, 2), "=A21");
  EXPECT_EQ(position(4, 17, false).Regle(104, 2), "A21 A16 P3 Co1");
  EXPECT_EQ(position(4, 18, true).Regle(104, 2), "A21 A16 P3 Co1");
  // Switched off at level 1 only.
  EXPECT_EQ(position(2, 18, false).Cascade(2), "104 A21");
  EXPECT_NE(position(1, 18, false).Cascade(2).substr(0, 4), "104 ");
}

TEST(PetitExcuse, Regle252) {
  EXPECT_EQ(Donne(1).Pli(1, {At(3)}).Main(2, {At(17), At(11), At(1), Pi(7)}).Regle(252, 2), "=A17");
  // His highest dealt trump played: no other stands in for it.
  EXPECT_EQ(Donne(1).Pli(1, {At(3)}).Main(2, {Jouee(At(17)), At(11), At(1), Pi(7)}).Regle(252, 2), "A11 A1 P7");
  EXPECT_EQ(Donne(2).Pli(1, {At(3)}).Main(2, {At(17), At(11), At(1)}).Regle(252, 2), "A17 A11 A1");
}

TEST(PetitExcuse, Regle172) {
  // The taker (1) led the Excuse; seat 2 knows him void in one suit.
  auto r172 = [](int16_t niveau, Carte entame, int16_t coupe) {
    Donne d(1);
    d.g.Niveau = niveau;
    d.Pli(1, {entame}).Main(2, {At(5), Pi(9), Tr(9), Tr(4), Ca(1)});
    d.g.CoupesConnues[2][1][coupe] = 1;
    return d;
  };
  EXPECT_EQ(r172(4, Exc(), CouleurTrefle).Regle(172, 2), "=T9");
  EXPECT_EQ(r172(4, Exc(), CouleurCoeur).Regle(172, 2), "A5 P9 T9 T4 Ca1");  // no heart: nothing else
  // Another lead: not even the start suit is drawn.
  Donne d = r172(4, At(2), CouleurTrefle);
  Aleatoire temoin = d.g.alea;
  EXPECT_EQ(d.Regle(172, 2), "A5 P9 T9 T4 Ca1");
  EXPECT_EQ(d.g.Rnd(), temoin.Rnd());
  // Off at levels 1 and 2.
  EXPECT_EQ(r172(3, Exc(), CouleurTrefle).Cascade(2), "172 T9");
  EXPECT_NE(r172(2, Exc(), CouleurTrefle).Cascade(2).substr(0, 4), "172 ");
}

TEST(PetitExcuse, Regle9) {
  // Leading as the taker, or just before him.
  EXPECT_EQ(Donne(2).Pli(2, {}).Main(2, {At(8), Exc(), Co(5)}).Regle(9, 2), "A8 Co5");
  EXPECT_EQ(Donne(2).Pli(1, {}).Main(1, {At(8), Exc(), Co(5)}).Regle(9, 1), "A8 Co5");
  EXPECT_EQ(Donne(2).Pli(1, {}).Main(1, {Exc()}).Regle(9, 1), "Exc");
  EXPECT_EQ(Donne(2).Pli(3, {}).Main(3, {At(8), Exc(), Co(5)}).Regle(9, 3), "A8 Exc Co5");
  EXPECT_EQ(Donne(2).Pli(1, {Co(2)}).Main(2, {Exc(), Co(5)}).Regle(9, 2), "Exc Co5");
}

TEST(PetitExcuse, Regle10) {
  // The taker on a trump lead, the Petit his or gone.
  EXPECT_EQ(Donne(3).Pli(1, {At(14), At(2)}).Main(3, {At(6), At(1), Exc()}).Regle(10, 3), "=Exc");
  EXPECT_EQ(Donne(3).Pli(1, {At(14), At(2)}).Main(3, {At(6), Exc()}).Regle(10, 3), "=Exc");
  EXPECT_EQ(Donne(3).Pli(1, {At(14), At(2)}).Autre(4, {At(1)}).Main(3, {At(6), Exc()}).Regle(10, 3), "A6 Exc");
  EXPECT_EQ(Donne(3).Pli(1, {Co(14), Co(2)}).Main(3, {At(6), Exc()}).Regle(10, 3), "A6 Exc");
  EXPECT_EQ(Donne(3).Pli(1, {At(14)}).Main(2, {At(6), Exc()}).Regle(10, 2), "A6 Exc");
}

TEST(PetitExcuse, Regle190) {
  // The taker's King of hearts stands and seat 4 cannot beat it: CInt(100 u) below 40 gives
  // the Excuse, probability 0.395, with exactly one draw each time.
  Donne d(3);
  d.Pli(3, {Co(14)});
  int excuses = 0;
  const int n = 4000;
  for (int i = 0; i < n; ++i) {
    d.Main(4, {Exc(), Co(5), Co(2)});
    Aleatoire temoin = d.g.alea;
    excuses += d.Regle(190, 4) == "=Exc";
    temoin.Rnd();
    ASSERT_EQ(d.g.alea.Rnd(), temoin.Rnd());
  }
  EXPECT_NEAR(static_cast<double>(excuses) / n, 0.395, 0.04);

  // A seat that can win the duel, a leader, a duel not at stake: never.
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(d.Pli(3, {Co(14)}).Main(4, {At(3), Exc(), Pi(5)}).Regle(190, 4), "A3 Exc P5");
    EXPECT_EQ(d.Pli(4, {}).Main(4, {Exc(), Co(5)}).Regle(190, 4), "Exc Co5");
    EXPECT_EQ(d.Pli(1, {Co(14)}).Main(2, {Exc(), Co(5)}).Regle(190, 2), "Exc Co5");
  }

  // After a choice, or switched off, it still draws and does nothing.
  d.Pli(3, {Co(14)}).Main(4, {Exc(), Co(5)});
  ContexteChoix c = CalculerContexteChoix(d.g, 4);
  Aleatoire temoin = d.g.alea;
  c.ChoixFait = 1;
  for (int i = 0; i < 50; ++i) LancerRegle(d.g, c, 190);
  d.g.ReglesActives[190] = 0;
  c.ChoixFait = 0;
  for (int i = 0; i < 50; ++i) LancerRegle(d.g, c, 190);
  for (int i = 0; i < 100; ++i) temoin.Rnd();
  EXPECT_EQ(d.g.alea.Rnd(), temoin.Rnd());
  EXPECT_EQ(Reste(d.g, 4), "Exc Co5");
}

}  // namespace
