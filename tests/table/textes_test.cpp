#include "table/textes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/partie.h"
#include "table/menus.h"
#include "table/modele.h"

namespace {

struct Fixe {
  const char *controle, *francais, *anglais;
};
// Fixed captions of the main window, as the user reads them.
const Fixe Fixes[] = {
    {"info", "", ""},
    {"PanelLancement", "Cliquez ici pour commencer à jouer !", "Click here to start playing !"},
    {"PanelVoirPlis", "VOIR LES 18 PLIS", "SEE THE 18 TRICKS"},
    {"PanelPoigneeSimple", "SIMPLE", "SINGLE"},
    {"PanelPoigneeDouble", "DOUBLE", "DOUBLE"},
    {"PanelPoigneeTriple", "TRIPLE", "TRIPLE"},
    {"PanelPoigneeAucune", "aucune", "no one"},
    {"PanelQuit", "Quitter", "Quit"},
    {"PanelNewPartie", "Nouvelle donne", "New deal"},
    {"PanelAide", "Aide", "Help"},
    {"ButtonPasse", "Passe", "Pass"},
    {"ButtonPrise", "Prise", "Take"},
    {"ButtonGarde", "Garde", "Guard"},
    {"ButtonGardeSans", "Garde sans", "Guard without"},
    {"ButtonGardeContre", "Garde contre", "Guard against"},
    {"PanelPanelNewPartie", "NOUVELLE DONNE", "New deal"},
    {"PanelRejouerDonne", "REJOUER LA DONNE", "Play this deal again"},
    {"PanelVoirMains", "VOIR LES MAINS", "See each hand"},
    {"PanelScoreDetaille", "SCORES", "SCORES"},
    {"PanelConfirmeEcart", "Accepter cet écart !", "Confirm discard !"},
};

// The main window's controls that carry texts, with their design captions.
struct Fenetre {
  Fenetre() {
    CreerMenus(f);
    for (const Fixe& x : Fixes) Ajouter(x.controle, -1, "?");
    f[f.Chercher("PanelScoreDetaille")].legende = "SCORES";
    for (const char* nom : {"PanelDonneur", "nEnchere", "PanelPreneur", "EvMaMain", "nBoutsDefense", "nBoutsPreneur",
                            "nContrat", "nPointsAttaque", "nPointsDefense", "PanelAtExt", "PanelEnchere",
                            "PanelGauche", "PanelDroite", "PanelNiveau"})
      Ajouter(nom, -1, "?");
    for (int16_t i = 1; i <= 4; ++i) {
      Ajouter("PanelDecision", i, "?");
      Ajouter("CarteTable", i, "");
    }
  }
  void Ajouter(const char* nom, int16_t index, const char* legende) {
    Controle c;
    c.nom = nom;
    c.index = index;
    c.legende = legende;
    f.Ajouter(c);
  }
  const std::string& Legende(std::string_view nom, int16_t index = -1) const { return f[f.Chercher(nom, index)].legende; }
  void Survoler(std::string_view nom, int16_t index = -1) { f.Envoyer(f.Chercher(nom, index), Evenement::Survol); }

  ModeleFenetre f;
};

TEST(Textes, EveryFixedCaptionInBothLanguagesAndScoresReadsTheSameInEach) {
  Fenetre w;
  Partie g;
  for (int16_t langue : {1, 2, 1, 2}) {
    g.Langue = langue;
    AppliquerLangue(w.f, g, "1.0");
    for (const Fixe& x : Fixes)
      EXPECT_EQ(w.Legende(x.controle), langue == 1 ? x.francais : x.anglais) << x.controle << " " << langue;
  }
}

TEST(Textes, BeforeAnyDealTheDealsPanelsAndTheAdviceAreLeftAsTheyAre) {
  Fenetre w;
  Partie g;
  g.Langue = 2;
  AppliquerLangue(w.f, g, "1.0");
  for (const char* nom : {"PanelDonneur", "nEnchere", "PanelPreneur", "EvMaMain"}) EXPECT_EQ(w.Legende(nom), "?") << nom;
  for (int16_t siege = 1; siege <= 4; ++siege) EXPECT_EQ(w.Legende("PanelDecision", siege), "?");
  EXPECT_EQ(w.f.titre, "Mirvane 1.0 for Windows");
  EXPECT_EQ(w.f.Menus()[static_cast<size_t>(w.f.ChercherMenu("MenuDebutant"))].legende, "Beginner");
}

TEST(Textes, TheDealUnderWayIsShownAgainInTheLanguageAComputersTakeWithItsTrailingBlank) {
  Fenetre w;
  Partie g;
  g.NumeroDonne = 1;
  g.Donneur = 3;
  g.Preneur = 2;
  g.EnchereJoueur[1] = EncherePrise;  // the advice held for the user
  g.EnchereJoueur[2] = EnchereGarde;
  g.EnchereJoueur[3] = EncherePrise;
  g.EnchereJoueur[4] = EncherePasse;
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
  EXPECT_EQ(w.Legende("ButtonPrise"), "Take");
  // The user's own bid and the contract carry no blank; an advice out of 0..4 shows nothing after the colon.
  EXPECT_EQ(MotEnchere(2, EncherePrise, FormeEnchere::Humain), "TAKE");
  EXPECT_EQ(MotEnchere(1, EncherePrise, FormeEnchere::Humain), "PRISE");
  EXPECT_EQ(TexteConseil(1, EnchereAucune), "Conseil : ");
}

TEST(Textes, AnyOtherLanguageChangesNothing) {
  for (int16_t langue : {0, 3, -1}) {
    SCOPED_TRACE(langue);
    Fenetre w;
    Partie g;
    g.NumeroDonne = 1;
    g.Preneur = 1;
    g.EnchereJoueur[1] = EnchereGarde;
    g.Langue = langue;
    const std::vector<Controle> avant = w.f.Controles();
    const std::vector<ElementMenu> menus = w.f.Menus();
    AppliquerLangue(w.f, g, "1.0");
    AssocierSurvols(w.f, g);
    w.Survoler("nContrat");
    EXPECT_EQ(w.f.Controles(), avant);
    EXPECT_EQ(w.f.Menus(), menus);
    EXPECT_EQ(w.f.titre, "");
    EXPECT_FALSE(TitreLogiciel(langue));
    EXPECT_FALSE(NomSiege(langue, 1));
    EXPECT_FALSE(NomNiveau(langue, 4));
    EXPECT_FALSE(TexteEchecSauvegarde(langue, "x"));
  }
}

TEST(Textes, TitlesOfTheProgramTheWindowAndTheAboutBox) {
  EXPECT_EQ(TitreLogiciel(1), "Mirvane pour Windows 95");
  EXPECT_EQ(TitreLogiciel(2), "Mirvane for Windows 95");
  EXPECT_EQ(TitreFenetre(1, "1.0"), "Mirvane 1.0 pour Windows 95");
  EXPECT_EQ(TitreFenetre(2, "1.0"), "Mirvane 1.0 for Windows");
  EXPECT_EQ(TitreAPropos(1, "1.0"), "Mirvane 1.0 pour Windows");
  EXPECT_EQ(TitreAPropos(2, "1.0"), "Mirvane 1.0 for Windows");
  for (int16_t langue : {1, 2}) {
    const std::string notice = TexteAPropos(langue, "1.0").value_or("");
    EXPECT_NE(notice.find("Mirvane"), std::string::npos) << notice;
    EXPECT_NE(notice.find("1.0"), std::string::npos) << notice;
  }
}

TEST(Textes, TheMouseOverAPanelWritesItsExplanationInTheLanguageOfTheMoment) {
  Fenetre w;
  Partie g;
  AssocierSurvols(w.f, g);
  w.Survoler("nContrat");
  EXPECT_EQ(w.Legende("info"), "Ce panneau indique le nombre de points (contrat) que le Preneur doit faire");
  w.Survoler("PanelGauche");
  EXPECT_EQ(w.Legende("info"), "");
  w.Survoler("CarteTable", 3);
  EXPECT_EQ(w.Legende("info"), "Sachez que vous êtes toujours situé en SUD.");
  g.Langue = 2;
  w.Survoler("CarteTable", 1);
  EXPECT_EQ(w.Legende("info"), "Your hand is South");
  w.Survoler("nBoutsDefense");
  EXPECT_EQ(w.Legende("info"), "This panel indicates the number of oudlers played by the Defense");
  w.Survoler("PanelEnchere");
  EXPECT_EQ(w.Legende("info"), "So what about your bid ???");
  // A panel without an explanation leaves the last one.
  w.Survoler("PanelNiveau");
  EXPECT_EQ(w.Legende("info"), "So what about your bid ???");
  EXPECT_EQ(ControlesSurvol().size(), 13u);
}

}  // namespace
