// The options: read from and written to the store, applied to the game and its menus, and as
// the table's controller loads them.
#include "table/options.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/factice.h"
#include "platform/reglages_factices.h"
#include "support/cartes.h"
#include "table/mirvane.h"

namespace {

const std::vector<std::string> PanneauxOptions = {"EvMaMain",       "nPointsAttaque", "nBoutsPreneur", "nContrat",
                                                  "nPointsDefense", "nBoutsDefense",  "PanelAtExt",    "PanelGauche",
                                                  "PanelDroite",    "PanelNiveau"};

// The options as the main window holds them, over its menus, panels and timers, on a store
// filled by the test before the load.
struct TableOptions : ::testing::Test {
  void Stocker(std::map<std::string, std::string> cles) {
    for (const auto& [cle, valeur] : cles) store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)] = valeur;
  }
  std::string Stocke(const std::string& cle) { return store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)]; }
  bool Coche(std::string_view menu) const { return m.Menus()[static_cast<size_t>(m.ChercherMenu(menu))].coche; }
  const Controle& Panneau(std::string_view nom) const { return m[m.Chercher(nom)]; }
  // The checked menu items, in menu order.
  std::vector<std::string> Coches() const {
    std::vector<std::string> c;
    for (const ElementMenu& e : m.Menus())
      if (e.coche) c.push_back(e.nom);
    return c;
  }
  std::vector<std::string> Visibles() const {
    std::vector<std::string> v;
    for (const std::string& p : PanneauxOptions)
      if (Panneau(p).visible) v.push_back(p);
    return v;
  }
  void Choisir(std::string_view menu) { m.ChoisirMenu(m.ChercherMenu(menu)); }
  // The values the options set in the game and its timers.
  struct Valeurs {
    int niveau, forceMain, intervalleCarte, intervalleAttente, attenteAuto, auMoinsUnePrise, pourcentReflechi;
  };
  void Verifier(const Valeurs& v) {
    EXPECT_EQ(g.Niveau, v.niveau);
    EXPECT_EQ(g.ForceMain, v.forceMain);
    EXPECT_EQ(m.TimerEntreCarte().Intervalle(), v.intervalleCarte);
    EXPECT_EQ(m.TimerTransition().Intervalle(), v.intervalleAttente);
    EXPECT_EQ(g.AttenteAuto, v.attenteAuto);
    EXPECT_EQ(g.AuMoinsUnePriseActif, v.auMoinsUnePrise);
    EXPECT_EQ(g.PourcentJeuReflechi, v.pourcentReflechi);
  }

  PlateformeFactice plateforme;
  ReglagesFactices store;
  Mirvane m{plateforme, Aleatoire(7), &store};
  Partie& g = m.g;
  OptionsTable& options = m.Opts();
};

TEST_F(TableOptions, AFirstRunWritesTheDefaultsInTheirOrderThenTheMarkerAndPlaysAtThem) {
  g.ScoreTotal[3] = 250;
  m.Form_Load();
  EXPECT_EQ(store.ecritures,
            (std::vector<std::string>{"niveau=4", "vitesseJeuCarte=3", "attenteEntrePli=2", "forceMain=2",
                                      "visConseilEnchere=true", "visPointsPartie=true", "visAtoutsDehors=true",
                                      "visPanneaux=true", "auMoinsUnePrise=false", "score1=0", "score2=0", "score3=0",
                                      "score4=0", "son=true", "deja=1"}));
  EXPECT_EQ(g.ScoreTotal, (Tab1<int32_t, 4>{}));
  Verifier({NiveauPro, 2, 200, 2000, 1, 0, 100});
  EXPECT_EQ(Panneau("PanelNiveau").legende, "Pro");
  EXPECT_EQ(Visibles(), PanneauxOptions);
  EXPECT_TRUE(plateforme.messages.empty());

  // The next run reads the store, key by key, and writes nothing.
  Partie h;
  Options o;
  store.ecritures.clear();
  EXPECT_TRUE(ChargerOptions(o, h, store));
  EXPECT_EQ(o, options.o);
  EXPECT_TRUE(store.ecritures.empty());
}

TEST_F(TableOptions, StoredValuesAreReadBackAndSavedInTheSameTextForms) {
  Stocker({{"deja", "oui"},
           {"niveau", "1"},
           {"vitesseJeuCarte", "1"},
           {"attenteEntrePli", "3"},
           {"forceMain", "6"},
           {"visConseilEnchere", "false"},
           {"visPointsPartie", "0"},
           {"visAtoutsDehors", "-1"},
           {"visPanneaux", "TRUE"},
           {"auMoinsUnePrise", "true"},
           {"score1", "-1758"},
           {"score2", "2147483647"},
           {"score3", "-2147483648"},
           {"score4", "40"},
           {"son", "False"}});
  g.Langue = 2;
  m.Form_Load();
  // What was read shows in the values applied, the ranks and, option by option, in the save below.
  Verifier({1, 6, 1000, 5000, 1, 1, 80});
  EXPECT_EQ(Panneau("PanelNiveau").legende, "Beginner");
  EXPECT_EQ(Visibles(), (std::vector<std::string>{"PanelAtExt", "PanelGauche", "PanelDroite", "PanelNiveau"}));
  EXPECT_EQ(g.Classement[2], 1);

  store.ecritures.clear();
  options.SauverOptions();
  EXPECT_EQ(store.ecritures,
            (std::vector<std::string>{"niveau=1", "vitesseJeuCarte=1", "attenteEntrePli=3", "forceMain=6",
                                      "visConseilEnchere=false", "visPointsPartie=false", "visAtoutsDehors=true",
                                      "visPanneaux=true", "auMoinsUnePrise=true", "score1=-1758", "score2=2147483647",
                                      "score3=-2147483648", "score4=40", "son=false"}));
}

TEST(TextesDuStore, ATextThatIsNotANumberOrDoesNotFitItsVariableReadsAsMissing) {
  struct Cas {
    const char* texte;
    int16_t entier16;
    int32_t entier32;
    int16_t booleen;
  };
  const Cas cas[] = {
      {"4", 4, 4, OptionVrai},
      {"+3", 3, 3, OptionVrai},
      {"-32768", -32768, -32768, OptionVrai},
      {"32768", 0, 32768, OptionVrai},
      {"-32769", 0, -32769, OptionVrai},
      {"2147483648", 0, 0, OptionVrai},
      {"-2147483649", 0, 0, OptionVrai},
      {"0", 0, 0, OptionFaux},
      {"", 0, 0, OptionFaux},
      {"abc", 0, 0, OptionFaux},
      {"4.5", 0, 0, OptionVrai},
      {"4 ", 0, 0, OptionFaux},
      {"0x10", 0, 0, OptionFaux},
      {"+-3", 0, 0, OptionFaux},
      {"--3", 0, 0, OptionFaux},
      {"true", 0, 0, OptionVrai},
      {"False", 0, 0, OptionFaux},
      {"yes", 0, 0, OptionFaux},
      // Booleans take any decimal number: zero is false, any other value true.
      {"1.5", 0, 0, OptionVrai},
      {"99999999999999999999", 0, 0, OptionVrai},
      {"-0.25", 0, 0, OptionVrai},
      {".5", 0, 0, OptionVrai},
      {"5.", 0, 0, OptionVrai},
      {"1e-400", 0, 0, OptionVrai},
      {"0.000", 0, 0, OptionFaux},
      {"-0", 0, 0, OptionFaux},
      {"+.0", 0, 0, OptionFaux},
      {"0E99", 0, 0, OptionFaux},
      {".", 0, 0, OptionFaux},
      {"1e", 0, 0, OptionFaux},
      {"1.2.3", 0, 0, OptionFaux},
      {"-", 0, 0, OptionFaux},
  };

  for (const Cas& c : cas) {
    SCOPED_TRACE(c.texte);
    EXPECT_EQ(LireEntier16(c.texte), c.entier16);
    EXPECT_EQ(LireEntier32(c.texte), c.entier32);
    EXPECT_EQ(LireBooleen(c.texte), c.booleen);
  }
}

TEST_F(TableOptions, AMissingKeyReadsAsZeroOrFalseAndAnOutOfRangeValueChecksNothingAndChangesNothing) {
  // "attenteEntrePli" missing: the click mode.
  Stocker({{"deja", "1"},
           {"niveau", "7"},
           {"vitesseJeuCarte", "x"},
           {"forceMain", "-2"},
           {"visPanneaux", "oui"},
           {"son", "1"}});
  m.C(m.Id().PanelNiveau).legende = "avant";
  m.Form_Load();
  EXPECT_EQ(Visibles(), std::vector<std::string>{"PanelNiveau"});
  EXPECT_EQ(Coches(), (std::vector<std::string>{"menufrench", "clickobli", "rehauss"}));
  EXPECT_EQ(Panneau("PanelNiveau").legende, "avant");
  Verifier({7, -2, 200, 2000, 0, 0, 100});

  // Out-of-range values go back to the store as they were.
  options.SauverOptions();
  EXPECT_EQ(Stocke("niveau"), "7");
  EXPECT_EQ(Stocke("vitesseJeuCarte"), "0");
  EXPECT_EQ(Stocke("forceMain"), "-2");
  EXPECT_EQ(Stocke("visPanneaux"), "false");
}

// The values that follow the level, the speed and the pause; the check marks are seen through
// the menus.
TEST(AppliquerOptions, EachValueSetsItsDependentValues) {
  struct Cas {
    int16_t niveau, vitesse, attente;
    int16_t pourcent, lever;
    int intervalleCarte, intervalleAttente;  // 0: none
    int16_t attenteAuto;
  };
  const Cas cas[] = {
      {1, 1, 0, 80, 1, 1000, 0, 0},    {2, 2, 1, 90, 1, 400, 1000, 1}, {3, 3, 2, 100, 0, 200, 2000, 1},
      {4, 4, 3, 100, 0, 100, 5000, 1}, {4, 5, 3, 100, 0, 10, 5000, 1}, {5, 6, 4, -1, -1, 0, 0, 1},
      {0, 0, -1, -1, -1, 0, 0, 1},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << c.niveau << " " << c.vitesse << " " << c.attente);
    Partie g;
    g.Niveau = c.niveau;
    g.PourcentJeuReflechi = g.OptionLeverCartes = -1;
    Options o;
    o.VitesseJeuCarte = c.vitesse;
    o.AttenteEntrePli = c.attente;
    const EffetsOptions e = AppliquerOptions(o, g);
    EXPECT_EQ(g.PourcentJeuReflechi, c.pourcent);
    EXPECT_EQ(g.OptionLeverCartes, c.lever);
    EXPECT_EQ(e.intervalleEntreCarte.value_or(0), c.intervalleCarte);
    EXPECT_EQ(e.intervalleTransition.value_or(0), c.intervalleAttente);
    EXPECT_EQ(g.AttenteAuto, c.attenteAuto);
  }
}

TEST_F(TableOptions, TheLevelIsRefusedDuringTricksOneToEighteenOnly) {
  m.Form_Load();
  for (int16_t pli : {0, 1, 9, 18, 19}) {
    SCOPED_TRACE(pli);
    const bool accepte = pli == 0 || pli == 19;
    g.NumeroPli = pli;
    g.Niveau = NiveauPro;
    options.AppliquerOptions();
    options.SauverOptions();
    store.ecritures.clear();
    plateforme.messages.clear();
    Choisir("MenuDebutant");
    EXPECT_EQ(g.Niveau, accepte ? 1 : 4);
    EXPECT_EQ(Coche("MenuDebutant"), accepte);
    EXPECT_EQ(Coche("MenuPro"), !accepte);
    EXPECT_EQ(Panneau("PanelNiveau").legende, accepte ? "Débutant" : "Pro");
    EXPECT_EQ(Stocke("niveau"), accepte ? "1" : "4");
    EXPECT_EQ(store.ecritures.size(), accepte ? 14u : 0u);
    ASSERT_EQ(plateforme.messages.size(), accepte ? 0u : 1u);
    if (accepte) continue;
    EXPECT_EQ(plateforme.messages[0].texte, "Vous ne pouvez changer de niveau qu'en fin de partie");
    EXPECT_EQ(plateforme.messages[0].titre, "");
    EXPECT_EQ(plateforme.messages[0].boutons, BoutonsMessage::Ok);
  }
}

TEST_F(TableOptions, EveryOptionItemSetsItsVariableAppliesAndRewritesTheWholeStore) {
  m.Form_Load();
  struct Cas {
    const char *item, *cle, *valeur;
  };
  const Cas cas[] = {
      {"jeudef", "forceMain", "1"},
      {"jeudegardecontre", "forceMain", "6"},
      {"jeudegardesans", "forceMain", "5"},
      {"jeudegarde", "forceMain", "4"},
      {"jeudeprise", "forceMain", "3"},
      {"jeunormal", "forceMain", "2"},
      {"MenuAmateur", "niveau", "2"},
      {"MenuBon", "niveau", "3"},
      {"MenuPro", "niveau", "4"},
      {"voirench", "visConseilEnchere", "false"},
      {"voirench", "visConseilEnchere", "true"},
      {"voiratext", "visAtoutsDehors", "false"},
      {"vispanel", "visPanneaux", "false"},
      {"MenuMainQuelconqueMinPrise", "auMoinsUnePrise", "true"},
      {"ultralente", "vitesseJeuCarte", "1"},
      {"lente", "vitesseJeuCarte", "2"},
      {"rapide", "vitesseJeuCarte", "4"},
      {"ultrarapide", "vitesseJeuCarte", "5"},
      {"normale", "vitesseJeuCarte", "3"},
      {"auto1s", "attenteEntrePli", "1"},
      {"auto5s", "attenteEntrePli", "3"},
      {"clickobli", "attenteEntrePli", "0"},
      {"auto2s", "attenteEntrePli", "2"},
      {"voircours", "visPointsPartie", "false"},
  };

  for (const Cas& c : cas) {
    SCOPED_TRACE(c.item);
    store.ecritures.clear();
    Choisir(c.item);
    EXPECT_EQ(store.ecritures.size(), 14u);
    EXPECT_EQ(Stocke(c.cle), c.valeur);
    EXPECT_EQ(Coche(c.item), std::string(c.valeur) != "false");
  }
  EXPECT_EQ(Visibles(), (std::vector<std::string>{"EvMaMain", "PanelNiveau"}));
  EXPECT_FALSE(m.TimerTransition().Active());

  // The raising item does nothing, the other menus are not the options'.
  store.ecritures.clear();
  for (const char* item : {"rehauss", "nouveau", "scores", "som"}) Choisir(item);
  EXPECT_TRUE(store.ecritures.empty());
  EXPECT_TRUE(Coche("rehauss"));
}

TEST_F(TableOptions, ASaveThatFailsIsReportedOnceInTheCurrentLanguageWithTheFilesPath) {
  g.Langue = 2;
  store.enPanne = true;
  m.Form_Load();  // a first run that cannot write its defaults
  EXPECT_EQ(g.Niveau, NiveauPro);
  options.ChoisirOption("voirench");
  options.ChoisirOption("voirench");
  ASSERT_EQ(plateforme.messages.size(), 1u);
  EXPECT_EQ(plateforme.messages[0].texte, "The options and scores could not be saved to the file /memoire/mirvane.ini");
  EXPECT_EQ(plateforme.messages[0].titre, "Mirvane for Windows 95");
  EXPECT_TRUE(options.EchecSignale());
}

// A file with the first-run marker and no level gives level 0, which checks no level item and
// keeps the reasoned play at 100%; the computers still play by the rules that no level test
// switches off. A defender leading with the taker after him keeps his Excuse back (rule 9).
TEST_F(TableOptions, AFileWithoutALevelStillGivesComputersThatPlayByTheirRules) {
  Stocker({{"deja", "1"}});
  m.Form_Load();
  EXPECT_EQ(g.Niveau, 0);
  EXPECT_EQ(g.PourcentJeuReflechi, 100);
  Position p(4);
  p.g.Niveau = g.Niveau;
  p.g.PourcentJeuReflechi = g.PourcentJeuReflechi;
  p.Pli(3, {}).Main({Exc(), Pi(3), Co(5)});
  for (int i = 0; i < 50; ++i) {
    DeterminerCartesJouables(p.g, 3);
    ASSERT_NE(ChoisirPlaceOrdinateur(p.g, 3), p.g.PlaceExcuse) << "choice " << i;
  }
}

// The language items stay out of reach: their menu is unavailable. Reached all the same, each
// recaptions the table and writes nothing, the level's name waiting for the next option change;
// the about box then speaks the new language.
TEST_F(TableOptions, TheLanguageItemsRecaptionTheTableAndSaveNothing) {
  Stocker({{"deja", "1"}, {"niveau", "2"}});
  m.Form_Load();
  const Mirvane::Ids& id = m.Id();
  m.ChoisirMenu(id.menuenglish);
  EXPECT_EQ(g.Langue, 1);
  for (int16_t langue : {2, 1}) {
    SCOPED_TRACE(langue);
    langue == 2 ? m.menuenglish_Click() : m.menufrench_Click();
    EXPECT_EQ(g.Langue, langue);
    EXPECT_EQ(m.C(id.PanelQuit).legende, langue == 1 ? "Quitter" : "Quit");
    EXPECT_EQ(m.Menu(id.menuenglish).coche, langue == 2);
    EXPECT_EQ(m.Menu(id.menufrench).coche, langue == 1);
    EXPECT_EQ(Panneau("PanelNiveau").legende, "Amateur");
    m.ChoisirMenu(id.apropos);
    ASSERT_EQ(plateforme.messages.size(), langue == 2 ? 1u : 2u);
    EXPECT_EQ(plateforme.messages.back().titre,
              "Mirvane " + m.NumeroVersion + (langue == 1 ? " pour Windows" : " for Windows"));
    EXPECT_EQ(plateforme.messages.back().boutons, BoutonsMessage::Ok);
  }
  EXPECT_TRUE(store.ecritures.empty());
}

}  // namespace
