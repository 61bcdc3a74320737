#include "windows/fenetre_modele.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <string>
#include <tuple>
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
    largeur = 9000, hauteur = 6000;
    couleurFond = 0x0B5D2A;
    // Name, index, kind, parent, place and size in twips, caption.
    using G = GenreControle;
    table = Ajouter({"TableRonde", -1, G::Forme, -1, 3000, 45, 3000, 3000});
    info = Ajouter({"PanelInfo", -1, G::Panneau, -1, 22.5f, 37.5f, 2700, 607.5f, "Donne\nen cours"});
    (*this)[info].biseau = BiseauCreux, (*this)[info].gras = true;
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
  template <class W = QWidget>
  W* Trouver(const char* nom) {
    W* w = fenetre.findChild<W*>(QString::fromLatin1(nom));
    EXPECT_NE(w, nullptr) << nom;
    return w;
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
      {"PanelEnchere", {10, 100, 160, 60}, nullptr},
      {"ButtonPasse", {4, 6, 80, 30}, "PanelEnchere"},
      {"ButtonGarde", {10, 200, 100, 30}, nullptr},
      {"Carte3d_1", {240, 233, 90, 152}, nullptr},
      {"Carte3d_3", {320, 233, 30, 50}, nullptr},
  };
  for (const auto& [nom, place, parent] : attendus) {
    QWidget* w = Trouver(nom);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(std::tuple(w->geometry(), w->parentWidget()->objectName(), w->isVisible()),
              std::tuple(place, QString::fromLatin1(parent ? parent : ""), true))
        << nom;
  }
  EXPECT_EQ(std::tuple(fenetre.sizeHint(), fenetre.windowTitle(), fenetre.palette().color(QPalette::Window)),
            std::tuple(QSize(600, 400), QStringLiteral("Essai"), QColor(0x0B, 0x5D, 0x2A)));

  // Later elements lie over earlier ones, as they were created.
  EXPECT_EQ(fenetre.childAt(325, 240), Trouver("Carte3d_3"));
  // The table lies beneath everything and lets clicks through.
  EXPECT_TRUE(Trouver("TableRonde")->testAttribute(Qt::WA_TransparentForMouseEvents));

  // Each change lands on its widget at the next synchronisation.
  modele[modele.cartes[0]].gauche = 1500, modele[modele.cartes[0]].haut = 0;
  modele[modele.passe].visible = modele[modele.garde].actif = false;
  modele[modele.info].legende = "Prise", modele.titre = "Autre";
  fenetre.Synchroniser();
  EXPECT_EQ(
      std::tuple(Trouver("Carte3d_1")->pos(), Trouver("ButtonPasse")->isVisible(), Trouver("ButtonGarde")->isEnabled(),
                 Trouver<Panneau3D>("PanelInfo")->Legende(), fenetre.windowTitle()),
      std::tuple(QPoint(100, 0), false, false, QStringLiteral("Prise"), QStringLiteral("Autre")));

  // Only what changed is redone: a widget the model did not touch is left as it stands.
  Trouver("Carte3d_2")->move(0, 0);
  modele[modele.cartes[0]].gauche = 3000;
  fenetre.Synchroniser();
  EXPECT_EQ(std::pair(Trouver("Carte3d_2")->pos(), Trouver("Carte3d_1")->pos()),
            std::pair(QPoint(0, 0), QPoint(200, 0)));

  // The window's pointer, the card's, the card's cursor: a card with the default pointer shows
  // the window's.
  const std::tuple<int16_t, int16_t, Qt::CursorShape> cas[] = {
      {0, 10, Qt::UpArrowCursor}, {0, 11, Qt::WaitCursor}, {0, 12, Qt::ForbiddenCursor},
      {0, 0, Qt::ArrowCursor},    {11, 0, Qt::WaitCursor}, {11, 12, Qt::ForbiddenCursor}};
  for (const auto& [pointeur, carte, attendu] : cas) {
    modele.pointeur = pointeur;
    modele[modele.cartes[0]].pointeur = carte;
    fenetre.Synchroniser();
    EXPECT_EQ(Trouver("Carte3d_1")->cursor().shape(), attendu) << pointeur << " " << carte;
  }
}

TEST_F(FenetreModeleTest, PanelsDrawTheirCaptionNamedByItForAssistiveToolsAndCardsTheCornerOfTheirFace) {
  auto* info = Trouver<Panneau3D>("PanelInfo");
  // Bold 8.25 points: 11 pixels.
  EXPECT_EQ(std::tuple(info->Legende(), info->BiseauCourant(), info->font().bold(), info->font().pixelSize()),
            std::tuple(QStringLiteral("Donne\nen cours"), Panneau3D::Creux, true, 11));
  // A button by its caption, a panel not as a button.
  QAccessibleInterface* garde = QAccessible::queryAccessibleInterface(Trouver("ButtonGarde"));
  ASSERT_TRUE(garde != nullptr && QAccessible::queryAccessibleInterface(info) != nullptr);
  EXPECT_TRUE(garde->role() == QAccessible::Button &&
              QAccessible::queryAccessibleInterface(info)->role() != QAccessible::Button);
  modele[modele.garde].legende = "Garde sans";
  fenetre.Synchroniser();
  EXPECT_EQ(garde->text(QAccessible::Name), QStringLiteral("Garde sans"));

  // The caption is painted: the panel's picture differs from the same panel without it.
  const QImage avec = info->grab().toImage();
  modele[modele.info].legende.clear();
  fenetre.Synchroniser();
  EXPECT_NE(info->grab().toImage(), avec);

  // Faces cut, not scaled; a card with no picture keeps the face it showed.
  const FormCarteSav& sav = FormCarteSav::Instance();
  VerifierFace(Trouver("Carte3d_3"), sav.ImageListCoeurs[13]);
  VerifierFace(Trouver("Carte3d_2"), sav.ImageListCoeurs[12]);
  for (const Carte& carte : {Exc(), Carte{}}) {
    modele[modele.cartes[1]].carte = carte;
    fenetre.Synchroniser();
    VerifierFace(Trouver("Carte3d_2"), sav.ImageListAtouts[22]);
  }
}

TEST_F(FenetreModeleTest, AClickReachesTheControlAsMouseDownMouseUpAndClickUnlessHiddenOrDisabled) {
  QWidget* garde = Trouver("ButtonGarde");
  QTest::mousePress(garde, Qt::LeftButton);
  // Pressed look while the button is held, drawn at once.
  EXPECT_EQ(Trouver<Panneau3D>("ButtonGarde")->BiseauCourant(), Panneau3D::Creux);
  QTest::mouseRelease(garde, Qt::LeftButton);
  EXPECT_EQ(Trouver<Panneau3D>("ButtonGarde")->BiseauCourant(), Panneau3D::Relief);
  QTest::mouseClick(Trouver("ButtonPasse"), Qt::LeftButton);
  QTest::mouseClick(Trouver("Carte3d_2"), Qt::LeftButton);
  // Released outside the control: no click.
  QTest::mousePress(garde, Qt::LeftButton);
  QTest::mouseRelease(garde, Qt::LeftButton, {}, QPoint(-5, -5));
  // The window's background.
  QTest::mouseClick(&fenetre, Qt::LeftButton, {}, QPoint(590, 5));
  // The pointer passing over the card's uncovered edge.
  QTest::mouseMove(Trouver("Carte3d_2"), QPoint(5, 60));
  // A control that takes no click lets it through to the window; the right button presses a
  // button in and out but does not click it.
  QTest::mouseClick(Trouver("Carte3d_1"), Qt::LeftButton);
  QTest::mouseClick(garde, Qt::RightButton);
  EXPECT_EQ(modele.appels,
            "ButtonGarde:Bas ButtonGarde:Haut ButtonGarde:Clic-1 ButtonPasse:Bas ButtonPasse:Haut ButtonPasse:Clic-1 "
            "Carte3d:Bas Carte3d:Haut Carte3d:Clic2 ButtonGarde:Bas ButtonGarde:Haut Form_Click Carte3d:Survol "
            "Form_Click ButtonGarde:Bas ButtonGarde:Haut ");

  // Hidden or disabled controls get nothing: the button disabled, hidden, in a disabled panel, the whole window
  // disabled (another window is modal to it).
  for (int i = 0; i < 4; ++i) {
    modele[modele.garde].actif = i != 0, modele[modele.garde].visible = i != 1;
    modele[modele.enchere].actif = i != 2, modele.actif = i != 3;
    fenetre.Synchroniser();
    modele.appels.clear();
    // Clicked on screen, and handed to the model alone: the model decides, whatever the view does.
    const int cible = i < 2 ? modele.garde : modele.passe;
    QTest::mouseClick(fenetre.Widget(cible), Qt::LeftButton);
    modele.Envoyer(cible, Evenement::Clic);
    EXPECT_EQ(modele.appels.find(':'), std::string::npos) << i << " " << modele.appels;
  }
}

}  // namespace
