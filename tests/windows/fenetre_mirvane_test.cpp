#include "windows/fenetre_mirvane.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <functional>
#include <string>

#include "application_qt.h"
#include "platform/factice.h"
#include "platform/twips.h"
#include "table/form_poignee.h"
#include "table/mirvane.h"
#include "windows/fenetre_annexe.h"

namespace {

// The real main window over the controller, on hand-fired timers. Every step of the user is
// a mouse click on a widget or a menu command; a tick is followed by the redraw the Qt timers
// would trigger.
class FenetreMirvaneTest : public TestQt {
 protected:
  FenetreMirvaneTest() : m(plateforme, Aleatoire(11)) {
    m.Form_Load();
    fenetre = std::make_unique<FenetreMirvane>(m);
    fenetre->show();
  }

  QWidget* Widget(int id) { return fenetre->Table().Widget(id); }
  // A click where a person would click: on the control's widget, found by its name.
  void Cliquer(QWidget* racine, const QString& nom) {
    QWidget* w = racine->findChild<QWidget*>(nom);
    ASSERT_NE(w, nullptr) << nom.toStdString();
    ASSERT_TRUE(w->isVisible()) << nom.toStdString();
    ASSERT_TRUE(w->isEnabled()) << nom.toStdString();
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
  // The menu bar's items walked depth first: the model's order.
  std::vector<QAction*> Actions() {
    std::vector<QAction*> actions;
    const std::function<void(const QList<QAction*>&)> parcourir = [&](const QList<QAction*>& liste) {
      for (QAction* a : liste) {
        actions.push_back(a);
        if (a->menu()) parcourir(a->menu()->actions());
      }
    };
    parcourir(fenetre->menuBar()->actions());
    return actions;
  }
  // What on screen differs from the model, empty when all agree: the menu items' captions, keys,
  // check marks, availability and visibility, and the controls' cursors, which show the pointer of
  // the control, else of the panel it lies in, else of the window.
  std::string EcartVue() {
    const std::vector<QAction*> actions = Actions();
    std::string ecarts = actions.size() == m.Menus().size() ? "" : "the number of items";
    for (size_t i = 0; i < actions.size() && ecarts.empty(); ++i) {
      const ElementMenu& e = m.Menus()[i];
      const QAction& a = *actions[i];
      if (a.text().toStdString() != e.legende || a.shortcut() != QKeySequence(QString::fromStdString(e.touche)) ||
          a.isChecked() != e.coche || a.isEnabled() != e.disponible || a.isVisible() != e.visible)
        ecarts += e.nom + " ";
    }
    for (int id = 0; id < static_cast<int>(m.Controles().size()); ++id) {
      int source = id;
      while (source >= 0 && m[source].pointeur == PointeurDefaut) source = m[source].parent;
      const int16_t pointeur = source >= 0 ? m[source].pointeur : m.pointeur;
      if (Widget(id)->cursor().shape() != Curseur(pointeur)) ecarts += Widget(id)->objectName().toStdString() + " ";
    }
    return ecarts;
  }
  // A window of its own on screen, above the main window, as VerifierDecor says.
  void VerifierAnnexe(const QWidget& w, bool reglable) {
    EXPECT_TRUE(w.isVisible()) << w.windowTitle().toStdString();
    VerifierDecor(w, reglable);
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(w.windowHandle()->transientParent(), fenetre->windowHandle()) << w.windowTitle().toStdString();
  }

  PlateformeFactice plateforme;
  Mirvane m;
  std::unique_ptr<FenetreMirvane> fenetre;
};

TEST_F(FenetreMirvaneTest, EightHundredBySixHundredAndEveryMenuCommandTwiceOverLeavesTheMenusAndPointersAsTheModelHas) {
  // Menu bar and table: the window system's frame comes around it.
  EXPECT_EQ(fenetre->size(), QSize(800, 600));
  EXPECT_GE(fenetre->Table().height(), TwipsEnPixels(m.hauteur));

  EXPECT_EQ(EcartVue(), "") << "at load";
  const std::vector<QAction*> actions = Actions();
  const int32_t donnes = m.DonnesPreparees;
  // The second time the item is the one already chosen.
  for (size_t id = 0; id < actions.size(); ++id)
    for (int fois = 1; fois <= 2 && !actions[id]->menu(); ++fois) {
      actions[id]->trigger();
      EXPECT_EQ(EcartVue(), "") << m.Menus()[id].nom << " chosen " << fois << " times";
    }
  EXPECT_EQ(m.DonnesPreparees, donnes + 2);  // "Nouvelle partie"
  // The captions in the other language, by the handler the greyed menu would call.
  m.menuenglish_Click();
  fenetre->SynchroniserTout();
  EXPECT_EQ(EcartVue(), "");
}

// A whole deal with the mouse, the menus and pointers checked against the model after every event;
// then the windows of the result panel and the last trick, each closed by the window system, and
// all of them closed by the program's end.
TEST_F(FenetreMirvaneTest, APersonPlaysAWholeDealWithTheMouseAndClosesEveryWindow) {
  m.g.ForceMain = 4;  // the user holds a Garde
  const Mirvane::Ids& id = m.Id();
  Cliquer(id.PanelLancement);
  bool poigneeVue = false, ecartFait = false;
  int cartesJouees = 0;
  for (int pas = 0; pas < 2000 && !Montre(id.PanelResultat); ++pas) {
    ASSERT_EQ(EcartVue(), "") << "step " << pas;
    // Every card of the user's row, raised or not, lies wholly inside the table area.
    for (int16_t k = 1; k <= 24; ++k)
      ASSERT_TRUE(!Montre(id.Carte3d[k]) || fenetre->Table().rect().contains(Widget(id.Carte3d[k])->geometry())) << k;
    Partie& g = m.g;
    if (FormPoignee* f = m.Poignee()) {
      // Its own window, the main one disabled meanwhile; OK and cancel are the only ways out
      // for the user, but the program's end closes it.
      FenetreModele* w = fenetre->Auxiliaire(f);
      ASSERT_NE(w, nullptr);
      VerifierAnnexe(*w, false);
      EXPECT_FALSE(fenetre->isEnabled()) << "the main window under the handful window";
      DemanderFermeture(*w);
      EXPECT_TRUE(w->isVisible()) << "the handful window asked to close";
      FenetrePoignee autre(*f);
      autre.show();
      EXPECT_TRUE(autre.close()) << "the handful window closed by the program";
      // A minimise by the window manager, which takes the main window along: both come back
      // (a minimised window still counts as visible in Qt: its state tells).
      fenetre->setWindowState(Qt::WindowMinimized);
      w->setWindowState(Qt::WindowMinimized);
      QCoreApplication::processEvents();
      for (QWidget* v : std::initializer_list<QWidget*>{fenetre.get(), w})
        EXPECT_FALSE(v->isMinimized()) << v->windowTitle().toStdString();
      Cliquer(w, QStringLiteral("PanelBoutonParesseux"));
      Cliquer(w, QStringLiteral("PanelOKPoignee"));
      EXPECT_EQ(m.Poignee(), nullptr) << "after OK";
      EXPECT_TRUE(fenetre->isEnabled()) << "the main window after OK";
      poigneeVue = true;
      continue;
    }
    if (TirerUneMinuterie()) continue;
    if (Montre(id.PanelEnchere)) {
      Cliquer(Widget(id.ButtonGarde)->isEnabled() ? id.ButtonGarde : id.ButtonPasse);
    } else if (g.EcartHumainEnCours == 1 && g.AttenteClic != 1) {
      ecartFait = true;
      // Six chosen: confirmed; else the next card that may be laid aside and is not yet chosen.
      if (m.NbCartesEcart == 6) Cliquer(id.PanelConfirmeEcart);
      for (int16_t k = 1; k <= 24 && m.NbCartesEcart < 6; ++k) {
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

  // The three windows of the result panel: fixed, above the main window, and a close request of
  // the window system is taken as their OK.
  const std::pair<int, std::function<ModeleFenetre*()>> resultats[] = {
      {id.PanelScoreDetaille, [&] { return m.ScoreDetaille(); }},
      {id.PanelVoirMains, [&] { return m.Mains(); }},
      {id.PanelVoirPlis, [&] { return m.TousPlis(); }},
  };
  for (const auto& [bouton, modele] : resultats) {
    Cliquer(bouton);
    FenetreModele* w = fenetre->Auxiliaire(modele());
    ASSERT_NE(w, nullptr) << bouton;
    VerifierAnnexe(*w, false);
    w->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->isMinimized()) << bouton << ": minimised, unlike the handful window";
    DemanderFermeture(*w);
    EXPECT_FALSE(w->isVisible()) << bouton;
    const ModeleFenetre* apres = modele();  // the score sheet is unloaded, the others hidden
    EXPECT_FALSE(apres != nullptr && apres->visible) << bouton << ": its model still shown";
    EXPECT_EQ(EcartVue(), "") << bouton;
  }

  // The last trick: sizable; F12 centres it wherever and however large the user left it, open or
  // not; its close box unloads it, and the next opening is at its own size.
  QAction* f12 = Actions().at(static_cast<size_t>(id.MenuLastPli));
  const auto horsCentre = [](const QWidget& w) {
    return (w.frameGeometry().center() - w.screen()->geometry().center()).manhattanLength();
  };
  for (int fois = 1; fois <= 2; ++fois) {
    f12->trigger();
    FenetreModele* last = fenetre->Auxiliaire(m.LastPli());
    ASSERT_NE(last, nullptr);
    VerifierAnnexe(*last, true);
    EXPECT_EQ(last->size(), QSize(318, 356));
    // Centred before it is shown, when the frame is not known yet.
    EXPECT_LE(horsCentre(*last), 4) << "opened";
    last->setGeometry(last->geometry().adjusted(137, 123, 250, 200));
    f12->trigger();
    EXPECT_LE(horsCentre(*last), 4) << "F12 with the window open";
    EXPECT_TRUE(DemanderFermeture(*last));
    EXPECT_FALSE(m.LastPli()->visible);
    EXPECT_EQ(EcartVue(), "");
  }

  // However each window takes the window system's requests, the program's end closes them all.
  for (const auto& [bouton, modele] : resultats) Cliquer(bouton);
  f12->trigger();
  QApplication::closeAllWindows();
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
}

}  // namespace
