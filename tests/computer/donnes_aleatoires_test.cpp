// Whole deals from the game's own deal, every contract, played with random legal cards: each
// card, trick, count and score against the rules as a player states them, and after every
// trick each seat's picture of the cards against where they really are.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/score.h"
#include "support/cartes.h"
#include "support/memoire.h"
#include "support/regles_jeu.h"

namespace {

Cartes Paquet(const Main& main, const Tab1<Carte, 6>& chien) {
  Cartes t(main.begin(), main.end());
  t.insert(t.end(), chien.begin(), chien.end());
  std::sort(t.begin(), t.end(), AvantDansLeTri);
  return t;
}
int Nombre(const Cartes& cs, int16_t couleur, bool roi) {
  return static_cast<int>(std::count_if(
      cs.begin(), cs.end(), [&](const Carte& c) { return c.Couleur == couleur && (c.Valeur == 14) == roi; }));
}

// A discard leaves the taker's hand sorted and empties the shortest King-less suit when it has
// six cards or fewer (or another suit as short). That it keeps the 24 cards and lays aside only
// plain cards below the King: the self-play's deals (tests/bench/selfplay_test.cpp).
void VerifierEcart(const Partie& avant, const Partie& g) {
  const int16_t t = g.Preneur;
  const Cartes tout = Paquet(avant.MainsJoueurs[t], avant.Chien);
  const Cartes ecart(g.Chien.begin(), g.Chien.end());
  EXPECT_TRUE(std::is_sorted(g.MainsJoueurs[t].begin(), g.MainsJoueurs[t].end(), AvantDansLeTri));
  int plusCourte = 7;
  for (int16_t s = 1; s <= 4; ++s)
    if (Nombre(tout, s, true) == 0 && Nombre(tout, s, false) > 0)
      plusCourte = std::min(plusCourte, Nombre(tout, s, false));
  bool videe = plusCourte > 6;
  for (int16_t s = 1; s <= 4; ++s)
    videe = videe || (Nombre(tout, s, true) == 0 && Nombre(tout, s, false) == plusCourte &&
                      Nombre(ecart, s, false) == plusCourte);
  EXPECT_TRUE(videe) << "the shortest King-less suit emptied";
}

// Knowledge is never lost within a deal: a placed card only turns into a played one, and
// voids, exhausted trumps and exclusions stay.
::testing::AssertionResult RienOublie(const EtatConnaissance& avant, const EtatConnaissance& apres) {
  auto perdu = [](int16_t a, int16_t b) { return a != ConnuNonPlace && a != b && b != ConnuJouee; };
  for (int16_t o = 1; o <= 4; ++o) {
    for (int16_t t = 0; t <= 21; ++t)
      if (perdu(avant.ConnuDetenteurAtout[o][t], apres.ConnuDetenteurAtout[o][t]))
        return ::testing::AssertionFailure() << "trump " << t;
    for (int16_t s = 1; s <= 4; ++s)
      for (int16_t v = 1; v <= 14; ++v) {
        if (perdu(avant.ConnuDetenteurCouleur[o][s][v], apres.ConnuDetenteurCouleur[o][s][v]))
          return ::testing::AssertionFailure() << "card " << s << "/" << v;
        for (int16_t q = 1; q <= 4; ++q)
          if (avant.PossibleDetenteurCouleur[o][q][s][v] == 0 && apres.PossibleDetenteurCouleur[o][q][s][v] != 0)
            return ::testing::AssertionFailure() << "exclusion lifted";
      }
    for (int16_t q = 1; q <= 4; ++q) {
      bool perdue = avant.SansAtout[o][q] > apres.SansAtout[o][q];
      for (int16_t s = 1; s <= 4; ++s) perdue = perdue || avant.CoupesConnues[o][q][s] > apres.CoupesConnues[o][q][s];
      if (perdue) return ::testing::AssertionFailure() << "void or exhausted trumps forgotten";
    }
  }
  return ::testing::AssertionSuccess();
}

// Half points, oudlers and petit au bout of the taker's camp, as a player counts them: tricks
// won, the Excuse kept by its camp for a low card (given over to the other camp at the last
// trick), the chien or the discard by contract.
struct Compte {
  int demiPoints = 0, bouts = 0, petitAuBout = 0;
  void Pli(const Partie& g, const std::vector<std::pair<int16_t, Carte>>& pli, int16_t gagnant, bool dernier) {
    const bool preneurGagne = gagnant == g.Preneur;
    for (const auto& [s, c] : pli) {
      const bool auPreneur = regles::Excuse(c) ? (s == g.Preneur) != dernier : preneurGagne;
      if (regles::Excuse(c) && auPreneur != preneurGagne) demiPoints += auPreneur ? 8 : -8;
      bouts += regles::Bout(c) && auPreneur;
      demiPoints += preneurGagne ? regles::DemiPoints(c) : 0;
      if (dernier && c.EstPetit()) petitAuBout = preneurGagne ? 1 : 2;
    }
    const bool chien = dernier && ContratPreneur(g) != EnchereGardeContre;
    for (const Carte& c : g.Chien) demiPoints += chien ? regles::DemiPoints(c) : 0;
    for (const Carte& c : g.Chien) bouts += chien && regles::Bout(c);
  }
};

struct Pose {
  int16_t joueur, classe, entameur;
  Carte carte;
};

// The markers a player could state from the cards laid. The history of the tricks: the self-play's
// trace, which reads it.
void VerifierMarqueurs(const Partie& g, const std::vector<Pose>& poses) {
  int16_t premiere = -1, seconde = -1, signal = -1;
  Ligne4 pasEntame;
  pasEntame.Remplir(1);
  for (const Pose& p : poses) {
    if (p.joueur == g.Preneur && p.classe == 0 && p.carte.EstCouleur() && seconde == -1)
      (premiere == -1 ? premiere : seconde) = p.carte.Couleur;
    if (p.joueur == p.entameur && pasEntame[p.joueur] == 1) {
      pasEntame[p.joueur] = 0;
      if (p.joueur == 1 && g.Preneur != 1 && p.carte.EstAtout() && p.carte.Valeur % 2 == 1) signal = 1;
    }
  }
  EXPECT_EQ(g.PremiereCouleurPreneur, premiere);
  EXPECT_EQ(g.SecondeCouleurPreneur, seconde);
  EXPECT_EQ(g.SignalAtoutHumain, signal);
  EXPECT_EQ(g.PasEncoreEntame, pasEntame);
}

// 2,500 deals for each contract, the taker going round the seats.
class DonnesAleatoires : public ::testing::TestWithParam<int16_t> {};

TEST_P(DonnesAleatoires, RulesCountsScoresAndMemory) {
  const int16_t contrat = GetParam();
  Partie g{Aleatoire(static_cast<uint64_t>(20240611 + contrat))};
  for (int donne = 0; donne < 2500 && !HasFailure(); ++donne) {
    SCOPED_TRACE("deal " + std::to_string(donne));
    DonnerAuHasard(g, static_cast<int16_t>(donne % 4 + 1), contrat);
    const Partie avant = g;
    CommencerJeu(g);
    if (contrat <= EnchereGarde) VerifierEcart(avant, g);
    ASSERT_TRUE(MemoireJuste(g));

    Compte attendu;
    std::vector<Pose> poses;
    EtatConnaissance connu = g;
    for (int16_t pli = 1; pli <= 18; ++pli) {
      const int16_t entameur = g.JoueurCourant;
      std::vector<std::pair<int16_t, Carte>> jeu;
      Cartes posees;
      for (int n = 0; n < 4; ++n) {
        const int16_t j = g.JoueurCourant;
        DeterminerCartesJouables(g, j);
        Cartes main;
        std::ranges::copy_if(g.MainsJoueurs[j], std::back_inserter(main), [](const Carte& c) { return c.EnMain == 1; });
        for (int16_t k = 1; k <= 18; ++k) {
          const Carte& c = g.MainsJoueurs[j][k];
          const regles::Verdict v = regles::Juger(main, posees, c);
          const ClasseJeu& classe = g.ClasseCarte[j][k];
          ASSERT_EQ(g.CarteJouable[j][k], c.EnMain == 1 && v.legal ? 1 : 0) << "trick " << pli << " " << Nom(c);
          if (g.CarteJouable[j][k] == 0) continue;
          ASSERT_EQ(classe.Classe, v.classe) << "trick " << pli << " " << Nom(c);
          if (v.atoutABattre != -1) {
            ASSERT_EQ(classe.AtoutABattre, v.atoutABattre) << Nom(c);
          }
          if (v.classe == 1 || v.classe == 4) {
            ASSERT_EQ(classe.CouleurDemandee, g.CouleurDemandee) << Nom(c);
          }
        }
        const int16_t k = JouerAuHasard(g);
        const Carte c = g.MainsJoueurs[j][k];
        poses.push_back({j, g.ClasseCarte[j][k].Classe, entameur, c});
        jeu.emplace_back(j, c);
        posees.push_back(c);
        if (n < 3) {
          ASSERT_EQ(MaitrePli(g, JoueurSuivant(j)), jeu[regles::Gagnant(posees)].first) << "trick " << pli;
        }
      }
      const int16_t gagnant = jeu[regles::Gagnant(posees)].first;
      ASSERT_EQ(g.EntameurPli, gagnant) << "trick " << pli;
      ASSERT_EQ(g.JoueurCourant, gagnant) << "trick " << pli;
      attendu.Pli(g, jeu, gagnant, pli == 18);
      ASSERT_TRUE(MemoireJuste(g)) << "trick " << pli;
      ASSERT_TRUE(RienOublie(connu, g)) << "trick " << pli;
      connu = g;
    }
    VerifierMarqueurs(g, poses);
    ASSERT_EQ(g.DemiPointsPreneur, attendu.demiPoints);
    ASSERT_EQ(g.BoutsPreneur, attendu.bouts);
    ASSERT_EQ(g.PetitAuBout, attendu.petitAuBout);
    ASSERT_EQ(g.PointsAFaire, regles::PointsAFaire(attendu.bouts));
    g.PoigneeAnnoncee = static_cast<int16_t>(donne / 4 % 4);
    ASSERT_EQ(ScoreDonne(g),
              regles::Score(attendu.demiPoints, attendu.bouts, attendu.petitAuBout, contrat, g.PoigneeAnnoncee));
  }
}

INSTANTIATE_TEST_SUITE_P(ChaqueContrat, DonnesAleatoires,
                         ::testing::Values(EncherePrise, EnchereGarde, EnchereGardeSans, EnchereGardeContre));

}  // namespace
