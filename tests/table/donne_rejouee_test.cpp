// The deal again and the running scores, through the controller: replays of a forced kind of
// hand, and running scores read at the ends of their range.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "bench/driver/selfplay.h"
#include "computer/evaluation.h"
#include "platform/reglages_factices.h"

namespace {

// Each replay from the result panel gives seat 1 the kind of hand asked for: told for sure
// when it holds neither trump 11 nor 12, the only cards the advice draws on.
TEST(DonneRejouee, EveryReplayGivesTheForcedKindOfHand) {
  for (int16_t force : {1, 3, 4, 5, 6}) {
    SCOPED_TRACE(force);
    ParametresPartie p;
    p.forceMain = force;
    Table t(17, p);
    Partie& g = t.g();
    int verifiees = 0;
    for (int i = 0; i < 300; ++i) {
      if (i % 20 == 0)
        t.m.ChoisirMenu(t.m.Id().nouveau);
      else
        t.m.PanelRejouerDonne_Click();
      const Main& m1 = g.MainsJoueurs[1];
      if (std::any_of(m1.begin(), m1.end(), [](const Carte& c) { return c.EstAtout() && (c.Valeur == 11 || c.Valeur == 12); }))
        continue;
      EXPECT_EQ(CalculerEnchereConseillee(g, 1), force == 1 ? EncherePasse : force - 2) << i;
      ++verifiees;
    }
    EXPECT_GT(verifiees, 60);
  }
}

// Scores read at either end of the 32-bit range stop there at the next deal: the ranks stay
// in order, and the score panels and the next save hold the same numbers.
TEST(DonneRejouee, RunningScoresStopAtTheEndsOfTheirRange) {
  constexpr int32_t haut = std::numeric_limits<int32_t>::max(), bas = std::numeric_limits<int32_t>::min();
  struct Cas {
    int16_t preneur, demiPoints;  // Prise with one oudler, 51 to make, failed
    std::array<int32_t, 4> lus, totaux;
    std::array<int16_t, 4> rangs;
  };
  const Cas cas[] = {
      // East goes down with -150: the user and the other defenders +50, East -150.
      {2, 52, {haut, bas, haut - 10, -5}, {haut, bas, haut, 45}, {1, 3, 1, 2}},
      // The user goes down with -180; each computer seat +60.
      {1, 32, {bas, haut, haut - 50, bas + 100}, {bas, haut, haut, bas + 160}, {3, 1, 1, 2}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.preneur);
    PlateformeFactice plateforme;
    ReglagesFactices store;
    auto cle = [](int s) { return ReglagesFactices::Cle("mirvane", "option", "score" + std::to_string(s)); };
    store.valeurs[ReglagesFactices::Cle("mirvane", "option", "deja")] = "1";
    for (int s = 1; s <= 4; ++s) store.valeurs[cle(s)] = std::to_string(c.lus[s - 1u]);
    Mirvane m(plateforme, Aleatoire(3), &store);
    m.Form_Load();
    m.ChoisirMenu(m.Id().nouveau);
    Partie& g = m.g;
    g.Preneur = c.preneur;
    for (int16_t s = 1; s <= 4; ++s) g.EnchereJoueur[s] = s == c.preneur ? 1 : 0;
    g.DemiPointsPreneur = c.demiPoints;
    g.DemiPointsDefense = static_cast<int16_t>(182 - c.demiPoints);
    g.BoutsPreneur = 1;
    g.PointsAFaire = 51;
    g.PetitAuBout = g.PoigneeAnnoncee = 0;
    m.AfficherResultatDonne();
    m.ChoisirMenu(m.ChercherMenu("clickobli"));  // an option changed: everything is saved
    for (int16_t s = 1; s <= 4; ++s) {
      EXPECT_EQ(g.ScoreTotal[s], c.totaux[s - 1u]) << s;
      EXPECT_EQ(g.Classement[s], c.rangs[s - 1u]) << s;
      EXPECT_EQ(m.C(m.Id().PanelScore[s]).legende, std::to_string(c.totaux[s - 1u])) << s;
      EXPECT_EQ(store.valeurs[cle(s)], std::to_string(c.totaux[s - 1u])) << s;
    }
  }
}

}  // namespace
