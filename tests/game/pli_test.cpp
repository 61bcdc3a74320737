#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/partie.h"
#include "game/pli.h"

namespace {

constexpr int16_t A = CouleurAtout, P = CouleurPique, H = CouleurCoeur, T = CouleurTrefle, K = CouleurCarreau;
constexpr Carte X{0, A, 1, 0};  // the Excuse
constexpr Carte C(int16_t couleur, int16_t valeur) { return Carte{valeur, couleur, 1, 0}; }
using Cartes = std::vector<Carte>;
using Textes = std::vector<std::string>;

// Records what the rules ask of the screen, in order.
struct Journal : Affichage {
  Textes appels;
  double attaque = -1;
  void MarquerCartesJouables(int16_t j) override { appels.push_back("jouables" + std::to_string(j)); }
  void ActiverTimerEntreCarte() override { appels.push_back("timer"); }
  void AfficherPoints(double a, double) override { attaque = a, appels.push_back("points"); }
  void AfficherBouts(int16_t, int16_t) override { appels.push_back("bouts"); }
  void AfficherPointsAFaire(int16_t) override { appels.push_back("contrat"); }
  void ActiverMenuLastPli() override { appels.push_back("menu"); }
  void AfficherCliquezPourContinuer() override { appels.push_back("cliquez"); }
  void AfficherResultatDonne() override { appels.push_back("resultat"); }
  void ActiverTimerTransition() override { appels.push_back("transition"); }
  void AppelDessinLastPli() override { appels.push_back("dessin"); }
};

// A trick led by `entameur` in a deal taken by `preneur`; the chien is Pique 1..6.
struct Table {
  Partie g{Aleatoire(5)};
  Journal journal;
  Table(int16_t entameur, int16_t preneur = 1, int16_t numeroPli = 1, int16_t contrat = EnchereGarde) {
    g.ecran = &journal;
    g.EntameurPli = g.JoueurCourant = entameur;
    g.NumeroPli = numeroPli;
    g.Preneur = preneur;
    g.EnchereJoueur[preneur] = contrat;
    g.PointsAFaire = 99;  // an earlier deal's value
    for (int16_t k = 1; k <= 6; ++k) g.Chien[k] = C(P, k);
  }
  void Donner(int16_t siege, const Cartes& cartes) {
    for (int k = 1; k <= 18; ++k)
      g.MainsJoueurs[siege][k] = k <= static_cast<int>(cartes.size()) ? cartes[static_cast<size_t>(k - 1)] : Carte{};
  }
  // The seat to play lays each card from place 18, as the table does.
  void Poser(const Cartes& cartes) {
    for (Carte c : cartes) {
      c.EnMain = 0;
      g.MainsJoueurs[g.JoueurCourant][18] = c;
      MettreAJourPli(g, 18);
      CompterCartePli(g);
    }
  }
};

struct CasJouable {
  int16_t entameur;
  Cartes poses, main;
  std::vector<int> jouables;
  std::vector<int16_t> classes;  // of the legal places, in order
  int16_t atoutABattre = -1;     // -1: not checked
};

TEST(CartesJouables, FollowingTrumpingOvertrumping) {
  const CasJouable cas[] = {
      {2, {}, {C(A, 4), X, C(K, 14)}, {1, 2, 3}, {0, -1, 0}},                   // free lead
      {1, {X}, {C(A, 7), C(P, 2), C(T, 9)}, {1, 2, 3}, {0, 0, 0}},              // after the Excuse: free
      {1, {X, C(T, 5)}, {C(A, 7), C(P, 2), C(T, 9)}, {3}, {-1}},                // its follower sets the suit
      {4, {C(K, 8)}, {C(A, 12), X, C(K, 13), C(K, 2), C(P, 1)}, {2, 3, 4}, {-1, -1, -1}},
      {3, {C(H, 8)}, {X, C(P, 14), C(T, 2)}, {1, 2, 3}, {-1, 4, 4}},            // no suit, no trump
      {3, {C(A, 9)}, {X, C(P, 14), C(T, 2)}, {1, 2, 3}, {-1, 5, 5}},            // no trump on a trump lead
      {1, {C(A, 12), C(A, 15)}, {C(A, 17), C(A, 8), X, C(P, 3)}, {1, 3}, {2, -1}},
      {1, {C(A, 12), C(A, 15)}, {C(A, 10), C(A, 8), C(P, 3)}, {1, 2}, {3, 3}, 15},
      {1, {C(A, 12), C(A, 10)}, {C(A, 13), C(A, 11), C(A, 1)}, {1}, {2}},       // beat the 12, not the 10
      {2, {C(H, 4), C(A, 6)}, {C(A, 9), C(A, 3), C(P, 5)}, {1}, {2}, 6},
      {2, {C(H, 4), C(A, 6)}, {C(A, 3), C(P, 5)}, {1}, {3}, 6},
      {2, {C(H, 4), C(H, 1)}, {C(A, 9), C(A, 3), C(P, 5)}, {1, 2}, {1, 1}},     // nobody trumped yet
      {1, {X, C(A, 8)}, {C(A, 9), C(A, 2)}, {1}, {2}},                          // the trump after the Excuse
      {1, {X, C(P, 8), C(A, 5)}, {C(A, 4), C(A, 7), C(H, 1)}, {2}, {2}},
  };
  int n = 0;
  for (const CasJouable& c : cas) {
    SCOPED_TRACE("case " + std::to_string(n++));
    Table t(c.entameur);
    t.Poser(c.poses);
    const int16_t j = t.g.JoueurCourant;
    t.Donner(j, c.main);
    t.g.ClasseCarte[Suivant(j)][5].Classe = 4;  // every seat's classes are reset
    DeterminerCartesJouables(t.g, j);
    EXPECT_EQ(t.g.ClasseCarte[Suivant(j)][5].Classe, -1);
    std::vector<int> jouables;
    std::vector<int16_t> classes;
    for (int k = 1; k <= 18; ++k) {
      const ClasseJeu& cl = t.g.ClasseCarte[j][k];
      if (t.g.CarteJouable[j][k] == 0) {
        EXPECT_EQ(cl.Classe, -1);
        continue;
      }
      jouables.push_back(k);
      classes.push_back(cl.Classe);
      if (cl.Classe == 1 || cl.Classe == 4) {
        EXPECT_EQ(cl.CouleurDemandee, t.g.CouleurDemandee);
      }
      if (cl.Classe >= 2 && cl.Classe <= 3 && c.atoutABattre != -1) {
        EXPECT_EQ(cl.AtoutABattre, c.atoutABattre);
      }
    }
    EXPECT_EQ(jouables, c.jouables);
    EXPECT_EQ(classes, c.classes);
  }
}

TEST(CartesJouables, OnlyTheHumanSeatIsShown) {
  Table t(2);
  t.Donner(1, {C(P, 1)});
  t.Donner(2, {C(P, 2)});
  DeterminerCartesJouables(t.g, 2);
  DeterminerCartesJouables(t.g, 1);
  EXPECT_EQ(t.journal.appels, Textes{"jouables1"});
  EXPECT_EQ(t.g.CarteJouable[2][1], 1);  // another seat's row stays as it was
}

TEST(MaitrePli, MastersAsTheTrickGoes) {
  Table t(2);
  t.Poser({C(P, 10), C(P, 14), C(A, 2)});
  int16_t m = 0;
  DeterminerMaitrePli(t.g, 2, m);
  EXPECT_EQ(m, 2);                  // asked for the leader's own seat
  EXPECT_EQ(MaitrePli(t.g, 4), 3);  // the King above the 10
  EXPECT_EQ(MaitrePli(t.g, 1), 4);  // the trump 2 on Pique
  t.Poser({C(P, 13)});
  EXPECT_EQ(t.g.EntameurPli, 4);  // the trump 2 won and leads next
  EXPECT_EQ(t.g.JoueurCourant, 4);

  Table e(3);
  e.Poser({X, C(K, 3), C(K, 5)});
  EXPECT_EQ(MaitrePli(e.g, 4), 3);  // the Excuse alone
  EXPECT_EQ(MaitrePli(e.g, 1), 4);  // the first card after the Excuse
  EXPECT_EQ(MaitrePli(e.g, 2), 1);  // the 5 above the 3
}

TEST(MettreAJourPli, SuitLedAndHighestTrump) {
  struct Cas {
    Cartes poses;
    int16_t couleur, valeur, plusHautAtout;
  };
  const Cas cas[] = {
      {{C(T, 7), C(A, 3), C(A, 2)}, T, 7, 3},  // a lower trump does not raise the highest
      {{C(A, 12), C(A, 10)}, A, 12, 0},        // an undertrump is not the trump to beat
      {{C(A, 12), C(A, 15), C(A, 14)}, A, 12, 15},
      {{X, C(A, 8)}, A, 8, 8},  // after the Excuse the trump is both
      {{X, C(H, 8), C(A, 5)}, H, 8, 5},
  };
  for (const Cas& c : cas) {
    Table t(4);
    t.Poser(c.poses);
    EXPECT_EQ(t.g.CouleurDemandee, c.couleur);
    EXPECT_EQ(t.g.ValeurEntame, c.valeur);
    EXPECT_EQ(t.g.PlusHautAtoutPli, c.plusHautAtout);
    EXPECT_EQ(t.g.NbCartesPli, static_cast<int16_t>(c.poses.size()));
    EXPECT_EQ(t.g.JoueurCourant, static_cast<int16_t>((3 + c.poses.size()) % 4 + 1));
    EXPECT_EQ(t.journal.appels, Textes(c.poses.size(), "timer"));
  }
  Table t(4);
  t.Poser({C(T, 7)});
  EXPECT_EQ(t.g.PliCourant[4], (Carte{7, T, 0, 0}));
}

struct CasRamasser {
  const char* nom;
  int16_t entameur, preneur, numeroPli, contrat;
  Cartes cartes;
  Cartes chien;  // replaces the first chien places
  int16_t boutsPreneur, boutsDefense;  // before the trick
  int16_t dpp, dpd, bp, bd, pointsAFaire, petitAuBout;
};

TEST(RamasserPli, PointsExcuseOudlersAndChien) {
  const CasRamasser cas[] = {
      {"18 half points to the taker", 1, 3, 5, 2, {C(H, 14), C(H, 13), C(A, 5), C(H, 2)}, {}, 0, 0, 18, 0, 0, 0, 99, 0},
      {"the taker's Excuse, defence wins", 1, 2, 2, 2, {C(K, 14), X, C(K, 2), C(K, 3)}, {}, 0, 0, 8, 12, 1, 0, 99, 0},
      {"a defender's Excuse, taker wins", 1, 1, 7, 2, {C(A, 10), X, C(A, 2), C(A, 3)}, {}, 0, 0, 4, 8, 0, 1, 99, 0},
      {"Petit and 21 to the winner, two oudlers", 2, 4, 10, 2, {C(A, 1), C(A, 21), C(P, 4), C(A, 4)}, {}, 0, 0, 0, 20,
       0, 2, 99, 0},
      {"the third oudler fixes the target", 3, 4, 11, 2, {X, C(K, 1), C(K, 9), C(K, 10)}, {}, 0, 2, 0, 12, 0, 3, 56, 0},
      // The last trick.
      {"a defender's Excuse, defence wins", 1, 4, 18, 3, {C(K, 14), C(K, 2), X, C(K, 4)}, {}, 0, 2, 8 + 6, 12, 1, 2,
       51, 0},
      {"the taker's Excuse goes over", 1, 2, 18, 1, {C(K, 14), X, C(K, 2), C(K, 4)}, {}, 2, 0, 6, 20, 2, 1, 41, 0},
      {"a defender's Excuse, taker wins", 1, 1, 18, 2, {C(A, 10), X, C(A, 2), C(A, 3)}, {}, 0, 0, 18, 0, 1, 0, 99, 0},
      {"the taker's Petit lost", 3, 3, 18, 2, {C(A, 1), C(A, 6), C(A, 3), C(A, 2)}, {}, 0, 0, 6, 12, 0, 1, 99, 2},
      {"the Petit won by the taker", 3, 4, 18, 2, {C(A, 1), C(A, 6), C(A, 3), C(H, 2)}, {}, 0, 0, 18, 0, 1, 0, 99, 1},
      {"Garde contre, 21 in the chien", 1, 2, 18, 4, {C(P, 14), C(P, 7), C(P, 8), C(P, 9)}, {C(A, 21)}, 1, 1, 0,
       12 + 14, 1, 2, 51, 0},
      {"Garde sans, Petit and Excuse in the chien", 1, 2, 18, 3, {C(P, 14), C(P, 7), C(P, 8), C(P, 9)}, {C(A, 1), X},
       0, 1, 9 + 9 + 4, 12, 2, 1, 41, 0},
  };
  for (const CasRamasser& c : cas) {
    SCOPED_TRACE(c.nom);
    Table t(c.entameur, c.preneur, c.numeroPli, c.contrat);
    for (size_t k = 0; k < c.chien.size(); ++k) t.g.Chien[static_cast<int>(k) + 1] = c.chien[k];
    t.g.BoutsPreneur = c.boutsPreneur;
    t.g.BoutsDefense = c.boutsDefense;
    t.g.PetitAuBout = 2;  // an earlier deal's value
    t.Poser(c.cartes);
    EXPECT_EQ(t.g.DemiPointsPreneur, c.dpp);
    EXPECT_EQ(t.g.DemiPointsDefense, c.dpd);
    EXPECT_EQ(t.journal.attaque, c.dpp / 2.0);
    EXPECT_EQ(t.g.BoutsPreneur, c.bp);
    EXPECT_EQ(t.g.BoutsDefense, c.bd);
    EXPECT_EQ(t.g.PointsAFaire, c.pointsAFaire);
    EXPECT_EQ(t.g.PetitAuBout, c.numeroPli == 18 ? c.petitAuBout : 2);
  }
}

TEST(RamasserPli, StateAndScreen) {
  Table t(1, 1, 1);
  t.g.CouleurNonJouee[1] = 2;
  t.g.CouleurNonJouee[2] = 1;
  t.Poser({C(P, 1), C(P, 2), C(P, 3), C(P, 4)});
  EXPECT_EQ(t.g.AttenteClic, 1);
  EXPECT_EQ(t.g.PliAffiche, 1);
  EXPECT_EQ(t.g.NbCartesPli, 0);
  EXPECT_EQ(t.g.PlusHautAtoutPli, 0);
  EXPECT_EQ(t.g.NumeroPli, 2);
  EXPECT_EQ(t.g.CouleurNonJouee[1], 0);  // first played in this trick
  EXPECT_EQ(t.g.CouleurNonJouee[2], 1);
  // The end of the first trick opens the last-trick menu.
  EXPECT_EQ(t.journal.appels,
            (Textes{"timer", "timer", "timer", "menu", "points", "bouts", "cliquez", "transition", "dessin"}));

  t.journal.appels.clear();
  t.g.AttenteAuto = 0;  // wait for a click
  t.Poser({C(H, 1), C(H, 2), C(H, 3), C(A, 4)});
  EXPECT_EQ(t.g.PlusHautAtoutPli, 0);
  EXPECT_EQ(t.journal.appels, (Textes{"timer", "timer", "timer", "points", "bouts", "cliquez", "dessin"}));

  // The last trick: the result, no prompt and no pause.
  Table d(1, 1, 18);
  d.g.BoutsPreneur = 3;
  d.Poser({C(P, 1), C(P, 2), C(P, 3), C(P, 4)});
  EXPECT_EQ(d.journal.appels, (Textes{"timer", "timer", "timer", "points", "bouts", "contrat", "resultat", "dessin"}));
  EXPECT_EQ(d.g.PointsAFaire, 36);
  EXPECT_EQ(d.g.NumeroPli, 19);
}

}  // namespace
