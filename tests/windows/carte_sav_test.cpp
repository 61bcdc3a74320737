#include "windows/carte_sav.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <set>

#include "application_qt.h"
#include "support/cartes.h"

namespace {

using CarteSav = TestQt;

TEST_F(CarteSav, EachCardOfTheDeckFindsItsOwnFaceInTheListOfItsSuit) {
  const FormCarteSav& sav = FormCarteSav::Instance();
  TableDesCartes jeu;
  CreerJeuCartes(jeu);
  std::set<const QPixmap*> faces;
  for (const Carte& carte : jeu) {
    const QPixmap* face = sav.Image(carte);
    ASSERT_NE(face, nullptr) << carte.Couleur << "/" << carte.Valeur;
    EXPECT_EQ(face->size(), QSize(90, 150)) << carte.Couleur << "/" << carte.Valeur;
    faces.insert(face);
  }
  EXPECT_EQ(faces.size(), 78u);

  EXPECT_EQ(sav.Image(Exc()), &sav.ImageListAtouts[22]);  // the Excuse
  EXPECT_EQ(sav.Image(At(21)), &sav.ImageListAtouts[21]);
  EXPECT_EQ(sav.Image(At(1)), &sav.ImageListAtouts[1]);
  EXPECT_EQ(sav.Image(Co(14)), &sav.ImageListCoeurs[14]);
  EXPECT_EQ(sav.Image(Jouee(Pi(1))), &sav.ImageListPiques[1]);
  EXPECT_EQ(sav.Image(Jouee(Tr(11))), &sav.ImageListTrefles[11]);
  EXPECT_EQ(sav.Image(Jouee(Ca(7))), &sav.ImageListCarreaux[7]);
  // The store is loaded once: a second lookup hands back the very same picture.
  EXPECT_EQ(&FormCarteSav::Instance(), &sav);
}

TEST_F(CarteSav, ACardWithNoPictureLeavesTheControlAsItWas) {
  const FormCarteSav& sav = FormCarteSav::Instance();
  QLabel controle;
  AfficherImageCarte(controle, Exc());
  EXPECT_EQ(controle.pixmap().cacheKey(), sav.ImageListAtouts[22].cacheKey());
  AfficherImageCarte(controle, Co(14));
  EXPECT_EQ(controle.pixmap().cacheKey(), sav.ImageListCoeurs[14].cacheKey());

  const Carte sansImage[] = {
      Carte{},            // an empty trick place: suit -1
      Carte{3, 5, 1, 0},  // no suit 5
      Pi(0),              // value 0 only exists in suit 0
      Ca(15),
      At(23),
  };
  for (const Carte& carte : sansImage) {
    EXPECT_EQ(sav.Image(carte), nullptr) << carte.Couleur << "/" << carte.Valeur;
    AfficherImageCarte(controle, carte);
    EXPECT_EQ(controle.pixmap().cacheKey(), sav.ImageListCoeurs[14].cacheKey());
    QPixmap image = sav.ImageListPiques[3];
    AfficherImageCarte(image, carte);
    EXPECT_EQ(image.cacheKey(), sav.ImageListPiques[3].cacheKey());
  }

  QPixmap image;
  AfficherImageCarte(image, At(21));
  EXPECT_EQ(image.cacheKey(), sav.ImageListAtouts[21].cacheKey());
}

}  // namespace
