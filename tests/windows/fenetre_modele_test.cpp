#include "windows/fenetre_modele.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QTest>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "application_qt.h"
#include "platform/panneau3d.h"
#include "support/cartes.h"
#include "windows/carte_sav.h"

// The test controls give their first fields only; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// A small window: the table, a panel, a panel holding a button, a button and three cards.
class ModeleEssai : public ModeleFenetre {
 public:
  ModeleEssai() {
    titre = "Essai";
    largeur = 9000;
    hauteur = 6000;
    couleurFond = 0x0B5D2A;
    // Name, index, kind, parent, place and size in twips, caption.
    using G = GenreControle;
    table = Ajouter({"TableRonde", -1, G::Forme, -1, 3000, 45, 3000, 3000});
    info = Ajouter({"PanelInfo", -1, G::Panneau, -1, 22.5f, 37.5f, 2700, 607.5f, "Donne\nen cours"});
    (*this)[info].gras = true;
    enchere = Ajouter({"PanelEnchere", -1, G::Panneau, -1, 150, 1500, 2400, 900});
    passe = Ajouter({"ButtonPasse", -1, G::Bouton, enchere, 60, 90, 1200, 450, "Passe"});
    garde = Ajouter({"ButtonGarde", -1, G::Bouton, -1, 150, 3000, 1500, 450, "Garde"});
    for (int16_t k = 1; k <= 3; ++k) {
      // The last one as small as the boxes of the deal's windows, which show only a corner of the face.
      const float l = k < 3 ? 1350 : 450, h = k < 3 ? 2280 : 750;
      cartes.push_back(Ajouter({"Carte3d", k, G::Carte, -1, 3000.0f + 600 * k, 3500, l, h}));
      (*this)[cartes.back()].pointeur = PointeurFleche;
      (*this)[cartes.back()].carte = Co(static_cast<int16_t>(10 + k));
    }
    // The pressed look of a button, as the game's handlers give it.
    for (int id : {passe, garde, cartes[1]}) {
      Associer(id, Evenement::Bas, [this, id](int16_t) { Noter(id, "Bas", BiseauCreux); });
      Associer(id, Evenement::Haut, [this, id](int16_t) { Noter(id, "Haut", BiseauRelief); });
      Associer(id, Evenement::Clic, [this, id](int16_t index) { Noter(id, "Clic" + std::to_string(index)); });
    }
    Associer(cartes[1], Evenement::Survol, [this](int16_t) { Noter(cartes[1], "Survol"); });
  }
  void Form_Click() override { appels += "Form_Click "; }
  void Noter(int id, const std::string& quoi, int16_t biseau = -1) {
    appels += (*this)[id].nom + ":" + quoi + " ";
    if (biseau >= 0) (*this)[id].biseau = biseau;
  }

  int table, info, enchere, passe, garde;
  std::vector<int> cartes;
  std::string appels;
};

class FenetreModeleTest : public TestQt {
 protected:
  void SetUp() override {
    fenetre.resize(fenetre.sizeHint());
    fenetre.show();
  }
  ModeleEssai modele;
  FenetreModele fenetre{modele};
};

TEST_F(FenetreModeleTest, WidgetsStandWhereTheModelPutsThemAtFifteenTwipsToThePixelWithTheirCursors) {
  // Pixels, in the parent control's widget.
  const std::tuple<const char*, QRect, const char*> attendus[] = {
      {"TableRonde", {200, 3, 200, 200}, nullptr},
      // 22.5 and 37.5 twips are 1.5 and 2.5 pixels: halves go to the even pixel.
      {"PanelInfo", {2, 2, 180, 40}, nullptr},
      {"ButtonPasse", {4, 6, 80, 30}, "PanelEnchere"},
      {"Carte3d_1", {240, 233, 90, 152}, nullptr},
      {"Carte3d_3", {320, 233, 30, 50}, nullptr},
  };
  for (const auto& [nom, place, parent] : attendus) {
    QWidget* w = Trouver(fenetre, nom);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), place) << nom;
    EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(parent ? parent : "")) << nom;
  }
  EXPECT_EQ(fenetre.sizeHint(), QSize(600, 400));
  EXPECT_EQ(fenetre.palette().color(QPalette::Window), QColor(0x0B, 0x5D, 0x2A));

  // Later elements lie over earlier ones, as they were created.
  EXPECT_EQ(fenetre.childAt(325, 240), Trouver(fenetre, "Carte3d_3"));
  // The table lies beneath everything and lets clicks through.
  EXPECT_TRUE(Trouver(fenetre, "TableRonde")->testAttribute(Qt::WA_TransparentForMouseEvents));

  // Each change lands on its widget at the next synchronisation.
  modele[modele.cartes[0]].gauche = 1500;
  modele[modele.cartes[0]].haut = 0;
  modele[modele.passe].visible = false;
  modele[modele.garde].actif = false;
  modele[modele.info].legende = "Prise";
  modele.titre = "Autre";
  fenetre.Synchroniser();
  EXPECT_EQ(Trouver(fenetre, "Carte3d_1")->pos(), QPoint(100, 0));
  EXPECT_FALSE(Trouver(fenetre, "ButtonPasse")->isVisible());
  EXPECT_FALSE(Trouver(fenetre, "ButtonGarde")->isEnabled());
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "PanelInfo")->Legende(), QStringLiteral("Prise"));
  EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Autre"));

  // Only what changed is redone: a widget the model did not touch is left as it stands.
  Trouver(fenetre, "Carte3d_2")->move(0, 0);
  modele[modele.cartes[0]].gauche = 3000;
  fenetre.Synchroniser();
  EXPECT_EQ(Trouver(fenetre, "Carte3d_2")->pos(), QPoint(0, 0)) << "untouched";
  EXPECT_EQ(Trouver(fenetre, "Carte3d_1")->pos(), QPoint(200, 0)) << "moved";

  // The window's pointer, the card's, the card's cursor: a card with the default pointer shows
  // the window's.
  const std::tuple<int16_t, int16_t, Qt::CursorShape> cas[] = {
      {0, 10, Qt::UpArrowCursor}, {0, 11, Qt::WaitCursor}, {0, 12, Qt::ForbiddenCursor},
      {0, 0, Qt::ArrowCursor},    {11, 0, Qt::WaitCursor}, {11, 12, Qt::ForbiddenCursor}};
  for (const auto& [pointeur, carte, attendu] : cas) {
    modele.pointeur = pointeur;
    modele[modele.cartes[0]].pointeur = carte;
    fenetre.Synchroniser();
    EXPECT_EQ(Trouver(fenetre, "Carte3d_1")->cursor().shape(), attendu) << pointeur << " " << carte;
  }
}

TEST_F(FenetreModeleTest, PanelsDrawTheirCaptionNamedByItForAssistiveToolsAndCardsTheCornerOfTheirFace) {
  auto* info = Trouver<Panneau3D>(fenetre, "PanelInfo");
  // A button by its caption, a panel not as a button.
  QAccessibleInterface* garde = QAccessible::queryAccessibleInterface(Trouver(fenetre, "ButtonGarde"));
  ASSERT_NE(garde, nullptr);
  EXPECT_EQ(garde->role(), QAccessible::Button);
  EXPECT_NE(QAccessible::queryAccessibleInterface(info)->role(), QAccessible::Button);
  modele[modele.garde].legende = "Garde sans";
  fenetre.Synchroniser();
  EXPECT_EQ(garde->text(QAccessible::Name), QStringLiteral("Garde sans"));

  // The panel as drawn, read on a few pixels in the format it is drawn in (opaque RGB32: exact).
  // A raised bevel is lit on its left edge and shaded on its right one, a sunk one the other way
  // round; the caption's ink stands 3 pixels from the side it is aligned to (4 with a
  // glyph's side bearing), its width measured within 2 pixels for the smoothed edges of the ink.
  const QRgb fond = qRgb(0xC0, 0xC0, 0xC0);
  const auto eclairage = [&](QRgb p) { return (qGray(p) > qGray(fond)) - (qGray(p) < qGray(fond)); };
  // Bevel, alignment, face, and the left edge: 1 lit, -1 shaded, 0 the ground.
  const std::tuple<int16_t, int16_t, const char*, int> cas[] = {{BiseauRelief, AligneGauche, "", 1},
                                                                {BiseauCreux, AligneDroite, "", -1},
                                                                {BiseauAucun, AligneCentre, "Liberation Serif", 0}};
  for (const auto& [biseau, alignement, police, bordGauche] : cas) {
    Controle& p = modele[modele.info];
    p.legende = "Donne en cours";
    p.biseau = biseau;
    p.alignement = alignement;
    p.police = police;
    fenetre.Synchroniser();
    QImage image(info->size(), QImage::Format_RGB32);
    info->render(&image);
    const int l = image.width();
    const int h = image.height();
    EXPECT_EQ(eclairage(image.pixel(0, h / 2)), bordGauche) << "left edge, bevel " << biseau;
    EXPECT_EQ(eclairage(image.pixel(l - 1, h / 2)), -bordGauche) << "right edge, bevel " << biseau;
    int gauche = l;
    int droite = -1;
    for (int x = 1; x < l - 1; ++x)
      for (int y = 1; y < h - 1; ++y)
        if (image.pixel(x, y) != fond) {
          gauche = std::min(gauche, x);
          droite = std::max(droite, x);
        }
    if (alignement == AligneCentre)
      EXPECT_NEAR(gauche, l - 1 - droite, 2) << "centred";
    else
      EXPECT_NEAR(alignement == AligneDroite ? l - 1 - droite : gauche, 3.5, 0.5) << "aligned " << alignement;
    // Bold 8.25 points: 11 pixels. The game's captions in a narrow face, a sixth narrower than the
    // regular sans at least, so that they fit their boxes; a named face at its own width.
    QFont reference(QString::fromLatin1(*police ? police : "DejaVu Sans"), -1, QFont::Bold);
    reference.setPixelSize(11);
    const int largeur = QFontMetrics(reference).boundingRect(info->Legende()).width();
    if (*police)
      EXPECT_NEAR(droite - gauche + 1, largeur, 2) << police;
    else
      EXPECT_LT(droite - gauche + 1, largeur * 5 / 6) << "the game's narrow face";
  }

  // Faces cut, not scaled; a card with no picture keeps the face it showed.
  const FormCarteSav& sav = FormCarteSav::Instance();
  VerifierFace(Trouver(fenetre, "Carte3d_3"), sav.ImageListCoeurs[13]);
  for (const Carte& carte : {Exc(), Carte{}}) {
    modele[modele.cartes[1]].carte = carte;
    fenetre.Synchroniser();
    VerifierFace(Trouver(fenetre, "Carte3d_2"), sav.ImageListAtouts[22]);
  }
}

TEST_F(FenetreModeleTest, AClickReachesTheControlAsMouseDownMouseUpAndClickUnlessHiddenOrDisabled) {
  // Each gesture and what the model heard of it.
  const auto entendu = [&] { return std::exchange(modele.appels, std::string()); };
  QWidget* garde = Trouver(fenetre, "ButtonGarde");
  QTest::mousePress(garde, Qt::LeftButton);
  // Pressed look while the button is held, drawn at once.
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "ButtonGarde")->BiseauCourant(), Panneau3D::Creux);
  QTest::mouseRelease(garde, Qt::LeftButton);
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "ButtonGarde")->BiseauCourant(), Panneau3D::Relief);
  EXPECT_EQ(entendu(), "ButtonGarde:Bas ButtonGarde:Haut ButtonGarde:Clic-1 ") << "a click on a button";
  QTest::mouseClick(Trouver(fenetre, "ButtonPasse"), Qt::LeftButton);
  EXPECT_EQ(entendu(), "ButtonPasse:Bas ButtonPasse:Haut ButtonPasse:Clic-1 ") << "a click on a button in a panel";
  QTest::mouseClick(Trouver(fenetre, "Carte3d_2"), Qt::LeftButton);
  EXPECT_EQ(entendu(), "Carte3d:Bas Carte3d:Haut Carte3d:Clic2 ") << "a click on a card";
  QTest::mousePress(garde, Qt::LeftButton);
  QTest::mouseRelease(garde, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(entendu(), "ButtonGarde:Bas ButtonGarde:Haut ") << "a button released outside it";
  QTest::mouseClick(&fenetre, Qt::LeftButton, {}, QPoint(590, 5));
  EXPECT_EQ(entendu(), "Form_Click ") << "a click on the window's background";
  QTest::mouseMove(Trouver(fenetre, "Carte3d_2"), QPoint(5, 60));
  EXPECT_EQ(entendu(), "Carte3d:Survol ") << "the pointer over the card's uncovered edge";
  QTest::mouseClick(Trouver(fenetre, "Carte3d_1"), Qt::LeftButton);
  EXPECT_EQ(entendu(), "Form_Click ") << "a click on a control that takes none";
  QTest::mouseClick(garde, Qt::RightButton);
  EXPECT_EQ(entendu(), "ButtonGarde:Bas ButtonGarde:Haut ") << "the right button on a button";

  // Hidden or disabled controls get nothing, clicked on screen or handed to the model alone: the
  // model decides, whatever the view does. A click falling through to the window is no matter.
  const char* const cas[] = {"the button disabled", "the button hidden", "its panel disabled", "the window disabled"};
  for (int i = 0; i < 4; ++i) {
    modele[modele.garde].actif = i != 0;
    modele[modele.garde].visible = i != 1;
    modele[modele.enchere].actif = i != 2;
    modele.actif = i != 3;
    fenetre.Synchroniser();
    modele.appels.clear();
    const int cible = i < 2 ? modele.garde : modele.passe;
    QTest::mouseClick(fenetre.Widget(cible), Qt::LeftButton);
    modele.Envoyer(cible, Evenement::Clic);
    EXPECT_EQ(modele.appels.find(':'), std::string::npos) << cas[i] << ": " << modele.appels;
  }
}

}  // namespace
