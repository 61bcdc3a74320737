#include "windows/fenetre_splash.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <tuple>

#include "application_qt.h"
#include "table/frm_splash.h"

namespace {

using FenetreSplashTest = TestQt;

// The start screen on screen, counting the main windows it would open.
struct Accueil {
  FrmSplash modele;
  int ouvertures = 0;
  int16_t langue = 0;
  std::unique_ptr<FenetreSplash> fenetre;
  Accueil() {
    modele.Form_Load();
    fenetre = std::make_unique<FenetreSplash>(modele);
    modele.surDechargement = [this] {
      ++ouvertures;
      langue = modele.Langue;
      fenetre->hide();
    };
    fenetre->show();
  }
};

TEST_F(FenetreSplashTest, ShowsTheTextsInTheirFacesThePicturesAndNoTitleBarButton) {
  const Accueil a;
  // The faces found on this machine, not only the ones asked for.
  const auto famille = [&](const char* nom) {
    return QFontInfo(Trouver(*a.fenetre, nom)->font()).family().toStdString();
  };
  for (const char* nom : {"lblWarning", "lblVersion", "lblCompanyProduct"}) EXPECT_EQ(famille(nom), "Liberation Sans");
  for (const char* nom : {"CommandStartEnglish", "CommandStartFrench"}) EXPECT_EQ(famille(nom), "Liberation Serif");
  EXPECT_EQ(Trouver<QLabel>(*a.fenetre, "Image2Image")->pixmap().size(), QSize(95, 129));  // shown at its own size
  EXPECT_FALSE(Trouver<QLabel>(*a.fenetre, "Picture2Image")->pixmap().isNull());
  VerifierDecor(*a.fenetre, false);
  EXPECT_EQ(a.fenetre->size(), QSize(480, 264));
}

// A language button, then a close by the window system or by the program as it ends: the game
// opens once in the language chosen, French when no button was pressed, and never by the program.
TEST_F(FenetreSplashTest, ALanguageButtonOrTheWindowSystemsCloseOpensTheGameOnce) {
  // The button (empty: none), a close by the window system, the openings and their language.
  const std::tuple<const char*, bool, int, int16_t> cas[] = {
      {"CommandStartEnglish", true, 1, 2}, {"CommandStartFrench", true, 1, 1}, {"", true, 1, 1}, {"", false, 0, 0}};
  for (const auto& [bouton, parLeSysteme, ouvertures, langue] : cas) {
    SCOPED_TRACE(testing::Message() << bouton << " " << parLeSysteme);
    Accueil a;
    if (*bouton != '\0') QTest::mouseClick(Trouver(*a.fenetre, bouton), Qt::LeftButton);
    if (parLeSysteme)
      DemanderFermeture(*a.fenetre);
    else
      a.fenetre->close();
    EXPECT_EQ(a.ouvertures, ouvertures);
    EXPECT_EQ(a.langue, langue);
    EXPECT_FALSE(a.fenetre->isVisible());
  }
}

}  // namespace
