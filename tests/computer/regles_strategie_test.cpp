// The defence and taker rules, each on a position built for it: the rule acts when its
// condition holds and leaves the candidates alone when one clause fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "computer/position.h"
#include "computer/regles.h"

namespace {

using namespace pos;

// A deal in progress seen by the seat about to play. Every holder the rules read starts as
// "played", so a position states only the cards that matter.
struct Position {
  Partie g{Aleatoire(11)};
  ContexteChoix c;

  // `main`: the hand of the seat to play, all of it candidates (as for a lead), `jouees` its
  // cards already played; `posees`: the cards laid in the trick from the leader on.
  Position(int16_t preneur, int16_t entameur, int16_t joueur, std::vector<Carte> main,
           std::initializer_list<Carte> posees = {}, std::vector<Carte> jouees = {}) {
    g.Preneur = preneur;
    g.NumeroPli = 1;
    g.CouleurNonJouee.Remplir(1);
    g.PasEncoreEntame.Remplir(1);
    for (auto& o : g.ConnuDetenteurCouleur)
      for (auto& couleur : o) couleur.Remplir(ConnuNonPlace);
    for (int16_t s = 1; s <= 4; ++s)
      for (auto& place : g.MainsJoueurs[s]) place = Carte{0, -1, 0, 0};
    for (Carte& k : jouees) main.push_back(Jouee(k));
    std::stable_sort(main.begin(), main.end(), AvantDansLeTri);
    for (size_t k = 0; k < main.size(); ++k) g.MainsJoueurs[joueur][static_cast<int>(k + 1)] = main[k];
    Recenser(g);
    ToutJouable(g, joueur);
    g.SansAtout[joueur][joueur] = g.NbAtouts[joueur] == 0 ? 1 : 0;
    PoserPli(g, entameur, posees);
    c.joueur = joueur;
    c.Defenseur1 = Suivant(preneur);
    c.Defenseur2 = Suivant(c.Defenseur1);
    c.Defenseur3 = Suivant(c.Defenseur2);
    c.PositionDansPli = static_cast<int16_t>((joueur - entameur + 4) % 4 + 1);
    c.JoueurMaitre = entameur;
    c.PlaceGagnante = 100;
  }

  // Only these cards remain candidates (a follow), with their class.
  void Jouables(std::initializer_list<Carte> cartes, int16_t classe) {
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& m = g.MainsJoueurs[c.joueur][k];
      const bool dedans = std::any_of(cartes.begin(), cartes.end(),
                                      [&](const Carte& x) { return x.Couleur == m.Couleur && x.Valeur == m.Valeur; });
      g.CarteJouable[c.joueur][k] = dedans ? 1 : 0;
      g.ClasseCarte[c.joueur][k].Classe = dedans ? classe : -1;
    }
  }

  // Runs the rule; the candidates left, in hand order.
  std::string Apres(Regle regle, int16_t numero) {
    g.ReglesActives.Remplir(1);
    c.regle = numero;
    regle(g, c);
    return Reste(g, c.joueur);
  }
  // The same, "-" when the rule did not pick.
  std::string Pris(Regle regle, int16_t numero) {
    const std::string reste = Apres(regle, numero);
    EXPECT_EQ(g.ReglesActives[numero], c.ChoixFait == 1 ? 2 : 1);
    return c.ChoixFait == 1 ? reste : "-";
  }
};

TEST(RegleDefense, Regle203TrumplessDefenderGivesOrKeepsHonours) {
  // Position 2, the taker third: he keeps his honours, unless his partner laid trump 21.
  auto deuxieme = [](Carte entame) { return Position(3, 1, 2, {Pi(14), Pi(3), Tr(13), Ca(2)}, {entame}); };
  EXPECT_EQ(deuxieme(Co(5)).Apres(Regle203, 203), "P3 Ca2");
  EXPECT_EQ(deuxieme(At(21)).Pris(Regle203, 203), "P14");

  // Position 3, a defender led low and the taker followed below the King: he gives his best
  // honour; on the taker's King he keeps them.
  auto troisieme = [](Carte preneur) { return Position(2, 1, 3, {Tr(13), Tr(12), Ca(4)}, {Co(7), preneur}); };
  EXPECT_EQ(troisieme(Co(10)).Pris(Regle203, 203), "T13");
  EXPECT_EQ(troisieme(Co(14)).Apres(Regle203, 203), "Ca4");

  // The taker led the King: give only when few cards of the suit are out and trumps remain.
  auto roiDuPreneur = [](int16_t dehors) {
    Position p(1, 1, 3, {Tr(12), Ca(4)}, {Co(14), Co(3)});
    p.g.NbDehorsCouleur[3][2] = dehors;
    p.g.AtoutsDehors = 3;
    return p.Apres(Regle203, 203);
  };
  EXPECT_EQ(roiDuPreneur(2), "T12");
  EXPECT_EQ(roiDuPreneur(3), "Ca4");

  // A defender who still has a trump is left alone.
  EXPECT_EQ(Position(3, 1, 2, {At(4), Pi(14), Ca(2)}, {Co(5)}).Apres(Regle203, 203), "A4 P14 Ca2");
}

TEST(RegleDefense, Regle16LeadsTrumpsOnlyAtLevelPro) {
  auto jouer = [](int16_t retour) {
    Position p(1, 2, 2, {At(10), At(3), Exc(), Pi(14), Co(8)});
    p.g.RetourAtoutAttendu = retour;
    return p;
  };
  Position p = jouer(0);
  EXPECT_EQ(p.Apres(Regle16, 16), "A10 A3");
  EXPECT_EQ(p.c.ChoixFait, 1);  // it ends the cascade without picking
  EXPECT_EQ(p.g.ReglesActives[16], 1);
  EXPECT_EQ(jouer(-1).Apres(Regle16, 16), "A10 A3 Exc P14 Co8");

  // Through the whole cascade, level 3 keeps the other cards of the lead.
  auto cascade = [&](int16_t niveau) {
    Position q = jouer(0);
    q.g.Niveau = niveau;
    ChoisirCarteOrdinateur(q.g, 2);
    return Reste(q.g, 2);
  };
  EXPECT_EQ(cascade(NiveauPro), "A10 A3");
  EXPECT_EQ(cascade(NiveauBon), "A10 A3 Exc P14 Co8");
}

TEST(RegleDefense, Regles204And5AvoidTheTakersSuits) {
  auto jouer = [](int16_t entameur, Regle regle, int16_t numero) {
    Position p(1, entameur, entameur, {Pi(5), Co(8), Tr(3)});
    p.g.CouleurEntameePreneur = 2;
    p.g.PremiereCouleurPreneur = 1;
    p.g.SecondeCouleurPreneur = 3;
    return p.Apres(regle, numero);
  };
  EXPECT_EQ(jouer(2, Regle204, 204), "P5 T3");
  EXPECT_EQ(jouer(2, Regle5, 5), "Co8");
  // The taker's own lead is not steered by them.
  EXPECT_EQ(jouer(1, Regle204, 204), "P5 Co8 T3");
  EXPECT_EQ(jouer(1, Regle5, 5), "P5 Co8 T3");
}

TEST(RegleDefense, Regle130AnswersTheTrumpSignal) {
  auto jouer = [](int16_t signal, int16_t protege, std::vector<Carte> main) {
    Position p(1, 3, 3, std::move(main));
    p.g.SignalAtoutHumain = signal;
    p.g.PetitProtege = protege;
    return p.Pris(Regle130, 130);
  };
  EXPECT_EQ(jouer(4, 0, {At(12), At(6), Pi(5)}), "A6");
  EXPECT_EQ(jouer(-1, 0, {At(12), At(6), Pi(5)}), "-");
  EXPECT_EQ(jouer(4, 1, {At(12), At(6), Pi(5)}), "-");
  EXPECT_EQ(jouer(4, 0, {At(12), At(6), At(1), Pi(5)}), "-");
}

TEST(RegleDefense, Regle11LeadsLowFromALongHonouredSuit) {
  auto jouer = [](int16_t nonJouee) {
    Position p(1, 2, 2, {Co(14), Co(9), Co(7), Co(4), Co(2), Pi(3)});
    p.g.CouleurNonJouee[2] = nonJouee;
    return p.Pris(Regle11, 11);
  };
  EXPECT_EQ(jouer(1), "Co2");
  EXPECT_EQ(jouer(0), "-");
}

TEST(RegleDefense, Regles119And120KeepTheCardUnderAnOutstandingHonour) {
  // Any leader, the taker here: his Queen while the King is out, his Knight while the Queen is.
  auto jouer = [](int16_t detenteurRoi, Regle regle, int16_t numero) {
    Position p(1, 1, 1, {Pi(13), Pi(12), Pi(4)});
    p.g.DetenteurCarte[1][14] = detenteurRoi;
    return p.Apres(regle, numero);
  };
  EXPECT_EQ(jouer(3, Regle119, 119), "P12 P4");
  EXPECT_EQ(jouer(0, Regle119, 119), "P12 P4");  // a King in the discard is not played either
  EXPECT_EQ(jouer(-1, Regle119, 119), "P13 P12 P4");
  EXPECT_EQ(jouer(-1, Regle120, 120), "P13 P4");  // his own Queen is still out
  EXPECT_EQ(Position(1, 2, 2, {Co(12), Co(6)}).Apres(Regle120, 120), "Co12 Co6");
}

TEST(RegleDefense, Regles116To114ShapeTheDefendersLead) {
  // 116: no honour of a suit the taker is known void in.
  auto r116 = [](int16_t coupe) {
    Position p(1, 2, 2, {Tr(14), Tr(11), Tr(5), Co(3)});
    p.g.CoupesConnues[2][1][3] = coupe;
    return p.Apres(Regle116, 116);
  };
  EXPECT_EQ(r116(1), "Co3 T5");
  EXPECT_EQ(r116(0), "Co3 T14 T11 T5");

  // 115: no Knight of an unplayed suit without its Queen.
  auto r115 = [](int16_t nonJouee) {
    Position p(1, 1, 1, {Pi(12), Pi(6), Co(13), Co(12)});
    p.g.CouleurNonJouee[1] = nonJouee;
    return p.Apres(Regle115, 115);
  };
  EXPECT_EQ(r115(1), "P6 Co13 Co12");
  EXPECT_EQ(r115(0), "P12 P6 Co13 Co12");

  // 114: a defender leads no small card of an unplayed suit without King or Queen.
  auto r114 = [](int16_t preneur) { return Position(preneur, 2, 2, {Pi(9), Pi(3), Pi(1), Co(14), Co(2)}).Apres(Regle114, 114); };
  EXPECT_EQ(r114(1), "P9 Co14 Co2");
  EXPECT_EQ(r114(2), "P9 P3 P1 Co14 Co2");
}

TEST(RegleDefense, Regle113OpensTheLongSuitAfterATrumpyChien) {
  auto jouer = [](std::vector<Carte> main, int16_t longue, int16_t atoutsChien) {
    Position p(1, 2, 2, std::move(main));
    p.g.CouleurLongue[2] = longue;
    p.g.AtoutsChien = atoutsChien;
    return p.Apres(Regle113, 113);
  };
  // Six trumps, King and Queen of his long suit: the King.
  const std::vector<Carte> six{At(20), At(15), At(10), At(8), At(5), At(3), Exc(), Co(14), Co(13), Co(9), Co(5), Pi(4)};
  EXPECT_EQ(jouer(six, 2, 2), "Co14");
  EXPECT_EQ(jouer(six, 2, 1), "A20 A15 A10 A8 A5 A3 Exc P4 Co14 Co13 Co9 Co5");
  // Six trumps, only the King: his first small card.
  EXPECT_EQ(jouer({At(20), At(15), At(10), At(8), At(5), At(3), Co(14), Co(9), Co(5), Co(2)}, 2, 2), "Co5");
  // Fewer than six trumps, neither honour: his lowest card above 5.
  EXPECT_EQ(jouer({At(5), Exc(), Tr(12), Tr(9), Tr(6), Tr(2), Pi(3)}, 3, 3), "T6");
  // No variant fits: trumps and the Excuse are still set aside.
  EXPECT_EQ(jouer({At(5), Exc(), Tr(14), Tr(13), Tr(8), Pi(3)}, 3, 2), "P3 T14 T13 T8");
}

TEST(RegleDefense, Regle112SignalsWithALowEvenTrump) {
  auto jouer = [](std::vector<Carte> main, int16_t signal) {
    Position p(1, 3, 3, std::move(main));
    p.g.AtoutsChien = 1;
    p.g.SignalAtoutHumain = signal;
    const std::string pris = p.Pris(Regle112, 112);
    return pris + " signal " + std::to_string(p.g.SignalAtoutHumain);
  };
  EXPECT_EQ(jouer({At(13), At(8), At(6), At(3), Pi(5)}, -1), "A6 signal 3");
  EXPECT_EQ(jouer({At(14), At(13), Pi(5)}, -1), "- signal -1");
  EXPECT_EQ(jouer({At(13), At(8), At(6), Pi(5)}, 1), "- signal 1");
  // Seven trumps dealt: no signal.
  EXPECT_EQ(jouer({At(20), At(16), At(13), At(10), At(8), At(6), At(4), Pi(5)}, -1), "- signal -1");
}

TEST(RegleDefense, Regle101KeepsHonoursTheTakerWillTrump) {
  auto jouer = [](int16_t preneurSansAtout) {
    Position p(3, 2, 2, {Ca(14), Ca(13), Ca(12), Pi(2)});
    p.g.CoupesConnues[2][3][4] = 1;
    p.g.SansAtout[2][3] = preneurSansAtout;
    return p.Apres(Regle101, 101);
  };
  EXPECT_EQ(jouer(0), "P2 Ca12");
  EXPECT_EQ(jouer(1), "P2 Ca14 Ca13 Ca12");
}

TEST(RegleDefense, Regles23And18LeadWhereTheOtherSeatsAreVoid) {
  // 23: the taker is trumpless and void in spades: only spades are left, and the cascade ends.
  auto r23 = [](int16_t coupe) {
    Position p(1, 2, 2, {At(7), Exc(), Pi(10), Pi(4), Co(13)});
    p.g.SansAtout[2][1] = 1;
    p.g.CoupesConnues[2][1][1] = coupe;
    const std::string reste = p.Apres(Regle23, 23);
    return reste + " " + std::to_string(p.c.ChoixFait);
  };
  EXPECT_EQ(r23(1), "P10 P4 1");
  EXPECT_EQ(r23(0), "A7 Exc P10 P4 Co13 0");

  // 18: no suit the signalling seat cannot follow.
  Position p(1, 2, 2, {Pi(6), Co(9), Co(3)});
  p.g.SignalAtoutHumain = 3;
  p.g.CoupesConnues[2][3][2] = 1;
  EXPECT_EQ(p.Apres(Regle18, 18), "P6");
}

TEST(ReglePreneur, Regle182LeadsTheSixthTrump) {
  // Nine trumps with the Petit, a long spade suit headed by the King.
  std::vector<Carte> main{At(21), At(18), At(16), At(14), At(11), At(9), At(7), At(3), At(1),
                          Pi(14), Pi(10), Pi(8), Pi(6), Pi(2), Co(4), Co(3), Tr(2)};
  Position p(2, 2, 2, main);
  p.g.CouleurLongue[2] = 1;
  EXPECT_EQ(p.Pris(Regle182, 182), "A9");
  // Once his sixth dealt trump has gone, the rule never fires again in the deal.
  main.erase(std::find(main.begin(), main.end(), At(9)));
  Position q(2, 2, 2, main, {}, {At(9)});
  q.g.CouleurLongue[2] = 1;
  EXPECT_EQ(q.Pris(Regle182, 182), "-");
}

TEST(ReglePreneur, Regle180LeadsALowSingletonWithEnoughTrumps) {
  // The threshold is 7, 8 or 9 with chances 1/4, 1/2, 1/4.
  auto frequence = [](int16_t atouts, Carte singleton) {
    int n = 0;
    for (uint64_t graine = 1; graine <= 400; ++graine) {
      std::vector<Carte> main{Co(14), Co(10), Co(8), Co(5), Co(3), singleton};
      for (int16_t v = 2; v < 2 + atouts; ++v) main.push_back(At(v));
      Position p(4, 4, 4, main);
      p.g.alea = Aleatoire(graine);
      p.g.CouleurLongue[4] = 2;
      n += p.Pris(Regle180, 180) == "Ca" + std::to_string(singleton.Valeur);
    }
    return n / 400.0;
  };
  EXPECT_EQ(frequence(9, Ca(7)), 1.0);
  EXPECT_NEAR(frequence(8, Ca(7)), 0.75, 0.08);
  EXPECT_NEAR(frequence(7, Ca(7)), 0.25, 0.08);
  EXPECT_EQ(frequence(6, Ca(7)), 0.0);
  EXPECT_EQ(frequence(9, Ca(12)), 0.0);  // never a singleton honour
}

TEST(ReglePreneur, Regle160TrumpsHighWhileHonoursAreOut) {
  auto jouer = [](int16_t inconnues, int16_t roi) {
    Position p(2, 1, 2, {At(15), At(4), Pi(8), Tr(3)}, {Co(9)});
    p.Jouables({At(15), At(4)}, 1);
    p.g.NbCartesCouleurInconnues[2][2] = inconnues;
    p.g.ConnuDetenteurCouleur[2][2][12] = ConnuJouee;
    p.g.ConnuDetenteurCouleur[2][2][13] = ConnuJouee;
    p.g.ConnuDetenteurCouleur[2][2][14] = roi;
    return p.Pris(Regle160, 160);
  };
  EXPECT_EQ(jouer(4, ConnuNonPlace), "A15");
  EXPECT_EQ(jouer(4, 3), "A15");
  EXPECT_EQ(jouer(5, ConnuNonPlace), "-");
  EXPECT_EQ(jouer(4, ConnuJouee), "-");
}

TEST(ReglePreneur, Regles150And151LeadTheLongSuit) {
  auto jouer = [](std::vector<Carte> main, int16_t atouts, auto regler) {
    for (int16_t v = 2; v < 2 + atouts; ++v) main.push_back(At(v));
    main.push_back(Pi(2));
    Position p(1, 1, 1, main);
    p.g.CouleurLongue[1] = 3;
    regler(p);
    const std::string pris = p.Pris(Regle150, 150);
    return pris != "-" ? pris : p.Pris(Regle151, 151);
  };
  auto rien = [](Position&) {};
  EXPECT_EQ(jouer({Tr(14), Tr(12), Tr(8), Tr(3)}, 5, rien), "T14");
  EXPECT_EQ(jouer({Tr(13), Tr(12), Tr(11), Tr(8), Tr(3)}, 5, rien), "T13");
  // Six cards with ten trumps, or the Knight fallen: the Queen waits, so do the Knight and Jack.
  EXPECT_EQ(jouer({Tr(13), Tr(12), Tr(11), Tr(8), Tr(5), Tr(3)}, 10, rien), "T8");
  EXPECT_EQ(jouer({Tr(13), Tr(12), Tr(11), Tr(8), Tr(3)}, 5, [](Position& p) { p.g.CavalierLonguePreneurTombe = 1; }), "T8");
  // The suit has been trumped and a defender may still hold trumps: its lowest card.
  auto coupee = [](Position& p) { p.g.CouleurLonguePreneurCoupee = 1; };
  EXPECT_EQ(jouer({Tr(14), Tr(12), Tr(8), Tr(3)}, 5, coupee), "T3");
  // Trumped, but every defender is known trumpless: the King again.
  auto sansAtouts = [&](Position& p) {
    coupee(p);
    for (int16_t d = 2; d <= 4; ++d) p.g.SansAtout[1][d] = 1;
  };
  EXPECT_EQ(jouer({Tr(14), Tr(12), Tr(8), Tr(3)}, 5, sansAtouts), "T14");
}

TEST(ReglePreneur, Regles22And19HandleTheTakersKings) {
  auto r22 = [](int16_t coeurs, int16_t nonJouee) {
    std::vector<Carte> main{Co(14), Pi(3), At(4)};
    for (int16_t v = 2; v < 1 + coeurs; ++v) main.push_back(Co(v));
    Position p(1, 1, 1, main);
    p.g.CouleurNonJouee[2] = nonJouee;
    return p.Pris(Regle22, 22);
  };
  EXPECT_EQ(r22(5, 1), "Co14");
  EXPECT_EQ(r22(9, 1), "Co14");
  EXPECT_EQ(r22(4, 1), "-");
  EXPECT_EQ(r22(10, 1), "-");
  EXPECT_EQ(r22(5, 0), "-");

  // 19: no bare King, unless he holds the Petit and no defender has trumps left.
  auto r19 = [](std::vector<Carte> main, int16_t sansAtout) {
    Position p(1, 1, 1, std::move(main));
    p.g.RoiSecPreneur[3] = 1;
    for (int16_t d = 2; d <= 4; ++d) p.g.SansAtout[1][d] = sansAtout;
    return p.Apres(Regle19, 19);
  };
  EXPECT_EQ(r19({Tr(14), Pi(5), At(6)}, 1), "A6 P5");
  EXPECT_EQ(r19({Tr(14), Pi(5), At(6), At(1)}, 0), "A6 A1 P5");
  EXPECT_EQ(r19({Tr(14), Pi(5), At(6), At(1)}, 1), "A6 A1 P5 T14");
}

TEST(ReglePreneur, Regle13TakesWithAKingGuardedTwice) {
  auto jouer = [](std::vector<Carte> piques, int16_t coupe) {
    Position p(3, 2, 3, std::move(piques), {Pi(9)});
    p.c.PlaceGagnante = PlaceDe(p.g, 3, Pi(14));
    p.g.CoupesConnues[3][4][1] = coupe;
    return p.Pris(Regle13, 13);
  };
  EXPECT_EQ(jouer({Pi(14), Pi(10), Pi(4)}, 0), "P14");
  EXPECT_EQ(jouer({Pi(14), Pi(10), Pi(4)}, 1), "-");
  EXPECT_EQ(jouer({Pi(14), Pi(10)}, 0), "-");
}

TEST(ReglePreneur, Regles2And3PlayLowWhenTheTrickIsLost) {
  // Fourth defender, the taker master: the lowest plain card over all suits.
  auto r2 = [](int16_t maitre) {
    Position p(1, 1, 4, {Co(9), Tr(5), Ca(2)}, {At(19), Pi(3), Pi(4)});
    p.c.JoueurMaitre = maitre;
    p.c.PlaceGagnante = -1;
    return p.Pris(Regle2, 2);
  };
  EXPECT_EQ(r2(1), "Ca2");
  EXPECT_EQ(r2(2), "-");

  // The taker third who cannot win: with no plain candidate, his lowest trump above the Petit.
  auto r3 = [](int16_t gagnante) {
    Position p(2, 4, 2, {At(9), At(4), At(1), Co(8)}, {Pi(5)});
    p.Jouables({At(9), At(4), At(1)}, 3);
    p.c.PlaceGagnante = gagnante;
    return p.Pris(Regle3, 3);
  };
  EXPECT_EQ(r3(-1), "A4");
  EXPECT_EQ(r3(1), "-");
}

TEST(ReglePreneur, Regle14OvertrumpsHighBeforeTheTaker) {
  auto jouer = [](int16_t entameur) {
    Position p(1, entameur, 4, {At(17), At(15), At(8), Ca(3)}, {At(10)});
    p.Jouables({At(17), At(15)}, 2);
    return p.Apres(Regle14, 14);
  };
  EXPECT_EQ(jouer(2), "A17");
  EXPECT_EQ(jouer(1), "A17 A15");
}

TEST(ReglePreneur, Regles6And1CloseTheCascade) {
  EXPECT_EQ(Position(1, 1, 3, {At(12), At(5), At(1)}, {At(2), At(4)}).Pris(Regle6, 6), "A5");

  // After the taker, able to win the duel: the highest honour.
  auto r1 = [](int16_t entameur, int16_t joueur, bool gagnante) {
    Position p(1, entameur, joueur, {Co(14), Co(12), Co(3)}, {Co(11)});
    p.c.PlaceGagnante = gagnante ? PlaceDe(p.g, joueur, Co(12)) : 100;
    return p.Pris(Regle1, 1);
  };
  EXPECT_EQ(r1(1, 2, true), "Co14");
  EXPECT_EQ(r1(1, 2, false), "-");
  EXPECT_EQ(r1(2, 3, true), "-");  // the taker is still to play
}

}  // namespace
