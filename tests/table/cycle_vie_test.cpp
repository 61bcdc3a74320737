#include "table/cycle_vie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/factice_ecran.h"

namespace {

const std::vector<TailleEcran> ModesCourants = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}};

// Switched to 800 x 600 unless 800 wide or 600 high; the size put back once at the end, whether
// switched, refused (no such mode, or no switch at all) or not, and whoever ends first.
TEST(ResolutionEcran, SwitchesTo800x600UnlessTheWidthIs800OrTheHeight600AndPutsTheSizeBackOnce) {
  const struct {
    TailleEcran depart;
    std::vector<TailleEcran> modes;
    bool demande;
  } cas[] = {
      {{1024, 768}, ModesCourants, true},  {{1920, 1080}, ModesCourants, true}, {{640, 480}, ModesCourants, true},
      {{800, 600}, ModesCourants, false},  {{800, 480}, ModesCourants, false},  {{1024, 600}, ModesCourants, false},
      {{800, 1280}, ModesCourants, false}, {{1366, 600}, ModesCourants, false}, {{1920, 1080}, {{1024, 768}}, true},
      {{1920, 1080}, {}, true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.depart.largeur << "x" << c.depart.hauteur << " " << c.modes.size());
    ModeEcranFactice ecran(c.depart, c.modes);
    ResolutionEcran resolution(ecran);
    resolution.RestaurerResolutionEcran();  // a signal during the start screen: nothing to put back
    EXPECT_TRUE(ecran.demandes.empty());
    resolution.AdapterResolutionEcran();
    EXPECT_EQ(resolution.LargeurEcranInitiale, c.depart.largeur);
    EXPECT_EQ(resolution.HauteurEcranInitiale, c.depart.hauteur);
    std::vector<TailleEcran> demandes;
    if (c.demande) demandes.push_back({800, 600});
    EXPECT_EQ(ecran.demandes, demandes);
    const bool bascule = c.demande && std::count(c.modes.begin(), c.modes.end(), TailleEcran{800, 600}) > 0;
    EXPECT_EQ(ecran.Taille(), bascule ? (TailleEcran{800, 600}) : c.depart);
    resolution.RestaurerResolutionEcran();  // a signal
    resolution.RestaurerResolutionEcran();  // then the unload as the program ends
    demandes.push_back(c.depart);
    EXPECT_EQ(ecran.demandes, demandes);
    EXPECT_EQ(ecran.Taille(), c.depart);
  }
}

TEST(FichierAide, TheFileOfTheLanguageInTheProgramsFolder) {
  EXPECT_EQ(FichierAide("/opt/mirvane", 1), "/opt/mirvane/mirvanefr.html");
  EXPECT_EQ(FichierAide("/opt/mirvane", 2), "/opt/mirvane/mirvaneus.html");
  EXPECT_EQ(FichierAide("/opt/mirvane", 3), "");
  EXPECT_EQ(FichierAide("/opt/mirvane", 0), "");
}

}  // namespace
