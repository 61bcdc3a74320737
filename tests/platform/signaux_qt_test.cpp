#include "platform/signaux_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>
#include <vector>

#include "windows/application_qt.h"

namespace {

using SignauxQtTest = TestQt;

// The whole way out, the screen put back, is run by the X server test; here, what it cannot see.
TEST_F(SignauxQtTest, TheActionRunsInTheEventLoopNotInTheSignalHandlerAndTheEarlierHandlersComeBack) {
  for (const int signal : SignauxQt::Signaux) {
    std::vector<int> recus;
    {
      SignauxQt signaux([&](int s) { recus.push_back(s); });
      ASSERT_EQ(std::raise(signal), 0);
      EXPECT_TRUE(recus.empty());
      QCoreApplication::processEvents();
      EXPECT_EQ(recus, std::vector<int>{signal});
    }
    EXPECT_EQ(std::signal(signal, SIG_DFL), SIG_DFL);
  }
}

}  // namespace
