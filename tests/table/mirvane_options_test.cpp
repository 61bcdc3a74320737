// The options, texts and menus as the table's controller uses them: through its load, its menu
// handlers and its mouse-over events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/factice.h"
#include "platform/reglages_factices.h"
#include "table/mirvane.h"

namespace {

struct Controleur {
  explicit Controleur(int16_t langue = 1) { m.g.Langue = langue; }
  bool Coche(std::string_view menu) const { return m.Menus()[static_cast<size_t>(m.ChercherMenu(menu))].coche; }
  void Choisir(std::string_view menu) { m.ChoisirMenu(m.ChercherMenu(menu)); }
  std::string Stocke(const std::string& cle) { return store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)]; }

  PlateformeFactice plateforme;
  ReglagesFactices store;
  Mirvane m{plateforme, Aleatoire(7), &store};
};

// The rules of the options, texts and menus are checked on their own (options_test,
// textes_test, menus_test); here, that the controller's load and handlers reach them.
TEST(ControleurOptions, TheLoadReadsTheStoreAfterTheTextsInEitherLanguageAndTheMenusReachTheOptions) {
  for (int16_t langue : {1, 2}) {
    SCOPED_TRACE(langue);
    Controleur t(langue);
    // The display keys missing: every panel the options show is hidden.
    for (auto [cle, valeur] : {std::pair{"deja", "1"}, {"niveau", "2"}, {"vitesseJeuCarte", "1"},
                               {"attenteEntrePli", "3"}, {"score1", "-35"}, {"score2", "35"}})
      t.store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)] = valeur;
    t.m.Form_Load();
    const Mirvane::Ids& id = t.m.Id();
    EXPECT_EQ(t.m.TimerEntreCarte().Intervalle(), 1000);
    EXPECT_EQ(t.m.TimerTransition().Intervalle(), 5000);
    for (MinuterieFactice* timer : t.plateforme.minuteries) EXPECT_FALSE(timer->Active());
    EXPECT_EQ(t.m.g.PourcentJeuReflechi, 90);
    EXPECT_EQ(t.m.C(id.PanelNiveau).legende, langue == 1 ? "Amateur" : "Medium");
    EXPECT_EQ(t.m.g.ScoreTotal[1], -35);
    EXPECT_EQ(t.m.g.Classement[2], 1);  // ranks come from the loaded scores
    for (int p : {id.EvMaMain, id.nPointsAttaque, id.nBoutsPreneur, id.nContrat, id.nPointsDefense, id.nBoutsDefense,
                  id.PanelAtExt, id.PanelGauche, id.PanelDroite})
      EXPECT_FALSE(t.m.C(p).visible) << t.m.C(p).nom;
    EXPECT_EQ(t.Coche("menuenglish"), langue == 2);
    EXPECT_EQ(t.Coche("menufrench"), langue == 1);
    EXPECT_EQ(t.m.C(id.ButtonPrise).legende, langue == 1 ? "Prise" : "Take");
    EXPECT_EQ(t.m.C(id.PanelScoreDetaille).legende, "SCORES");
    EXPECT_EQ(t.m.Menus()[static_cast<size_t>(t.m.ChercherMenu("MenuBon"))].legende, langue == 1 ? "Bon" : "Advanced");
    EXPECT_EQ(t.m.titre, "Mirvane " + t.m.NumeroVersion + (langue == 1 ? " pour Windows 95" : " for Windows"));
    t.store.ecritures.clear();
    t.Choisir("clickobli");
    EXPECT_EQ(t.m.g.AttenteAuto, 0);
    EXPECT_EQ(t.Stocke("attenteEntrePli"), "0");
    // The language items stay out of reach: the menu is unavailable.
    t.Choisir(langue == 1 ? "menuenglish" : "menufrench");
    EXPECT_EQ(t.m.g.Langue, langue);
  }
}

TEST(ControleurOptions, TheLanguageItemsRecaptionTheTableAndWriteNothing) {
  Controleur t;
  t.m.Form_Load();
  t.Choisir("MenuBon");
  t.store.ecritures.clear();
  t.m.menuenglish_Click();
  EXPECT_EQ(t.m.g.Langue, 2);
  EXPECT_EQ(t.m.C(t.m.Id().PanelQuit).legende, "Quit");
  EXPECT_TRUE(t.Coche("menuenglish"));
  EXPECT_FALSE(t.Coche("menufrench"));
  EXPECT_EQ(t.m.C(t.m.Id().PanelNiveau).legende, "Bon");  // until the next option change
  t.m.menufrench_Click();
  EXPECT_EQ(t.m.C(t.m.Id().PanelQuit).legende, "Quitter");
  EXPECT_TRUE(t.Coche("menufrench"));
  EXPECT_TRUE(t.store.ecritures.empty());
}

TEST(ControleurOptions, TheMouseOverPanelsAndTheAboutBox) {
  Controleur t;
  t.m.Form_Load();
  t.m.Envoyer(t.m.Id().nContrat, Evenement::Survol);
  EXPECT_EQ(t.m.C(t.m.Id().info).legende, "Ce panneau indique le nombre de points (contrat) que le Preneur doit faire");
  t.Choisir("apropos");
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].titre, "Mirvane " + t.m.NumeroVersion + " pour Windows");
  EXPECT_EQ(t.plateforme.messages[0].boutons, BoutonsMessage::Ok);
}

}  // namespace
