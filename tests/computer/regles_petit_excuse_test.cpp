#include <gtest/gtest.h>

#include <vector>

#include "computer/choix.h"
#include "computer/position.h"
#include "computer/regles.h"

using namespace pos;

namespace {

using Cartes = std::vector<Carte>;

// A deal in play with the taker at `preneur`; the tests lay hands and the trick.
struct Donne {
  Partie g{Aleatoire(2024)};
  explicit Donne(int16_t preneur, int16_t pli = 6) {
    g.Preneur = preneur;
    g.NumeroPli = pli;
    g.Niveau = NiveauPro;
    PoserPli(g, 1, {});
  }
  // Hand of the seat to play, every held card a candidate, bookkeeping recounted.
  void Main(int16_t j, std::initializer_list<Carte> cartes) {
    DonnerMain(g, j, cartes);
    Recenser(g);
    ToutJouable(g, j);
  }
  // Runs one rule for seat j on a fresh context; returns ChoixFait.
  int16_t Regle(int16_t numero, int16_t j) {
    ContexteChoix c = CalculerContexteChoix(g, j);
    LancerRegle(g, c, numero);
    EXPECT_EQ(g.ReglesActives[numero], c.ChoixFait == 1 ? 2 : 1) << numero;
    g.ReglesActives.Remplir(1);
    return c.ChoixFait;
  }
  Cartes Jouables(int16_t j) const { return Candidats(g, j); }
};

TEST(PetitExcuse, Regle15ExcuseAuPli17) {
  Donne d(2, 17);
  d.Main(3, {At(4), Exc()});
  PoserPli(d.g, 2, {At(9)});
  EXPECT_EQ(d.Regle(15, 3), 1);
  EXPECT_EQ(d.Jouables(3), (Cartes{Exc()}));

  Donne e(2, 16);
  e.Main(3, {At(4), Exc(), Pi(2)});
  PoserPli(e.g, 2, {At(9)});
  EXPECT_EQ(e.Regle(15, 3), 0);
  EXPECT_EQ(e.Jouables(3).size(), 3u);

  // Through the whole cascade, whatever the seat's role and place in the trick.
  for (int16_t preneur = 1; preneur <= 4; ++preneur)
    for (int16_t entameur = 1; entameur <= 4; ++entameur) {
      Donne f(preneur, 17);
      f.Main(3, {At(1), Exc()});
      PoserPli(f.g, entameur, {});
      for (int16_t s = entameur; s != 3; s = Suivant(s)) f.g.PliCourant[s] = At(static_cast<int16_t>(10 + s));
      ChoisirCarteOrdinateur(f.g, 3);
      EXPECT_EQ(f.Jouables(3), (Cartes{Exc()}));
      EXPECT_EQ(f.g.RegleAffichee[3], 15);
    }
}

TEST(PetitExcuse, Regles251Et8LeMeneurGardeLePetit) {
  for (int16_t regle : {251, 8}) {
    Donne d(2);
    d.Main(2, {At(12), At(1), Exc(), Co(3)});
    PoserPli(d.g, 2, {});
    EXPECT_EQ(d.Regle(regle, 2), 0);  // restricts, never decides
    EXPECT_EQ(d.Jouables(2), (Cartes{At(12), Exc(), Co(3)}));

    // With the Petit and the Excuse only, the Excuse; with the Petit alone, the Petit.
    d.Main(2, {At(1), Exc()});
    d.Regle(regle, 2);
    EXPECT_EQ(d.Jouables(2), (Cartes{Exc()}));
    d.Main(2, {At(1)});
    d.Regle(regle, 2);
    EXPECT_EQ(d.Jouables(2), (Cartes{At(1)}));

    // Not leading.
    d.Main(2, {At(12), At(1)});
    PoserPli(d.g, 1, {At(3)});
    d.Regle(regle, 2);
    EXPECT_EQ(d.Jouables(2).size(), 2u);
  }
}

TEST(PetitExcuse, Regle191LeDefenseurNEntamePasAtout) {
  Donne d(2);
  d.Main(3, {At(12), At(1), Exc(), Co(3), Ca(11)});
  PoserPli(d.g, 3, {});
  d.Regle(191, 3);
  EXPECT_EQ(d.Jouables(3), (Cartes{Co(3), Ca(11)}));

  // Only suit 0 left: nothing to avoid.
  d.Main(3, {At(12), At(1), Exc()});
  d.Regle(191, 3);
  EXPECT_EQ(d.Jouables(3).size(), 3u);

  // The taker leading, a defender following, a defender without the Petit.
  Donne e(3);
  e.Main(3, {At(12), At(1), Co(3)});
  PoserPli(e.g, 3, {});
  e.Regle(191, 3);
  EXPECT_EQ(e.Jouables(3).size(), 3u);
  Donne f(2);
  f.Main(3, {At(12), At(1), Co(3)});
  PoserPli(f.g, 1, {Co(9)});
  f.Regle(191, 3);
  EXPECT_EQ(f.Jouables(3).size(), 3u);
  f.Main(3, {At(12), At(2), Co(3)});
  PoserPli(f.g, 3, {});
  f.Regle(191, 3);
  EXPECT_EQ(f.Jouables(3).size(), 3u);

  // The whole cascade: a defender leading with the Petit and only the Petit and the Excuse
  // leads the Excuse; with trumps only, never the Petit.
  Donne h(2, 16);
  h.Main(3, {At(1), Exc()});
  PoserPli(h.g, 3, {});
  ChoisirCarteOrdinateur(h.g, 3);
  EXPECT_EQ(h.Jouables(3), (Cartes{Exc()}));
  h.Main(3, {At(17), At(6), At(1)});
  ChoisirCarteOrdinateur(h.g, 3);
  EXPECT_EQ(h.Jouables(3), (Cartes{At(17)}));  // rule 252, once the Petit is set aside
}

TEST(PetitExcuse, Regle21LePetitReste) {
  // Trick 16: three cards left, all trumps, and the 18 other trumps have fallen.
  Donne d(1, 16);
  d.Main(2, {At(21), At(20), At(1)});
  d.g.NbAtoutsTombes = 18;
  d.Regle(21, 2);
  EXPECT_EQ(d.Jouables(2), (Cartes{At(21), At(20)}));

  // A trump still outside.
  d.Main(2, {At(21), At(20), At(1)});
  d.g.NbAtoutsTombes = 17;
  d.Regle(21, 2);
  EXPECT_EQ(d.Jouables(2).size(), 3u);

  // The Excuse in hand breaks the count of cards.
  d.Main(2, {At(21), Exc(), At(1)});
  d.g.NbAtoutsTombes = 19;
  d.Regle(21, 2);
  EXPECT_EQ(d.Jouables(2).size(), 3u);

  // Last card: the Petit is played.
  Donne e(1, 18);
  e.Main(2, {At(1)});
  e.g.NbAtoutsTombes = 20;
  e.Regle(21, 2);
  EXPECT_EQ(e.Jouables(2), (Cartes{At(1)}));
}

TEST(PetitExcuse, Regle170LesDefenseursSansAtout) {
  Donne d(4);
  d.Main(4, {At(8), At(1), Pi(5)});
  for (int16_t s = 1; s <= 3; ++s) d.g.SansAtout[4][s] = 1;
  d.Regle(170, 4);
  EXPECT_EQ(d.Jouables(4), (Cartes{At(8), Pi(5)}));

  d.Main(4, {At(8), At(1), Pi(5)});
  d.g.SansAtout[4][2] = 0;
  d.Regle(170, 4);
  EXPECT_EQ(d.Jouables(4).size(), 3u);

  // A defender who knows the others trumpless is not concerned.
  Donne e(4);
  e.Main(1, {At(8), At(1), Pi(5)});
  for (int16_t s = 1; s <= 4; ++s) e.g.SansAtout[4][s] = e.g.SansAtout[1][s] = 1;
  e.Regle(170, 1);
  EXPECT_EQ(e.Jouables(1).size(), 3u);
}

TEST(PetitExcuse, Regle4LePetitApresLePreneur) {
  // The taker (2) led a spade; seat 3 has none and trumps with the Petit, which wins.
  Donne d(2);
  PoserPli(d.g, 2, {Pi(10)});
  d.Main(3, {At(7), At(1)});
  EXPECT_EQ(d.Regle(4, 3), 1);
  EXPECT_EQ(d.Jouables(3), (Cartes{At(1)}));

  // The taker's trump cannot be beaten: he keeps the Petit.
  PoserPli(d.g, 2, {At(15)});
  d.Main(3, {At(7), At(1)});
  EXPECT_EQ(d.Regle(4, 3), 0);

  // The taker (4) still to play: not after him.
  Donne e(4);
  PoserPli(e.g, 2, {Pi(10)});
  e.Main(3, {At(7), At(1)});
  EXPECT_EQ(e.Regle(4, 3), 0);
  // Last, with the taker having led: the duel is not his (100), the Petit goes.
  PoserPli(e.g, 4, {Pi(10), Pi(3), At(2)});
  e.Main(3, {At(7), At(1)});
  EXPECT_EQ(e.Regle(4, 3), 1);
}

TEST(PetitExcuse, Regle201LaChasseAuPetit) {
  Donne d(1);
  d.Main(2, {At(21), At(5), Co(4)});
  DonnerMain(d.g, 4, {At(1), Pi(2)});
  Recenser(d.g);
  PoserPli(d.g, 2, {});
  EXPECT_EQ(d.Regle(201, 2), 1);
  EXPECT_EQ(d.Jouables(2), (Cartes{At(21)}));

  // The Petit already played.
  d.Main(2, {At(21), At(5), Co(4)});
  DonnerMain(d.g, 4, {Jouee(At(1)), Pi(2)});
  Recenser(d.g);
  EXPECT_EQ(d.Regle(201, 2), 0);

  // The taker leading does not hunt by this rule.
  Donne e(2);
  e.Main(2, {At(21), At(5), Co(4)});
  DonnerMain(e.g, 4, {At(1), Pi(2)});
  Recenser(e.g);
  PoserPli(e.g, 2, {});
  EXPECT_EQ(e.Regle(201, 2), 0);
}

TEST(PetitExcuse, Regle7LePetitSousLe21DUnPartenaire) {
  Donne d(1);
  PoserPli(d.g, 1, {At(6), At(21)});
  d.Main(3, {At(9), At(1), Ca(2)});
  EXPECT_EQ(d.Regle(7, 3), 1);
  EXPECT_EQ(d.Jouables(3), (Cartes{At(1)}));

  // The Petit not playable now.
  d.Main(3, {At(9), At(1), Ca(2)});
  d.g.CarteJouable[3][d.g.PlacePetit] = 0;
  EXPECT_EQ(d.Regle(7, 3), 0);

  // The 21 is the taker's.
  Donne e(2);
  PoserPli(e.g, 1, {At(6), At(21)});
  e.Main(3, {At(9), At(1)});
  EXPECT_EQ(e.Regle(7, 3), 0);
}

TEST(PetitExcuse, Regle181LeDefenseurSauveSonPetit) {
  // Seat 3, six trumps dealt, plays the 21 on a trump lead; the seat before him decides
  // whether the Petit is covered.
  for (const auto& [avant, protege] : {std::pair{At(15), 1}, std::pair{At(16), 0}, std::pair{Exc(), 0}}) {
    Donne d(1);
    PoserPli(d.g, 1, {At(5), avant});
    d.Main(3, {At(21), At(13), At(9), At(6), At(3), At(1), Co(2)});
    d.g.CarteJouable[3][PlaceDe(d.g, 3, Co(2))] = 0;
    EXPECT_EQ(d.Regle(181, 3), 1);
    EXPECT_EQ(d.Jouables(3), (Cartes{At(21)}));
    EXPECT_EQ(d.g.Regle181Jouee, 1);
    EXPECT_EQ(d.g.PetitProtege, protege) << avant.Valeur;

    // Once per deal.
    d.Main(3, {At(21), At(13), At(9), At(6), At(3), At(1)});
    EXPECT_EQ(d.Regle(181, 3), 0);
  }

  // Seven trumps dealt.
  Donne e(1);
  PoserPli(e.g, 1, {At(5)});
  e.Main(2, {At(21), At(13), At(9), At(7), At(6), At(3), At(1)});
  EXPECT_EQ(e.Regle(181, 2), 0);
  // Leading.
  e.Main(2, {At(21), At(9), At(1)});
  PoserPli(e.g, 2, {});
  EXPECT_EQ(e.Regle(181, 2), 0);
  EXPECT_EQ(e.g.Regle181Jouee, 0);
}

TEST(PetitExcuse, Regle118LePreneurCoupeDuPetitAuPremierTour) {
  Donne d(3);
  PoserPli(d.g, 1, {Tr(4), Tr(13)});
  d.Main(3, {At(18), At(9), At(1), Pi(4)});
  d.g.CouleurNonJouee[CouleurTrefle] = 2;
  EXPECT_EQ(d.Regle(118, 3), 1);
  EXPECT_EQ(d.Jouables(3), (Cartes{At(1)}));

  // Second round of clubs.
  d.Main(3, {At(18), At(9), At(1), Pi(4)});
  d.g.CouleurNonJouee[CouleurTrefle] = 0;
  EXPECT_EQ(d.Regle(118, 3), 0);

  // Clubs dealt to him earlier (played since).
  d.Main(3, {At(18), At(9), At(1), Pi(4), Jouee(Tr(2))});
  d.g.CouleurNonJouee[CouleurTrefle] = 2;
  EXPECT_EQ(d.Regle(118, 3), 0);

  // Nine trumps dealt.
  d.Main(3, {At(18), At(9), At(8), At(7), At(6), At(5), At(4), At(3), At(1)});
  EXPECT_EQ(d.Regle(118, 3), 0);

  // A trump led.
  PoserPli(d.g, 1, {At(4)});
  d.Main(3, {At(18), At(9), At(1), Pi(4)});
  EXPECT_EQ(d.Regle(118, 3), 0);
}

TEST(PetitExcuse, Regle103LePreneurPrendLePetit) {
  // The defender before the taker leads the Petit.
  Donne d(2);
  PoserPli(d.g, 1, {At(1)});
  d.Main(2, {At(21), At(4), Co(1)});
  EXPECT_EQ(d.Regle(103, 2), 1);
  EXPECT_EQ(d.Jouables(2), (Cartes{At(21)}));

  // Third, with the Petit laid second, or led.
  for (bool petitEntame : {true, false}) {
    Donne e(2);
    if (petitEntame)
      PoserPli(e.g, 4, {At(1), At(7)});
    else
      PoserPli(e.g, 4, {At(7), At(1)});
    e.Main(2, {At(21), At(4)});
    EXPECT_EQ(e.Regle(103, 2), 1);
  }

  // Last, or without the 21, or a defender: nothing.
  Donne f(2);
  PoserPli(f.g, 3, {At(1), Pi(2), Pi(5)});
  f.Main(2, {At(21), At(4)});
  EXPECT_EQ(f.Regle(103, 2), 0);
  PoserPli(f.g, 1, {At(1)});
  f.Main(2, {At(20), At(4)});
  EXPECT_EQ(f.Regle(103, 2), 0);
  Donne h(3);
  PoserPli(h.g, 1, {At(1)});
  h.Main(2, {At(21), At(4)});
  EXPECT_EQ(h.Regle(103, 2), 0);

  // Through the cascade: the taker with the 21 captures the Petit led before him.
  PoserPli(d.g, 1, {At(1)});
  d.Main(2, {At(21), At(4), Exc()});
  ChoisirCarteOrdinateur(d.g, 2);
  EXPECT_EQ(d.Jouables(2), (Cartes{At(21)}));
  EXPECT_EQ(d.g.RegleAffichee[2], 103);
}

TEST(PetitExcuse, Regle104TireLeDernierAtoutQuiEstLePetit) {
  // The taker leads with every trump out but the Petit.
  auto position = [](Donne& d) {
    d.Main(2, {At(21), At(16), Pi(3), Co(1)});
    DonnerMain(d.g, 4, {At(1), Tr(2)});
    Recenser(d.g);
    d.g.NbAtoutsTombes = 18;
    PoserPli(d.g, 2, {});
  };
  Donne d(2);
  position(d);
  EXPECT_EQ(d.Regle(104, 2), 1);
  EXPECT_EQ(d.Jouables(2), (Cartes{At(21)}));

  // One more trump outside, or the Petit gone.
  position(d);
  d.g.NbAtoutsTombes = 17;
  EXPECT_EQ(d.Regle(104, 2), 0);
  position(d);
  d.g.DetenteurPetit = -1;
  EXPECT_EQ(d.Regle(104, 2), 0);

  // Switched off at level 1 only.
  for (int16_t niveau : {1, 2}) {
    Donne e(2);
    e.g.Niveau = niveau;
    position(e);
    ChoisirCarteOrdinateur(e.g, 2);
    EXPECT_EQ(e.g.RegleAffichee[2] == 104, niveau == 2) << "level " << niveau;
  }
}

TEST(PetitExcuse, Regle252LeDefenseurJoueSonPlusFortAtoutDonne) {
  Donne d(1);
  PoserPli(d.g, 1, {At(3)});
  d.Main(2, {At(17), At(11), At(1), Pi(7)});
  EXPECT_EQ(d.Regle(252, 2), 1);
  EXPECT_EQ(d.Jouables(2), (Cartes{At(17)}));

  // His highest dealt trump already played: no other trump stands in for it.
  d.Main(2, {Jouee(At(17)), At(11), At(1), Pi(7)});
  EXPECT_EQ(d.Regle(252, 2), 0);
  EXPECT_EQ(d.Jouables(2).size(), 3u);

  // The taker holding the Petit.
  Donne e(2);
  PoserPli(e.g, 1, {At(3)});
  e.Main(2, {At(17), At(11), At(1)});
  EXPECT_EQ(e.Regle(252, 2), 0);
}

TEST(PetitExcuse, Regle172DefausseDansLaCoupeDuPreneur) {
  // The taker (1) led the Excuse; seat 2 knows him void in clubs only.
  Donne d(1);
  PoserPli(d.g, 1, {Exc()});
  d.Main(2, {At(5), Pi(9), Tr(9), Tr(4), Ca(1)});
  d.g.CoupesConnues[2][1][CouleurTrefle] = 1;
  EXPECT_EQ(d.Regle(172, 2), 1);
  EXPECT_EQ(d.Jouables(2), (Cartes{Tr(9)}));

  // Void known in hearts, where he has no card: nothing, not even another suit.
  d.Main(2, {At(5), Pi(9), Tr(9), Tr(4), Ca(1)});
  d.g.CoupesConnues[2][1][CouleurTrefle] = 0;
  d.g.CoupesConnues[2][1][CouleurCoeur] = 1;
  EXPECT_EQ(d.Regle(172, 2), 0);

  // The taker led something else: no start suit is drawn.
  PoserPli(d.g, 1, {At(2)});
  d.g.CoupesConnues[2][1][CouleurTrefle] = 1;
  Aleatoire temoin = d.g.alea;
  EXPECT_EQ(d.Regle(172, 2), 0);
  EXPECT_EQ(d.g.Rnd(), temoin.Rnd());

  // Off at levels 1 and 2.
  Donne e(1);
  e.g.Niveau = 2;
  PoserPli(e.g, 1, {Exc()});
  e.Main(2, {Pi(9), Tr(9), Tr(4), Ca(1)});
  e.g.CoupesConnues[2][1][CouleurTrefle] = 1;
  ChoisirCarteOrdinateur(e.g, 2);
  EXPECT_NE(e.g.RegleAffichee[2], 172);
}

TEST(PetitExcuse, Regle9LExcuseNOuvrePasDevantLePreneur) {
  // The taker leading, and the seat just before him leading.
  for (int16_t meneur : {2, 1}) {
    Donne d(2);
    d.Main(meneur, {At(8), Exc(), Co(5)});
    PoserPli(d.g, meneur, {});
    d.Regle(9, meneur);
    EXPECT_EQ(d.Jouables(meneur), (Cartes{At(8), Co(5)}));
    d.Main(meneur, {Exc()});
    d.Regle(9, meneur);
    EXPECT_EQ(d.Jouables(meneur), (Cartes{Exc()}));
  }
  // The seat after the taker leading, or anyone following.
  Donne e(2);
  e.Main(3, {At(8), Exc(), Co(5)});
  PoserPli(e.g, 3, {});
  e.Regle(9, 3);
  EXPECT_EQ(e.Jouables(3).size(), 3u);
  PoserPli(e.g, 1, {Co(2)});
  e.Main(2, {Exc(), Co(5)});
  e.Regle(9, 2);
  EXPECT_EQ(e.Jouables(2).size(), 2u);
}

TEST(PetitExcuse, Regle10LePreneurExcuseSurAtout) {
  // The Petit in the taker's hand, or already played.
  for (bool petitChezLui : {true, false}) {
    Donne d(3);
    PoserPli(d.g, 1, {At(14), At(2)});
    if (petitChezLui)
      d.Main(3, {At(6), At(1), Exc()});
    else
      d.Main(3, {At(6), Exc()});
    EXPECT_EQ(d.Regle(10, 3), 1);
    EXPECT_EQ(d.Jouables(3), (Cartes{Exc()}));
  }

  // The Petit with a defender, a plain suit led, or a defender holding the Excuse.
  Donne e(3);
  PoserPli(e.g, 1, {At(14)});
  e.Main(3, {At(6), Exc()});
  DonnerMain(e.g, 4, {At(1)});
  Recenser(e.g);
  EXPECT_EQ(e.Regle(10, 3), 0);
  Donne f(3);
  PoserPli(f.g, 1, {Co(14)});
  f.Main(3, {At(6), Exc()});
  EXPECT_EQ(f.Regle(10, 3), 0);
  Donne h(3);
  PoserPli(h.g, 1, {At(14)});
  h.Main(2, {At(6), Exc()});
  EXPECT_EQ(h.Regle(10, 2), 0);
}

TEST(PetitExcuse, Regle190LExcuseQuandOnNePeutPasGagner) {
  // The taker's King of hearts is master and seat 4 cannot beat it: 40 draws in 100 give the
  // Excuse (CInt(100 u) below 40: probability 0.395).
  Donne d(3);
  PoserPli(d.g, 3, {Co(14)});
  int excuses = 0;
  const int n = 4000;
  for (int i = 0; i < n; ++i) {
    d.Main(4, {Exc(), Co(5), Co(2)});
    Aleatoire temoin = d.g.alea;
    excuses += d.Regle(190, 4);
    temoin.Rnd();
    ASSERT_EQ(d.g.alea.Rnd(), temoin.Rnd());  // exactly one draw
  }
  EXPECT_NEAR(static_cast<double>(excuses) / n, 0.395, 0.04);

  // A seat that can win the duel, a seat that leads, the duel not at stake: never.
  for (int i = 0; i < 200; ++i) {
    d.Main(4, {At(3), Exc(), Pi(5)});
    EXPECT_EQ(d.Regle(190, 4), 0);
    PoserPli(d.g, 4, {});
    d.Main(4, {Exc(), Co(5)});
    EXPECT_EQ(d.Regle(190, 4), 0);
    PoserPli(d.g, 1, {Co(14)});
    d.Main(2, {Exc(), Co(5)});
    EXPECT_EQ(d.Regle(190, 2), 0);
    PoserPli(d.g, 3, {Co(14)});
  }

  // Reached after a choice or switched off, it still draws and does nothing.
  d.Main(4, {Exc(), Co(5)});
  ContexteChoix c = CalculerContexteChoix(d.g, 4);
  c.ChoixFait = 1;
  Aleatoire temoin = d.g.alea;
  for (int i = 0; i < 50; ++i) LancerRegle(d.g, c, 190);
  d.g.ReglesActives[190] = 0;
  c.ChoixFait = 0;
  for (int i = 0; i < 50; ++i) LancerRegle(d.g, c, 190);
  for (int i = 0; i < 100; ++i) temoin.Rnd();
  EXPECT_EQ(d.g.alea.Rnd(), temoin.Rnd());
  EXPECT_EQ(d.Jouables(4).size(), 2u);
}

}  // namespace
