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
    modele.surDechargement = [this] { ++ouvertures, langue = modele.Langue, fenetre->hide(); };
    fenetre->show();
  }
  template <class W = QWidget>
  W* Trouver(const char* nom) const {
    return fenetre->findChild<W*>(QString::fromUtf8(nom));
  }
};

TEST_F(FenetreSplashTest, ShowsTheTextsInTheirFacesThePicturesAndNoCloseButton) {
  const Accueil a;
  // The faces found on this machine, not only the ones asked for.
  const auto famille = [&](const char* nom) { return QFontInfo(a.Trouver(nom)->font()).family().toStdString(); };
  for (const char* nom : {"lblWarning", "lblVersion", "lblCompanyProduct"}) EXPECT_EQ(famille(nom), "Liberation Sans");
  for (const char* nom : {"CommandStartEnglish", "CommandStartFrench"}) EXPECT_EQ(famille(nom), "Liberation Serif");
  EXPECT_EQ(a.Trouver<QLabel>("Image2Image")->pixmap().size(), QSize(95, 129));  // shown at its own size
  EXPECT_FALSE(a.Trouver<QLabel>("Picture2Image")->pixmap().isNull());
  EXPECT_TRUE(Fixe(*a.fenetre) && a.fenetre->size() == QSize(480, 264));
}

TEST_F(FenetreSplashTest, ALanguageButtonOrTheWindowSystemsCloseOpensTheGameOnce) {
  const struct {
    const char* bouton;  // empty: closed by the window system
    int16_t langue;
  } cas[] = {{"CommandStartEnglish", 2}, {"CommandStartFrench", 1}, {"", 1}};
  for (const auto& c : cas) {
    Accueil a;
    if (*c.bouton != '\0') QTest::mouseClick(a.Trouver(c.bouton), Qt::LeftButton);
    a.fenetre->close();
    EXPECT_EQ(std::tuple(a.ouvertures, a.langue, a.fenetre->isVisible()), std::tuple(1, c.langue, false)) << c.bouton;
  }
}

}  // namespace
