#include "table/form_tous_plis.h"

#include <gtest/gtest.h>

#include <set>

#include "support/cartes.h"
#include "support/donne_jouee.h"
#include "table/annexes.h"
#include "table/controles.h"

namespace {

// The pictures shown, by number.
std::set<int16_t> Montrees(const FormTousPlis& f) {
  std::set<int16_t> n;
  for (int16_t i = 1; i <= 72; ++i)
    if (f[f.ImagePli(i)].visible) n.insert(i);
  return n;
}
const std::set<int16_t> Toutes = [] {
  std::set<int16_t> n;
  for (int16_t i = 1; i <= 72; ++i) n.insert(i);
  return n;
}();
// The frames shown: the tricks whose leader's card is framed.
std::set<int16_t> Encadres(const FormTousPlis& f) {
  std::set<int16_t> n;
  for (int16_t t = 1; t <= 18; ++t)
    if (f[f.CadreEntame(t)].visible) n.insert(t);
  return n;
}

// Step by step the cards come back in the order they were laid, each at its seat's side of
// its trick's cross, the leader's card framed: one frame a cross, shown with its card.
TEST(FormTousPlis, TheReplayShowsTheCardsInTheOrderTheyWereLaidTheLeadersFramed) {
  Partie g{Aleatoire(5)};
  std::vector<CartePosee> posees;
  do {
    posees = JouerDonneAuHasard(g, 2, EnchereGarde);
  } while (std::set<int16_t>(g.EntameurParPli.begin(), g.EntameurParPli.end()).size() < 4);
  FormTousPlis f(g);
  EXPECT_EQ(Montrees(f), Toutes);
  EXPECT_EQ(Encadres(f).size(), 18u);
  for (int16_t t = 1; t <= 18; ++t) {
    const Controle& cadre = f[f.CadreEntame(t)];
    const Controle& entame = f[f.ImagePli(static_cast<int16_t>((t - 1) * 4 + g.EntameurParPli[t]))];
    EXPECT_EQ((std::array{cadre.gauche, cadre.haut, cadre.largeur, cadre.hauteur}),
              (std::array{entame.gauche - Twips(1), entame.haut - Twips(1), Twips(32), Twips(52)}));
  }

  std::set<int16_t> attendues, cadres;
  for (const CartePosee& p : posees) {
    f.Envoyer(f.panelPasAPas, Evenement::Clic);
    const int16_t n = static_cast<int16_t>((p.pli - 1) * 4 + p.siege);
    attendues.insert(n);
    if (p.siege == g.EntameurParPli[p.pli]) cadres.insert(p.pli);
    ASSERT_EQ(Montrees(f), attendues) << "trick " << p.pli << " seat " << p.siege;
    ASSERT_EQ(Encadres(f), cadres);
    EXPECT_TRUE(Meme(f[f.ImagePli(n)].carte, p.carte)) << Nom(p.carte);
  }
  EXPECT_EQ(f.EtapePasAPas, 73);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(Montrees(f), Toutes);
}

// Not started (1), under way (2..72), finished (73): "Pas à pas", "Voir tout", "Effacer tout".
TEST(FormTousPlis, TheThreeStatesOfTheReplay) {
  Partie g{Aleatoire(7)};
  JouerDonneAuHasard(g, 3, EncherePrise);
  FormTousPlis f(g);
  const std::set<int16_t> premiere{g.EntameurParPli[1]};
  const auto Cliquer = [&f](int panneau, int fois = 1) {
    for (int i = 0; i < fois; ++i) f.Envoyer(panneau, Evenement::Clic);
  };
  Cliquer(f.panelPasAPas);  // clears the full window first
  EXPECT_EQ(Montrees(f), premiere);
  Cliquer(f.panelPasAPas, 9);
  EXPECT_EQ(f.EtapePasAPas, 11);
  EXPECT_EQ(Montrees(f).size(), 10u);
  Cliquer(f.panelVoir);
  EXPECT_EQ(Montrees(f), Toutes);
  EXPECT_EQ(f.EtapePasAPas, 73);
  Cliquer(f.panelPasAPas);
  EXPECT_EQ(Montrees(f), Toutes);
  Cliquer(f.panelEffacer);
  EXPECT_TRUE(Montrees(f).empty() && Encadres(f).empty());
  EXPECT_EQ(f.EtapePasAPas, 1);
  Cliquer(f.panelPasAPas);
  EXPECT_EQ(Montrees(f), premiere);
  // Mid-replay, "Effacer tout" starts it over as well.
  Cliquer(f.panelPasAPas);
  Cliquer(f.panelEffacer);
  Cliquer(f.panelPasAPas);
  EXPECT_EQ(Montrees(f), premiere);
}

// OK hides the window, the replay kept; the taker's name stays in the language it was drawn
// in; a new deal unloads it and the next opening draws the new deal afresh.
TEST(FormTousPlis, OkHidesANewDealUnloads) {
  Partie g{Aleatoire(8)};
  g.Langue = 2;
  JouerDonneAuHasard(g, 4, EnchereGardeSans);
  FenetresAnnexes annexes;
  annexes.PanelVoirPlis_Click(g);
  FormTousPlis* f = annexes.TousPlis();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->visible);
  EXPECT_EQ(f->titre, "Here are the 18 tricks of the deal");
  EXPECT_EQ((*f)[f->panelPreneur].legende, "WEST");
  EXPECT_EQ((*f)[f->panelPasAPas].legende, "Step by step");
  for (int i = 0; i < 5; ++i) f->Envoyer(f->panelPasAPas, Evenement::Clic);
  const std::set<int16_t> vues = Montrees(*f);
  f->Envoyer(f->panelPlisOk, Evenement::Clic);
  EXPECT_FALSE(f->visible);
  g.Langue = 1;
  annexes.PanelVoirPlis_Click(g);
  ASSERT_EQ(annexes.TousPlis(), f);
  EXPECT_TRUE(f->visible);
  EXPECT_EQ(Montrees(*f), vues);
  EXPECT_EQ((*f)[f->panelPreneur].legende, "WEST");

  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.TousPlis(), nullptr);
  JouerDonneAuHasard(g, 1, EncherePrise);
  annexes.PanelVoirPlis_Click(g);
  f = annexes.TousPlis();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(Montrees(*f), Toutes);
  EXPECT_EQ(f->EtapePasAPas, 1);
  EXPECT_EQ((*f)[f->panelPreneur].legende, "SUD");
  EXPECT_EQ((*f)[f->panelPasAPas].legende, "Pas à pas");
}

}  // namespace
