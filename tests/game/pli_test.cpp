#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "game/partie.h"
#include "game/pli.h"

namespace {

constexpr int16_t A = CouleurAtout, P = CouleurPique, H = CouleurCoeur, T = CouleurTrefle, K = CouleurCarreau;
constexpr Carte Excuse{0, A, 1, 0};
Carte C(int16_t couleur, int16_t valeur) { return Carte{valeur, couleur, 1, 0}; }

// Records what the rules ask of the screen, in order.
struct Journal : Affichage {
  std::vector<std::string> appels;
  double attaque = -1, defense = -1;
  void MarquerCartesJouables(int16_t j) override { appels.push_back("jouables" + std::to_string(j)); }
  void ActiverTimerEntreCarte() override { appels.push_back("timer"); }
  void AfficherPoints(double a, double d) override {
    attaque = a;
    defense = d;
    appels.push_back("points");
  }
  void AfficherBouts(int16_t, int16_t) override { appels.push_back("bouts"); }
  void AfficherPointsAFaire(int16_t) override { appels.push_back("contrat"); }
  void ActiverMenuLastPli() override { appels.push_back("menu"); }
  void AfficherCliquezPourContinuer() override { appels.push_back("cliquez"); }
  void AfficherResultatDonne() override { appels.push_back("resultat"); }
  void ActiverTimerTransition() override { appels.push_back("transition"); }
  void AppelDessinLastPli() override { appels.push_back("dessin"); }
};

// A game at the start of a trick led by `entameur`, hands empty.
struct Table {
  Partie g{Aleatoire(5)};
  Journal journal;
  explicit Table(int16_t entameur = 1) {
    g.ecran = &journal;
    g.EntameurPli = entameur;
    g.JoueurCourant = entameur;
    g.NumeroPli = 1;
    g.Preneur = 1;
    g.EnchereJoueur[1] = EnchereGarde;
    for (auto& m : g.MainsJoueurs)
      for (auto& c : m) c = Carte{};
  }
  void Donner(int16_t siege, std::initializer_list<Carte> cartes) {
    int k = 1;
    for (const Carte& c : cartes) g.MainsJoueurs[siege][k++] = c;
    for (; k <= 18; ++k) g.MainsJoueurs[siege][k] = Carte{};
  }
  // The seat to play lays `c` from place 18, as the table does.
  void Poser(Carte c) {
    c.EnMain = 0;
    g.MainsJoueurs[g.JoueurCourant][18] = c;
    MettreAJourPli(g, 18);
    CompterCartePli(g);
  }
  void Poser(std::initializer_list<Carte> cartes) {
    for (const Carte& c : cartes) Poser(c);
  }
  // Hand places whose card is legal for the seat, and their classes.
  std::vector<int> Jouables(int16_t siege) {
    DeterminerCartesJouables(g, siege);
    std::vector<int> r;
    for (int k = 1; k <= 18; ++k)
      if (g.CarteJouable[siege][k] == 1) r.push_back(k);
    return r;
  }
  int16_t Classe(int16_t siege, int k) const { return g.ClasseCarte[siege][k].Classe; }
};

using V = std::vector<int>;

TEST(CartesJouables, LeadsAndFollowing) {
  {  // A free lead: every held card, class 0; a played card is not held.
    Table t(2);
    t.Donner(2, {C(A, 4), Excuse, C(H, 3), C(K, 14)});
    t.g.MainsJoueurs[2][3].EnMain = 0;
    EXPECT_EQ(t.Jouables(2), (V{1, 2, 4}));
    EXPECT_EQ(t.Classe(2, 1), 0);
    EXPECT_EQ(t.Classe(2, 2), -1);  // the Excuse keeps its own class
    EXPECT_EQ(t.Classe(2, 3), -1);
    EXPECT_EQ(t.Classe(2, 4), 0);
  }
  {  // The Excuse led: the second seat plays freely and sets the suit for the others.
    Table t(1);
    t.Poser(Excuse);
    t.Donner(2, {C(A, 7), C(P, 2), C(T, 9)});
    EXPECT_EQ(t.Jouables(2), (V{1, 2, 3}));
    EXPECT_EQ(t.Classe(2, 2), 0);
    t.Poser(C(T, 5));
    EXPECT_EQ(t.g.CouleurDemandee, T);
    EXPECT_EQ(t.g.ValeurEntame, 5);
    t.Donner(3, {C(A, 7), C(P, 2), C(T, 9)});
    EXPECT_EQ(t.Jouables(3), (V{3}));
    EXPECT_EQ(t.Classe(3, 3), -1);
  }
  {  // A seat holding the suit led and the Excuse: both, nothing else.
    Table t(4);
    t.Poser(C(K, 8));
    t.Donner(1, {C(A, 12), Excuse, C(K, 13), C(K, 2), C(P, 1)});
    EXPECT_EQ(t.Jouables(1), (V{2, 3, 4}));
    EXPECT_EQ(t.Classe(1, 3), -1);
  }
  // Neither the suit nor a trump: anything, class 4 on a plain lead (with the suit led
  // noted), class 5 on a trump lead; the Excuse -1.
  for (const Carte entame : {C(H, 8), C(A, 9)}) {
    Table t(3);
    t.Poser(entame);
    t.Donner(4, {Excuse, C(P, 14), C(T, 2)});
    EXPECT_EQ(t.Jouables(4), (V{1, 2, 3}));
    const int16_t classe = entame.Couleur == H ? 4 : 5;
    EXPECT_EQ(t.Classe(4, 1), -1);
    EXPECT_EQ(t.Classe(4, 2), classe);
    EXPECT_EQ(t.Classe(4, 3), classe);
    if (classe == 4) {
      EXPECT_EQ(t.g.ClasseCarte[4][2].CouleurDemandee, H);
    }
  }
}

TEST(CartesJouables, TrumpingAndOvertrumping) {
  {  // Trump 12 led, 15 laid: holding 8 and 17 only the 17 (and the Excuse).
    Table t(1);
    t.Poser({C(A, 12), C(A, 15)});
    EXPECT_EQ(t.g.PlusHautAtoutPli, 15);
    t.Donner(3, {C(A, 17), C(A, 8), Excuse, C(P, 3)});
    EXPECT_EQ(t.Jouables(3), (V{1, 3}));
    EXPECT_EQ(t.Classe(3, 1), 2);
    EXPECT_EQ(t.Classe(3, 2), -1);
    EXPECT_EQ(t.Classe(3, 3), -1);
    // Holding 8 and 10: both, class 3, trump to beat 15.
    t.Donner(3, {C(A, 10), C(A, 8), C(P, 3)});
    EXPECT_EQ(t.Jouables(3), (V{1, 2}));
    for (int k : {1, 2}) {
      EXPECT_EQ(t.Classe(3, k), 3);
      EXPECT_EQ(t.g.ClasseCarte[3][k].AtoutABattre, 15);
    }
  }
  {  // Trump 12 led, 10 laid under it: the third seat must still beat the 12.
    Table t(1);
    t.Poser({C(A, 12), C(A, 10)});
    EXPECT_EQ(t.g.PlusHautAtoutPli, 0);
    t.Donner(3, {C(A, 13), C(A, 11), C(A, 1)});
    EXPECT_EQ(t.Jouables(3), (V{1}));
  }
  {  // Coeur led, trumped with 6: holding 3 and 9 only the 9; holding only 3 it must play it.
    Table t(2);
    t.Poser({C(H, 4), C(A, 6)});
    EXPECT_EQ(t.g.PlusHautAtoutPli, 6);
    t.Donner(4, {C(A, 9), C(A, 3), C(P, 5)});
    EXPECT_EQ(t.Jouables(4), (V{1}));
    EXPECT_EQ(t.Classe(4, 1), 2);
    EXPECT_EQ(t.g.ClasseCarte[4][1].AtoutABattre, 6);
    EXPECT_EQ(t.g.ClasseCarte[4][1].CouleurDemandee, H);
    t.Donner(4, {C(A, 3), C(P, 5)});
    EXPECT_EQ(t.Jouables(4), (V{1}));
    EXPECT_EQ(t.Classe(4, 1), 3);
    EXPECT_EQ(t.g.ClasseCarte[4][1].AtoutABattre, 6);
  }
  {  // Coeur led, nobody trumped yet: any trump, class 1.
    Table t(2);
    t.Poser({C(H, 4), C(H, 1)});
    t.Donner(4, {C(A, 9), C(A, 3), C(P, 5)});
    EXPECT_EQ(t.Jouables(4), (V{1, 2}));
    EXPECT_EQ(t.Classe(4, 1), 1);
    EXPECT_EQ(t.Classe(4, 2), 1);
    EXPECT_EQ(t.g.ClasseCarte[4][2].CouleurDemandee, H);
  }
  {  // Excuse led then a trump: that trump is both the value led and the highest trump.
    Table t(1);
    t.Poser({Excuse, C(A, 8)});
    EXPECT_EQ(t.g.CouleurDemandee, A);
    EXPECT_EQ(t.g.ValeurEntame, 8);
    EXPECT_EQ(t.g.PlusHautAtoutPli, 8);
    t.Donner(3, {C(A, 9), C(A, 2)});
    EXPECT_EQ(t.Jouables(3), (V{1}));
  }
  {  // Excuse led, a plain card, then a trump: the last seat must overtrump it.
    Table t(1);
    t.Poser({Excuse, C(P, 8), C(A, 5)});
    EXPECT_EQ(t.g.PlusHautAtoutPli, 5);
    t.Donner(4, {C(A, 4), C(A, 7), C(H, 1)});
    EXPECT_EQ(t.Jouables(4), (V{2}));
  }
}

TEST(CartesJouables, TablesAndDisplay) {
  Table t(1);
  t.Donner(1, {C(P, 1)});
  t.Donner(3, {C(H, 1), C(H, 2)});
  t.g.ClasseCarte[2][5].Classe = 4;
  t.g.CarteJouable[3][2] = 1;  // another seat's row is left alone
  t.Jouables(1);
  EXPECT_EQ(t.g.ClasseCarte[2][5].Classe, -1);  // every class is reset
  EXPECT_EQ(t.g.CarteJouable[3][2], 1);
  t.Jouables(3);
  EXPECT_EQ(t.Classe(1, 1), -1);
  // Only the human seat's legal cards are shown.
  EXPECT_EQ(t.journal.appels, (std::vector<std::string>{"jouables1"}));
}

TEST(MaitrePli, MastersAsTheTrickGoes) {
  Table t(2);
  t.Poser({C(P, 10), C(P, 14), C(A, 2)});
  EXPECT_EQ(MaitrePli(t.g, 2), 2);  // the leader's own seat
  EXPECT_EQ(MaitrePli(t.g, 4), 3);  // the King above the 10
  EXPECT_EQ(MaitrePli(t.g, 1), 4);  // the trump 2 on Pique
  int16_t m = 0;
  DeterminerMaitrePli(t.g, 3, m);
  EXPECT_EQ(m, 2);
  t.Poser(C(P, 13));
  EXPECT_EQ(t.g.EntameurPli, 4);  // the trump 2 won and leads next
  EXPECT_EQ(t.g.JoueurCourant, 4);

  Table e(3);
  e.Poser({Excuse, C(K, 3), C(K, 5)});
  EXPECT_EQ(MaitrePli(e.g, 4), 3);  // the Excuse alone
  EXPECT_EQ(MaitrePli(e.g, 1), 4);  // the first card after the Excuse
  EXPECT_EQ(MaitrePli(e.g, 2), 1);  // the 5 above the 3

  // A discard never takes the trick; a lower trump does not beat a higher one; a trump on
  // the Excuse and on a plain card does.
  EXPECT_FALSE(PrendLaMain(C(H, 14), C(P, 2)));
  EXPECT_FALSE(PrendLaMain(C(A, 3), C(A, 4)));
  EXPECT_FALSE(PrendLaMain(Excuse, C(P, 1)));
  EXPECT_FALSE(PrendLaMain(Excuse, C(A, 1)));
  EXPECT_TRUE(PrendLaMain(C(A, 1), Excuse));
  EXPECT_TRUE(PrendLaMain(C(A, 1), C(K, 14)));
}

TEST(MettreAJourPli, CountingCardsAndTheNextSeat) {
  Table t(4);
  t.Poser(C(T, 7));
  EXPECT_EQ(t.g.NbCartesPli, 1);
  EXPECT_EQ(t.g.JoueurCourant, 1);
  EXPECT_EQ(t.g.PliCourant[4], (Carte{7, T, 0, 0}));
  EXPECT_EQ(t.g.CouleurDemandee, T);
  t.Poser({C(A, 3), C(A, 2)});  // a lower trump does not raise the highest one
  EXPECT_EQ(t.g.PlusHautAtoutPli, 3);
  EXPECT_EQ(t.g.CouleurDemandee, T);
  EXPECT_EQ(t.g.ValeurEntame, 7);
  EXPECT_EQ(t.journal.appels, (std::vector<std::string>{"timer", "timer", "timer"}));
  t.Poser(C(A, 20));
  EXPECT_EQ(t.g.NbCartesPli, 0);
  EXPECT_EQ(t.g.PlusHautAtoutPli, 0);
  EXPECT_EQ(t.g.NumeroPli, 2);
  EXPECT_EQ(t.g.JoueurCourant, 3);
  // The suit led stays until the next trick's lead.
  EXPECT_EQ(t.g.CouleurDemandee, T);
}

// Deals out a whole trick from a fresh counting state.
struct Comptage : Table {
  explicit Comptage(int16_t entameur, int16_t preneur, int16_t numeroPli, int16_t contrat = EnchereGarde)
      : Table(entameur) {
    g.Preneur = preneur;
    g.EnchereJoueur[preneur] = contrat;
    g.NumeroPli = numeroPli;
    g.PointsAFaire = 99;  // an earlier deal's value
    for (int k = 1; k <= 6; ++k) g.Chien[k] = C(P, static_cast<int16_t>(k));  // 6 half points
  }
};

TEST(RamasserPli, PointsAndTheExcuse) {
  {  // 18 half points won by the taker.
    Comptage t(1, 3, 5);
    t.Poser({C(H, 14), C(H, 13), C(A, 5), C(H, 2)});
    EXPECT_EQ(t.g.EntameurPli, 3);
    EXPECT_EQ(t.g.DemiPointsPreneur, 18);
    EXPECT_EQ(t.g.DemiPointsDefense, 0);
    EXPECT_EQ(t.journal.attaque, 9.0);
  }
  {  // The taker lays the Excuse in trick 3, the defence wins: 8 back to the taker.
    Comptage t(1, 2, 2);
    t.Poser({C(K, 14), Excuse, C(K, 2), C(K, 3)});  // 9 + 9 + 1 + 1
    EXPECT_EQ(t.g.EntameurPli, 1);
    EXPECT_EQ(t.g.DemiPointsPreneur, 8);
    EXPECT_EQ(t.g.DemiPointsDefense, 12);
    EXPECT_EQ(t.g.BoutsPreneur, 1);
    EXPECT_EQ(t.g.BoutsDefense, 0);
    EXPECT_EQ(t.journal.attaque, 4.0);
    EXPECT_EQ(t.journal.defense, 6.0);
  }
  {  // A defender's Excuse in a trick the taker wins: 8 to the defence with the oudler.
    Comptage t(1, 1, 7);
    t.Poser({C(A, 10), Excuse, C(A, 2), C(A, 3)});
    EXPECT_EQ(t.g.EntameurPli, 1);
    EXPECT_EQ(t.g.DemiPointsPreneur, 4);
    EXPECT_EQ(t.g.DemiPointsDefense, 8);
    EXPECT_EQ(t.g.BoutsDefense, 1);
    EXPECT_EQ(t.g.BoutsPreneur, 0);
  }
  {  // The Petit and the 21 go to whoever wins them; with two oudlers the target waits.
    Comptage t(2, 4, 10);
    t.Poser({C(A, 1), C(A, 21), C(P, 4), C(A, 4)});  // seat 3 wins with the 21
    EXPECT_EQ(t.g.BoutsDefense, 2);
    EXPECT_EQ(t.g.BoutsPreneur, 0);
    EXPECT_EQ(t.g.DemiPointsDefense, 20);
    EXPECT_EQ(t.g.PointsAFaire, 99);
    EXPECT_EQ(t.g.PetitAuBout, 0);  // only at the last trick
    // The third oudler fixes the target: 56 with none for the taker.
    t.Poser({Excuse, C(K, 1), C(K, 9), C(K, 10)});
    EXPECT_EQ(t.g.BoutsDefense, 3);
    EXPECT_EQ(t.g.PointsAFaire, 56);
  }
}

TEST(RamasserPli, LastTrick) {
  {  // A defender's Excuse in the last trick the defence wins: the taker gets 8 and the oudler.
    Comptage t(1, 4, 18, EnchereGardeSans);
    t.g.BoutsDefense = 2;
    t.Poser({C(K, 14), C(K, 2), Excuse, C(K, 4)});
    EXPECT_EQ(t.g.EntameurPli, 1);
    EXPECT_EQ(t.g.DemiPointsPreneur, 8 + 6);  // and the chien of a Garde sans
    EXPECT_EQ(t.g.DemiPointsDefense, 12);
    EXPECT_EQ(t.g.BoutsPreneur, 1);
    EXPECT_EQ(t.g.BoutsDefense, 2);
    EXPECT_EQ(t.g.PointsAFaire, 51);
    EXPECT_EQ(t.g.NumeroPli, 19);
  }
  {  // The taker's Excuse in the last trick goes to the defence, points and oudler.
    Comptage t(1, 2, 18, EncherePrise);
    t.g.BoutsPreneur = 2;
    t.Poser({C(K, 14), Excuse, C(K, 2), C(K, 4)});
    EXPECT_EQ(t.g.DemiPointsPreneur, 6);  // the discard only
    EXPECT_EQ(t.g.DemiPointsDefense, 20);
    EXPECT_EQ(t.g.BoutsPreneur, 2);
    EXPECT_EQ(t.g.BoutsDefense, 1);
    EXPECT_EQ(t.g.PointsAFaire, 41);
  }
  {  // A defender's Excuse in the last trick the taker wins: the taker keeps all of it.
    Comptage t(1, 1, 18, EnchereGarde);
    t.Poser({C(A, 10), Excuse, C(A, 2), C(A, 3)});
    EXPECT_EQ(t.g.DemiPointsPreneur, 12 + 6);
    EXPECT_EQ(t.g.DemiPointsDefense, 0);
    EXPECT_EQ(t.g.BoutsPreneur, 1);
    EXPECT_EQ(t.g.BoutsDefense, 0);
  }
  {  // The Petit in the last trick, laid by the taker and won by a defender: 2.
    Comptage t(3, 3, 18);
    t.Poser({C(A, 1), C(A, 6), C(A, 3), C(A, 2)});
    EXPECT_EQ(t.g.EntameurPli, 4);
    EXPECT_EQ(t.g.PetitAuBout, 2);
    EXPECT_EQ(t.g.BoutsDefense, 1);
  }
  {  // The Petit in the last trick won by the taker: 1.
    Comptage t(3, 4, 18);
    t.Poser({C(A, 1), C(A, 6), C(A, 3), C(H, 2)});
    EXPECT_EQ(t.g.PetitAuBout, 1);
  }
  {  // No Petit in the last trick clears an earlier deal's value.
    Comptage t(3, 4, 18);
    t.g.PetitAuBout = 2;
    t.Poser({C(A, 12), C(A, 6), C(A, 3), C(H, 2)});
    EXPECT_EQ(t.g.PetitAuBout, 0);
  }
  {  // Garde contre with the 21 in the chien: oudler and points to the defence.
    Comptage t(1, 2, 18, EnchereGardeContre);
    t.g.Chien[3] = C(A, 21);  // 5 + 9 half points
    t.g.BoutsPreneur = 1;
    t.g.BoutsDefense = 1;
    t.Poser({C(P, 14), C(P, 7), C(P, 8), C(P, 9)});
    EXPECT_EQ(t.g.DemiPointsPreneur, 0);
    EXPECT_EQ(t.g.DemiPointsDefense, 12 + 14);
    EXPECT_EQ(t.g.BoutsDefense, 2);
    EXPECT_EQ(t.g.PointsAFaire, 51);
  }
  {  // Garde sans: the chien's oudlers are the taker's.
    Comptage t(1, 2, 18, EnchereGardeSans);
    t.g.Chien[1] = C(A, 1);
    t.g.Chien[2] = Excuse;
    t.g.BoutsDefense = 1;
    t.Poser({C(P, 14), C(P, 7), C(P, 8), C(P, 9)});
    EXPECT_EQ(t.g.BoutsPreneur, 2);
    EXPECT_EQ(t.g.DemiPointsPreneur, 9 + 9 + 4);
    EXPECT_EQ(t.g.PointsAFaire, 41);
  }
}

TEST(RamasserPli, StateAndScreen) {
  Comptage t(1, 1, 1);
  t.g.CouleurNonJouee[1] = 2;
  t.g.CouleurNonJouee[2] = 1;
  t.Poser({C(P, 1), C(P, 2), C(P, 3), C(P, 4)});
  EXPECT_EQ(t.g.AttenteClic, 1);
  EXPECT_EQ(t.g.PliAffiche, 1);
  EXPECT_EQ(t.g.CouleurNonJouee[1], 0);
  EXPECT_EQ(t.g.CouleurNonJouee[2], 1);
  // The end of the first trick opens the last-trick menu.
  const std::vector<std::string> premier = {"timer", "timer", "timer", "menu",       "points",
                                            "bouts", "cliquez", "transition", "dessin"};
  EXPECT_EQ(t.journal.appels, premier);

  t.journal.appels.clear();
  t.g.AttenteAuto = 0;
  t.Poser({C(H, 1), C(H, 2), C(H, 3), C(H, 4)});
  EXPECT_EQ(t.journal.appels,
            (std::vector<std::string>{"timer", "timer", "timer", "points", "bouts", "cliquez", "dessin"}));

  // The last trick: the result, no prompt and no pause.
  Comptage d(1, 1, 18);
  d.g.BoutsPreneur = 3;
  d.Poser({C(P, 1), C(P, 2), C(P, 3), C(P, 4)});
  EXPECT_EQ(d.journal.appels,
            (std::vector<std::string>{"timer", "timer", "timer", "points", "bouts", "contrat", "resultat", "dessin"}));
  EXPECT_EQ(d.g.PointsAFaire, 36);
}

}  // namespace
