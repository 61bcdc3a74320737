// The windows after a deal and the last-trick window, opened from the table's controller.
#include "table/annexes.h"

#include <gtest/gtest.h>

#include "bench/driver/selfplay.h"
#include "game/score.h"
#include "support/cartes.h"
#include "table/mirvane.h"

namespace {

template <class F>
void JouerJusqua(Table& t, F fini) {
  for (int i = 0; i < 2000 && !fini(); ++i)
    if (!AgirSensement(t)) break;
  ASSERT_TRUE(fini());
}

// The cards of trick `pli` by seat, as the deal recorded them.
Tab1<Carte, 4> Pli(const Partie& g, int16_t pli) {
  Tab1<Carte, 4> cartes;
  for (int16_t s = 1; s <= 4; ++s) cartes[s] = g.MainsJoueurs[s][g.CarteJoueeParPli[s][pli]];
  return cartes;
}
void VerifierLastPli(const FormLastPli& f, const Tab1<Carte, 4>& pli) {
  for (int16_t s = 1; s <= 4; ++s) EXPECT_TRUE(Meme(f[f.CarteLastPli(s)].carte, pli[s])) << "seat " << s;
}

TEST(Annexes, TheResultPanelTheLastTrickMenuAndANewDeal) {
  Table t(31);
  Mirvane& m = t.m;
  Partie& g = m.g;
  m.ChoisirMenu(m.Id().nouveau);
  EXPECT_FALSE(m.Menu(m.Id().MenuLastPli).disponible);
  JouerJusqua(t, [&] { return g.NumeroPli == 2; });
  ASSERT_NE(m.LastPli(), nullptr);  // loaded hidden by the trick end
  EXPECT_FALSE(m.LastPli()->visible);
  VerifierLastPli(*m.LastPli(), Pli(g, 1));
  m.ChoisirMenu(m.Id().MenuLastPli);
  const FormLastPli& f = *m.LastPli();
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.titre, "LE DERNIER PLI...");
  EXPECT_EQ(f.couleurFond, 0x008000u);
  EXPECT_EQ(f[f.CarteLastPli(1)].gauche, 1695);
  EXPECT_EQ(f[f.CarteLastPli(1)].haut, 2925);
  EXPECT_EQ(f[f.CarteLastPli(4)].largeur, 1350);
  EXPECT_EQ(f[f.CarteLastPli(4)].hauteur, 2280);

  JouerJusqua(t, [&] { return g.NumeroPli == 10; });
  VerifierLastPli(*m.LastPli(), Pli(g, 9));
  JouerJusqua(t, [&] { return g.NumeroPli == 19; });
  VerifierLastPli(*m.LastPli(), Pli(g, 18));
  const Tab1<Carte, 4> dernier = Pli(g, 18);

  EXPECT_EQ(m.ScoreDetaille(), nullptr);
  EXPECT_EQ(m.TousPlis(), nullptr);
  EXPECT_EQ(m.Mains(), nullptr);
  m.Envoyer(m.Id().PanelScoreDetaille, Evenement::Clic);
  m.Envoyer(m.Id().PanelVoirPlis, Evenement::Clic);
  m.Envoyer(m.Id().PanelVoirMains, Evenement::Clic);
  ASSERT_NE(m.ScoreDetaille(), nullptr);
  ASSERT_NE(m.TousPlis(), nullptr);
  ASSERT_NE(m.Mains(), nullptr);
  const FormScoreDetaille& feuille = *m.ScoreDetaille();
  EXPECT_EQ(feuille[feuille.scoreFinal].legende, std::to_string(ScoreDonne(g)));
  EXPECT_TRUE(m.TousPlis()->visible && m.Mains()->visible && feuille.visible);

  // A new deal unloads the three; the last trick stays until the new deal's first trick is over.
  m.Envoyer(m.Id().PanelPanelNewPartie, Evenement::Clic);
  EXPECT_EQ(m.ScoreDetaille(), nullptr);
  EXPECT_EQ(m.TousPlis(), nullptr);
  EXPECT_EQ(m.Mains(), nullptr);
  ASSERT_NE(m.LastPli(), nullptr);
  EXPECT_TRUE(m.LastPli()->visible);
  EXPECT_FALSE(m.Menu(m.Id().MenuLastPli).disponible);
  m.MenuLastPli_Click();  // a redraw before the first trick's end keeps it too
  VerifierLastPli(*m.LastPli(), dernier);
  JouerJusqua(t, [&] { return g.NumeroPli == 1 && g.NbCartesPli == 3; });
  m.MenuLastPli_Click();
  VerifierLastPli(*m.LastPli(), dernier);
  JouerJusqua(t, [&] { return g.NumeroPli == 2; });
  VerifierLastPli(*m.LastPli(), Pli(g, 1));
}

}  // namespace
