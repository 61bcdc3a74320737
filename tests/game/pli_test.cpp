// The trick as it goes and its end, on tricks laid by hand. Legal cards, masters, winners and
// every count (the Excuse, the chien, petit au bout, the target) over whole random deals:
// tests/computer/donnes_aleatoires_test.cpp.
#include "game/pli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cartes.h"

namespace {

using Textes = std::vector<std::string>;

// Records what the rules ask of the screen, in order.
struct Journal : Affichage {
  Textes appels;
  double attaque = -1;
  void MarquerCartesJouables(int16_t j) override { appels.push_back("jouables" + std::to_string(j)); }
  void ActiverTimerEntreCarte() override { appels.push_back("timer"); }
  void AfficherPoints(double a, double) override {
    attaque = a;
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

// A trick led by `entameur` in a Garde taken by seat 1; the chien is Pique 1..6.
struct Table {
  Partie g{Aleatoire(5)};
  Journal journal;
  Table(int16_t entameur, int16_t numeroPli = 1) {
    g.ecran = &journal;
    DonnerContrat(g, 1, EnchereGarde);
    OuvrirJeu(g, entameur);
    g.NumeroPli = numeroPli;
    g.PointsAFaire = 99;  // an earlier deal's value
    for (int16_t k = 1; k <= 6; ++k) g.Chien[k] = Pi(k);
  }
  // The seat to play lays each card from place 18, as the table does.
  Table& Poser(const Cartes& cartes) {
    for (Carte c : cartes) {
      g.MainsJoueurs[g.JoueurCourant][18] = Jouee(c);
      MettreAJourPli(g, 18);
      CompterCartePli(g);
    }
    return *this;
  }
};

TEST(Pli, LegalCardsAndEndOfTrick) {
  Table t(1);
  // Only the human seat's legal cards are shown; every seat's classes are reset, another seat's
  // row stays as it was.
  t.g.MainsJoueurs[1][1] = Pi(1);
  t.g.MainsJoueurs[2][1] = Pi(2);
  t.g.ClasseCarte[3][5].Classe = 4;
  DeterminerCartesJouables(t.g, 2);
  DeterminerCartesJouables(t.g, 1);
  EXPECT_EQ(t.g.CarteJouable[2][1], 1);
  EXPECT_EQ(t.g.ClasseCarte[3][5].Classe, -1);
  t.g.CouleurNonJouee[1] = 2;
  t.g.CouleurNonJouee[2] = 1;
  t.Poser({Pi(1), Pi(2), Pi(3), At(4)});
  EXPECT_EQ(t.g.AttenteClic, 1);
  EXPECT_EQ(t.g.PliAffiche, 1);
  EXPECT_EQ(t.g.CouleurNonJouee[1], 0) << "spades, first played in this trick";
  EXPECT_EQ(t.g.CouleurNonJouee[2], 1);
  // The end of the first trick opens the last-trick menu.
  EXPECT_EQ(t.journal.appels, (Textes{"jouables1", "timer", "timer", "timer", "menu", "points", "bouts", "cliquez",
                                      "transition", "dessin"}));
  t.journal.appels.clear();
  t.g.AttenteAuto = 0;   // wait for a click
  t.g.BoutsPreneur = 3;  // the oudlers all fallen: the target is known before the end
  t.Poser({Co(1), Co(2), Co(3), Co(4)});
  EXPECT_EQ(t.journal.appels, (Textes{"timer", "timer", "timer", "points", "bouts", "contrat", "cliquez", "dessin"}));
  EXPECT_EQ(t.g.PointsAFaire, 36);

  // The last trick: the result, no prompt and no pause.
  Table d(1, 18);
  d.Poser({Pi(1), Pi(2), Pi(3), Pi(4)});
  EXPECT_EQ(d.journal.appels, (Textes{"timer", "timer", "timer", "points", "bouts", "resultat", "dessin"}));
  EXPECT_EQ(d.g.NumeroPli, 19);
  EXPECT_EQ(d.journal.attaque, 3.0) << "the chien's half points, to the taker";
}

}  // namespace
