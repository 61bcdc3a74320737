#include "windows/carte_sav.h"

#include <gtest/gtest.h>

#include <set>

#include "application_qt.h"
#include "support/cartes.h"

namespace {

using CarteSav = TestQt;

TEST_F(CarteSav, EachCardFindsItsOwnFaceAndACardWithNoneLeavesThePictureAsItWas) {
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
  // One of each list, played or not; the Excuse after the 21.
  const std::pair<Carte, const QPixmap*> connues[] = {
      {Exc(), &sav.ImageListAtouts[22]},         {At(21), &sav.ImageListAtouts[21]},
      {At(1), &sav.ImageListAtouts[1]},          {Co(14), &sav.ImageListCoeurs[14]},
      {Jouee(Pi(1)), &sav.ImageListPiques[1]},   {Jouee(Tr(11)), &sav.ImageListTrefles[11]},
      {Jouee(Ca(7)), &sav.ImageListCarreaux[7]},
  };
  for (const auto& [carte, face] : connues) EXPECT_EQ(sav.Image(carte), face) << Nom(carte);
  // The store is loaded once: a second lookup hands back the very same pictures.
  EXPECT_EQ(&FormCarteSav::Instance(), &sav);

  // An empty trick place (suit -1), no suit 5, value 0 outside suit 0, values past the lists.
  for (const Carte& carte : {Carte{}, Carte{3, 5, 1, 0}, Pi(0), Ca(15), At(23)}) {
    EXPECT_EQ(sav.Image(carte), nullptr) << carte.Couleur << "/" << carte.Valeur;
    QPixmap image = sav.ImageListPiques[3];
    AfficherImageCarte(image, carte);
    EXPECT_EQ(image.cacheKey(), sav.ImageListPiques[3].cacheKey());
  }
  QPixmap image;
  AfficherImageCarte(image, At(21));
  EXPECT_EQ(image.cacheKey(), sav.ImageListAtouts[21].cacheKey());
}

}  // namespace
