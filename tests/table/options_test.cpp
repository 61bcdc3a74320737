// The options: read from and written to the store, applied to the game and its menus, and as
// the table's controller loads them.
#include "table/options.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/factice.h"
#include "platform/reglages_factices.h"
#include "table/menus.h"
#include "table/mirvane.h"
#include "table/modele.h"

namespace {

const std::vector<std::string> PanneauxOptions = {"EvMaMain",       "nPointsAttaque", "nBoutsPreneur", "nContrat",
                                                  "nPointsDefense", "nBoutsDefense",  "PanelAtExt",    "PanelGauche",
                                                  "PanelDroite",    "PanelNiveau"};

// The main window as far as the options see it, with the start values of its load.
struct TableOptions : ::testing::Test {
  TableOptions() {
    CreerMenus(f);
    for (const std::string& nom : PanneauxOptions) {
      Controle c;
      c.nom = nom;
      f.Ajouter(c);
    }
    entreCarte.DefinirIntervalle(200);
    transition.DefinirIntervalle(2000);
    g.PourcentJeuReflechi = 100;
    options.AssocierMenus();
  }
  void Stocker(std::map<std::string, std::string> cles) {
    for (const auto& [cle, valeur] : cles) store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)] = valeur;
  }
  std::string Stocke(const std::string& cle) { return store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)]; }
  bool Coche(std::string_view menu) const { return f.Menus()[static_cast<size_t>(f.ChercherMenu(menu))].coche; }
  const Controle& Panneau(std::string_view nom) const { return f[f.Chercher(nom)]; }
  // The checked items among some lists.
  template <class... Listes>
  std::vector<std::string> Coches(const Listes&... listes) const {
    std::vector<std::string> c;
    for (const std::vector<std::string>* items : {&listes...})
      for (const std::string& i : *items)
        if (Coche(i)) c.push_back(i);
    return c;
  }
  void Choisir(std::string_view menu) { f.ChoisirMenu(f.ChercherMenu(menu)); }
  // The values the options set in the game and its timers.
  struct Valeurs {
    int niveau, forceMain, intervalleCarte, intervalleAttente, attenteAuto, auMoinsUnePrise, pourcentReflechi;
  };
  void Verifier(const Valeurs& v) const {
    EXPECT_EQ(g.Niveau, v.niveau);
    EXPECT_EQ(g.ForceMain, v.forceMain);
    EXPECT_EQ(entreCarte.Intervalle(), v.intervalleCarte);
    EXPECT_EQ(transition.Intervalle(), v.intervalleAttente);
    EXPECT_EQ(g.AttenteAuto, v.attenteAuto);
    EXPECT_EQ(g.AuMoinsUnePriseActif, v.auMoinsUnePrise);
    EXPECT_EQ(g.PourcentJeuReflechi, v.pourcentReflechi);
  }

  Partie g;
  ModeleFenetre f;
  MinuterieFactice entreCarte, transition;
  ReglagesFactices store;
  PlateformeFactice plateforme;
  OptionsTable options{g, f, entreCarte, transition, store, plateforme};
};

const std::vector<std::string> ItemsMain = {"jeudef",     "jeunormal",      "jeudeprise",
                                            "jeudegarde", "jeudegardesans", "jeudegardecontre"};
const std::vector<std::string> ItemsNiveau = {"MenuDebutant", "MenuAmateur", "MenuBon", "MenuPro"};
const std::vector<std::string> ItemsVitesse = {"ultrarapide", "rapide", "normale", "lente", "ultralente"};
const std::vector<std::string> ItemsAttente = {"auto5s", "auto2s", "auto1s", "clickobli"};

TEST_F(TableOptions, AFirstRunWritesTheDefaultsInTheirOrderThenTheMarkerAndPlaysAtThem) {
  g.ScoreTotal[3] = 250;
  options.ChargerOptions();
  EXPECT_EQ(store.ecritures,
            (std::vector<std::string>{"niveau=4", "vitesseJeuCarte=3", "attenteEntrePli=2", "forceMain=2",
                                      "visConseilEnchere=true", "visPointsPartie=true", "visAtoutsDehors=true",
                                      "visPanneaux=true", "auMoinsUnePrise=false", "score1=0", "score2=0", "score3=0",
                                      "score4=0", "son=true", "deja=1"}));
  EXPECT_EQ(g.ScoreTotal, (Tab1<int32_t, 4>{}));
  Verifier({NiveauPro, 2, 200, 2000, 1, 0, 100});
  EXPECT_EQ(Coches(ItemsNiveau), std::vector<std::string>{"MenuPro"});
  EXPECT_EQ(Panneau("PanelNiveau").legende, "Pro");
  for (const std::string& p : PanneauxOptions) EXPECT_TRUE(Panneau(p).visible) << p;
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
  options.ChargerOptions();
  // What was read shows in the values applied and, option by option, in the save below.
  Verifier({1, 6, 1000, 5000, 1, 1, 80});
  EXPECT_EQ(g.OptionLeverCartes, 1);
  EXPECT_FALSE(Panneau("EvMaMain").visible);
  EXPECT_FALSE(Panneau("nContrat").visible);
  EXPECT_TRUE(Panneau("PanelGauche").visible);

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
      {"4", 4, 4, OptionVrai},           {"+3", 3, 3, OptionVrai},          {"-32768", -32768, -32768, OptionVrai},
      {"32768", 0, 32768, OptionVrai},   {"-32769", 0, -32769, OptionVrai}, {"2147483648", 0, 0, OptionVrai},
      {"-2147483649", 0, 0, OptionVrai}, {"0", 0, 0, OptionFaux},           {"", 0, 0, OptionFaux},
      {"abc", 0, 0, OptionFaux},         {"4.5", 0, 0, OptionFaux},         {"4 ", 0, 0, OptionFaux},
      {"0x10", 0, 0, OptionFaux},        {"+-3", 0, 0, OptionFaux},         {"--3", 0, 0, OptionFaux},
      {"true", 0, 0, OptionVrai},        {"False", 0, 0, OptionFaux},       {"yes", 0, 0, OptionFaux},
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
  f[f.Chercher("PanelNiveau")].legende = "avant";
  options.ChargerOptions();
  EXPECT_EQ(options.o.VitesseJeuCarte, 0);
  EXPECT_EQ(options.o.AttenteEntrePli, 0);
  EXPECT_EQ(options.o.VisPanneaux, OptionFaux);
  EXPECT_EQ(Coches(ItemsMain, ItemsNiveau, ItemsVitesse, ItemsAttente), std::vector<std::string>{"clickobli"});
  EXPECT_EQ(Panneau("PanelNiveau").legende, "avant");
  Verifier({7, -2, 200, 2000, 0, 0, 100});

  // Out-of-range values go back to the store as they were.
  options.SauverOptions();
  EXPECT_EQ(Stocke("niveau"), "7");
  EXPECT_EQ(Stocke("vitesseJeuCarte"), "0");
  EXPECT_EQ(Stocke("forceMain"), "-2");
  EXPECT_EQ(Stocke("visPanneaux"), "false");
}

TEST(AppliquerOptions, EachValueChecksItsOwnItemAndSetsItsDependentValues) {
  struct Cas {
    int16_t niveau, forceMain, vitesse, attente;
    const char *itemNiveau, *itemMain, *itemVitesse, *itemAttente;
    int16_t pourcent, lever;
    int intervalleCarte, intervalleAttente;  // 0: none
    int16_t attenteAuto;
  };
  const Cas cas[] = {
      {1, 1, 1, 0, "MenuDebutant", "jeudef", "ultralente", "clickobli", 80, 1, 1000, 0, 0},
      {2, 2, 2, 1, "MenuAmateur", "jeunormal", "lente", "auto1s", 90, 1, 400, 1000, 1},
      {3, 3, 3, 2, "MenuBon", "jeudeprise", "normale", "auto2s", 100, 0, 200, 2000, 1},
      {4, 4, 4, 3, "MenuPro", "jeudegarde", "rapide", "auto5s", 100, 0, 100, 5000, 1},
      {4, 5, 5, 3, "MenuPro", "jeudegardesans", "ultrarapide", "auto5s", 100, 0, 10, 5000, 1},
      {4, 6, 5, 3, "MenuPro", "jeudegardecontre", "ultrarapide", "auto5s", 100, 0, 10, 5000, 1},
      {5, 7, 6, 4, "", "", "", "", -1, -1, 0, 0, 1},
      {0, 0, 0, -1, "", "", "", "", -1, -1, 0, 0, 1},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(testing::Message() << c.niveau << " " << c.forceMain << " " << c.vitesse << " " << c.attente);
    Partie g;
    g.Niveau = c.niveau;
    g.ForceMain = c.forceMain;
    g.PourcentJeuReflechi = g.OptionLeverCartes = -1;
    Options o;
    o.VitesseJeuCarte = c.vitesse;
    o.AttenteEntrePli = c.attente;
    const EffetsOptions e = AppliquerOptions(o, g);
    std::vector<std::string> coches;
    for (const auto& [item, coche] : e.coches)
      if (coche) coches.emplace_back(item);
    std::vector<std::string> attendues;
    for (const char* i : {c.itemMain, c.itemNiveau, c.itemVitesse, c.itemAttente})
      if (*i) attendues.emplace_back(i);
    EXPECT_EQ(coches, attendues);
    EXPECT_EQ(g.PourcentJeuReflechi, c.pourcent);
    EXPECT_EQ(g.OptionLeverCartes, c.lever);
    EXPECT_EQ(e.intervalleEntreCarte.value_or(0), c.intervalleCarte);
    EXPECT_EQ(e.intervalleTransition.value_or(0), c.intervalleAttente);
    EXPECT_EQ(g.AttenteAuto, c.attenteAuto);
    EXPECT_EQ(e.legendeNiveau.has_value(), *c.itemNiveau != 0);
  }
}

TEST_F(TableOptions, TheLevelIsRefusedDuringTricksOneToEighteenOnly) {
  options.ChargerOptions();
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
    EXPECT_EQ(Coches(ItemsNiveau), std::vector<std::string>{accepte ? "MenuDebutant" : "MenuPro"});
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
  options.ChargerOptions();
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
  std::vector<std::string> visibles;
  for (const std::string& p : PanneauxOptions)
    if (Panneau(p).visible) visibles.push_back(p);
  EXPECT_EQ(visibles, (std::vector<std::string>{"EvMaMain", "PanelNiveau"}));
  EXPECT_EQ(g.AuMoinsUnePriseActif, 1);
  EXPECT_EQ(g.AttenteAuto, 1);
  EXPECT_FALSE(transition.Active());

  // The raising item does nothing, the other menus are not the options'.
  store.ecritures.clear();
  for (const char* item : {"rehauss", "nouveau", "scores", "som"}) Choisir(item);
  EXPECT_TRUE(store.ecritures.empty());
  EXPECT_TRUE(Coche("rehauss"));
}

TEST_F(TableOptions, ASaveThatFailsIsReportedOnceInTheCurrentLanguageWithTheFilesPath) {
  g.Langue = 2;
  store.enPanne = true;
  options.ChargerOptions();  // a first run that cannot write its defaults
  EXPECT_EQ(g.Niveau, NiveauPro);
  options.ChoisirOption("voirench");
  options.ChoisirOption("voirench");
  ASSERT_EQ(plateforme.messages.size(), 1u);
  EXPECT_EQ(plateforme.messages[0].texte, "The options and scores could not be saved to the file /memoire/mirvane.ini");
  EXPECT_EQ(plateforme.messages[0].titre, "Mirvane for Windows 95");
  EXPECT_TRUE(options.EchecSignale());
}

TEST(ControleurOptions, TheLoadReadsTheStoreAfterTheTextsAndTheMenusReachTheOptions) {
  for (int16_t langue : {1, 2}) {
    SCOPED_TRACE(langue);
    PlateformeFactice plateforme;
    ReglagesFactices store;
    Mirvane m{plateforme, Aleatoire(7), &store};
    m.g.Langue = langue;
    // The display keys missing: every panel the options show is hidden.
    for (auto [cle, valeur] : {std::pair{"deja", "1"},
                               {"niveau", "2"},
                               {"vitesseJeuCarte", "1"},
                               {"attenteEntrePli", "3"},
                               {"score1", "-35"},
                               {"score2", "35"}})
      store.valeurs[ReglagesFactices::Cle("mirvane", "option", cle)] = valeur;
    m.Form_Load();
    const Mirvane::Ids& id = m.Id();
    // The ranks come from the loaded scores.
    EXPECT_EQ(m.TimerEntreCarte().Intervalle(), 1000);
    EXPECT_EQ(m.TimerTransition().Intervalle(), 5000);
    EXPECT_EQ(m.g.PourcentJeuReflechi, 90);
    EXPECT_EQ(m.g.ScoreTotal[1], -35);
    EXPECT_EQ(m.g.Classement[2], 1);
    for (MinuterieFactice* timer : plateforme.minuteries) EXPECT_FALSE(timer->Active());
    EXPECT_EQ(m.C(id.PanelNiveau).legende, langue == 1 ? "Amateur" : "Medium");
    for (int p : {id.EvMaMain, id.nPointsAttaque, id.nBoutsPreneur, id.nContrat, id.nPointsDefense, id.nBoutsDefense,
                  id.PanelAtExt, id.PanelGauche, id.PanelDroite})
      EXPECT_FALSE(m.C(p).visible) << m.C(p).nom;
    EXPECT_EQ(m.titre, "Mirvane " + m.NumeroVersion + (langue == 1 ? " pour Windows 95" : " for Windows"));
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
    EXPECT_EQ(plateforme.messages[0].titre,
              "Mirvane " + m.NumeroVersion + (autre == 1 ? " pour Windows" : " for Windows"));
    EXPECT_EQ(plateforme.messages[0].boutons, BoutonsMessage::Ok);
  }
}

}  // namespace
