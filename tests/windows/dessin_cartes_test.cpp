// The card pictures: drawn by the program, committed, and looked up by card.
#include "windows/dessin_cartes.h"

#include <gtest/gtest.h>

#include <vector>

#include "application_qt.h"
#include "support/cartes.h"
#include "windows/carte_sav.h"

namespace {

using DessinCartes = TestQt;

struct Face {
  int16_t couleur;
  int16_t indice;
  QImage image;
};

// The 78 faces as drawn now (premultiplied ARGB), in the store's order.
const std::vector<Face>& Faces() {
  static const std::vector<Face> faces = [] {
    std::vector<Face> f;
    for (int16_t couleur = 0; couleur <= 4; ++couleur)
      for (int16_t indice = 1; indice <= NombreImages(couleur); ++indice)
        f.push_back({couleur, indice, DessinerCarte(couleur, indice)});
    return f;
  }();
  return faces;
}

QString Nom(const Face& f) { return NomFichierCarte(f.couleur, f.indice); }

TEST_F(DessinCartes, EachCardFindsItsFaceInTheStoreAndAnyOtherFindsNone) {
  const FormCarteSav& sav = FormCarteSav::Instance();
  // One of each list, played or not; the Excuse after the 21.
  const std::pair<Carte, const QPixmap*> connues[] = {
      {Exc(), &sav.ImageListAtouts[22]},         {At(21), &sav.ImageListAtouts[21]},
      {At(1), &sav.ImageListAtouts[1]},          {Co(14), &sav.ImageListCoeurs[14]},
      {Jouee(Pi(1)), &sav.ImageListPiques[1]},   {Jouee(Tr(11)), &sav.ImageListTrefles[11]},
      {Jouee(Ca(7)), &sav.ImageListCarreaux[7]},
  };
  for (const auto& [carte, face] : connues) EXPECT_EQ(sav.Image(carte), face) << Nom(carte);
  // The store is loaded once.
  EXPECT_EQ(&FormCarteSav::Instance(), &sav);
  // None for an empty trick place (suit -1), no suit 5, value 0 outside suit 0, values past the lists.
  for (const Carte& carte : {Carte{}, Carte{3, 5, 1, 0}, Pi(0), Ca(15), At(23)})
    EXPECT_EQ(sav.Image(carte), nullptr) << carte.Couleur << "/" << carte.Valeur;
}

// A PNG holds plain ARGB, and the plain values a drawing is saved with differ by a level from one
// machine to another (Qt divides by alpha with an approximate reciprocal). Each is within half a
// level of the exact quotient, so premultiplying it again gives back the drawn pixel exactly: a
// file is compared with its drawing in the drawing's own format, and must match it bit for bit.
bool CommeDessinee(const QImage& fichier, const QImage& dessin) {
  return fichier.convertToFormat(dessin.format()) == dessin;
}

TEST_F(DessinCartes, TheCommittedPicturesAreWhatTheProgramDraws) {
  ASSERT_TRUE(PolicesDisponibles());
  const FormCarteSav& sav = FormCarteSav::Instance();
  ASSERT_EQ(Faces().size(), 78u);
  for (const Face& f : Faces())
    EXPECT_TRUE(CommeDessinee(sav.Image(f.couleur, f.indice)->toImage(), f.image))
        << qPrintable(Nom(f)) << " differs from the drawing: run \"mirvane-cartes pictures\" to draw them again";
  EXPECT_TRUE(DessinerCarte(0, 7) == Faces()[6].image) << "drawn again within the run";
  EXPECT_TRUE(CommeDessinee(QImage(QStringLiteral(":/pictures/") + NomFichierIcone), DessinerIcone()));
  const QImage accueil(QStringLiteral(":/pictures/") + NomFichierAccueil);
  EXPECT_FALSE(accueil.hasAlphaChannel()) << "the start picture is stored in 24 bits";
  EXPECT_TRUE(CommeDessinee(accueil, DessinerImageAccueil()));
}

TEST_F(DessinCartes, NoTwoFacesOrCornersAreAlikeAndFacesReadTheSameBothWaysUpWithTheirSuitsColourInTheCorner) {
  // The trick and hand windows show only the top-left 30 x 50 (32 x 52) of a face.
  std::vector<QImage> coins;
  for (const Face& f : Faces()) coins.push_back(f.image.copy(0, 0, 30, 50));
  for (std::size_t a = 0; a < Faces().size(); ++a)
    for (std::size_t b = a + 1; b < Faces().size(); ++b)  // corners apart, so faces apart
      EXPECT_FALSE(coins[a] == coins[b]) << qPrintable(Nom(Faces()[a])) << " " << qPrintable(Nom(Faces()[b]));
  for (const Face& f : Faces()) {
    const std::string nom = Nom(f).toStdString();
    if (f.couleur == CouleurAtout || f.indice > 10) {
      EXPECT_TRUE(f.image.mirrored(true, true) == f.image) << nom;
    } else {  // a plain card turns only its corners; the large value in the middle stays upright
      EXPECT_TRUE(f.image.copy(60, 100, 30, 50).mirrored(true, true) == f.image.copy(0, 0, 30, 50)) << nom;
      EXPECT_FALSE(f.image.mirrored(true, true) == f.image) << nom;
    }
    // Transparent only outside the rounded corners.
    EXPECT_EQ(qAlpha(f.image.pixel(0, 0)), 0) << nom << " at its top-left corner";
    EXPECT_EQ(qAlpha(f.image.pixel(LargeurCarte / 2, HauteurCarte / 2)), 255) << nom << " in its middle";
    if (f.couleur == CouleurAtout) continue;
    // The index, clear of the border and of any frame: red for hearts and diamonds, else black.
    int rouges = 0;
    int noirs = 0;
    for (int y = 3; y < 40; ++y)
      for (int x = 3; x < 26; ++x) {
        const QRgb p = f.image.pixel(x, y);
        rouges += qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
        noirs += qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90 && qAlpha(p) == 255;
      }
    const bool rouge = f.couleur == CouleurCoeur || f.couleur == CouleurCarreau;
    EXPECT_GT(rouge ? rouges : noirs, 60) << nom;
    EXPECT_EQ(rouge ? noirs : rouges, 0) << nom;
  }
}

}  // namespace
