#include "windows/fenetre_mirvane.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <functional>
#include <string>

#include "application_qt.h"
#include "platform/factice.h"
#include "platform/panneau3d.h"
#include "platform/twips.h"
#include "table/mirvane.h"
#include "windows/fenetre_modele.h"

namespace {

// The real main window over the controller, on hand-fired timers. Every step of the user is
// a mouse click on a widget; a tick is followed by the redraw the Qt timers would trigger.
class FenetreMirvaneTest : public TestQt {
 protected:
  FenetreMirvaneTest() : m(plateforme, Aleatoire(11)) { m.Form_Load(); }
  void SetUp() override {
    fenetre = std::make_unique<FenetreMirvane>(m);
    fenetre->show();
  }

  QWidget* Widget(int id) { return fenetre->Table().Widget(id); }
  // A click where a person would click: on the control's widget, found by its name.
  void Cliquer(QWidget* racine, const QString& nom) {
    QWidget* w = racine->findChild<QWidget*>(nom);
    ASSERT_NE(w, nullptr) << nom.toStdString();
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << nom.toStdString();
    QTest::mouseClick(w, Qt::LeftButton);
  }
  void Cliquer(int id) { Cliquer(fenetre.get(), Widget(id)->objectName()); }
  // A click on the felt, away from every control.
  void CliquerTapis() { QTest::mouseClick(&fenetre->Table(), Qt::LeftButton, {}, QPoint(400, 395)); }
  bool Montre(int id) { return Widget(id)->isVisible(); }
  bool TirerUneMinuterie() {
    for (MinuterieFactice* t : plateforme.minuteries)
      if (t->Tirer()) {
        fenetre->SynchroniserTout();
        return true;
      }
    return false;
  }
  // Every card of the user's row, raised or not, lies wholly inside the table area.
  void VerifierMainVisible() {
    const QRect aire = fenetre->Table().rect();
    for (int16_t k = 1; k <= 24; ++k) {
      const QWidget* w = Widget(m.Id().Carte3d[k]);
      if (w->isVisible()) {
        ASSERT_TRUE(aire.contains(w->geometry())) << k;
      }
    }
  }

  PlateformeFactice plateforme;
  Mirvane m;
  std::unique_ptr<FenetreMirvane> fenetre;
};

TEST_F(FenetreMirvaneTest, TheWindowIsEightHundredBySixHundredAndHoldsTheHandAtEachOfItsHeights) {
  // Menu bar and table: the window system's frame comes around it.
  EXPECT_EQ(fenetre->size(), QSize(800, 600));
  const int bas = fenetre->Table().height();
  EXPECT_GE(bas, TwipsEnPixels(m.hauteur));
  // The nine tops of a hand card, and a card raised by a quarter of its height.
  for (int j = 0; j <= 8; ++j) EXPECT_LE(TwipsEnPixels(m.HautMain + 40 - 8 * j + 2280.0f), bas) << j;
  EXPECT_GE(TwipsEnPixels(m.HautMain - 24 - m.DecalageCarte), 0);
  EXPECT_EQ(fenetre->windowTitle(), QString::fromStdString(m.titre));
}

TEST_F(FenetreMirvaneTest, TheMenuBarFollowsTheModelsMenus) {
  std::vector<QAction*> actions;
  std::function<void(const QList<QAction*>&)> parcourir = [&](const QList<QAction*>& liste) {
    for (QAction* a : liste) {
      actions.push_back(a);
      if (a->menu()) parcourir(a->menu()->actions());
    }
  };
  parcourir(fenetre->menuBar()->actions());
  auto trouver = [&](const ElementMenu& e) -> QAction* {
    for (QAction* a : actions)
      if (!e.separateur && a->text() == QString::fromStdString(e.legende)) return a;
    return nullptr;
  };
  int vus = 0;
  for (const ElementMenu& e : m.Menus()) {
    if (e.separateur || e.legende.empty()) continue;
    QAction* a = trouver(e);
    ASSERT_NE(a, nullptr) << e.legende;
    EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromStdString(e.touche))) << e.legende;
    EXPECT_EQ(a->isChecked(), e.coche) << e.legende;
    EXPECT_EQ(a->isEnabled(), e.disponible) << e.legende;
    ++vus;
  }
  EXPECT_GT(vus, 5);

  // A menu command reaches the controller: a new deal.
  const int nouveau = m.Id().nouveau;
  QAction* a = trouver(m.Menus()[static_cast<size_t>(nouveau)]);
  ASSERT_NE(a, nullptr);
  const int32_t avant = m.DonnesPreparees;
  a->trigger();
  EXPECT_EQ(m.DonnesPreparees, avant + 1);
  // Made unavailable by the model, the command is greyed out and does nothing.
  m.Menu(nouveau).disponible = false;
  fenetre->SynchroniserTout();
  EXPECT_FALSE(a->isEnabled());
  a->trigger();
  EXPECT_EQ(m.DonnesPreparees, avant + 1);
}

TEST_F(FenetreMirvaneTest, APersonPlaysAWholeDealWithTheMouse) {
  m.g.ForceMain = 4;  // the user holds a Garde
  const Mirvane::Ids& id = m.Id();
  Cliquer(id.PanelLancement);
  bool poigneeVue = false, ecartFait = false;
  int cartesJouees = 0;
  for (int pas = 0; pas < 2000 && !Montre(id.PanelResultat); ++pas) {
    VerifierMainVisible();
    Partie& g = m.g;
    if (FormPoignee* f = m.Poignee()) {
      // Its own window, the main one disabled meanwhile; no close button.
      FenetreModele* w = fenetre->Auxiliaire(f);
      ASSERT_NE(w, nullptr);
      EXPECT_TRUE(w->isVisible());
      EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
      EXPECT_FALSE(fenetre->isEnabled());
      EXPECT_EQ(w->windowTitle(), QString::fromStdString(f->titre));
      Cliquer(w, QStringLiteral("PanelBoutonParesseux"));
      Cliquer(w, QStringLiteral("PanelOKPoignee"));
      EXPECT_EQ(m.Poignee(), nullptr);
      EXPECT_TRUE(fenetre->isEnabled());
      poigneeVue = true;
      continue;
    }
    if (TirerUneMinuterie()) continue;
    if (Montre(id.PanelEnchere)) {
      Cliquer(Widget(id.ButtonGarde)->isEnabled() ? id.ButtonGarde : id.ButtonPasse);
    } else if (g.EcartHumainEnCours == 1 && g.AttenteClic != 1) {
      ecartFait = true;
      if (m.NbCartesEcart == 6) {
        Cliquer(id.PanelConfirmeEcart);
        continue;
      }
      // The next card that may be laid aside and is not yet chosen.
      for (int16_t k = 1; k <= 24; ++k) {
        const int16_t s = m.IndexCarteEcart[k];
        const bool choisie = s > 18 ? m.ChoixEcartChien[s - 18] == 1 : m.ChoixEcartMain[s] == 1;
        if (!choisie && Widget(id.Carte3d[k])->cursor().shape() == Qt::UpArrowCursor) {
          Cliquer(id.Carte3d[k]);
          break;
        }
      }
    } else if (Montre(id.PanelPoignee)) {
      Cliquer(Montre(id.PanelPoigneeSimple) ? id.PanelPoigneeSimple : id.PanelPoigneeAucune);
    } else if (g.AttenteJeuHumain == 1 && g.AttenteClic == 0 && g.JoueurCourant == g.JoueurHumain) {
      // A card the pointer offers.
      int16_t k = 1;
      while (k <= 18 && !(Montre(id.Carte3d[k]) && Widget(id.Carte3d[k])->cursor().shape() == Qt::UpArrowCursor)) ++k;
      ASSERT_LE(k, 18) << "no card offered";
      Cliquer(id.Carte3d[k]);
      ++cartesJouees;
    } else {
      CliquerTapis();
    }
  }
  ASSERT_TRUE(Montre(id.PanelResultat));
  EXPECT_EQ(cartesJouees, 18);
  EXPECT_TRUE(ecartFait);
  EXPECT_TRUE(poigneeVue);
  EXPECT_EQ(m.g.Preneur, m.g.JoueurHumain);
  EXPECT_EQ(m.g.DemiPointsPreneur + m.g.DemiPointsDefense, 182);
  // The result panel says it.
  const auto* texte = fenetre->findChild<Panneau3D*>(QStringLiteral("PanelTexteResultat"));
  ASSERT_NE(texte, nullptr);
  EXPECT_EQ(texte->Legende(), QString::fromStdString(m.C(id.PanelTexteResultat).legende));
  EXPECT_FALSE(texte->Legende().isEmpty());
}

}  // namespace
