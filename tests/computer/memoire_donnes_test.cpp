// Whole deals played with random legal cards: after every card each seat's picture and every
// counter of the bookkeeping must agree with where the cards really are.
#include <gtest/gtest.h>

#include <vector>

#include "computer/ecart.h"
#include "computer/suivi.h"
#include "game/pli.h"
#include "ouvrir_jeu.h"
#include "positions.h"
#include "verification.h"

using namespace positions;

namespace {

int Tirer(Aleatoire& a, int n) { return static_cast<int>(a.Rnd() * n); }  // 0..n-1

// Knowledge is never lost within a deal: a placed card only turns into a played one, and
// voids, exhausted trumps and exclusions stay.
::testing::AssertionResult RienOublie(const EtatConnaissance& avant, const EtatConnaissance& apres) {
  for (int16_t o = 1; o <= 4; ++o) {
    for (int16_t s = 1; s <= 4; ++s) {
      // Most rows do not change with one card: skip them whole.
      if (!(avant.ConnuDetenteurCouleur[o][s] == apres.ConnuDetenteurCouleur[o][s]))
        for (int16_t v = 1; v <= 14; ++v) {
          const int16_t a = avant.ConnuDetenteurCouleur[o][s][v], b = apres.ConnuDetenteurCouleur[o][s][v];
          if (a != ConnuNonPlace && a != b && b != ConnuJouee)
            return ::testing::AssertionFailure() << "card " << s << "/" << v << " moved from " << a << " to " << b;
        }
      for (int16_t q = 1; q <= 4; ++q) {
        if (avant.PossibleDetenteurCouleur[o][q][s] == apres.PossibleDetenteurCouleur[o][q][s]) continue;
        for (int16_t v = 1; v <= 14; ++v)
          if (avant.PossibleDetenteurCouleur[o][q][s][v] == 0 && apres.PossibleDetenteurCouleur[o][q][s][v] != 0)
            return ::testing::AssertionFailure() << "exclusion lifted";
      }
    }
    for (int16_t t = 0; t <= 21; ++t) {
      const int16_t a = avant.ConnuDetenteurAtout[o][t], b = apres.ConnuDetenteurAtout[o][t];
      if (a != ConnuNonPlace && a != b && b != ConnuJouee)
        return ::testing::AssertionFailure() << "trump " << t << " moved from " << a << " to " << b;
    }
    for (int16_t q = 1; q <= 4; ++q) {
      if (avant.SansAtout[o][q] > apres.SansAtout[o][q]) return ::testing::AssertionFailure() << "SansAtout lost";
      for (int16_t s = 1; s <= 4; ++s)
        if (avant.CoupesConnues[o][q][s] > apres.CoupesConnues[o][q][s])
          return ::testing::AssertionFailure() << "CoupesConnues lost";
    }
  }
  return ::testing::AssertionSuccess();
}

struct Pose {
  int16_t joueur, place, classe, entameur;
  Carte carte;
};

// The markers a player could state from the cards laid, and the history of the tricks.
void VerifierMarqueurs(const Partie& g, const std::vector<Pose>& poses, int donne) {
  const int16_t t = g.Preneur;
  int16_t premiere = -1, seconde = -1, signal = -1;
  Ligne4 pasEntame;
  pasEntame.Remplir(1);
  for (size_t i = 0; i < poses.size(); ++i) {
    const Pose& p = poses[i];
    if (p.joueur == t && p.classe == 0 && p.carte.EstCouleur()) {
      if (premiere == -1) premiere = p.carte.Couleur;
      else if (seconde == -1) seconde = p.carte.Couleur;
    }
    if (p.joueur == p.entameur && pasEntame[p.joueur] == 1) {
      pasEntame[p.joueur] = 0;
      if (p.joueur == 1 && t != 1 && p.carte.Couleur == CouleurAtout && p.carte.Valeur % 2 == 1) signal = 1;
    }
    const auto pli = static_cast<int16_t>(i / 4 + 1);
    EXPECT_EQ(g.CarteJoueeParPli[p.joueur][pli], p.place) << donne;
    EXPECT_EQ(g.EntameurParPli[pli], p.entameur) << donne;
  }
  EXPECT_EQ(g.PremiereCouleurPreneur, premiere) << donne;
  EXPECT_EQ(g.SecondeCouleurPreneur, seconde) << donne;
  EXPECT_EQ(g.SignalAtoutHumain, signal) << donne;
  EXPECT_EQ(g.PasEncoreEntame, pasEntame) << donne;
}

}  // namespace

// 2,500 deals for each contract, the taker going round the seats. Every fourth deal is checked
// after every card, the others after every trick.
class MemoireDonnes : public ::testing::TestWithParam<int16_t> {};

TEST_P(MemoireDonnes, PicturesAndCountersStayTrue) {
  const int16_t contrat = GetParam();
  Aleatoire choix(static_cast<uint64_t>(700 + contrat));
  Partie g{Aleatoire(static_cast<uint64_t>(800 + contrat))};
  for (int donne = 0; donne < 2500 && !HasFailure(); ++donne) {
    DonnerAuHasard(g);
    DonnerContrat(g, static_cast<int16_t>(donne % 4 + 1), contrat);
    OuvrirJeu(g, static_cast<int16_t>(1 + Tirer(choix, 4)));
    if (contrat <= EnchereGarde)
      FaireEcartOrdinateur(g);
    else
      PreparerJeuDeLaCarte(g);
    ASSERT_TRUE(MemoireJuste(g)) << "deal " << donne << " start";
    const bool chaqueCarte = donne % 4 == 0;

    std::vector<Pose> poses;
    EtatConnaissance avant = g;
    for (int n = 1; n <= 72; ++n) {
      const int16_t j = g.JoueurCourant;
      DeterminerCartesJouables(g, j);
      std::vector<int16_t> jouables;
      for (int16_t k = 1; k <= 18; ++k)
        if (g.CarteJouable[j][k] == 1) jouables.push_back(k);
      ASSERT_FALSE(jouables.empty());
      const int16_t k = jouables[static_cast<size_t>(Tirer(choix, static_cast<int>(jouables.size())))];
      poses.push_back({j, k, g.ClasseCarte[j][k].Classe, g.EntameurPli, g.MainsJoueurs[j][k]});

      EnregistrerCarteJouee(g, j, k);
      g.MainsJoueurs[j][k].EnMain = 0;
      MettreAJourPli(g, k);
      CompterCartePli(g);
      if (g.NbCartesPli == 0)
        for (auto& c : g.PliCourant) c.Couleur = -1;

      if (chaqueCarte || n % 4 == 0) {
        ASSERT_TRUE(MemoireJuste(g)) << "deal " << donne << " card " << n;
        ASSERT_TRUE(RienOublie(avant, g)) << "deal " << donne << " card " << n;
        avant = g;
      }
    }
    VerifierMarqueurs(g, poses, donne);
  }
}

INSTANTIATE_TEST_SUITE_P(ChaqueContrat, MemoireDonnes,
                         ::testing::Values(EncherePrise, EnchereGarde, EnchereGardeSans, EnchereGardeContre));
