#include "table/cycle_vie.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/factice_ecran.h"

namespace {

const std::vector<TailleEcran> ModesCourants = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}};

TEST(ResolutionEcran, SwitchesTo800x600UnlessTheWidthIs800OrTheHeight600AndAlwaysPutsTheSizeBack) {
  const struct {
    TailleEcran depart;
    bool bascule;
  } cas[] = {
      {{1024, 768}, true},  {{1920, 1080}, true}, {{640, 480}, true},  {{800, 600}, false},
      {{800, 480}, false},  {{1024, 600}, false}, {{800, 1280}, false}, {{1366, 600}, false},
  };
  for (const auto& c : cas) {
    ModeEcranFactice ecran(c.depart, ModesCourants);
    ResolutionEcran resolution(ecran);
    resolution.AdapterResolutionEcran();
    EXPECT_EQ(resolution.LargeurEcranInitiale, c.depart.largeur);
    EXPECT_EQ(resolution.HauteurEcranInitiale, c.depart.hauteur);
    const std::vector<TailleEcran> auChargement =
        c.bascule ? std::vector<TailleEcran>{{800, 600}} : std::vector<TailleEcran>{};
    EXPECT_EQ(ecran.demandes, auChargement) << c.depart.largeur << "x" << c.depart.hauteur;

    resolution.RestaurerResolutionEcran();
    std::vector<TailleEcran> aLaFin = auChargement;
    aLaFin.push_back(c.depart);  // set again even when nothing was switched
    EXPECT_EQ(ecran.demandes, aLaFin) << c.depart.largeur << "x" << c.depart.hauteur;
    EXPECT_EQ(ecran.Taille(), c.depart);
  }
}

TEST(ResolutionEcran, ARefusedSwitchLeavesTheDisplayAndTheGameGoesOn) {
  // A display with no 800 x 600 mode, or one that cannot switch at all.
  for (const std::vector<TailleEcran>& modes :
       {std::vector<TailleEcran>{{1024, 768}, {1920, 1080}}, std::vector<TailleEcran>{}}) {
    ModeEcranFactice ecran({1920, 1080}, modes);
    ResolutionEcran resolution(ecran);
    resolution.AdapterResolutionEcran();
    EXPECT_EQ(ecran.Taille(), (TailleEcran{1920, 1080}));
    resolution.RestaurerResolutionEcran();
    EXPECT_EQ(ecran.demandes, (std::vector<TailleEcran>{{800, 600}, {1920, 1080}}));
    EXPECT_EQ(ecran.Taille(), (TailleEcran{1920, 1080}));
  }
}

TEST(ResolutionEcran, PutsTheSizeBackOnceWhetherTheQuitOrASignalComesFirst) {
  ModeEcranFactice ecran({1280, 1024}, ModesCourants);
  ResolutionEcran resolution(ecran);
  resolution.RestaurerResolutionEcran();  // a signal during the start screen: nothing switched yet
  EXPECT_TRUE(ecran.demandes.empty());
  resolution.AdapterResolutionEcran();
  EXPECT_EQ(ecran.Taille(), (TailleEcran{800, 600}));
  resolution.RestaurerResolutionEcran();  // the signal
  resolution.RestaurerResolutionEcran();  // then the window's unload as the program ends
  EXPECT_EQ(ecran.demandes, (std::vector<TailleEcran>{{800, 600}, {1280, 1024}}));
  EXPECT_EQ(ecran.Taille(), (TailleEcran{1280, 1024}));
}

TEST(FichierAide, TheFileOfTheLanguageInTheProgramsFolder) {
  EXPECT_EQ(FichierAide("/opt/mirvane", 1), "/opt/mirvane/mirvanefr.html");
  EXPECT_EQ(FichierAide("/opt/mirvane", 2), "/opt/mirvane/mirvaneus.html");
  EXPECT_EQ(FichierAide("/opt/mirvane", 3), "");
  EXPECT_EQ(FichierAide("/opt/mirvane", 0), "");
}

}  // namespace
