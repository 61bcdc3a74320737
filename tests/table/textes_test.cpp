// The texts shown again when the language is applied during a deal; the captions of every
// state are read in the controller's walked deal.
#include "table/textes.h"

#include <gtest/gtest.h>

#include <string>
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
  const std::string& Legende(std::string_view nom, int16_t index = -1) const { return f[f.Chercher(nom, index)].legende; }
  ModeleFenetre f;
  Partie g;
};

TEST(Textes, TheDealUnderWayIsShownAgainInTheLanguageAndNothingBeforeTheFirstDeal) {
  Fenetre w;
  w.g.Langue = 2;
  AppliquerLangue(w.f, w.g, "1.0");
  for (const char* nom : {"PanelDonneur", "nEnchere", "PanelPreneur", "EvMaMain"}) EXPECT_EQ(w.Legende(nom), "?") << nom;
  for (int16_t siege = 1; siege <= 4; ++siege) EXPECT_EQ(w.Legende("PanelDecision", siege), "?");
  EXPECT_EQ(w.f.titre, "Mirvane 1.0 for Windows");

  Partie& g = w.g;
  g.NumeroDonne = 1;
  g.Donneur = 3;
  g.Preneur = 2;
  const int16_t encheres[] = {EncherePrise, EnchereGarde, EncherePrise, EncherePasse};  // seat 1: the advice
  for (int16_t s = 1; s <= 4; ++s) g.EnchereJoueur[s] = encheres[s - 1];
  struct Cas {
    int16_t langue;
    const char *donneur, *contrat, *preneur, *conseil;
    std::vector<std::string> decisions;
  };
  const Cas cas[] = {
      {1, "NORD", "GARDE", "EST", "Conseil : Prise", {"PRISE ", "GARDE", "PRISE ", "Passe"}},
      {2, "NORTH", "GUARD", "EAST", "Advice : Take", {"TAKE ", "GUARD", "TAKE ", "Pass"}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.langue);
    g.Langue = c.langue;
    AppliquerLangue(w.f, g, "1.0");
    EXPECT_EQ(w.Legende("PanelDonneur"), c.donneur);
    EXPECT_EQ(w.Legende("nEnchere"), c.contrat);
    EXPECT_EQ(w.Legende("PanelPreneur"), c.preneur);
    EXPECT_EQ(w.Legende("EvMaMain"), c.conseil);
    for (int16_t siege = 1; siege <= 4; ++siege)
      EXPECT_EQ(w.Legende("PanelDecision", siege), c.decisions[static_cast<size_t>(siege - 1)]);
  }
  // An advice out of 0..4 shows nothing after the colon.
  g.EnchereJoueur[1] = EnchereAucune;
  AppliquerLangue(w.f, g, "1.0");
  EXPECT_EQ(w.Legende("EvMaMain"), "Advice : ");
}

TEST(Textes, AnyOtherLanguageChangesNothing) {
  for (int16_t langue : {0, 3, -1}) {
    SCOPED_TRACE(langue);
    Fenetre w;
    w.g.NumeroDonne = 1;
    w.g.Preneur = 1;
    w.g.EnchereJoueur[1] = EnchereGarde;
    w.g.Langue = 2;  // English first: the other language must leave every text as it is
    AppliquerLangue(w.f, w.g, "1.0");
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
    EXPECT_FALSE(TitreLogiciel(langue) || NomSiege(langue, 1) || NomNiveau(langue, 4) || TexteEchecSauvegarde(langue, "x"));
  }
}

// A panel without an explanation leaves the last one in the information line.
TEST(Textes, APanelWithoutAnExplanationLeavesTheLastOne) {
  Fenetre w;
  AssocierSurvols(w.f, w.g);
  w.f.Envoyer(w.f.Chercher("nContrat"), Evenement::Survol);
  w.f.Envoyer(w.f.Chercher("ButtonPrise"), Evenement::Survol);
  EXPECT_EQ(w.Legende("info"), "Ce panneau indique le nombre de points (contrat) que le Preneur doit faire");
}

}  // namespace
