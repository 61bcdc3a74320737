// The program's wiring, from the start screen to the end of the run, on the offscreen platform.
#include "windows/programme.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <string>
#include <vector>

#include "application_qt.h"
#include "platform/aide_qt.h"
#include "platform/factice_ecran.h"
#include "table/mirvane.h"
#include "windows/fenetre_mirvane.h"
#include "windows/fenetre_splash.h"

namespace {

using ProgrammeTest = TestQt;

TEST_F(ProgrammeTest, AFrenchRunAsksOuiNonKeepsItsHelpWhereMovedAndEndsWithTheHandfulWindowOpen) {
  ModeEcranFactice ecran({1024, 768});  // offers nothing to switch to
  Programme programme(ecran, nullptr);
  programme.Demarrer();
  QTest::mouseClick(Trouver(*programme.Accueil(), "CommandStartFrench"), Qt::LeftButton);
  ASSERT_NE(programme.Table(), nullptr);
  Mirvane& table = *programme.Table();
  FenetreMirvane& fenetre = *programme.Fenetre();

  // The buttons speak the game's language; No goes on with the game.
  std::vector<std::string> boutons;
  QTimer::singleShot(0, [&] {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(boite, nullptr);
    boutons.push_back(boite->button(QMessageBox::Yes)->text().toStdString());
    boutons.push_back(boite->button(QMessageBox::No)->text().toStdString());
    boite->button(QMessageBox::No)->click();
  });
  table.quitter_Click();
  EXPECT_EQ(boutons, (std::vector<std::string>{"Oui", "Non"}));

  // Opened centred on the screen; the next opening leaves it where the user put it.
  table.som_Click();
  QTextBrowser* aide = programme.Aide()->Fenetre();
  ASSERT_NE(aide, nullptr);
  const QPoint ecart = aide->frameGeometry().center() - aide->screen()->geometry().center();
  EXPECT_LE(ecart.manhattanLength(), 4) << ecart.x() << "," << ecart.y();
  const QPoint ailleurs = aide->pos() + QPoint(61, 37);
  aide->move(ailleurs);
  aide->close();
  table.som_Click();
  EXPECT_TRUE(aide->isVisible());
  EXPECT_EQ(aide->pos(), ailleurs);

  // The main window closed while the handful window, which refuses to close, is open.
  table.DeclarerPoignee(1);
  fenetre.SynchroniserTout();
  QWidget* poignee = fenetre.Auxiliaire(table.Poignee());
  ASSERT_NE(poignee, nullptr);
  // A run that does not end fails here instead of hanging the tests.
  QTimer::singleShot(20000, &fenetre, [] { QCoreApplication::exit(2); });
  QTimer::singleShot(0, &fenetre, [&] { fenetre.close(); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_FALSE(poignee->isVisible());
  EXPECT_FALSE(aide->isVisible());
}

}  // namespace
