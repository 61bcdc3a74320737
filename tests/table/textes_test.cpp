// The texts shown again when the language is applied during a deal; the captions of every
// state are read in the controller's walked deal.
#include "table/textes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/partie.h"
#include "table/menus.h"
#include "table/modele.h"

namespace {

// The main window's controls whose captions follow the deal under way, with design captions.
struct Fenetre {
  Fenetre() {
    CreerMenus(f);
    for (const char* nom : {"info", "PanelDonneur", "nEnchere", "PanelPreneur", "EvMaMain", "nContrat", "ButtonPrise"})
      Ajouter(nom, -1);
    for (int16_t i = 1; i <= 4; ++i) Ajouter("PanelDecision", i);
  }
  void Ajouter(const char* nom, int16_t index) {
    Controle c;
    c.nom = nom;
    c.index = index;
    c.legende = "?";
    f.Ajouter(c);
  }
  const std::string& Legende(std::string_view nom, int16_t index = -1) const {
    return f[f.Chercher(nom, index)].legende;
  }
  ModeleFenetre f;
  Partie g;
};

TEST(Textes, TheDealUnderWayIsShownAgainInTheLanguageNothingBeforeTheFirstDealNorInAnother) {
  Fenetre w;
  Partie& g = w.g;
  // The dealer, the contract, the taker, the advice, the four bids.
  const auto Lues = [&w] {
    std::vector<std::string> l = {w.Legende("PanelDonneur"), w.Legende("nEnchere"), w.Legende("PanelPreneur"),
                                  w.Legende("EvMaMain")};
    for (int16_t siege = 1; siege <= 4; ++siege) l.push_back(w.Legende("PanelDecision", siege));
    return l;
  };
  g.Langue = 2;
  AppliquerLangue(w.f, g, "1.0");
  EXPECT_EQ(Lues(), std::vector<std::string>(8, "?"));
  EXPECT_EQ(w.f.titre, "Mirvane 1.0 for Windows");

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
    AppliquerLangue(w.f, g, "1.0");
    EXPECT_EQ(Lues(), attendu);
  }
  // An advice out of 0..4 shows nothing after the colon.
  g.EnchereJoueur[1] = EnchereAucune;
  AppliquerLangue(w.f, g, "1.0");
  EXPECT_EQ(w.Legende("EvMaMain"), "Advice : ");
  // A panel without an explanation leaves the last one in the information line.
  AssocierSurvols(w.f, w.g);
  w.f.Envoyer(w.f.Chercher("nContrat"), Evenement::Survol);
  w.f.Envoyer(w.f.Chercher("ButtonPrise"), Evenement::Survol);
  EXPECT_EQ(w.Legende("info"), "This panel indicates the number of points (contract) the Taker has to make");

  // Any other language leaves every text as it is.
  w.f[w.f.Chercher("info")].legende = "?";
  for (int16_t langue : {0, 3, -1}) {
    SCOPED_TRACE(langue);
    w.g.Langue = langue;
    const std::vector<Controle> avant = w.f.Controles();
    const std::vector<ElementMenu> menus = w.f.Menus();
    AppliquerLangue(w.f, w.g, "1.0");
    LegenderMenus(w.f, langue);
    AssocierSurvols(w.f, w.g);
    w.f.Envoyer(w.f.Chercher("nContrat"), Evenement::Survol);
    EXPECT_EQ(w.f.Controles(), avant);
    EXPECT_EQ(w.f.Menus(), menus);
    EXPECT_EQ(w.f.titre, "Mirvane 1.0 for Windows");
    EXPECT_FALSE(TitreLogiciel(langue));
    EXPECT_FALSE(NomSiege(langue, 1));
    EXPECT_FALSE(NomNiveau(langue, 4));
    EXPECT_FALSE(TexteEchecSauvegarde(langue, "x"));
  }
}

}  // namespace
