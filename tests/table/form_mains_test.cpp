#include "table/form_mains.h"

#include <gtest/gtest.h>

#include "support/donne_jouee.h"
#include "support/cartes.h"
#include "table/annexes.h"

namespace {

void VerifierMains(const FormMains& f, const Partie& g) {
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k)
      EXPECT_TRUE(Meme(f[f.PicMain(s, k)].carte, g.MainsJoueurs[s][k])) << "seat " << s << " place " << k;
  for (int16_t i = 1; i <= 6; ++i) {
    EXPECT_TRUE(Meme(f[f.PicChienAvant(i)].carte, g.ChienMontre[i])) << i;
    EXPECT_TRUE(Meme(f[f.PicChienApres(i)].carte, g.Chien[i])) << i;
  }
}

TEST(FormMains, TheFourHandsTheChienAndTheDiscardOpenedTwice) {
  Partie g{Aleatoire(21)};
  JouerDonneAuHasard(g, 1, EnchereGarde);
  ASSERT_NE(g.ChienMontre, g.Chien);  // the taker discarded
  FenetresAnnexes annexes;
  annexes.PanelVoirMains_Click(g);
  FormMains* f = annexes.Mains();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->visible);
  VerifierMains(*f, g);
  EXPECT_EQ(f->titre, "Les Quatre Mains et Le Chien...");
  EXPECT_EQ((*f)[f->panelChien].legende, "CHIEN");
  EXPECT_EQ((*f)[f->panelEcart].legende, "ECART");

  // Boxes of 32 x 52 pixels in two rows of nine; places relative to the hand's frame.
  struct Place {
    int16_t k;
    float gauche, haut;
  };
  for (const Place& p : {Place{1, 60, 60}, Place{9, 4140, 60}, Place{10, 60, 870}, Place{18, 4140, 870}}) {
    const Controle& c = (*f)[f->PicMain(3, p.k)];
    EXPECT_EQ(c.gauche, p.gauche) << p.k;
    EXPECT_EQ(c.haut, p.haut) << p.k;
    EXPECT_EQ(c.largeur, 480);
    EXPECT_EQ(c.hauteur, 780);
    EXPECT_EQ((*f)[c.parent].nom, "PanelMainNord");
  }
  EXPECT_EQ((*f)[f->PicChienAvant(6)].gauche, 1725 + 5 * 510);
  EXPECT_EQ((*f)[f->PicChienApres(1)].gauche, 45);

  f->Envoyer(f->panelMainsOk, Evenement::Clic);
  EXPECT_FALSE(f->visible);
  annexes.PanelVoirMains_Click(g);
  EXPECT_EQ(annexes.Mains(), f);
  EXPECT_TRUE(f->visible);
  VerifierMains(*f, g);

  // A new deal unloads it; opened again it shows the new deal, in English now.
  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.Mains(), nullptr);
  g.Langue = 2;
  JouerDonneAuHasard(g, 2, EnchereGardeContre);
  annexes.PanelVoirMains_Click(g);
  f = annexes.Mains();
  ASSERT_NE(f, nullptr);
  VerifierMains(*f, g);  // no discard: the chien itself
  EXPECT_EQ(f->titre, "The Four Hands and The Dog...");
  EXPECT_EQ((*f)[f->panelEcart].legende, "DISCARD");
}

// The engine redraws the last trick at every trick end through the table's display.
class EcranLastPli : public Affichage {
 public:
  EcranLastPli(FenetresAnnexes& a, const Partie& g) : annexes_(a), g_(g) {}
  void AppelDessinLastPli() override { annexes_.AppelDessinLastPli(g_); }

 private:
  FenetresAnnexes& annexes_;
  const Partie& g_;
};

TEST(FormLastPli, TheLastTrickFollowsTheGameAcrossANewDeal) {
  Partie g{Aleatoire(22)};
  FenetresAnnexes annexes;
  EcranLastPli ecran(annexes, g);
  g.ecran = &ecran;
  const auto montre = [&annexes](const std::vector<CartePosee>& posees, int16_t pli) {
    const FormLastPli& f = *annexes.LastPli();
    for (const CartePosee& p : posees) {
      if (p.pli != pli) continue;
      EXPECT_TRUE(Meme(f[f.CarteLastPli(p.siege)].carte, p.carte)) << pli << "/" << p.siege;
    }
  };

  const std::vector<CartePosee> avant = JouerDonneAuHasard(g, 3, EncherePrise);
  ASSERT_NE(annexes.LastPli(), nullptr);  // loaded hidden by the first trick end
  EXPECT_FALSE(annexes.LastPli()->visible);
  EXPECT_EQ(g.NumeroPli, 19);
  montre(avant, 18);
  annexes.MenuLastPli_Click(g);
  FormLastPli* f = annexes.LastPli();
  EXPECT_TRUE(f->visible);
  EXPECT_EQ(f->titre, "LE DERNIER PLI...");
  EXPECT_EQ(f->couleurFond, 0x008000u);
  EXPECT_EQ((*f)[f->CarteLastPli(1)].gauche, 1695);
  EXPECT_EQ((*f)[f->CarteLastPli(1)].haut, 2925);
  EXPECT_EQ((*f)[f->CarteLastPli(4)].largeur, 1350);
  EXPECT_EQ((*f)[f->CarteLastPli(4)].hauteur, 2280);

  // A new deal leaves it alone: the auction and the first trick under way keep the last
  // trick of the deal before.
  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.LastPli(), f);
  DonnerAuHasard(g, 2, EnchereGardeSans);
  g.NumeroPli = 0;
  annexes.AppelDessinLastPli(g);
  montre(avant, 18);
  g.NumeroPli = 1;
  CommencerJeu(g);
  std::vector<CartePosee> premier;
  for (int i = 0; i < 3; ++i) {
    const int16_t siege = g.JoueurCourant;
    premier.push_back({1, siege, g.MainsJoueurs[siege][JouerAuHasard(g)]});
    annexes.AppelDessinLastPli(g);
    montre(avant, 18);
  }
  const int16_t siege = g.JoueurCourant;
  premier.push_back({1, siege, g.MainsJoueurs[siege][JouerAuHasard(g)]});
  EXPECT_EQ(g.NumeroPli, 2);
  montre(premier, 1);
  EXPECT_TRUE(f->visible);

  f->Form_Unload();
  EXPECT_FALSE(f->visible);
}

}  // namespace
