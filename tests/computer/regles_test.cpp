// Every strategy rule on positions built for it: one where it acts, one where a clause fails
// and it leaves the candidates alone.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/cartes.h"

namespace {

// The taker, the leader and the cards laid; the hand of the seat to play; what the rule leaves:
// "=" and the card when it picks, the candidates left when it narrows them, "" when it does
// nothing. `regler` adds what the position needs beyond the hands.
struct Cas {
  int16_t regle, preneur, entameur;
  Cartes pli, main;
  const char* attendu;
  void (*regler)(Partie&) = nullptr;
};
using P = Partie;

void SansAtoutPourTous(P& g) { g.SansAtout[g.Preneur].Remplir(1); }
void Coupee(P& g) { g.CouleurLonguePreneurCoupee = 1; }
void PiqueEtTrefle(P& g) { g.PremiereCouleurPreneur = CouleurPique, g.SecondeCouleurPreneur = CouleurTrefle; }
Cartes Et(Cartes cartes, const Carte& c) {
  cartes.push_back(c);
  return cartes;
}
const Cartes kNeufAtoutsLongPique{At(21), At(18), At(16), At(14), At(11), At(9), At(7),
                                  At(3),  At(1),  Pi(14), Pi(10), Pi(8),  Pi(6), Pi(2)};
const Cartes kNeufAtoutsLongCoeur{Co(14), Co(10), Co(8), Co(5), Co(3), At(2), At(3),
                                  At(4),  At(5),  At(6), At(7), At(8), At(9), At(10)};
const Cartes kLongTrefle{Tr(14), Tr(12), Tr(8), Tr(3), At(2), At(3), At(4), At(5), At(6), Pi(2)};
const Cartes kSixAtouts{At(20), At(15), At(10), At(8), At(5), At(3), Exc(), Co(14), Co(13), Co(9), Co(5), Pi(4)};

// clang-format off
const Cas kCas[] = {
    {15, 2, 2, {At(9)}, {At(4), Exc()}, "=Exc", [](P& g) { g.NumeroPli = 17; }},
    {15, 2, 2, {At(9)}, {At(4), Exc()}, ""},  // trick 16
    {251, 2, 2, {}, {At(12), At(1), Exc(), Co(3)}, "A12 Exc Co3"},
    {251, 2, 1, {Pi(3)}, {At(12), At(1)}, ""},  // not leading
    {191, 2, 3, {}, {At(12), At(1), Exc(), Co(3), Ca(11)}, "Co3 Ca11"},
    {191, 3, 3, {}, {At(12), At(1), Co(3)}, ""},  // the taker
    {203, 3, 1, {Co(5)}, {Pi(14), Pi(3), Tr(13), Ca(2)}, "P3 Ca2"},  // the taker plays after him
    {203, 3, 1, {At(21)}, {Pi(14), Pi(3), Tr(13), Ca(2)}, "=P14"},   // his partner laid the 21
    {203, 3, 1, {Exc()}, {Pi(14), Pi(3), Tr(13), Ca(2)}, ""},
    {21, 1, 2, {}, {At(21), At(20), At(1)}, "A21 A20", [](P& g) { g.NumeroPli = 16, g.NbAtoutsTombes = 18; }},
    {21, 1, 2, {}, {At(21), At(20), At(1)}, "", [](P& g) { g.NumeroPli = 16, g.NbAtoutsTombes = 17; }},
    {170, 4, 4, {}, {At(8), At(1), Pi(5)}, "A8 P5", SansAtoutPourTous},
    {170, 4, 4, {}, {At(8), At(1), Pi(5)}, "", [](P& g) { g.SansAtout[4][1] = g.SansAtout[4][2] = 1; }},
    {8, 2, 2, {}, {At(12), At(1), Exc(), Co(3)}, "A12 Exc Co3"},
    {8, 2, 1, {Pi(3)}, {At(12), At(1)}, ""},
    {4, 2, 2, {Pi(10)}, {At(7), At(1)}, "=A1"},
    {4, 2, 2, {At(15)}, {At(7), At(1)}, ""},  // no card of his wins
    {201, 1, 2, {}, {At(21), At(5), Co(4)}, "=A21", [](P& g) { g.DetenteurPetit = 4; }},
    {201, 1, 2, {}, {At(21), At(5), Co(4)}, ""},  // the Petit has gone
    {7, 1, 1, {At(6), At(21)}, {At(9), At(1)}, "=A1"},
    {7, 2, 1, {At(6), At(21)}, {At(9), At(1)}, ""},  // the 21 is the taker's
    {181, 1, 1, {Pi(5), Pi(8)}, {At(21), At(13), At(9), At(6), At(3), At(1)}, "=A21"},
    {181, 1, 1, {Pi(5), Pi(8)}, {At(21), At(13), At(9), At(7), At(6), At(3), At(1)}, ""},  // seven trumps
    {118, 3, 1, {Tr(4), Tr(13)}, {At(18), At(9), At(1), Pi(4)}, "=A1", [](P& g) { g.CouleurNonJouee[3] = 2; }},
    {118, 3, 1, {Tr(4), Tr(13)}, {At(18), At(9), At(1), Pi(4)}, "", [](P& g) { g.CouleurNonJouee[3] = 0; }},
    {103, 2, 1, {At(1)}, {At(21), At(4), Co(1)}, "=A21"},
    {103, 3, 1, {At(1)}, {At(21), At(4), Co(1)}, ""},  // a defender
    {104, 2, 2, {}, {At(21), At(16), Pi(3), Co(1)}, "=A21", [](P& g) { g.NbAtoutsTombes = 18, g.DetenteurPetit = 4; }},
    {104, 2, 2, {}, {At(21), At(16), Pi(3), Co(1)}, "", [](P& g) { g.NbAtoutsTombes = 17, g.DetenteurPetit = 4; }},
    {252, 1, 1, {At(3)}, {At(17), At(11), At(1), Pi(7)}, "=A17"},
    {252, 2, 1, {At(3)}, {At(17), At(11), At(1), Pi(7)}, ""},  // the taker
    {172, 1, 1, {Exc()}, {At(5), Pi(9), Tr(9), Tr(4), Ca(1)}, "=T9", [](P& g) { g.CoupesConnues[2][1][3] = 1; }},
    {172, 1, 1, {At(2)}, {At(5), Pi(9), Tr(9), Tr(4), Ca(1)}, "", [](P& g) { g.CoupesConnues[2][1][3] = 1; }},
    {9, 2, 2, {}, {At(8), Exc(), Co(5)}, "A8 Co5"},
    {9, 2, 3, {}, {At(8), Exc(), Co(5)}, ""},  // the taker is not next
    {10, 3, 1, {At(14), At(2)}, {At(6), At(1), Exc()}, "=Exc"},
    {10, 3, 1, {Co(14), Co(2)}, {At(6), Exc()}, ""},  // not a trump lead
    {190, 3, 3, {Co(14)}, {At(3), Exc(), Pi(5)}, ""},  // he can win the trick
    {16, 1, 2, {}, {At(10), At(3), Exc(), Pi(14), Co(8)}, "=A10 A3", [](P& g) { g.RetourAtoutAttendu = 0; }},
    {16, 1, 2, {}, {At(10), At(3), Exc(), Pi(14), Co(8)}, ""},
    {204, 1, 2, {}, {Pi(5), Co(8), Tr(3)}, "P5 T3", [](P& g) { g.CouleurEntameePreneur = 2; }},
    {204, 1, 1, {}, {Pi(5), Co(8), Tr(3)}, "", [](P& g) { g.CouleurEntameePreneur = 2; }},
    {130, 1, 3, {}, {At(12), At(6), Pi(5)}, "=A6", [](P& g) { g.SignalAtoutHumain = 4; }},
    {130, 1, 3, {}, {At(12), At(6), Pi(5)}, "", [](P& g) { g.SignalAtoutHumain = 4, g.PetitProtege = 1; }},
    {11, 1, 2, {}, {Co(14), Co(9), Co(7), Co(4), Co(2), Pi(3)}, "=Co2"},
    {11, 1, 2, {}, {Co(14), Co(9), Co(7), Co(4), Co(2), Pi(3)}, "", [](P& g) { g.CouleurNonJouee[2] = 0; }},
    {182, 2, 2, {}, kNeufAtoutsLongPique, "=A9"},  // his sixth trump
    {182, 2, 2, {}, kNeufAtoutsLongPique, "", [](P& g) { g.PasEncoreEntame[2] = 0; }},
    {180, 4, 4, {}, Et(kNeufAtoutsLongCoeur, Ca(7)), "=Ca7"},
    {180, 4, 4, {}, Et(kNeufAtoutsLongCoeur, Ca(12)), ""},  // an honour
    {160, 2, 1, {Co(9)}, {At(15), At(4), Pi(8), Tr(3)}, "=A15", [](P& g) { g.NbCartesCouleurInconnues[2][2] = 4; }},
    {160, 2, 1, {Co(9)}, {At(15), At(4), Pi(8), Tr(3)}, "", [](P& g) { g.NbCartesCouleurInconnues[2][2] = 5; }},
    {119, 1, 1, {}, {Pi(13), Pi(12), Pi(4)}, "P12 P4", [](P& g) { g.DetenteurCarte[1][14] = 3; }},
    {119, 1, 1, {}, {Pi(13), Pi(12), Pi(4)}, ""},  // the King has gone
    {120, 1, 1, {}, {Pi(13), Pi(12), Pi(4)}, "P13 P4"},
    {120, 1, 1, {Pi(2)}, {Pi(13), Pi(12), Pi(4)}, ""},  // not leading
    {150, 1, 1, {}, kLongTrefle, "=T14"},
    {150, 1, 1, {}, kLongTrefle, "", Coupee},
    {151, 1, 1, {}, kLongTrefle, "=T3", Coupee},
    {151, 1, 1, {}, kLongTrefle, ""},
    {116, 1, 2, {}, {Tr(14), Tr(11), Tr(5), Co(3)}, "Co3 T5", [](P& g) { g.CoupesConnues[2][1][3] = 1; }},
    {116, 1, 2, {}, {Tr(14), Tr(11), Tr(5), Co(3)}, ""},
    {115, 1, 1, {}, {Pi(12), Pi(6), Co(13), Co(12)}, "P6 Co13 Co12"},
    {115, 1, 1, {}, {Pi(12), Pi(6), Co(13), Co(12)}, "", [](P& g) { g.CouleurNonJouee[1] = 0; }},
    {114, 1, 2, {}, {Pi(9), Pi(3), Pi(1), Co(14), Co(2)}, "P9 Co14 Co2"},
    {114, 2, 2, {}, {Pi(9), Pi(3), Pi(1), Co(14), Co(2)}, ""},  // the taker
    {113, 1, 2, {}, kSixAtouts, "=Co14", [](P& g) { g.AtoutsChien = 2; }},
    {113, 1, 2, {}, kSixAtouts, "", [](P& g) { g.AtoutsChien = 1; }},
    {112, 1, 3, {}, {At(13), At(8), At(6), At(3), Pi(5)}, "=A6", [](P& g) { g.AtoutsChien = 1; }},
    {112, 1, 3, {}, {At(13), At(8), At(6), At(3), Pi(5)}, "", [](P& g) { g.AtoutsChien = 1, g.SignalAtoutHumain = 1; }},
    {101, 3, 2, {}, {Ca(14), Ca(13), Ca(12), Pi(2)}, "P2 Ca12", [](P& g) { g.CoupesConnues[2][3][4] = 1; }},
    {101, 3, 2, {}, {Ca(14), Ca(13), Ca(12), Pi(2)}, "",  // the taker has no trump left
     [](P& g) { g.CoupesConnues[2][3][4] = g.SansAtout[2][3] = 1; }},
    {22, 1, 1, {}, {Co(14), Co(5), Co(4), Co(3), Co(2), Pi(3), At(4)}, "=Co14"},
    {22, 1, 1, {}, {Co(14), Co(4), Co(3), Co(2), Pi(3), At(4)}, ""},  // four hearts
    {23, 1, 2, {}, {At(7), Exc(), Pi(10), Pi(4), Co(13)}, "=P10 P4",
     [](P& g) { g.SansAtout[2][1] = g.CoupesConnues[2][1][1] = 1; }},
    {23, 1, 2, {}, {At(7), Exc(), Pi(10), Pi(4), Co(13)}, "", [](P& g) { g.SansAtout[2][1] = 1; }},
    {19, 1, 1, {}, {Tr(14), Pi(5), At(6)}, "A6 P5", [](P& g) { g.RoiSecPreneur[3] = 1; }},
    {19, 1, 1, {}, {Tr(14), Pi(5), At(6), At(1)}, "", [](P& g) { g.RoiSecPreneur[3] = 1, SansAtoutPourTous(g); }},
    {13, 3, 2, {Pi(9)}, {Pi(14), Pi(10), Pi(4)}, "=P14"},
    {13, 3, 2, {Pi(9)}, {Pi(14), Pi(10), Pi(4)}, "", [](P& g) { g.CoupesConnues[3][4][1] = 1; }},
    {18, 1, 2, {}, {Pi(6), Co(9), Co(3)}, "P6", [](P& g) { g.SignalAtoutHumain = 3, g.CoupesConnues[2][3][2] = 1; }},
    {18, 1, 2, {}, {Pi(6), Co(9), Co(3)}, "", [](P& g) { g.CoupesConnues[2][3][2] = 1; }},
    {2, 1, 1, {At(19), Pi(3), Pi(4)}, {Co(9), Tr(5), Ca(2)}, "=Ca2"},
    {2, 1, 1, {At(19), At(20), Pi(4)}, {Co(9), Tr(5), Ca(2)}, ""},  // a defender is master
    {3, 2, 4, {Pi(5), At(20)}, {At(9), At(4), At(1), Co(8)}, "=A4"},
    {3, 2, 4, {Pi(5), Pi(7)}, {At(9), At(4), At(1), Co(8)}, ""},  // he can win
    {5, 1, 2, {}, {Pi(5), Co(8), Tr(3)}, "Co8", PiqueEtTrefle},
    {5, 1, 1, {}, {Pi(5), Co(8), Tr(3)}, "", PiqueEtTrefle},
    {14, 1, 2, {At(10), At(11)}, {At(17), At(15), At(8), Ca(3)}, "=A17"},
    {14, 1, 1, {At(10), At(11), At(12)}, {At(17), At(15), At(8), Ca(3)}, ""},  // last to play
    {14, 1, 2, {Pi(5), At(10)}, {At(17), At(15), At(8), Ca(3)}, ""},           // not a trump lead
    {6, 1, 1, {At(2), At(4)}, {At(12), At(5), At(1)}, "=A5"},
    {6, 1, 3, {}, {At(12), At(5), At(1)}, ""},  // leading
    {1, 1, 1, {Co(11)}, {Co(14), Co(12), Co(3)}, "=Co14"},
    {1, 1, 2, {Co(11)}, {Co(14), Co(12), Co(3)}, ""},  // the taker still to play
};
// clang-format on

TEST(Regles, EachActsOnlyWhenItsConditionHolds) {
  std::set<int16_t> agit, rien;
  for (const Cas& cas : kCas) {
    Position p(cas.preneur);
    p.Pli(cas.entameur, cas.pli).Main(cas.main);
    if (cas.regler) cas.regler(p.g);
    const std::string avant = p.Candidats();
    const std::string apres = p.Regle(cas.regle);
    EXPECT_EQ(apres, *cas.attendu ? cas.attendu : avant) << "rule " << cas.regle << ", candidates " << avant;
    EXPECT_TRUE(!*cas.attendu || apres != avant) << "rule " << cas.regle << " changes nothing";
    (*cas.attendu ? agit : rien).insert(cas.regle);
  }
  for (const EntreeCascade& e : CascadeRegles()) {
    EXPECT_TRUE(agit.count(e.numero) || e.numero == 190) << "no case where rule " << e.numero << " acts";
    EXPECT_TRUE(rien.count(e.numero)) << "no case where rule " << e.numero << " does nothing";
  }
}

// Rule 190 draws once whenever the cascade reaches it, and gives the Excuse on a lost trick when
// CInt(100 u) is below 40, probability 0.395.
TEST(Regles, Regle190DrawsEveryTime) {
  Position p(3);
  p.Pli(3, {Co(14)});
  int excuses = 0;
  for (int i = 0; i < 4000; ++i) {
    p.Main({Exc(), Co(5), Co(2)});
    Aleatoire temoin = p.g.alea;
    excuses += p.Regle(190) == "=Exc";
    temoin.Rnd();
    ASSERT_EQ(p.g.Rnd(), temoin.Rnd());
  }
  EXPECT_NEAR(excuses / 4000.0, 0.395, 0.03);
  // After a choice, or switched off, it still draws and does nothing.
  p.Main({Exc(), Co(5), Co(2)});
  ContexteChoix c = CalculerContexteChoix(p.g, 4);
  Aleatoire temoin = p.g.alea;
  c.ChoixFait = 1;
  LancerRegle(p.g, c, 190);
  p.g.ReglesActives[190] = 0;
  c.ChoixFait = 0;
  LancerRegle(p.g, c, 190);
  temoin.Rnd(), temoin.Rnd();
  EXPECT_EQ(p.g.Rnd(), temoin.Rnd());
  EXPECT_EQ(p.Candidats(), "Exc Co5 Co2");
}

// Rule 180 leads the singleton once the taker holds 7, 8 or 9 trumps, a threshold drawn with
// chances 1/4, 1/2, 1/4. Rule 181 leaves the Petit covered when the seat before laid a trump
// of 15 or less.
TEST(Regles, Regles180And181) {
  for (auto [atouts, attendu] : {std::pair{7, 0.25}, {8, 0.75}}) {
    const Cartes main = Et(Cartes(kNeufAtoutsLongCoeur.begin(), kNeufAtoutsLongCoeur.begin() + 5 + atouts), Ca(7));
    int n = 0;
    for (uint64_t graine = 1; graine <= 400; ++graine) {
      Position p(4);
      p.g.alea = Aleatoire(graine);
      n += p.Pli(4, {}).Main(main).Regle(180) == "=Ca7";
    }
    EXPECT_NEAR(n / 400.0, attendu, 0.08) << atouts << " trumps";
  }
  for (auto [avant, protege] : {std::pair{At(15), 1}, {At(16), 0}}) {
    Position p(1);
    EXPECT_EQ(p.Pli(1, {At(5), avant}).Main({At(21), At(13), At(9), At(6), At(3), At(1)}).Regle(181), "=A21");
    EXPECT_EQ(p.g.PetitProtege, protege) << avant.Valeur;
  }
}

// A rule switched off by the level does not act in the cascade: rule 16 plays at level 4 only.
TEST(Regles, LevelSwitchesRulesOff) {
  for (int16_t niveau : {NiveauBon, NiveauPro}) {
    Position p(1);
    p.g.Niveau = niveau;
    p.Pli(2, {}).Main({At(10), At(3), Exc(), Pi(14), Co(8)}).g.RetourAtoutAttendu = 0;
    EXPECT_EQ(p.Cascade() == "0 A10 A3", niveau == NiveauPro) << niveau;
  }
}

}  // namespace
