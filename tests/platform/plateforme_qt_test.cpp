#include "platform/plateforme_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <string>
#include <vector>

#include "windows/application_qt.h"

namespace {

// The box is not shown: while it would be open, the test plays the timers' expiries.
class PlateformeEssai : public PlateformeQt {
 public:
  std::function<void()> pendantBoite;
  std::vector<std::string> titres;

 protected:
  ReponseMessage MontrerBoite(const QString&, const QString& titre, BoutonsMessage) override {
    titres.push_back(titre.toStdString());
    if (pendantBoite) pendantBoite();
    return ReponseMessage::Ok;
  }
};

class PlateformeQtTest : public TestQt {
 protected:
  void SetUp() override {
    plateforme.ApresEvenement([this] { journal.push_back("apres"); });
    for (const char* nom : {"A", "B"}) {
      minuteries.push_back(plateforme.CreerMinuterie());
      minuteries.back()->DefinirIntervalle(200);
      minuteries.back()->SurTic([this, nom] { journal.push_back(nom); });
    }
  }
  MinuterieQt& Mq(int i) { return static_cast<MinuterieQt&>(*minuteries[static_cast<size_t>(i)]); }
  void Livrer() { QCoreApplication::sendPostedEvents(); }

  PlateformeEssai plateforme;
  std::vector<std::unique_ptr<Minuterie>> minuteries;
  std::vector<std::string> journal;
};

TEST_F(PlateformeQtTest, TicksDuringABoxWaitUntilTheHandlerThatOpenedItHasReturned) {
  Mq(0).Echeance();  // off: nothing
  minuteries[0]->DefinirActive(true);
  minuteries[1]->DefinirActive(true);
  Mq(0).Echeance();  // outside a box: the handler, then the windows redrawn
  plateforme.pendantBoite = [this] {
    journal.push_back("boite");
    Mq(1).Echeance();
    Mq(0).Echeance();
    Mq(1).Echeance();  // one held tick per timer
  };
  // The windows show the model before the question.
  plateforme.Message("Rejouer ?", "", BoutonsMessage::OuiNon);
  journal.push_back("fin du gestionnaire");
  Livrer();
  EXPECT_EQ(journal, (std::vector<std::string>{"A", "apres", "apres", "boite", "fin du gestionnaire", "B", "apres", "A",
                                               "apres"}));
  EXPECT_EQ(plateforme.titres, (std::vector<std::string>{"Mirvane"}));

  // A timer turned off while the box was open says nothing afterwards, nor one destroyed.
  journal.clear();
  plateforme.pendantBoite = [this] {
    Mq(0).Echeance();
    Mq(1).Echeance();
    minuteries[0]->DefinirActive(false);
    minuteries[1].reset();
  };
  plateforme.Message("Texte", "Titre", BoutonsMessage::Ok);
  Livrer();
  EXPECT_EQ(journal, (std::vector<std::string>{"apres"}));
  EXPECT_EQ(plateforme.titres.back(), "Titre");
}

TEST_F(PlateformeQtTest, ABoxInsideABoxHoldsTheTicksUntilTheOuterOneCloses) {
  minuteries[0]->DefinirActive(true);
  plateforme.pendantBoite = [this] {
    plateforme.pendantBoite = [this] { Mq(0).Echeance(); };
    plateforme.Message("dedans", "", BoutonsMessage::Ok);
    Livrer();
    journal.push_back("boite exterieure");
  };
  plateforme.Message("dehors", "", BoutonsMessage::Ok);
  Livrer();
  EXPECT_EQ(journal, (std::vector<std::string>{"apres", "apres", "boite exterieure", "A", "apres"}));
}

}  // namespace
