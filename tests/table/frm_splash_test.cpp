#include "table/frm_splash.h"

#include <gtest/gtest.h>

#include "table/centrer_feuille.h"

namespace {

struct Ouverture {
  int fois = 0;
  int16_t langue = 0;
  std::string titre;
};

// The start screen loaded, its unload recording the main window it would open.
struct Accueil {
  FrmSplash f;
  Ouverture ouverte;
  Accueil() {
    f.Form_Load();
    f.surDechargement = [this] {
      ++ouverte.fois;
      ouverte.langue = f.Langue;
      ouverte.titre = f.TitreLogiciel;
    };
  }
};

TEST(FrmSplash, LoadShowsTheProductLineAndTheVersionInFrench) {
  Accueil a;
  const FrmSplash& f = a.f;
  EXPECT_EQ(f.Langue, 1);
  EXPECT_EQ(f.TitreLogiciel, "Mirvane pour Windows 95");
  EXPECT_EQ(f.NumeroVersion, MIRVANE_VERSION);
  EXPECT_FALSE(f.NumeroVersion.empty());
  EXPECT_EQ(f.ModeDebug, 0);
  EXPECT_EQ(f[f.lblVersion].legende, "Version " + f.NumeroVersion);
  EXPECT_EQ(f[f.lblCompanyProduct].legende, "Mirvane pour Windows 95");
  EXPECT_NE(f[f.lblWarning].legende.find("droit d'auteur"), std::string::npos);
  EXPECT_EQ(f[f.CommandStartEnglish].legende, "ENGLISH VERSION");
  EXPECT_EQ(f[f.CommandStartFrench].legende, "VERSION FRANCAISE");
  EXPECT_EQ(f.Chercher("Picture2"), f.Picture2);
  EXPECT_EQ(f[f.Picture2].parent, f.Frame1);
  // The picture beside the texts is 95 x 129 pixels.
  EXPECT_EQ(f[f.Image2].largeur, 95 * 15);
  EXPECT_EQ(f[f.Image2].hauteur, 129 * 15);
}

TEST(FrmSplash, EachButtonOpensTheGameInItsLanguageAndClosingOpensItInFrench) {
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
    Accueil a;
    if (*c.bouton != '\0') {
      a.f.Envoyer(a.f.Chercher(c.bouton), Evenement::Clic);
    } else {
      a.f.Form_Unload();
    }
    EXPECT_EQ(a.ouverte.fois, 1) << c.bouton;
    EXPECT_EQ(a.ouverte.langue, c.langue) << c.bouton;
    EXPECT_EQ(a.ouverte.titre, c.titre) << c.bouton;
    EXPECT_TRUE(a.f.Decharge());
    // The window system's close that follows a button opens nothing more.
    a.f.Form_Unload();
    EXPECT_EQ(a.ouverte.fois, 1) << c.bouton;
  }
}

TEST(FrmSplash, ButtonsLookPressedWhileTheMouseIsDown) {
  Accueil a;
  const int b = a.f.CommandStartEnglish;
  a.f.Envoyer(b, Evenement::Bas);
  EXPECT_EQ(a.f[b].biseau, BiseauCreux);
  a.f.Envoyer(b, Evenement::Haut);
  EXPECT_EQ(a.f[b].biseau, BiseauRelief);
}

TEST(DefinirTitreFenetre, OtherLanguagesLeaveTheTitle) {
  std::string titre = "x";
  DefinirTitreFenetre(3, titre);
  EXPECT_EQ(titre, "x");
  DefinirTitreFenetre(2, titre);
  EXPECT_EQ(titre, "Mirvane for Windows 95");
}

TEST(CentrerFeuille, CentresOnTheScreenHalvesKeptAndLargerWindowsGoNegative) {
  const struct {
    float largeur, hauteur, ecranL, ecranH, gauche, haut;
  } cas[] = {
      {6000, 4000, 12000, 9000, 3000, 2500},    // 800 x 600 pixels at 15 twips a pixel
      {6015, 4005, 12000, 9000, 2992.5f, 2497.5f},
      {15360, 11520, 12000, 9000, -1680, -1260},  // a window larger than the screen
      {12000, 9000, 12000, 9000, 0, 0},
  };
  for (const auto& c : cas) {
    Feuille f{111, 222, c.largeur, c.hauteur};
    CentrerFeuille(f, c.ecranL, c.ecranH);
    EXPECT_FLOAT_EQ(f.gauche, c.gauche);
    EXPECT_FLOAT_EQ(f.haut, c.haut);
    EXPECT_FLOAT_EQ(f.largeur, c.largeur);
    EXPECT_FLOAT_EQ(f.hauteur, c.hauteur);
  }
}

}  // namespace
