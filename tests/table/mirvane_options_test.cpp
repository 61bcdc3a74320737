// The options as the table's controller loads and applies them; their rules are checked on
// their own in options_test, their captions in the walked deal.
#include <gtest/gtest.h>

#include <string>

#include "platform/factice.h"
#include "platform/reglages_factices.h"
#include "table/mirvane.h"

namespace {

TEST(ControleurOptions, TheLoadReadsTheStoreAfterTheTextsAndTheMenusReachTheOptions) {
  for (int16_t langue : {1, 2}) {
    SCOPED_TRACE(langue);
    PlateformeFactice plateforme;
    ReglagesFactices store;
    Mirvane m{plateforme, Aleatoire(7), &store};
    m.g.Langue = langue;
    // The display keys missing: every panel the options show is hidden.
    for (auto [cle, valeur] : {std::pair{"deja", "1"}, {"niveau", "2"}, {"vitesseJeuCarte", "1"},
                               {"attenteEntrePli", "3"}, {"score1", "-35"}, {"score2", "35"}})
      store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)] = valeur;
    m.Form_Load();
    const Mirvane::Ids& id = m.Id();
    EXPECT_EQ(m.TimerEntreCarte().Intervalle(), 1000);
    EXPECT_EQ(m.TimerTransition().Intervalle(), 5000);
    for (MinuterieFactice* timer : plateforme.minuteries) EXPECT_FALSE(timer->Active());
    EXPECT_EQ(m.g.PourcentJeuReflechi, 90);
    EXPECT_EQ(m.C(id.PanelNiveau).legende, langue == 1 ? "Amateur" : "Medium");
    EXPECT_EQ(m.g.ScoreTotal[1], -35);
    EXPECT_EQ(m.g.Classement[2], 1);  // ranks come from the loaded scores
    for (int p : {id.EvMaMain, id.nPointsAttaque, id.nBoutsPreneur, id.nContrat, id.nPointsDefense, id.nBoutsDefense,
                  id.PanelAtExt, id.PanelGauche, id.PanelDroite})
      EXPECT_FALSE(m.C(p).visible) << m.C(p).nom;
    EXPECT_EQ(m.titre, "Mirvane " + m.NumeroVersion + (langue == 1 ? " pour Windows 95" : " for Windows"));
    store.ecritures.clear();
    m.ChoisirMenu(m.ChercherMenu("clickobli"));
    EXPECT_EQ(m.g.AttenteAuto, 0);
    EXPECT_EQ(store.valeurs[ReglagesFactices::Cle("mirvane", "option", "attenteEntrePli")], "0");
    // The language items stay out of reach: the menu is unavailable.
    m.ChoisirMenu(langue == 1 ? id.menuenglish : id.menufrench);
    EXPECT_EQ(m.g.Langue, langue);

    // Reached all the same, an item recaptions the table and writes nothing; the level's
    // name waits for the next option change. The about box's title.
    const int16_t autre = langue == 1 ? 2 : 1;
    store.ecritures.clear();
    autre == 2 ? m.menuenglish_Click() : m.menufrench_Click();
    EXPECT_EQ(m.g.Langue, autre);
    EXPECT_EQ(m.C(id.PanelQuit).legende, autre == 1 ? "Quitter" : "Quit");
    EXPECT_EQ(m.Menu(id.menuenglish).coche, autre == 2);
    EXPECT_EQ(m.Menu(id.menufrench).coche, autre == 1);
    EXPECT_EQ(m.C(id.PanelNiveau).legende, langue == 1 ? "Amateur" : "Medium");
    EXPECT_TRUE(store.ecritures.empty());
    m.ChoisirMenu(id.apropos);
    ASSERT_EQ(plateforme.messages.size(), 1u);
    EXPECT_EQ(plateforme.messages[0].titre, "Mirvane " + m.NumeroVersion + (autre == 1 ? " pour Windows" : " for Windows"));
    EXPECT_EQ(plateforme.messages[0].boutons, BoutonsMessage::Ok);
  }
}

}  // namespace
