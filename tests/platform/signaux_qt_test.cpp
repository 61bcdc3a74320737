#include "platform/signaux_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>
#include <vector>

#include "platform/factice_ecran.h"
#include "table/cycle_vie.h"
#include "windows/application_qt.h"

namespace {

using SignauxQtTest = TestQt;

TEST_F(SignauxQtTest, EachSignalPutsTheDisplayBackThroughTheEventLoop) {
  for (const int signal : SignauxQt::Signaux) {
    ModeEcranFactice ecran({1024, 768}, {{800, 600}, {1024, 768}});
    ResolutionEcran resolution(ecran);
    resolution.AdapterResolutionEcran();
    std::vector<int> recus;
    {
      SignauxQt signaux([&](int s) {
        recus.push_back(s);
        resolution.RestaurerResolutionEcran();
      });
      ASSERT_EQ(std::raise(signal), 0);
      // The handler only wrote into the pipe: nothing has run yet.
      EXPECT_TRUE(recus.empty());
      EXPECT_EQ(ecran.Taille(), (TailleEcran{800, 600}));
      QCoreApplication::processEvents();
      EXPECT_EQ(recus, std::vector<int>{signal});
      EXPECT_EQ(ecran.Taille(), (TailleEcran{1024, 768}));
    }
    // Gone with its object: the handler from before is back.
    const auto ancien = std::signal(signal, SIG_IGN);
    EXPECT_EQ(ancien, SIG_DFL);
    std::signal(signal, SIG_DFL);
  }
}

}  // namespace
