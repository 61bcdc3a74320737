#include "table/form_mains.h"

#include <gtest/gtest.h>

#include "support/cartes.h"
#include "support/donne_jouee.h"
#include "table/annexes.h"

namespace {

void VerifierMains(const FormMains& f, const Partie& g) {
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k)
      EXPECT_TRUE(Meme(f[f.PicMain(s, k)].carte, g.MainsJoueurs[s][k])) << "seat " << s << " place " << k;
  for (int16_t i = 1; i <= 6; ++i)
    EXPECT_TRUE(Meme(f[f.PicChienAvant(i)].carte, g.ChienMontre[i]) && Meme(f[f.PicChienApres(i)].carte, g.Chien[i]))
        << i;
}

// The four hands, the chien and the discard, opened twice after a deal; a new deal unloads
// the window, and opened again it shows the new deal in the language of that moment.
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
  EXPECT_EQ(f->titre + (*f)[f->panelChien].legende + (*f)[f->panelEcart].legende,
            "Les Quatre Mains et Le Chien...CHIENECART");
  // Boxes of 32 x 52 pixels in two rows of nine, placed in the hand's frame.
  for (const auto& [k, gauche, haut] : {std::tuple<int16_t, float, float>{1, 60, 60}, {9, 4140, 60}, {10, 60, 870},
                                        {18, 4140, 870}}) {
    const Controle& c = (*f)[f->PicMain(3, k)];
    EXPECT_EQ((std::array{c.gauche, c.haut, c.largeur, c.hauteur}), (std::array<float, 4>{gauche, haut, 480, 780}));
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

  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.Mains(), nullptr);
  g.Langue = 2;
  JouerDonneAuHasard(g, 2, EnchereGardeContre);
  annexes.PanelVoirMains_Click(g);
  ASSERT_NE(f = annexes.Mains(), nullptr);
  VerifierMains(*f, g);  // no discard: the chien itself
  EXPECT_EQ(f->titre + (*f)[f->panelChien].legende + (*f)[f->panelEcart].legende,
            "The Four Hands and The Dog...DOGDISCARD");
}

}  // namespace
