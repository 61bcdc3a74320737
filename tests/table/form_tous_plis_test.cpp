#include "table/form_tous_plis.h"

#include <gtest/gtest.h>

#include <set>

#include "support/donne_jouee.h"
#include "support/cartes.h"
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
std::set<int16_t> Toutes() {
  std::set<int16_t> n;
  for (int16_t i = 1; i <= 72; ++i) n.insert(i);
  return n;
}

// A deal whose tricks were led from every seat.
std::vector<CartePosee> DonneDeTousLesEntameurs(Partie& g) {
  for (;;) {
    std::vector<CartePosee> posees = JouerDonneAuHasard(g, 2, EnchereGarde);
    std::set<int16_t> entameurs(g.EntameurParPli.begin(), g.EntameurParPli.end());
    if (entameurs.size() == 4) return posees;
  }
}

// Step by step the cards come back in the order they were laid, each at its seat's side of
// its trick's cross.
TEST(FormTousPlis, TheReplayShowsTheCardsInTheOrderTheyWereLaid) {
  Partie g{Aleatoire(5)};
  const std::vector<CartePosee> posees = DonneDeTousLesEntameurs(g);
  FormTousPlis f(g);
  EXPECT_EQ(Montrees(f), Toutes());
  EXPECT_EQ(f.EtapePasAPas, 1);

  std::set<int16_t> attendues;
  for (const CartePosee& p : posees) {
    f.Envoyer(f.panelPasAPas, Evenement::Clic);
    const int16_t n = static_cast<int16_t>((p.pli - 1) * 4 + p.siege);
    attendues.insert(n);
    ASSERT_EQ(Montrees(f), attendues) << "trick " << p.pli << " seat " << p.siege;
    EXPECT_TRUE(Meme(f[f.ImagePli(n)].carte, p.carte)) << Nom(p.carte);
  }
  EXPECT_EQ(f.EtapePasAPas, 73);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(Montrees(f), Toutes());
}

TEST(FormTousPlis, ExactlyTheLeadersCardIsFramedInEachCross) {
  Partie g{Aleatoire(6)};
  DonneDeTousLesEntameurs(g);
  FormTousPlis f(g);
  for (int16_t t = 1; t <= 18; ++t) {
    const Controle& cadre = f[f.CadreEntame(t)];
    int encadrees = 0;
    for (int16_t s = 1; s <= 4; ++s) {
      const Controle& c = f[f.ImagePli(static_cast<int16_t>((t - 1) * 4 + s))];
      if (cadre.gauche == c.gauche - Twips(1) && cadre.haut == c.haut - Twips(1)) {
        ++encadrees;
        EXPECT_EQ(s, g.EntameurParPli[t]) << "trick " << t;
      }
    }
    EXPECT_EQ(encadrees, 1) << "trick " << t;
    EXPECT_EQ(cadre.genre, GenreControle::Cadre);
    EXPECT_EQ(cadre.largeur, Twips(32));
    EXPECT_EQ(cadre.hauteur, Twips(52));
  }

  // A frame goes with its card: hidden while the card is, shown with it.
  const auto cadresMontres = [&f] {
    int n = 0;
    for (int16_t t = 1; t <= 18; ++t) n += f[f.CadreEntame(t)].visible;
    return n;
  };
  EXPECT_EQ(cadresMontres(), 18);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);  // the leader of trick 1
  EXPECT_EQ(cadresMontres(), 1);
  EXPECT_TRUE(f[f.CadreEntame(1)].visible);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(cadresMontres(), 1);
}

// Not started (1), under way (2..72), finished (73): "Pas à pas", "Voir tout", "Effacer tout".
TEST(FormTousPlis, TheThreeStatesOfTheReplay) {
  Partie g{Aleatoire(7)};
  JouerDonneAuHasard(g, 3, EncherePrise);
  FormTousPlis f(g);
  const int16_t premiere = static_cast<int16_t>(g.EntameurParPli[1]);

  f.Envoyer(f.panelPasAPas, Evenement::Clic);  // clears the full window first
  EXPECT_EQ(Montrees(f), std::set<int16_t>{premiere});
  for (int i = 0; i < 9; ++i) f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(f.EtapePasAPas, 11);
  EXPECT_EQ(Montrees(f).size(), 10u);

  f.Envoyer(f.panelVoir, Evenement::Clic);
  EXPECT_EQ(Montrees(f), Toutes());
  EXPECT_EQ(f.EtapePasAPas, 73);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(Montrees(f), Toutes());

  f.Envoyer(f.panelEffacer, Evenement::Clic);
  EXPECT_TRUE(Montrees(f).empty());
  EXPECT_EQ(f.EtapePasAPas, 1);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(Montrees(f), std::set<int16_t>{premiere});

  // Mid-replay, "Effacer tout" starts it over as well.
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  f.Envoyer(f.panelEffacer, Evenement::Clic);
  f.Envoyer(f.panelPasAPas, Evenement::Clic);
  EXPECT_EQ(Montrees(f), std::set<int16_t>{premiere});
}

TEST(FormTousPlis, OkHidesANewDealUnloads) {
  Partie g{Aleatoire(8)};
  g.Langue = 2;
  JouerDonneAuHasard(g, 4, EnchereGardeSans);
  FenetresAnnexes annexes;
  EXPECT_EQ(annexes.TousPlis(), nullptr);
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
  annexes.PanelVoirPlis_Click(g);
  ASSERT_EQ(annexes.TousPlis(), f);
  EXPECT_TRUE(f->visible);
  EXPECT_EQ(Montrees(*f), vues);
  EXPECT_EQ(f->EtapePasAPas, 6);

  // A language change shows only at the next deal's window.
  g.Langue = 1;
  annexes.PanelVoirPlis_Click(g);
  EXPECT_EQ((*f)[f->panelPreneur].legende, "WEST");

  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.TousPlis(), nullptr);
  JouerDonneAuHasard(g, 1, EncherePrise);
  annexes.PanelVoirPlis_Click(g);
  f = annexes.TousPlis();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(Montrees(*f), Toutes());
  EXPECT_EQ(f->EtapePasAPas, 1);
  EXPECT_EQ((*f)[f->panelPreneur].legende, "SUD");
  EXPECT_EQ((*f)[f->panelPasAPas].legende, "Pas à pas");
}

}  // namespace
