// The texts shown again when the language is applied during a deal, on the main window's
// controls; the captions of every state are read in the controller's walked deal.
#include "table/textes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/factice.h"
#include "table/menus.h"
#include "table/mirvane.h"

namespace {

TEST(Textes, TheDealUnderWayIsShownAgainInTheLanguageNothingBeforeTheFirstDealNorInAnother) {
  PlateformeFactice plateforme;
  Mirvane m(plateforme);
  Partie& g = m.g;
  const Mirvane::Ids& id = m.Id();
  // The dealer, the contract, the taker, the advice, the four bids.
  const auto Lues = [&] {
    std::vector<std::string> l;
    for (int c : {id.PanelDonneur, id.nEnchere, id.PanelPreneur, id.EvMaMain}) l.push_back(m.C(c).legende);
    for (int16_t siege = 1; siege <= 4; ++siege) l.push_back(m.C(id.PanelDecision[siege]).legende);
    return l;
  };
  g.Langue = 2;
  AppliquerLangue(m, g, "1.0");
  EXPECT_EQ(Lues(), std::vector<std::string>(8, ""));
  EXPECT_EQ(m.titre, "Mirvane 1.0 for Windows");

  g.NumeroDonne = 1;
  g.Donneur = 3;
  g.Preneur = 2;
  const int16_t encheres[] = {EncherePrise, EnchereGarde, EncherePrise, EncherePasse};  // seat 1: the advice
  for (int16_t s = 1; s <= 4; ++s) g.EnchereJoueur[s] = encheres[s - 1];
  using Legendes = std::vector<std::string>;
  for (const auto& [langue, attendu] :
       {std::pair{1, Legendes{"NORD", "GARDE", "EST", "Conseil : Prise", "PRISE ", "GARDE", "PRISE ", "Passe"}},
        {2, Legendes{"NORTH", "GUARD", "EAST", "Advice : Take", "TAKE ", "GUARD", "TAKE ", "Pass"}}}) {
    g.Langue = static_cast<int16_t>(langue);
    AppliquerLangue(m, g, "1.0");
    EXPECT_EQ(Lues(), attendu);
  }
  // An advice out of 0..4 shows nothing after the colon.
  g.EnchereJoueur[1] = EnchereAucune;
  AppliquerLangue(m, g, "1.0");
  EXPECT_EQ(m.C(id.EvMaMain).legende, "Advice : ");
  // A panel without an explanation leaves the last one in the information line.
  m.Envoyer(id.nContrat, Evenement::Survol);
  m.Envoyer(id.ButtonPrise, Evenement::Survol);
  EXPECT_EQ(m.C(id.info).legende, "This panel indicates the number of points (contract) the Taker has to make");

  // Any other language leaves every text as it is.
  m.C(id.info).legende = "?";
  for (int16_t langue : {0, 3, -1}) {
    SCOPED_TRACE(langue);
    g.Langue = langue;
    const std::vector<Controle> avant = m.Controles();
    const std::vector<ElementMenu> menus = m.Menus();
    AppliquerLangue(m, g, "1.0");
    LegenderMenus(m, langue);
    AssocierSurvols(m, g);
    m.Envoyer(id.nContrat, Evenement::Survol);
    EXPECT_EQ(m.Controles(), avant);
    EXPECT_EQ(m.Menus(), menus);
    EXPECT_EQ(m.titre, "Mirvane 1.0 for Windows");
    EXPECT_FALSE(NomSiege(langue, 1));
    EXPECT_FALSE(NomNiveau(langue, 4));
    EXPECT_FALSE(TexteEchecSauvegarde(langue, "x"));
  }
}

}  // namespace
