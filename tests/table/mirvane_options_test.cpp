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
  // Plays the deal's first steps through the handlers until the tricks have begun.
  void JusquAuxPlis() {
    Choisir("nouveau");
    for (int pas = 0; pas < 1000 && m.g.NumeroPli == 0; ++pas) {
      bool tire = false;
      for (MinuterieFactice* t : plateforme.minuteries) tire = tire || t->Tirer();
      if (tire) continue;
      if (m.C(m.Id().PanelEnchere).visible) m.Envoyer(m.Id().EvMaMain, Evenement::Clic);
      else m.Form_Click();
    }
    ASSERT_GE(m.g.NumeroPli, 1);
  }

  PlateformeFactice plateforme;
  ReglagesFactices store;
  Mirvane m{plateforme, Aleatoire(7), &store};
};

TEST(ControleurOptions, AFirstLoadWritesTheDefaultsAndPlaysAtThem) {
  Controleur t;
  t.m.Form_Load();
  EXPECT_EQ(t.Stocke("deja"), "1");
  EXPECT_EQ(t.store.ecritures.size(), 15u);
  EXPECT_EQ(t.m.TimerEntreCarte().Intervalle(), 200);
  EXPECT_EQ(t.m.TimerTransition().Intervalle(), 2000);
  EXPECT_EQ(t.m.g.Niveau, NiveauPro);
  EXPECT_TRUE(t.Coche("MenuPro"));
  EXPECT_TRUE(t.Coche("normale"));
  EXPECT_TRUE(t.Coche("auto2s"));
  EXPECT_TRUE(t.Coche("jeunormal"));
  EXPECT_TRUE(t.Coche("menufrench"));
  EXPECT_FALSE(t.Coche("menuenglish"));
  EXPECT_EQ(t.m.C(t.m.Id().PanelNiveau).legende, "Pro");
  EXPECT_EQ(t.m.titre, "Mirvane " + t.m.NumeroVersion + " pour Windows 95");
  EXPECT_TRUE(t.plateforme.messages.empty());
  for (MinuterieFactice* timer : t.plateforme.minuteries) EXPECT_FALSE(timer->Active());
}

TEST(ControleurOptions, SavedSpeedPauseLevelAndScoresAreInForceFromTheLoadInEitherLanguage) {
  for (int16_t langue : {1, 2}) {
    SCOPED_TRACE(langue);
    Controleur t(langue);
    t.store.valeurs = {};
    for (auto [cle, valeur] : {std::pair{"deja", "1"}, {"niveau", "2"}, {"vitesseJeuCarte", "1"},
                               {"attenteEntrePli", "3"}, {"score1", "-35"}, {"score2", "35"}, {"visPanneaux", "true"}})
      t.store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)] = valeur;
    t.m.Form_Load();
    EXPECT_EQ(t.m.TimerEntreCarte().Intervalle(), 1000);
    EXPECT_EQ(t.m.TimerTransition().Intervalle(), 5000);
    EXPECT_EQ(t.m.g.PourcentJeuReflechi, 90);
    EXPECT_EQ(t.m.C(t.m.Id().PanelNiveau).legende, langue == 1 ? "Amateur" : "Medium");
    EXPECT_EQ(t.m.g.ScoreTotal[1], -35);
    EXPECT_EQ(t.m.g.Classement[2], 1);  // ranks come from the loaded scores
    EXPECT_FALSE(t.m.C(t.m.Id().EvMaMain).visible);
    EXPECT_FALSE(t.m.C(t.m.Id().nContrat).visible);
    EXPECT_TRUE(t.m.C(t.m.Id().PanelGauche).visible);
    EXPECT_EQ(t.Coche("menuenglish"), langue == 2);
    EXPECT_EQ(t.m.C(t.m.Id().ButtonPrise).legende, langue == 1 ? "Prise" : "Take");
    EXPECT_EQ(t.m.C(t.m.Id().PanelScoreDetaille).legende, "SCORES");
    EXPECT_EQ(t.m.Menus()[static_cast<size_t>(t.m.ChercherMenu("MenuBon"))].legende, langue == 1 ? "Bon" : "Advanced");
  }
}

TEST(ControleurOptions, TheLevelMenuIsRefusedOnceTheTricksHaveBegun) {
  Controleur t;
  t.m.Form_Load();
  t.Choisir("MenuBon");  // before any deal
  EXPECT_EQ(t.m.g.Niveau, NiveauBon);
  t.JusquAuxPlis();
  const size_t ecritures = t.store.ecritures.size();
  t.Choisir("MenuDebutant");
  EXPECT_EQ(t.m.g.Niveau, NiveauBon);
  EXPECT_TRUE(t.Coche("MenuBon"));
  EXPECT_EQ(t.m.C(t.m.Id().PanelNiveau).legende, "Bon");
  EXPECT_EQ(t.store.ecritures.size(), ecritures);
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].texte, "Vous ne pouvez changer de niveau qu'en fin de partie");
}

TEST(ControleurOptions, DisplayMenusShowAndHideTheTablesPanelsAndRewriteTheStore) {
  Controleur t;
  t.m.Form_Load();
  const Mirvane::Ids& id = t.m.Id();
  t.store.ecritures.clear();
  t.Choisir("voircours");
  for (int p : {id.nPointsAttaque, id.nBoutsPreneur, id.nContrat, id.nPointsDefense, id.nBoutsDefense})
    EXPECT_FALSE(t.m.C(p).visible) << t.m.C(p).nom;
  t.Choisir("vispanel");
  EXPECT_FALSE(t.m.C(id.PanelGauche).visible);
  EXPECT_FALSE(t.m.C(id.PanelDroite).visible);
  t.Choisir("voiratext");
  EXPECT_FALSE(t.m.C(id.PanelAtExt).visible);
  t.Choisir("clickobli");
  EXPECT_EQ(t.m.g.AttenteAuto, 0);
  EXPECT_EQ(t.store.ecritures.size(), 4 * 14u);
  EXPECT_EQ(t.Stocke("attenteEntrePli"), "0");
  // The language items stay out of reach: the menu is unavailable.
  t.Choisir("menuenglish");
  EXPECT_EQ(t.m.g.Langue, 1);
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

TEST(ControleurOptions, AStoreThatCannotBeWrittenIsReportedOnceWithItsPath) {
  Controleur t(2);
  t.store.enPanne = true;
  t.m.Form_Load();
  t.Choisir("voirench");
  t.Choisir("auto1s");
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].titre, "Mirvane for Windows 95");
  EXPECT_NE(t.plateforme.messages[0].texte.find(t.store.Chemin("mirvane")), std::string::npos);
  EXPECT_EQ(t.m.TimerTransition().Intervalle(), 1000);
}

TEST(ControleurOptions, TheMouseOverPanelsAndTheAboutBox) {
  Controleur t;
  t.m.Form_Load();
  const Mirvane::Ids& id = t.m.Id();
  const std::string& info = t.m.C(id.info).legende;
  t.m.Envoyer(id.nContrat, Evenement::Survol);
  EXPECT_EQ(info, "Ce panneau indique le nombre de points (contrat) que le Preneur doit faire");
  t.m.Envoyer(id.PanelGauche, Evenement::Survol);
  EXPECT_EQ(info, "");
  t.m.C(id.CarteTable[2]).visible = true;
  t.m.Envoyer(id.CarteTable[2], Evenement::Survol);
  EXPECT_EQ(info, "Sachez que vous êtes toujours situé en SUD.");

  t.Choisir("apropos");
  ASSERT_EQ(t.plateforme.messages.size(), 1u);
  EXPECT_EQ(t.plateforme.messages[0].titre, "Mirvane " + t.m.NumeroVersion + " pour Windows");
  EXPECT_EQ(t.plateforme.messages[0].boutons, BoutonsMessage::Ok);
}

}  // namespace
