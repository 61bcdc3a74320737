// The defence and taker rules, each on a position built for it: the rule acts when its
// condition holds and leaves the candidates alone when one clause fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "computer/regles.h"
#include "computer/position.h"

namespace {

using namespace pos;

// A deal in progress seen by the seat about to play: every holder the rules read starts as
// "played", so a position only states the cards that matter.
struct Position {
  Partie g{Aleatoire(11)};
  ContexteChoix c;

  Position(int16_t preneur, int16_t entameur, int16_t joueur) {
    g.Preneur = preneur;
    g.EntameurPli = entameur;
    g.JoueurCourant = joueur;
    g.NumeroPli = 1;
    for (auto& couleur : g.DetenteurCarte) couleur.Remplir(-1);
    g.DetenteurAtout.Remplir(-1);
    for (auto& o : g.ConnuDetenteurCouleur)
      for (auto& couleur : o) couleur.Remplir(ConnuNonPlace);
    g.CouleurNonJouee.Remplir(1);
    g.PasEncoreEntame.Remplir(1);
    for (int16_t s = 1; s <= 4; ++s)
      for (auto& place : g.MainsJoueurs[s]) place = Carte{0, -1, 0, 0};
    c.joueur = joueur;
    c.Defenseur1 = Suivant(preneur);
    c.Defenseur2 = Suivant(c.Defenseur1);
    c.Defenseur3 = Suivant(c.Defenseur2);
    c.PositionDansPli = static_cast<int16_t>((joueur - entameur + 4) % 4 + 1);
    c.JoueurMaitre = entameur;
    c.PlaceGagnante = 100;
  }

  // The seat's hand, sorted as dealt; `jouees` are cards of the deal already played. Every held
  // card is a candidate, as for a lead.
  void Main(int16_t siege, std::vector<Carte> tenues, std::vector<Carte> jouees = {}) {
    for (Carte& k : jouees) tenues.push_back(Jouee(k));
    std::stable_sort(tenues.begin(), tenues.end(), AvantDansLeTri);
    for (size_t k = 0; k < tenues.size(); ++k) g.MainsJoueurs[siege][static_cast<int>(k + 1)] = tenues[k];
    Recenser(g);
    ToutJouable(g, siege);
    g.SansAtout[siege][siege] = g.NbAtouts[siege] == 0 ? 1 : 0;
  }

  // Only these cards of the seat remain candidates (a follow).
  void Jouables(int16_t siege, std::initializer_list<Carte> cartes, int16_t classe = -1) {
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& m = g.MainsJoueurs[siege][k];
      const bool dedans = std::any_of(cartes.begin(), cartes.end(), [&](const Carte& x) {
        return x.Couleur == m.Couleur && x.Valeur == m.Valeur;
      });
      g.CarteJouable[siege][k] = dedans && m.EnMain == 1 ? 1 : 0;
      g.ClasseCarte[siege][k].Classe = dedans ? classe : -1;
    }
  }

  void Poser(std::initializer_list<Carte> posees) { PoserPli(g, g.EntameurPli, posees); }

  int16_t Place(const Carte& carte) const { return PlaceDe(g, c.joueur, carte); }

  void Appliquer(Regle regle, int16_t numero) {
    g.ReglesActives.Remplir(1);
    c.regle = numero;
    regle(g, c);
  }

  // The candidates left to the seat, in hand order.
  std::string Reste() const { return pos::Reste(g, c.joueur); }
  bool Choisi(int16_t numero) const { return c.ChoixFait == 1 && g.ReglesActives[numero] == 2; }
};

TEST(RegleDefense, Regle203TrumplessDefenderGivesOrKeepsHonours) {
  // Position 2, the taker third: he keeps his honours.
  auto deuxieme = [](Carte entame) {
    Position p(3, 1, 2);
    p.Main(2, {Pi(14), Pi(3), Tr(13), Ca(2)});
    p.Poser({entame});
    p.Appliquer(Regle203, 203);
    return p;
  };
  Position garde = deuxieme(Co(5));
  EXPECT_EQ(garde.Reste(), "P3 Ca2");
  EXPECT_EQ(garde.c.ChoixFait, 0);
  // The partner before him laid trump 21: he gives his best honour although the taker follows.
  Position donne = deuxieme(At(21));
  EXPECT_EQ(donne.Reste(), "P14");
  EXPECT_TRUE(donne.Choisi(203));

  // Position 3 after a defender's low lead and the taker's plain card below the King: he gives.
  auto troisieme = [](Carte preneur) {
    Position p(2, 1, 3);
    p.Main(3, {Tr(13), Tr(12), Ca(4)});
    p.Poser({Co(7), preneur});
    p.Appliquer(Regle203, 203);
    return p;
  };
  EXPECT_EQ(troisieme(Co(10)).Reste(), "T13");
  // The taker's King takes the trick: keep the honours.
  EXPECT_EQ(troisieme(Co(14)).Reste(), "Ca4");

  // The taker led the King: give only when few cards of the suit are out and trumps remain.
  auto roiDuPreneur = [](int16_t dehors, int16_t atouts) {
    Position p(1, 1, 3);
    p.Main(3, {Tr(12), Ca(4)});
    p.Poser({Co(14), Co(3)});
    p.g.NbDehorsCouleur[3][2] = dehors;
    p.g.AtoutsDehors = atouts;
    p.Appliquer(Regle203, 203);
    return p.Reste();
  };
  EXPECT_EQ(roiDuPreneur(2, 3), "T12");
  EXPECT_EQ(roiDuPreneur(3, 3), "Ca4");
  EXPECT_EQ(roiDuPreneur(2, 2), "Ca4");

  // A defender who still has a trump, or plays fourth, is left alone.
  Position atout(3, 1, 2);
  atout.Main(2, {At(4), Pi(14), Ca(2)});
  atout.Poser({Co(5)});
  atout.Appliquer(Regle203, 203);
  EXPECT_EQ(atout.Reste(), "A4 P14 Ca2");
  Position quatrieme(3, 3, 2);
  quatrieme.Main(2, {Pi(14), Ca(2)});
  quatrieme.Poser({Co(5)});
  quatrieme.Appliquer(Regle203, 203);
  EXPECT_EQ(quatrieme.Reste(), "P14 Ca2");
}

TEST(RegleDefense, Regle16LeadsTrumpsBackAndEndsTheCascade) {
  auto jouer = [](int16_t retour) {
    Position p(1, 2, 2);
    p.Main(2, {At(10), At(3), Exc(), Pi(5), Co(8)});
    p.g.RetourAtoutAttendu = retour;
    p.Appliquer(Regle16, 16);
    return p;
  };
  Position p = jouer(0);
  EXPECT_EQ(p.Reste(), "A10 A3");
  EXPECT_EQ(p.c.ChoixFait, 1);
  EXPECT_EQ(p.g.ReglesActives[16], 1);
  EXPECT_EQ(jouer(-1).Reste(), "A10 A3 Exc P5 Co8");
}

TEST(RegleDefense, Regle16IsOnlyPlayedAtLevelPro) {
  // The whole cascade: below level 4 the defender's lead keeps its other cards.
  auto jouer = [](int16_t niveau) {
    Position p(1, 2, 2);
    p.Main(2, {At(10), At(3), Exc(), Pi(14), Co(8)});
    p.g.RetourAtoutAttendu = 0;
    p.g.Niveau = niveau;
    ChoisirCarteOrdinateur(p.g, 2);
    return p.Reste();
  };
  EXPECT_EQ(jouer(NiveauPro), "A10 A3");
  EXPECT_EQ(jouer(NiveauBon), "A10 A3 Exc P14 Co8");
}

TEST(RegleDefense, Regles204And5AvoidTheTakersSuits) {
  auto jouer = [](int16_t entameur, auto regler) {
    Position p(1, entameur, entameur);
    p.Main(entameur, {Pi(5), Co(8), Tr(3)});
    regler(p);
    return p.Reste();
  };
  auto r204 = [](Position& p) {
    p.g.CouleurEntameePreneur = 2;
    p.Appliquer(Regle204, 204);
  };
  auto r5 = [](Position& p) {
    p.g.PremiereCouleurPreneur = 1;
    p.g.SecondeCouleurPreneur = 3;
    p.Appliquer(Regle5, 5);
  };
  EXPECT_EQ(jouer(2, r204), "P5 T3");
  EXPECT_EQ(jouer(2, r5), "Co8");
  // The taker's own lead is not steered by them.
  EXPECT_EQ(jouer(1, r204), "P5 Co8 T3");
  EXPECT_EQ(jouer(1, r5), "P5 Co8 T3");
}

TEST(RegleDefense, Regle130AnswersTheTrumpSignal) {
  auto jouer = [](int16_t signal, int16_t protege, bool petit) {
    Position p(1, 3, 3);
    std::vector<Carte> main{At(12), At(6), Pi(5)};
    if (petit) main.push_back(At(1));
    p.Main(3, main);
    p.g.SignalAtoutHumain = signal;
    p.g.PetitProtege = protege;
    p.Appliquer(Regle130, 130);
    return p;
  };
  Position p = jouer(4, 0, false);
  EXPECT_EQ(p.Reste(), "A6");
  EXPECT_TRUE(p.Choisi(130));
  EXPECT_EQ(jouer(-1, 0, false).Reste(), "A12 A6 P5");
  EXPECT_EQ(jouer(4, 1, false).Reste(), "A12 A6 P5");
  EXPECT_EQ(jouer(4, 0, true).Reste(), "A12 A6 A1 P5");
}

TEST(RegleDefense, Regle11LeadsLowFromALongHonouredSuit) {
  auto jouer = [](int16_t nonJouee) {
    Position p(1, 2, 2);
    p.Main(2, {Co(14), Co(9), Co(7), Co(4), Co(2), Pi(3)});
    p.g.CouleurNonJouee[2] = nonJouee;
    p.Appliquer(Regle11, 11);
    return p;
  };
  Position p = jouer(1);
  EXPECT_EQ(p.Reste(), "Co2");
  EXPECT_TRUE(p.Choisi(11));
  EXPECT_EQ(jouer(0).Reste(), "P3 Co14 Co9 Co7 Co4 Co2");
}

TEST(RegleDefense, Regles119And120KeepTheCardUnderAnOutstandingHonour) {
  // Any leader, the taker here: his Queen while the King is out, his Knight while the Queen is.
  auto jouer = [](int16_t detenteurRoi, Regle regle, int16_t numero) {
    Position p(1, 1, 1);
    p.Main(1, {Pi(13), Pi(12), Pi(4)});
    p.g.DetenteurCarte[1][14] = detenteurRoi;
    p.Appliquer(regle, numero);
    return p.Reste();
  };
  EXPECT_EQ(jouer(3, Regle119, 119), "P12 P4");
  EXPECT_EQ(jouer(0, Regle119, 119), "P12 P4");  // a King in the discard is not played either
  EXPECT_EQ(jouer(-1, Regle119, 119), "P13 P12 P4");
  EXPECT_EQ(jouer(-1, Regle120, 120), "P13 P4");  // his own Queen is still out

  Position dameJouee(1, 2, 2);
  dameJouee.Main(2, {Co(12), Co(6)});
  dameJouee.Appliquer(Regle120, 120);
  EXPECT_EQ(dameJouee.Reste(), "Co12 Co6");
}

TEST(RegleDefense, Regles116To114ShapeTheDefendersLead) {
  // 116: no honour of a suit the taker is known void in.
  Position coupe(1, 2, 2);
  coupe.Main(2, {Tr(14), Tr(11), Tr(5), Co(3)});
  coupe.g.CoupesConnues[2][1][3] = 1;
  coupe.Appliquer(Regle116, 116);
  EXPECT_EQ(coupe.Reste(), "Co3 T5");
  Position inconnue(1, 2, 2);
  inconnue.Main(2, {Tr(14), Tr(11), Tr(5), Co(3)});
  inconnue.Appliquer(Regle116, 116);
  EXPECT_EQ(inconnue.Reste(), "Co3 T14 T11 T5");

  // 115: no Knight of an unplayed suit without its Queen.
  auto r115 = [](int16_t nonJouee) {
    Position p(1, 1, 1);
    p.Main(1, {Pi(12), Pi(6), Co(13), Co(12)});
    p.g.CouleurNonJouee[1] = nonJouee;
    p.Appliquer(Regle115, 115);
    return p.Reste();
  };
  EXPECT_EQ(r115(1), "P6 Co13 Co12");
  EXPECT_EQ(r115(0), "P12 P6 Co13 Co12");

  // 114: no small card of an unplayed suit without King or Queen.
  auto r114 = [](int16_t preneur) {
    Position p(preneur, 2, 2);
    p.Main(2, {Pi(9), Pi(3), Pi(1), Co(14), Co(2)});
    p.Appliquer(Regle114, 114);
    return p.Reste();
  };
  EXPECT_EQ(r114(1), "P9 Co14 Co2");
  EXPECT_EQ(r114(2), "P9 P3 P1 Co14 Co2");
}

TEST(RegleDefense, Regle113OpensTheLongSuitAfterATrumpyChien) {
  auto jouer = [](std::vector<Carte> main, int16_t longue, int16_t atoutsChien) {
    Position p(1, 2, 2);
    p.Main(2, std::move(main));
    p.g.CouleurLongue[2] = longue;
    p.g.AtoutsChien = atoutsChien;
    p.Appliquer(Regle113, 113);
    return p;
  };
  const std::vector<Carte> six{At(20), At(15), At(10), At(8), At(5), At(3), Exc(), Co(14), Co(13), Co(9), Co(5), Pi(4)};
  Position roi = jouer(six, 2, 2);
  EXPECT_EQ(roi.Reste(), "Co14");
  EXPECT_TRUE(roi.Choisi(113));
  EXPECT_EQ(jouer(six, 2, 1).Reste(), "A20 A15 A10 A8 A5 A3 Exc P4 Co14 Co13 Co9 Co5");
  // Six trumps, only the King: his first small card.
  EXPECT_EQ(jouer({At(20), At(15), At(10), At(8), At(5), At(3), Co(14), Co(9), Co(5), Co(2)}, 2, 2).Reste(), "Co5");
  // Fewer than six trumps, neither honour: his lowest card above 5.
  EXPECT_EQ(jouer({At(5), Exc(), Tr(12), Tr(9), Tr(6), Tr(2), Pi(3)}, 3, 3).Reste(), "T6");
  // No variant fits: trumps and the Excuse are still set aside.
  Position rien = jouer({At(5), Exc(), Tr(14), Tr(13), Tr(8), Pi(3)}, 3, 2);
  EXPECT_EQ(rien.Reste(), "P3 T14 T13 T8");
  EXPECT_EQ(rien.c.ChoixFait, 0);
}

TEST(RegleDefense, Regle112SignalsWithALowEvenTrump) {
  auto jouer = [](std::vector<Carte> main, int16_t signal) {
    Position p(1, 3, 3);
    p.Main(3, std::move(main));
    p.g.AtoutsChien = 1;
    p.g.SignalAtoutHumain = signal;
    p.Appliquer(Regle112, 112);
    return p;
  };
  Position p = jouer({At(13), At(8), At(6), At(3), Pi(5)}, -1);
  EXPECT_EQ(p.Reste(), "A6");
  EXPECT_EQ(p.g.SignalAtoutHumain, 3);
  Position haut = jouer({At(14), At(13), Pi(5)}, -1);
  EXPECT_EQ(haut.Reste(), "A14 A13 P5");
  EXPECT_EQ(haut.g.SignalAtoutHumain, -1);
  Position deja = jouer({At(13), At(8), At(6), Pi(5)}, 1);
  EXPECT_EQ(deja.Reste(), "A13 A8 A6 P5");
  EXPECT_EQ(deja.g.SignalAtoutHumain, 1);
  // Seven trumps dealt: no signal.
  EXPECT_EQ(jouer({At(20), At(16), At(13), At(10), At(8), At(6), At(4), Pi(5)}, -1).c.ChoixFait, 0);
}

TEST(RegleDefense, Regle101KeepsHonoursTheTakerWillTrump) {
  auto jouer = [](int16_t preneurSansAtout) {
    Position p(3, 2, 2);
    p.Main(2, {Ca(14), Ca(13), Ca(12), Pi(2)});
    p.g.CoupesConnues[2][3][4] = 1;
    p.g.SansAtout[2][3] = preneurSansAtout;
    p.Appliquer(Regle101, 101);
    return p.Reste();
  };
  EXPECT_EQ(jouer(0), "P2 Ca12");
  EXPECT_EQ(jouer(1), "P2 Ca14 Ca13 Ca12");
}

TEST(RegleDefense, Regle23LeadsTheSuitOfTheTrumplessTaker) {
  auto jouer = [](int16_t coupe) {
    Position p(1, 2, 2);
    p.Main(2, {At(7), Exc(), Pi(10), Pi(4), Co(13)});
    p.g.SansAtout[2][1] = 1;
    p.g.CoupesConnues[2][1][1] = coupe;
    p.Appliquer(Regle23, 23);
    return p;
  };
  Position p = jouer(1);
  EXPECT_EQ(p.Reste(), "P10 P4");
  EXPECT_EQ(p.c.ChoixFait, 1);
  EXPECT_EQ(p.g.ReglesActives[23], 1);
  Position q = jouer(0);
  EXPECT_EQ(q.Reste(), "A7 Exc P10 P4 Co13");
  EXPECT_EQ(q.c.ChoixFait, 0);
}

TEST(RegleDefense, Regle18AvoidsSuitsTheSignallerCannotFollow) {
  Position p(1, 2, 2);
  p.Main(2, {Pi(6), Co(9), Co(3)});
  p.g.SignalAtoutHumain = 3;
  p.g.CoupesConnues[2][3][2] = 1;
  p.Appliquer(Regle18, 18);
  EXPECT_EQ(p.Reste(), "P6");
}

// A taker with nine trumps, the Petit and a long spade suit headed by the King.
std::vector<Carte> MainForte() {
  return {At(21), At(18), At(16), At(14), At(11), At(9), At(7), At(3), At(1), Pi(14), Pi(10), Pi(8), Pi(6), Pi(2), Co(4), Co(3), Tr(2)};
}

TEST(ReglePreneur, Regle182LeadsTheSixthTrump) {
  auto jouer = [](bool sixiemeJoue) {
    Position p(2, 2, 2);
    std::vector<Carte> main = MainForte();
    std::vector<Carte> jouees;
    if (sixiemeJoue) {
      main.erase(std::find(main.begin(), main.end(), At(9)));
      jouees.push_back(At(9));
    }
    p.Main(2, main, jouees);
    p.g.CouleurLongue[2] = 1;
    p.Appliquer(Regle182, 182);
    return p;
  };
  Position p = jouer(false);
  EXPECT_EQ(p.Reste(), "A9");
  EXPECT_TRUE(p.Choisi(182));
  // Once his sixth dealt trump has gone, the rule never fires again in the deal.
  EXPECT_EQ(jouer(true).c.ChoixFait, 0);
}

TEST(ReglePreneur, Regle180LeadsALowSingletonWithEnoughTrumps) {
  auto jouer = [](int16_t atouts, Carte singleton, uint64_t graine) {
    Position p(4, 4, 4);
    p.g.alea = Aleatoire(graine);
    std::vector<Carte> main{Co(14), Co(10), Co(8), Co(5), Co(3), singleton};
    for (int16_t v = 2; v < 2 + atouts; ++v) main.push_back(At(v));
    while (main.size() < 18) main.push_back(Pi(static_cast<int16_t>(main.size() - 5 - atouts)));
    p.Main(4, main);
    p.g.CouleurLongue[4] = 2;
    p.Appliquer(Regle180, 180);
    return p.c.ChoixFait == 1 ? p.Reste() : std::string("-");
  };
  for (uint64_t graine = 1; graine <= 20; ++graine) {
    EXPECT_EQ(jouer(9, Ca(7), graine), "Ca7");
    EXPECT_EQ(jouer(6, Ca(7), graine), "-");
    EXPECT_EQ(jouer(9, Ca(12), graine), "-");
  }
}

TEST(ReglePreneur, Regle180TrumpThresholdIsSevenToNine) {
  // Threshold 7, 8, 9 with chances 1/4, 1/2, 1/4: with 8 trumps the singleton goes 3 times in 4,
  // with 7 once in 4.
  auto frequence = [](int16_t atouts) {
    int n = 0;
    for (uint64_t graine = 1; graine <= 2000; ++graine) {
      Position p(4, 4, 4);
      p.g.alea = Aleatoire(graine);
      std::vector<Carte> main{Co(14), Co(10), Co(8), Co(5), Co(3), Ca(7)};
      for (int16_t v = 2; v < 2 + atouts; ++v) main.push_back(At(v));
      p.Main(4, main);
      p.g.CouleurLongue[4] = 2;
      p.Appliquer(Regle180, 180);
      n += p.c.ChoixFait;
    }
    return n / 2000.0;
  };
  EXPECT_NEAR(frequence(8), 0.75, 0.05);
  EXPECT_NEAR(frequence(7), 0.25, 0.05);
}

TEST(ReglePreneur, Regle160TrumpsHighWhileHonoursAreOut) {
  auto jouer = [](int16_t inconnues, int16_t roi) {
    Position p(2, 1, 2);
    p.Main(2, {At(15), At(4), Pi(8), Tr(3)});
    p.Poser({Co(9)});
    p.Jouables(2, {At(15), At(4)}, 1);
    p.g.NbCartesCouleurInconnues[2][2] = inconnues;
    p.g.ConnuDetenteurCouleur[2][2][12] = ConnuJouee;
    p.g.ConnuDetenteurCouleur[2][2][13] = ConnuJouee;
    p.g.ConnuDetenteurCouleur[2][2][14] = roi;
    p.Appliquer(Regle160, 160);
    return p.Reste();
  };
  EXPECT_EQ(jouer(4, ConnuNonPlace), "A15");
  EXPECT_EQ(jouer(4, 3), "A15");
  EXPECT_EQ(jouer(5, ConnuNonPlace), "A15 A4");
  EXPECT_EQ(jouer(4, ConnuJouee), "A15 A4");
}

TEST(ReglePreneur, Regles150And151LeadTheLongSuit) {
  auto jouer = [](std::vector<Carte> trefles, int16_t atouts, auto regler) {
    Position p(1, 1, 1);
    std::vector<Carte> main = trefles;
    for (int16_t v = 2; v < 2 + atouts; ++v) main.push_back(At(v));
    main.push_back(Pi(2));
    p.Main(1, main);
    p.g.CouleurLongue[1] = 3;
    regler(p);
    p.Appliquer(Regle150, 150);
    if (p.c.ChoixFait == 0) p.Appliquer(Regle151, 151);
    return p.c.ChoixFait == 1 ? p.Reste() : std::string("-");
  };
  auto rien = [](Position&) {};
  EXPECT_EQ(jouer({Tr(14), Tr(12), Tr(8), Tr(3)}, 5, rien), "T14");
  EXPECT_EQ(jouer({Tr(13), Tr(12), Tr(11), Tr(8), Tr(3)}, 5, rien), "T13");
  // Six cards with ten trumps: the Queen waits, so do the Knight and the Jack.
  EXPECT_EQ(jouer({Tr(13), Tr(12), Tr(11), Tr(8), Tr(5), Tr(3)}, 10, rien), "T8");
  EXPECT_EQ(jouer({Tr(13), Tr(12), Tr(11), Tr(8), Tr(3)}, 5, [](Position& p) { p.g.CavalierLonguePreneurTombe = 1; }),
            "T8");
  // The suit has been trumped and a defender may still hold trumps: its lowest card.
  EXPECT_EQ(jouer({Tr(14), Tr(12), Tr(8), Tr(3)}, 5, [](Position& p) { p.g.CouleurLonguePreneurCoupee = 1; }), "T3");
  // Trumped, but every defender is known trumpless: back to rule 150.
  EXPECT_EQ(jouer({Tr(14), Tr(12), Tr(8), Tr(3)}, 5,
                  [](Position& p) {
                    p.g.CouleurLonguePreneurCoupee = 1;
                    for (int16_t d = 2; d <= 4; ++d) p.g.SansAtout[1][d] = 1;
                  }),
            "T14");
}

TEST(ReglePreneur, Regles22And19HandleTheTakersKings) {
  auto r22 = [](int16_t coeurs, int16_t nonJouee) {
    Position p(1, 1, 1);
    std::vector<Carte> main{Co(14), Pi(3), At(4)};
    for (int16_t v = 2; v < 1 + coeurs; ++v) main.push_back(Co(v));
    p.Main(1, main);
    p.g.CouleurNonJouee[2] = nonJouee;
    p.Appliquer(Regle22, 22);
    return p.c.ChoixFait == 1 ? p.Reste() : std::string("-");
  };
  EXPECT_EQ(r22(5, 1), "Co14");
  EXPECT_EQ(r22(9, 1), "Co14");
  EXPECT_EQ(r22(4, 1), "-");
  EXPECT_EQ(r22(10, 1), "-");
  EXPECT_EQ(r22(5, 0), "-");

  auto r19 = [](bool petit, int16_t sansAtout) {
    Position p(1, 1, 1);
    std::vector<Carte> main{Tr(14), Pi(5), At(6)};
    if (petit) main.push_back(At(1));
    p.Main(1, main);
    p.g.RoiSecPreneur[3] = 1;
    for (int16_t d = 2; d <= 4; ++d) p.g.SansAtout[1][d] = sansAtout;
    p.Appliquer(Regle19, 19);
    return p.Reste();
  };
  EXPECT_EQ(r19(false, 1), "A6 P5");
  EXPECT_EQ(r19(true, 0), "A6 A1 P5");
  EXPECT_EQ(r19(true, 1), "A6 A1 P5 T14");
}

TEST(ReglePreneur, Regle13TakesWithAKingGuardedTwice) {
  auto jouer = [](std::vector<Carte> piques, int16_t coupe) {
    Position p(3, 2, 3);
    p.Main(3, piques);
    p.Poser({Pi(9)});
    p.c.PlaceGagnante = p.Place(Pi(14));
    p.g.CoupesConnues[3][4][1] = coupe;
    p.Appliquer(Regle13, 13);
    return p.c.ChoixFait == 1 ? p.Reste() : std::string("-");
  };
  EXPECT_EQ(jouer({Pi(14), Pi(10), Pi(4)}, 0), "P14");
  EXPECT_EQ(jouer({Pi(14), Pi(10), Pi(4)}, 1), "-");
  EXPECT_EQ(jouer({Pi(14), Pi(10)}, 0), "-");
}

TEST(ReglePreneur, Regles2And3PlayLowWhenTheTrickIsLost) {
  // Fourth defender, the taker master: the lowest plain card over all suits.
  auto r2 = [](int16_t maitre) {
    Position p(1, 1, 4);
    p.Main(4, {Co(9), Tr(5), Ca(2)});
    p.Poser({At(19)});
    p.c.JoueurMaitre = maitre;
    p.c.PlaceGagnante = -1;
    p.Appliquer(Regle2, 2);
    return p.Reste();
  };
  EXPECT_EQ(r2(1), "Ca2");
  EXPECT_EQ(r2(2), "Co9 T5 Ca2");

  // The taker third who cannot win: with no plain candidate, his lowest trump above the Petit.
  auto r3 = [](int16_t gagnante) {
    Position p(2, 4, 2);
    p.Main(2, {At(9), At(4), At(1), Co(8)});
    p.Jouables(2, {At(9), At(4), At(1)}, 3);
    p.c.PlaceGagnante = gagnante;
    p.Appliquer(Regle3, 3);
    return p.Reste();
  };
  EXPECT_EQ(r3(-1), "A4");
  EXPECT_EQ(r3(1), "A9 A4 A1");
}

TEST(ReglePreneur, Regle14OvertrumpsHighBeforeTheTaker) {
  auto jouer = [](int16_t entameur) {
    Position p(1, entameur, 4);
    p.Main(4, {At(17), At(15), At(8), Ca(3)});
    p.Poser({At(10)});
    p.Jouables(4, {At(17), At(15)}, 2);
    p.Appliquer(Regle14, 14);
    return p.Reste();
  };
  EXPECT_EQ(jouer(2), "A17");
  EXPECT_EQ(jouer(1), "A17 A15");
}

TEST(ReglePreneur, Regles6And1CloseTheCascade) {
  Position atout(1, 1, 3);
  atout.Main(3, {At(12), At(5), At(1)});
  atout.Poser({At(2), At(4)});
  atout.Appliquer(Regle6, 6);
  EXPECT_EQ(atout.Reste(), "A5");

  // After the taker, able to win the duel: the highest honour.
  auto r1 = [](int16_t entameur, int16_t joueur, bool gagnante) {
    Position p(1, entameur, joueur);
    p.Main(joueur, {Co(14), Co(12), Co(3)});
    p.Poser({Co(11)});
    p.c.PlaceGagnante = gagnante ? p.Place(Co(12)) : 100;
    p.Appliquer(Regle1, 1);
    return p.Reste();
  };
  EXPECT_EQ(r1(1, 2, true), "Co14");
  EXPECT_EQ(r1(1, 2, false), "Co14 Co12 Co3");
  EXPECT_EQ(r1(2, 3, true), "Co14 Co12 Co3");  // the taker is still to play
}

}  // namespace
