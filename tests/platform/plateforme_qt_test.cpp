// The event loop of the Qt platform: timers held back during a box, signals taken in the loop.
#include "platform/plateforme_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "platform/signaux_qt.h"
#include "windows/application_qt.h"

namespace {

// The box is not shown: while it would be open, the test plays the timers' expiries.
struct PlateformeEssai : PlateformeQt {
  std::function<void()> pendantBoite;
  std::vector<std::string> titres;
  ReponseMessage MontrerBoite(const QString&, const QString& titre, BoutonsMessage) override {
    titres.push_back(titre.toStdString());
    if (const auto pendant = pendantBoite) pendant();  // a copy: it may give itself another
    return ReponseMessage::Ok;
  }
};

using BoucleQt = TestQt;

TEST_F(BoucleQt, TicksDuringABoxWaitUntilTheHandlerThatOpenedItAndTheOuterBoxHaveReturned) {
  PlateformeEssai plateforme;
  std::vector<std::string> journal;
  std::vector<std::unique_ptr<Minuterie>> minuteries;
  plateforme.ApresEvenement([&] { journal.push_back("apres"); });
  for (const char* nom : {"A", "B"}) {
    minuteries.push_back(plateforme.CreerMinuterie());
    minuteries.back()->SurTic([&journal, nom] { journal.push_back(nom); });
  }
  const auto echeance = [&](size_t i) { static_cast<MinuterieQt&>(*minuteries[i]).Echeance(); };
  const auto verifier = [&](const std::vector<std::string>& attendu) {
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(std::exchange(journal, {}), attendu);
  };

  echeance(0);  // off: nothing
  for (auto& m : minuteries) m->DefinirActive(true);
  echeance(0);  // outside a box: the handler, then the windows redrawn
  plateforme.pendantBoite = [&] {
    journal.push_back("boite");
    // One held tick per timer.
    echeance(1);
    echeance(0);
    echeance(1);
  };
  // The windows show the model before the question.
  plateforme.Message("Rejouer ?", "", BoutonsMessage::OuiNon);
  journal.push_back("fin du gestionnaire");
  verifier({"A", "apres", "apres", "boite", "fin du gestionnaire", "B", "apres", "A", "apres"});
  EXPECT_EQ(plateforme.titres, std::vector<std::string>{"Mirvane"});

  // A box inside a box: held until the outer one closes.
  plateforme.pendantBoite = [&] {
    plateforme.pendantBoite = [&] { echeance(0); };
    plateforme.Message("dedans", "", BoutonsMessage::Ok);
    QCoreApplication::sendPostedEvents();
    journal.push_back("boite exterieure");
  };
  plateforme.Message("dehors", "", BoutonsMessage::Ok);
  verifier({"apres", "apres", "boite exterieure", "A", "apres"});

  // A timer turned off while the box was open says nothing afterwards, nor one destroyed.
  plateforme.pendantBoite = [&] {
    echeance(0);
    echeance(1);
    minuteries[0]->DefinirActive(false);
    minuteries[1].reset();
  };
  plateforme.Message("Texte", "Titre", BoutonsMessage::Ok);
  verifier({"apres"});
  EXPECT_EQ(plateforme.titres.back(), "Titre");
}

// The whole way out, the screen put back, is run by the X server test; here, what it cannot see.
TEST_F(BoucleQt, TheSignalsActionRunsInTheEventLoopASecondSignalUnreadEndsAtOnceAndTheEarlierHandlersComeBack) {
  for (const int signal : SignauxQt::Signaux) {
    std::vector<int> recus;
    {
      SignauxQt signaux([&](int s) { recus.push_back(s); });
      ASSERT_EQ(std::raise(signal), 0);
      EXPECT_TRUE(recus.empty());
      QCoreApplication::processEvents();
      ASSERT_EQ(std::raise(signal), 0);  // once read, the next one goes through the loop too
      QCoreApplication::processEvents();
      EXPECT_EQ(recus, (std::vector<int>{signal, signal}));
    }
    EXPECT_EQ(std::signal(signal, SIG_DFL), SIG_DFL);
  }
  // A loop that is stuck never reads the first one.
  EXPECT_EXIT(
      {
        SignauxQt signaux([](int) {});
        std::raise(SIGTERM);
        std::raise(SIGTERM);
      },
      testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
