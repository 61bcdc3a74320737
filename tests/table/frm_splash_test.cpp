#include "table/frm_splash.h"

#include <gtest/gtest.h>

#include "table/centrer_feuille.h"

namespace {

// The start screen loaded in French; each way out opens the game once, in its language.
TEST(FrmSplash, LoadsInFrenchAndEachWayOutOpensTheGameOnceInItsLanguage) {
  const struct {
    const char* bouton;  // empty: closed by the window system
    int16_t langue;
    const char* titre;
  } cas[] = {
      {"CommandStartEnglish", 2, "Mirvane for Windows 95"},
      {"CommandStartFrench", 1, "Mirvane pour Windows 95"},
      {"", 1, "Mirvane pour Windows 95"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.bouton);
    FrmSplash f;
    f.Form_Load();
    EXPECT_EQ(f.Langue, 1);
    EXPECT_EQ(f.TitreLogiciel, "Mirvane pour Windows 95");
    EXPECT_EQ(f.NumeroVersion, MIRVANE_VERSION);
    EXPECT_EQ(f.ModeDebug, 0);
    EXPECT_EQ(f[f.lblVersion].legende, "Version " + f.NumeroVersion);
    EXPECT_EQ(f[f.lblCompanyProduct].legende, "Mirvane pour Windows 95");
    EXPECT_NE(f[f.lblWarning].legende.find("droit d'auteur"), std::string::npos);
    EXPECT_EQ(f[f.CommandStartEnglish].legende, "ENGLISH VERSION");
    EXPECT_EQ(f[f.CommandStartFrench].legende, "VERSION FRANCAISE");
    EXPECT_EQ(f[f.Picture2].parent, f.Frame1);
    EXPECT_EQ((std::array{f[f.Image2].largeur, f[f.Image2].hauteur}), (std::array<float, 2>{95 * 15, 129 * 15}));
    int ouvertures = 0;
    f.surDechargement = [&] {
      ++ouvertures;
      EXPECT_EQ(f.Langue, c.langue);
      EXPECT_EQ(f.TitreLogiciel, c.titre);
    };
    if (*c.bouton != '\0') {
      const int b = f.Chercher(c.bouton);
      f.Envoyer(b, Evenement::Bas);
      EXPECT_EQ(f[b].biseau, BiseauCreux);
      f.Envoyer(b, Evenement::Haut);
      EXPECT_EQ(f[b].biseau, BiseauRelief);
      f.Envoyer(b, Evenement::Clic);
    }
    f.Form_Unload();  // the window system's close, after a button or alone
    EXPECT_EQ(ouvertures, 1);
    EXPECT_TRUE(f.Decharge());
  }
  std::string titre = "x";
  DefinirTitreFenetre(3, titre);
  EXPECT_EQ(titre, "x");
}

TEST(CentrerFeuille, CentresOnTheScreenHalvesKeptAndLargerWindowsGoNegative) {
  const struct {
    float largeur, hauteur, gauche, haut;
  } cas[] = {{6000, 4000, 3000, 2500}, {6015, 4005, 2992.5f, 2497.5f}, {15360, 11520, -1680, -1260}};
  for (const auto& c : cas) {
    Feuille f{111, 222, c.largeur, c.hauteur};
    CentrerFeuille(f, 12000, 9000);  // 800 x 600 pixels
    EXPECT_EQ((std::array{f.gauche, f.haut, f.largeur, f.hauteur}), (std::array{c.gauche, c.haut, c.largeur, c.hauteur}));
  }
}

}  // namespace
