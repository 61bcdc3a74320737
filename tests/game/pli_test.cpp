// The trick as it goes and its end, on tricks laid by hand. Legal cards, masters, winners and
// counts over whole random deals: tests/computer/donnes_aleatoires_test.cpp.
#include "game/pli.h"

#include <gtest/gtest.h>

#include <array>
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
    DonnerContrat(g, preneur, contrat);
    OuvrirJeu(g, entameur);
    g.NumeroPli = numeroPli;
    g.PointsAFaire = 99;  // an earlier deal's value
    g.PetitAuBout = 2;
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

// Half points and oudlers of both camps after a trick, and at the last one the chien and petit
// au bout; the points to make once the three oudlers are shared out.
TEST(Pli, CountsOfATrick) {
  struct Cas {
    const char* nom;
    int16_t entameur, preneur, numeroPli, contrat;
    Cartes cartes, chien;                // the chien replaces the first places
    int16_t boutsPreneur, boutsDefense;  // before the trick
    std::array<int, 6> attendu;  // half points, oudlers, of the taker then the defence; PointsAFaire, PetitAuBout
  };
  // clang-format off
  const Cas cas[] = {
      {"the taker's Excuse, defence wins", 1, 2, 2, 2, {Ca(14), Exc(), Ca(2), Ca(3)}, {}, 0, 0, {8, 12, 1, 0, 99, 2}},
      {"a defender's Excuse, taker wins", 1, 1, 7, 2, {At(10), Exc(), At(2), At(3)}, {}, 0, 0, {4, 8, 0, 1, 99, 2}},
      {"the third oudler sets the target", 3, 4, 11, 2, {Exc(), Ca(1), Ca(9), Ca(10)}, {}, 0, 2, {0, 12, 0, 3, 56, 2}},
      {"last, taker's Excuse goes over", 1, 2, 18, 1, {Ca(14), Exc(), Ca(2), Ca(4)}, {}, 2, 0, {6, 20, 2, 1, 41, 0}},
      {"last, the Petit won by the taker", 3, 4, 18, 2, {At(1), At(6), At(3), Co(2)}, {}, 0, 0, {18, 0, 1, 0, 99, 1}},
      {"last, Garde sans, Petit and Excuse in the chien", 1, 2, 18, 3, {Pi(14), Pi(7), Pi(8), Pi(9)}, {At(1), Exc()},
       0, 1, {9 + 9 + 4, 12, 2, 1, 41, 0}},
      {"last, Garde contre, 21 in the chien", 1, 2, 18, 4, {Pi(14), Pi(7), Pi(8), Pi(9)}, {At(21)},
       1, 1, {0, 12 + 14, 1, 2, 51, 0}},
  };
  // clang-format on

  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Table t(c.entameur, c.preneur, c.numeroPli, c.contrat);
    for (size_t k = 0; k < c.chien.size(); ++k) t.g.Chien[static_cast<int>(k) + 1] = c.chien[k];
    t.g.BoutsPreneur = c.boutsPreneur;
    t.g.BoutsDefense = c.boutsDefense;
    t.Poser(c.cartes);
    const auto& g = t.g;
    EXPECT_EQ((std::array<int, 6>{g.DemiPointsPreneur, g.DemiPointsDefense, g.BoutsPreneur, g.BoutsDefense,
                                  g.PointsAFaire, g.PetitAuBout}),
              c.attendu);
    EXPECT_EQ(t.journal.attaque, c.attendu[0] / 2.0);
  }
}

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
  EXPECT_EQ(t.g.AttenteClic + t.g.PliAffiche, 2);
  EXPECT_EQ(t.g.NbCartesPli + t.g.PlusHautAtoutPli, 0);
  EXPECT_EQ(t.g.NumeroPli, 2);
  EXPECT_EQ(t.g.EntameurPli + t.g.JoueurCourant, 8);  // the trump wins and leads next
  EXPECT_EQ(t.g.CouleurNonJouee[1], 0);               // first played in this trick
  EXPECT_EQ(t.g.CouleurNonJouee[2], 1);
  // The end of the first trick opens the last-trick menu.
  EXPECT_EQ(t.journal.appels, (Textes{"jouables1", "timer", "timer", "timer", "menu", "points", "bouts", "cliquez",
                                      "transition", "dessin"}));
  t.journal.appels.clear();
  t.g.AttenteAuto = 0;  // wait for a click
  t.Poser({Co(1), Co(2), Co(3), Co(4)});
  EXPECT_EQ(t.journal.appels, (Textes{"timer", "timer", "timer", "points", "bouts", "cliquez", "dessin"}));

  // The last trick: the result, no prompt and no pause.
  Table d(1, 1, 18);
  d.g.BoutsPreneur = 3;
  d.Poser({Pi(1), Pi(2), Pi(3), Pi(4)});
  EXPECT_EQ(d.journal.appels, (Textes{"timer", "timer", "timer", "points", "bouts", "contrat", "resultat", "dessin"}));
  EXPECT_EQ(d.g.PointsAFaire, 36);
  EXPECT_EQ(d.g.NumeroPli, 19);
}

}  // namespace
