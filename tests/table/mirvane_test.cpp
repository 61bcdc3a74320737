// The main window driven headless through its handlers and hand-fired timers; assertions on
// the model of its controls.
#include "table/mirvane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <set>
#include <tuple>
#include <vector>

#include "bench/driver/chaos.h"
#include "bench/driver/selfplay.h"
#include "game/score.h"
#include "platform/reglages_factices.h"
#include "support/cartes.h"

namespace {

MinuterieFactice& Enchere(Table& t) { return *t.plateforme.minuteries[0]; }
MinuterieFactice& EntreCarte(Table& t) { return *t.plateforme.minuteries[1]; }
MinuterieFactice& Transition(Table& t) { return *t.plateforme.minuteries[2]; }
void Clic(Table& t, int id) { t.m.Envoyer(id, Evenement::Clic); }
const Controle& C(Table& t, int id) { return t.m.C(id); }
int Armees(Table& t) {
  int n = 0;
  for (const MinuterieFactice* m : t.plateforme.minuteries) n += m->Active() ? 1 : 0;
  return n;
}
// A control's place (left, top), twips.
std::array<float, 2> Place(Table& t, int id) { return {C(t, id).gauche, C(t, id).haut}; }

// The cards of trick `pli` by seat, as the deal recorded them.
Tab1<Carte, 4> Pli(const Partie& g, int16_t pli) {
  Tab1<Carte, 4> cartes;
  for (int16_t s = 1; s <= 4; ++s) cartes[s] = g.MainsJoueurs[s][g.CarteJoueeParPli[s][pli]];
  return cartes;
}
void VerifierLastPli(const FormLastPli& f, const Tab1<Carte, 4>& pli) {
  for (int16_t s = 1; s <= 4; ++s) EXPECT_TRUE(Meme(f[f.CarteLastPli(s)].carte, pli[s])) << s;
}

// A table with names for its controller, its game and its control ids.
struct Banc {
  explicit Banc(uint64_t graine, const ParametresPartie& p = {}) : t(graine, p) {}
  Table t;
  Mirvane& m = t.m;
  Partie& g = m.g;
  const Mirvane::Ids& id = m.Id();
};

// Sensible play until `fini` holds; fails after `max` steps.
template <class F>
void JouerJusqua(Table& t, F fini, int max = 2000) {
  for (int i = 0; i < max; ++i) {
    if (fini()) return;
    ASSERT_LE(Armees(t), 1);
    if (!AgirSensement(t)) break;
  }
  ASSERT_TRUE(fini());
}
// The auction played to its end, then the bids given (seat 1 first) decide the taker.
void Encheres(Table& t, std::array<int16_t, 4> encheres) {
  JouerJusqua(t, [&] { return t.m.g.NbEncheres == 4 && t.m.g.AttenteClic == 1; });
  for (int16_t s = 1; s <= 4; ++s) t.m.g.EnchereJoueur[s] = encheres[s - 1u];
}

// The layout of an 800 x 600 window against the numbers worked out by hand: the card places,
// and the panels placed from them.
TEST(Controleur, LayoutOfThe800By600Window) {
  Banc banc(1);
  auto& [t, m, g, id] = banc;
  EXPECT_EQ(Place(t, id.TableRonde), (std::array<float, 2>{3290, 45}));
  const std::array<float, 2> cartes[] = {{5315, 2965}, {6940, 1605}, {5315, 245}, {3690, 1605}};
  for (int16_t s = 1; s <= 4; ++s) {
    const auto [x, y] = cartes[s - 1];
    EXPECT_EQ(Place(t, id.CarteTable[s]), cartes[s - 1]);
    // The score panel on the card's left edge and centred on it in height; the bid centred on it.
    EXPECT_EQ(Place(t, id.PanelScoreTotal[s]), (std::array{x, y + 1140 - C(t, id.PanelScoreTotal[s]).hauteur / 2}));
    const Controle& d = C(t, id.PanelDecision[s]);
    EXPECT_EQ(Place(t, id.PanelDecision[s]), (std::array{x + (1350 - d.largeur) / 2, y + (2280 - d.hauteur) / 2}));
  }
  EXPECT_EQ(Place(t, id.PanelConfirmeEcart), Place(t, id.PanelDecision[1]));
  // The handful offer on the table's lower edge, inside it; the rest centred across the window.
  const Controle& p = C(t, id.PanelPoignee);
  EXPECT_EQ(Place(t, id.PanelPoignee), (std::array{3290 + (5400 - p.largeur) / 2, 5445 - p.hauteur}));
  const Controle& e = C(t, id.PanelEnchere);
  EXPECT_EQ(Place(t, id.PanelEnchere), (std::array{(12000 - e.largeur) / 2, 6082 - 50 - e.hauteur}));
  EXPECT_EQ(Place(t, id.PanelResultat), (std::array{(12000 - C(t, id.PanelResultat).largeur) / 2, 5545.f}));
  const Controle& l = C(t, id.PanelLancement);
  EXPECT_EQ(Place(t, id.PanelLancement), (std::array{(12000 - l.largeur) / 2, (9000 - l.hauteur) / 3}));

  // Over many deals each hand card stands at one of nine heights, the suits apart, and always
  // inside the table area.
  std::set<float> hauts;
  for (int n = 0; n < 40; ++n) {
    m.ChoisirMenu(id.nouveau);
    const Main& main = g.MainsJoueurs[1];
    for (int16_t k = 1; k <= 18; ++k) {
      const Controle& c = C(t, id.Carte3d[k]);
      hauts.insert(c.haut);
      EXPECT_EQ(c.gauche, 100 + (k - 1) * 592 + 60 * main[k].Couleur);
      EXPECT_EQ(c.pointeur, PointeurInterdit);
    }
  }
  EXPECT_EQ(hauts, (std::set<float>{6058, 6066, 6074, 6082, 6090, 6098, 6106, 6114, 6122}));
}

// The advice as the deal asks it while judging a try: the calls counted, the window's pointer
// noted, and no bid before the call after `muette`.
struct Espion {
  const Mirvane* m = nullptr;
  int muette = 0;
  int appels = 0;
  int16_t pointeur = -1;
};
Espion espion;
int16_t ConseilEspionne(Partie&, int16_t) {
  ++espion.appels;
  espion.pointeur = espion.m->pointeur;
  return espion.appels > espion.muette ? EnchereGardeContre : EncherePasse;
}

TEST(Controleur, OpenersDealersTheReplayAndItsCap) {
  Banc banc(5);
  auto& [t, m, g, id] = banc;
  EXPECT_EQ(Armees(t), 0);
  Clic(t, id.PanelLancement);
  EXPECT_EQ(g.PremierJoueur, 4);
  EXPECT_FALSE(C(t, id.PanelLancement).visible);
  EXPECT_TRUE(Enchere(t).Active());
  EXPECT_EQ(Enchere(t).Intervalle(), 300);
  m.ChoisirMenu(id.nouveau);
  EXPECT_EQ(g.PremierJoueur, 1);
  EXPECT_EQ(g.Donneur, 4);
  // A replay keeps the opener, the dealer and the cards, also after the kind of hand changed;
  // the ten-deal slot still moves on.
  const Main avant = g.MainsJoueurs[1];
  m.PanelRejouerDonne_Click();
  EXPECT_EQ(g.PremierJoueur, 1);
  EXPECT_EQ(m.IndexHistorique, 3);
  EXPECT_EQ(g.MainsJoueurs[1], avant);
  g.ForceMain = 3;
  m.PanelRejouerDonne_Click();
  EXPECT_EQ(g.MainsJoueurs[1], avant);

  // A replay deals the saved cards again, with new advice, until a try is accepted: cards that
  // options changed since can never meet are tried exactly 1,000 times and the last try kept. A
  // new deal has no such cap. The hourglass shows while the cards are dealt, and only then.
  const auto donnees = g.MainsJoueurs;
  g.ForceMain = 6;  // a Garde contre hand asked of seat 1
  g.EnchereConseillee = ConseilEspionne;
  espion = {&m, 1000000};
  m.PanelRejouerDonne_Click();
  EXPECT_EQ(espion.appels, 4 * 1000);  // the four seats asked at each try
  EXPECT_EQ(g.MainsJoueurs, donnees);
  EXPECT_EQ(espion.pointeur, PointeurSablier);
  EXPECT_EQ(m.pointeur, PointeurDefaut);
  espion = {&m, 4 * 1500};
  m.ChoisirMenu(id.nouveau);
  EXPECT_EQ(espion.appels, 4 * 1500 + 1);  // seat 1 answered at once after that
  EXPECT_EQ(espion.pointeur, PointeurSablier);
}

// Speaking fourth, the user's bid ends the auction; a pass is always taken.
TEST(Controleur, UserBidsAgainstTheBestBid) {
  struct Cas {
    int16_t meilleure;
    int bouton;
    bool pris;
  };  // bouton 1..4: Prise..Garde contre
  const Cas cas[] = {{0, 1, true}, {2, 1, false}, {2, 2, false}, {2, 3, true}, {3, 4, true}, {4, 4, false}};
  for (const Cas& c : cas) {
    SCOPED_TRACE(std::to_string(c.meilleure) + " " + std::to_string(c.bouton));
    Banc banc(9);
    auto& [t, m, g, id] = banc;
    for (int i = 0; i < 3; ++i) m.ChoisirMenu(id.nouveau);  // East opens
    JouerJusqua(t, [&] { return C(t, id.PanelEnchere).visible; });
    g.MeilleureEnchere = c.meilleure;
    const int boutons[] = {id.ButtonPasse, id.ButtonPrise, id.ButtonGarde, id.ButtonGardeSans, id.ButtonGardeContre};
    Clic(t, boutons[c.bouton]);
    EXPECT_EQ(g.NbEncheres, c.pris ? 4 : 3);
    EXPECT_EQ(C(t, id.PanelEnchere).visible, !c.pris);
    EXPECT_EQ(C(t, id.PanelDecision[1]).visible, c.pris);
    if (!c.pris) {
      Clic(t, id.ButtonPasse);
      EXPECT_EQ(C(t, id.PanelDecision[1]).legende, "Passe");
    }
    EXPECT_EQ(g.EnchereJoueur[1], c.pris ? c.bouton : 0);
    EXPECT_EQ(g.MeilleureEnchere, c.pris ? c.bouton : c.meilleure);
    EXPECT_EQ(C(t, id.PanelDecision[1]).taillePolice, c.pris ? 13.5f : 13.1f);
    // The hand is disabled until the taker is known: a click on it is a click on the window.
    EXPECT_EQ(g.AttenteClic, 1);
    EXPECT_EQ(Armees(t), 0);
    EXPECT_FALSE(C(t, id.Carte3d[1]).actif);
    Clic(t, id.Carte3d[1]);
    EXPECT_EQ(g.NumeroPli, 1);
  }
}

// A deal ended by a Prise with one oudler (51 to make) and `demiPoints` half points for the taker.
void Finir(Mirvane& m, int16_t preneur, int16_t demiPoints) {
  Partie& g = m.g;
  g.Preneur = preneur;
  for (int16_t s = 1; s <= 4; ++s) g.EnchereJoueur[s] = s == preneur ? 1 : 0;
  g.DemiPointsPreneur = demiPoints;
  g.DemiPointsDefense = static_cast<int16_t>(182 - demiPoints);
  g.BoutsPreneur = 1;
  g.PointsAFaire = 51;
  g.PetitAuBout = g.PoigneeAnnoncee = 0;
  m.AfficherResultatDonne();
}

// The words of bids 0..4 on the user's buttons and the advice; French, English.
using Mots = std::array<const char*, 2>;
const Mots Boutons[] = {{"Passe", "Pass"},
                        {"Prise", "Take"},
                        {"Garde", "Guard"},
                        {"Garde sans", "Guard without"},
                        {"Garde contre", "Guard against"}};

// Seat 1 holds the `atouts` highest trumps, and the Excuse unless told; East takes with a Garde
// contre and the play goes on to the user's first card.
void JusquaPoignee(Table& t, int16_t atouts, bool excuse = true) {
  Cartes main;
  for (int16_t v = 21; v > 21 - atouts; --v) main.push_back(At(v));
  if (excuse) main.push_back(Exc());
  Donner(t.m.g, {{1, main}});
  Encheres(t, {0, 4, 0, 0});
  JouerJusqua(t, [&] { return t.m.g.AttenteJeuHumain == 1; });
}

// A deal walked in each language, reading what each state shows: the menus, the prompts, the
// bid words, the chien and the discard, the raised cards, the result, a replay and the reset
// box. French at level 1, where the legal cards are raised; English at level 3, where they stay.
TEST(Controleur, ADealWalkedInEachLanguageShowsTheTextsOfEachState) {
  for (int16_t langue : {1, 2}) {
    SCOPED_TRACE(langue);
    ParametresPartie p;
    p.niveau = langue == 1 ? 1 : 3;
    Banc banc(61, p);
    auto& [t, m, g, id] = banc;
    g.Langue = langue;
    m.Form_Load();
    AppliquerParametres(g, p);
    const auto T = [langue](const char* fr, const char* en) { return std::string(langue == 1 ? fr : en); };
    const auto Lu = [&](int c) { return C(t, c).legende; };
    const auto Survol = [&](int c) {
      m.Envoyer(c, Evenement::Survol);
      return Lu(id.info);
    };
    // Each menu as the user opens it.
    const auto Menu = [&](const char* nom) {
      const int menu = m.ChercherMenu(nom);
      std::string s = m.Menus()[static_cast<size_t>(menu)].legende + ":";
      for (const ElementMenu& e : m.Menus())
        if (e.parent == menu) s += " " + e.legende + (e.touche.empty() ? "" : " " + e.touche) + ",";
      return s;
    };
    EXPECT_EQ(m.titre, "Mirvane " + m.NumeroVersion + T(" pour Windows 95", " for Windows"));
    EXPECT_EQ(Menu("jeu"), T("&Mirvane: Nouvelle partie F2, Initialiser les scores, Quitter F9,",
                             "&Mirvane: New deal F2, Init scores, Quit F9,"));
    EXPECT_EQ(Menu("MenuNiveau"), T("Niveau: Débutant, Amateur, Bon, Pro,", "Level: Beginner, Medium, Advanced, Pro,"));
    EXPECT_EQ(Menu("menulang"), "&Langue/Language: Français, English,");
    EXPECT_EQ(Menu("jeuff"), T("&Force de votre main: Normale (main aléatoire), Prise, Garde, Garde sans le chien, "
                               "Garde contre le chien, Défense (main faible),",
                               "&Strength of your hand: Normal (random hand), Take, Guard, Guard without the dog, "
                               "Guard against the dog, Defense (weak hand),"));
    EXPECT_EQ(Menu("MenuVoir"),
              T("Visibilité: Scores F11, Le dernier pli F12, Voir le conseil d'enchère F5, Voir les points de la "
                "partie en cours F6, Voir le nombre d'atouts dehors F7, Voir les panneaux gauche et droit F8,",
                "Interface: Scores F11, The last trick F12, Recommended bid F5, See score of the current deal F6, "
                "See number of trumps outside F7, See left and right panels F8,"));
    EXPECT_EQ(Menu("options"), T("&Options: Au moins une main quelconque de Prise..., Vitesse du jeu de la carte, "
                                 "Attente entre chaque pli, Réhaussement des cartes jouables,",
                                 "&Options: At least one hand taking..., Speed of the card throw, Waiting time "
                                 "between each trick, Réhaussement des cartes jouables,"));
    EXPECT_EQ(Menu("vitessejeu"), T("Vitesse du jeu de la carte: Très rapide, Rapide, Normale, Lente, Très lente,",
                                    "Speed of the card throw: Very quick, Quick, Normal, Slow, Very slow,"));
    EXPECT_EQ(Menu("trans"), T("Attente entre chaque pli: 5 secondes, 2 secondes, 1 seconde, Click obligatoire,",
                               "Waiting time between each trick: 5 seconds, 2 seconds, 1 second, Mandatory click,"));
    EXPECT_EQ(Menu("aide"), T("&Aide: Sommaire F1, à-propos,", "&Help: Contents F1, About,"));
    // The language menu, its French item and the raising item stay unavailable; the last is checked.
    std::vector<std::string> indisponibles;
    std::vector<std::string> coches;
    for (const ElementMenu& e : m.Menus()) {
      if (!e.disponible) indisponibles.push_back(e.nom);
      if (e.coche) coches.push_back(e.nom);
    }
    EXPECT_EQ(indisponibles, (std::vector<std::string>{"menulang", "menufrench", "MenuLastPli", "rehauss"}));
    EXPECT_EQ(coches, (std::vector<std::string>{"MenuPro", T("menufrench", "menuenglish"), "jeunormal", "voirench",
                                                "voircours", "voiratext", "vispanel", "normale", "auto2s", "rehauss"}));

    // Before the first deal.
    EXPECT_EQ(Lu(id.info), "");
    EXPECT_EQ(Lu(id.PanelLancement), T("Cliquez ici pour commencer à jouer !", "Click here to start playing !"));
    EXPECT_EQ(Lu(id.PanelNewPartie), T("Nouvelle donne", "New deal"));
    EXPECT_EQ(Lu(id.PanelAide), T("Aide", "Help"));
    // West opens, North deals; the pointer is back to the default once the cards are dealt.
    Clic(t, id.PanelLancement);
    EXPECT_EQ(m.pointeur, PointeurDefaut);
    EXPECT_EQ(Lu(id.info), T("Veuillez patienter durant le chargement de la partie ...",
                             "Please wait while the game is loading..."));
    EXPECT_EQ(Lu(id.PanelDonneur), T("NORD", "NORTH"));
    EXPECT_EQ(Survol(id.PanelDonneur), T("Ce panneau indique le Donneur", "This panel indicates the Dealer"));
    EXPECT_EQ(Survol(id.PanelGauche), "");
    Enchere(t).Tirer();  // West passes with these cards
    ASSERT_EQ(g.EnchereJoueur[4], EncherePasse);
    EXPECT_EQ(Lu(id.PanelDecision[4]), T("Passe", "Pass"));

    // The user's turn: the buttons, the advice, a refused bid, then his Prise.
    ASSERT_TRUE(C(t, id.PanelEnchere).visible);
    EXPECT_EQ(Lu(id.info), T("Cliquez sur l'enchère que vous désirez annoncer !", "Click on the bid you want to do"));
    EXPECT_EQ(Lu(id.EvMaMain), T("Conseil : ", "Advice : ") + Boutons[g.EnchereJoueur[1]][langue - 1]);
    const int boutons[] = {id.ButtonPasse, id.ButtonPrise, id.ButtonGarde, id.ButtonGardeSans, id.ButtonGardeContre};
    for (int b = 0; b < 5; ++b) EXPECT_EQ(Lu(boutons[b]), Boutons[b][langue - 1]);
    EXPECT_EQ(Survol(id.PanelEnchere), T("Alors, vous la faites votre enchère ???", "So what about your bid ???"));
    g.MeilleureEnchere = 4;
    Clic(t, id.ButtonGardeContre);
    EXPECT_EQ(Lu(id.info), T("Vous devez faire une meilleure enchère ou passer !", "Make a better bid or pass !"));
    g.MeilleureEnchere = 0;
    Clic(t, id.ButtonPrise);
    EXPECT_EQ(Lu(id.PanelDecision[1]), T("PRISE", "TAKE"));
    // The advice and the spare panel bid only while the buttons wait.
    Survol(id.PanelGauche);
    Clic(t, id.EvMaMain);
    m.Panel3D1_Click();
    EXPECT_EQ(g.NbEncheres, 2);
    EXPECT_EQ(Lu(id.info), "");  // no refusal either
    for (int i = 0; i < 2; ++i) Enchere(t).Tirer();
    EXPECT_EQ(Lu(id.info), T("Cliquez n'importe où pour continuer à jouer", "Click anywhere to go on playing"));

    // The user takes: his frame over his card's place, the contract, the chien in a stair.
    for (int16_t s = 1; s <= 4; ++s) g.EnchereJoueur[s] = s == 1 ? 1 : 0;
    m.Form_Click();
    EXPECT_EQ(Lu(id.info), T("Et voici le Chien ! Bon, cliquez pour continuer à jouer ...",
                             "Here is the Dog ! Well, please click anywhere..."));
    EXPECT_EQ(Lu(id.nEnchere), T("PRISE", "TAKE"));
    EXPECT_EQ(Lu(id.PanelPreneur), T("SUD", "SOUTH"));
    EXPECT_EQ(Survol(id.PanelPreneur), T("Ce panneau indique le Preneur", "This panel indicates the Taker"));
    EXPECT_EQ(Survol(id.nEnchere),
              T("Ce panneau indique l'enchère du Preneur", "This panel indicates the bid of the Taker"));
    EXPECT_EQ(Place(t, id.CadrePreneur[1]), (std::array<float, 2>{5315 - 45, 2965 - 45}));
    EXPECT_EQ(C(t, id.CadrePreneur[1]).largeur, 1485);
    EXPECT_EQ(C(t, id.CadrePreneur[1]).hauteur, 2385);
    for (int16_t i = 1; i <= 6; ++i)
      EXPECT_EQ(Place(t, id.CarteChien[i]), (std::array{3835.f + (i - 1) * 592.f, 1605.f - 100 + 10.f * i})) << i;
    // A hand card does nothing while the chien lies face up; a chien card takes it in.
    Clic(t, id.Carte3d[1]);
    EXPECT_EQ(g.ChienAffiche, 1);
    const Tab1<Carte, 6> montre = g.ChienMontre;
    Clic(t, id.CarteChien[3]);
    EXPECT_EQ(Lu(id.info), T("Cliquez sur 6 cartes pour constituer l'écart", "Click on 6 cards to make the discard"));
    // The hand and the chien in one row, in sort order, 0 to 30 twips above the hand's row.
    // Trumps, the Excuse and Kings never move; the first six others rise by a quarter of a
    // card and the seventh is ignored; the confirmation shows with six.
    std::vector<int16_t> ecartables;
    Cartes ordre;
    for (int16_t k = 1; k <= 24; ++k) {
      const Controle& image = C(t, id.Carte3d[k]);
      const int16_t s = m.IndexCarteEcart[k];
      const Carte c = s > 18 ? g.Chien[s - 18] : g.MainsJoueurs[1][s];
      EXPECT_TRUE(image.visible) << k;
      EXPECT_TRUE(Meme(image.carte, c)) << k;
      EXPECT_EQ(image.gauche, 100 + (k - 1) * 444) << k;
      EXPECT_GE(image.haut, m.HautMain - 30) << k;
      EXPECT_LE(image.haut, m.HautMain) << k;
      ordre.push_back(c);
      EXPECT_EQ(image.pointeur, c.EstEcartable() ? PointeurFleche : PointeurInterdit) << k;
      const float haut = image.haut;
      const bool leve = c.EstEcartable() && ecartables.size() < 6;
      if (c.EstEcartable()) ecartables.push_back(k);
      Clic(t, id.Carte3d[k]);
      EXPECT_EQ(image.haut, haut - (leve ? 570 : 0)) << k;
      EXPECT_EQ(C(t, id.PanelConfirmeEcart).visible, ecartables.size() >= 6) << k;
    }
    EXPECT_TRUE(std::is_sorted(ordre.begin(), ordre.end(), AvantDansLeTri));
    ASSERT_GE(ecartables.size(), 7u);
    // One put back hides the confirmation; the seventh then takes its place.
    const float haut1 = C(t, id.Carte3d[ecartables[0]]).haut;
    Clic(t, id.Carte3d[ecartables[0]]);
    EXPECT_EQ(C(t, id.Carte3d[ecartables[0]]).haut, haut1 + 570);
    EXPECT_FALSE(C(t, id.PanelConfirmeEcart).visible);
    Clic(t, id.Carte3d[ecartables[6]]);
    m.CarteChien_Click(1);  // the chien is already in
    EXPECT_EQ(m.NbCartesEcart, 6);
    EXPECT_EQ(Lu(id.PanelConfirmeEcart), T("Accepter cet écart !", "Confirm discard !"));
    Cartes choisies;
    Cartes gardees;
    for (int16_t k = 1; k <= 24; ++k) {
      const bool ecartee = std::find(ecartables.begin() + 1, ecartables.begin() + 7, k) != ecartables.begin() + 7;
      (ecartee ? choisies : gardees).push_back(C(t, id.Carte3d[k]).carte);
    }
    Clic(t, id.PanelConfirmeEcart);
    // The play starts at once; the new hand, laid out again with no card to click, and the
    // discard keep the sort order.
    EXPECT_TRUE(EntreCarte(t).Active());
    for (int16_t i = 1; i <= 6; ++i) EXPECT_TRUE(Meme(g.Chien[i], choisies[i - 1u])) << i;
    for (int16_t k = 1; k <= 24; ++k) {
      EXPECT_EQ(C(t, id.Carte3d[k]).visible, k <= 18);
      if (k > 18) continue;
      EXPECT_TRUE(Meme(g.MainsJoueurs[1][k], gardees[k - 1u])) << k;
      EXPECT_EQ(g.MainsJoueurs[1][k].EnMain, 1) << k;
      EXPECT_EQ(C(t, id.Carte3d[k]).pointeur, PointeurInterdit) << k;
    }
    EXPECT_EQ(g.ChienMontre, montre);

    // The user's turns: the legal cards raised at level 1 only, back in the row after his card.
    Tab1<float, 18> rangee;
    for (int16_t k = 1; k <= 18; ++k) rangee[k] = C(t, id.Carte3d[k]).haut;
    const float levee = langue == 1 ? 200 : 0;
    for (int16_t pli = 1; pli <= 2; ++pli) {
      JouerJusqua(t, [&] { return g.AttenteJeuHumain == 1 && g.NumeroPli == pli; });
      EXPECT_EQ(Lu(id.info), T("A vous de jouer !", "Play !"));
      if (C(t, id.PanelPoignee).visible) Clic(t, id.PanelPoigneeAucune);
      for (int16_t k = 1; k <= 18; ++k) {
        const bool jouable = g.CarteJouable[1][k] == 1;
        EXPECT_EQ(C(t, id.Carte3d[k]).pointeur, jouable ? PointeurFleche : PointeurInterdit) << k;
        EXPECT_EQ(C(t, id.Carte3d[k]).haut, rangee[k] - (jouable ? levee : 0)) << k;
      }
      ASSERT_TRUE(AgirSensement(t));  // his card
      EXPECT_EQ(g.AttenteJeuHumain, 0);
      for (int16_t k = 1; k <= 18; ++k) EXPECT_EQ(C(t, id.Carte3d[k]).haut, rangee[k]) << k;
      JouerJusqua(t, [&] { return g.PliAffiche == 1; });
      EXPECT_EQ(Lu(id.info), T("Cliquez n'importe où pour continuer à jouer", "Click anywhere in order to go on"));
      EXPECT_EQ(Survol(id.CarteTable[pli]), T("Sachez que vous êtes toujours situé en SUD.", "Your hand is South"));
      // The last trick's window: loaded hidden at the first trick's end, shown by the menu.
      ASSERT_NE(m.LastPli(), nullptr);
      EXPECT_EQ(m.LastPli()->visible, pli == 2);
      m.ChoisirMenu(id.MenuLastPli);
      VerifierLastPli(*m.LastPli(), Pli(g, pli));
    }
    const FormLastPli& dernier = *m.LastPli();
    EXPECT_EQ(dernier.titre, T("LE DERNIER PLI...", "THE LAST TRICK..."));
    EXPECT_EQ(dernier.couleurFond, 0x008000u);
    // Each card on its seat's side: South below North, East right of West.
    EXPECT_GT(dernier[dernier.CarteLastPli(1)].haut, dernier[dernier.CarteLastPli(3)].haut);
    EXPECT_GT(dernier[dernier.CarteLastPli(2)].gauche, dernier[dernier.CarteLastPli(4)].gauche);
    // Until the card step gives him the turn, his clicks play nothing.
    JouerJusqua(t, [&] { return g.JoueurCourant == 1 && EntreCarte(t).Active(); });
    const Main tenues = g.MainsJoueurs[1];
    for (int16_t k = 1; k <= 18; ++k) Clic(t, id.Carte3d[k]);
    EXPECT_EQ(g.MainsJoueurs[1], tenues);
    for (auto [panneau, fr, en] :
         {std::tuple{id.nPointsAttaque, "Ce panneau indique le score du Preneur",
                     "This panel indicates the score of the Taker"},
          {id.nPointsDefense, "Ce panneau indique le score de la Défense",
           "This panel indicates the score of the Defense"},
          {id.nBoutsPreneur, "Ce panneau indique le nombre de bouts joués par le Preneur",
           "This panel indicates the number of oudlers played by the Taker"},
          {id.nBoutsDefense, "Ce panneau indique le nombre de bouts joués par la Défense",
           "This panel indicates the number of oudlers played by the Defense"},
          {id.nContrat, "Ce panneau indique le nombre de points (contrat) que le Preneur doit faire",
           "This panel indicates the number of points (contract) the Taker has to make"},
          {id.PanelAtExt, "Ce panneau indique le nombre d'atouts restant en dehors de votre propre main",
           "This panel indicates the number of trumps left outside your hand"}})
      EXPECT_EQ(Survol(panneau), T(fr, en));
    EXPECT_EQ(Survol(id.PanelDroite), "");

    // The end: the window buttons.
    JouerJusqua(t, [&] { return g.NumeroPli == 19; });
    const int32_t S = ScoreDonne(g);
    EXPECT_EQ(Lu(id.PanelScoreDetaille), "SCORES");
    EXPECT_EQ(Lu(id.PanelVoirMains), T("VOIR LES MAINS", "See each hand"));
    EXPECT_EQ(Lu(id.PanelVoirPlis), T("VOIR LES 18 PLIS", "SEE THE 18 TRICKS"));
    EXPECT_EQ(Lu(id.PanelPanelNewPartie), T("NOUVELLE DONNE", "New deal"));
    EXPECT_EQ(Lu(id.PanelRejouerDonne), T("REJOUER LA DONNE", "Play this deal again"));
    const Tab1<int32_t, 4> totaux = g.ScoreTotal;

    // The windows after a deal; the last trick's shows trick 18.
    const Tab1<Carte, 4> pli18 = Pli(g, 18);
    VerifierLastPli(dernier, pli18);
    for (int bouton : {id.PanelScoreDetaille, id.PanelVoirPlis, id.PanelVoirMains}) Clic(t, bouton);
    ASSERT_NE(m.ScoreDetaille(), nullptr);
    ASSERT_NE(m.TousPlis(), nullptr);
    ASSERT_NE(m.Mains(), nullptr);
    EXPECT_EQ((*m.ScoreDetaille())[m.ScoreDetaille()->scoreFinal].legende, std::to_string(S));

    // The replay, East taking with a Garde this time: the box says the running scores stay,
    // yet the ten-deal sum and the percentage count it. The windows after the deal go; the
    // last trick stays until the new deal's first trick is over.
    Clic(t, id.PanelRejouerDonne);
    EXPECT_EQ(m.Mains(), nullptr);
    EXPECT_TRUE(dernier.visible);
    Encheres(t, {0, 2, 0, 0});
    JouerJusqua(t, [&] { return g.NumeroPli == 1 && g.NbCartesPli == 3; });
    m.MenuLastPli_Click();
    VerifierLastPli(dernier, pli18);
    JouerJusqua(t, [&] { return g.NumeroPli == 2; });
    VerifierLastPli(dernier, Pli(g, 1));
    JouerJusqua(t, [&] { return g.NumeroPli == 19; });
    ASSERT_EQ(g.Preneur, 2);
    EXPECT_EQ(t.plateforme.messages.back().texte,
              T("Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a été rejouée",
                "Because you played the deal again, global scores are not modified."));
    EXPECT_EQ(g.ScoreTotal, totaux);
    const int32_t R = -ScoreDonne(g) / 3;
    const double gagnes = std::max(S, 0) + std::max(R, 0);
    const double enJeu = std::abs(S) + 3 * std::abs(R);
    EXPECT_EQ(Lu(id.Score10Panel), std::to_string(S + R));
    EXPECT_EQ(Lu(id.PanelPourcentScore), std::to_string(CInt(gagnes * 100 / enJeu)) + " %");

    // The reset box, answered No.
    t.plateforme.reponses = {ReponseMessage::Non};
    m.ChoisirMenu(id.scorzero);
    EXPECT_EQ(t.plateforme.messages.back().texte,
              T("Voulez-vous réellement remettre les scores à 0 ?", "Do you really want to initialize scores ?"));
    EXPECT_EQ(t.plateforme.messages.back().titre, "Mirvane " + m.NumeroVersion + T(" pour Windows", " for Windows"));
    EXPECT_EQ(g.ScoreTotal, totaux);
  }
}

// A new deal from any state: every timer off but the opening computer bid's, every panel and
// flag of the deal put back, and the slot of the ten-deal sum moved on (after 10 comes 1).
TEST(Controleur, ANewDealFromAnyStatePutsEverythingBack) {
  Banc banc(71);
  auto& [t, m, g, id] = banc;
  const auto Remise = [&](const std::string& etat, int commande) {
    SCOPED_TRACE(etat);
    Clic(t, commande);
    EXPECT_EQ(Enchere(t).Active(), g.PremierJoueur != 1);
    EXPECT_EQ(Armees(t), Enchere(t).Active() ? 1 : 0);
    EXPECT_EQ(C(t, id.PanelEnchere).visible, g.PremierJoueur == 1);
    for (int c : {id.PanelPoignee, id.PanelPoigneeDouble, id.PanelPoigneeTriple, id.PanelConfirmeEcart,
                  id.PanelResultat, id.TableRonde})
      EXPECT_FALSE(C(t, c).visible) << C(t, c).nom;
    for (int16_t s = 1; s <= 4; ++s)
      for (int c : {id.PanelScoreTotal[s], id.CadrePreneur[s], id.PanelDecision[s], id.CarteTable[s]})
        EXPECT_FALSE(C(t, c).visible) << C(t, c).nom << s;
    for (int16_t i = 1; i <= 6; ++i) EXPECT_FALSE(C(t, id.CarteChien[i]).visible);
    for (int16_t k = 1; k <= 24; ++k) {
      EXPECT_EQ(C(t, id.Carte3d[k]).visible, k <= 18) << k;
      EXPECT_FALSE(C(t, id.Carte3d[k]).actif) << k;
    }
    for (int c : {id.nPointsAttaque, id.nPointsDefense, id.nBoutsPreneur, id.nBoutsDefense, id.nEnchere, id.nContrat,
                  id.PanelPreneur, id.PanelAtExt})
      EXPECT_EQ(C(t, c).legende, "") << C(t, c).nom;
    EXPECT_EQ(C(t, id.PanelDonneur).legende, (std::array{"SUD", "EST", "NORD", "OUEST"}[g.Donneur - 1u]));
    for (auto [nom, valeur] : {std::pair{"offer", g.OffrePoigneeEnCours},
                               {"handful", g.PoigneeAnnoncee},
                               {"discard", g.EcartHumainEnCours},
                               {"click", g.AttenteClic},
                               {"user's card", g.AttenteJeuHumain},
                               {"chien", g.ChienAffiche},
                               {"trick", g.PliAffiche},
                               {"trick number", g.NumeroPli},
                               {"bids", g.NbEncheres},
                               {"taker", g.Preneur}})
      EXPECT_EQ(valeur, 0) << nom;
    EXPECT_FALSE(m.Menu(id.MenuLastPli).disponible);
    EXPECT_EQ(m.IndexHistorique, (m.DonnesPreparees - 1) % 10 + 1);
    for (int16_t k = 1; k <= 18; ++k) m.Carte3d_Click(k);
    for (int16_t k = 1; k <= 18; ++k) EXPECT_EQ(g.MainsJoueurs[1][k].EnMain, 1);
  };

  Clic(t, id.PanelLancement);  // West's bid pending; the user opens the next deal
  Remise("a computer bid pending", id.PanelNewPartie);
  Clic(t, id.ButtonPasse);
  Enchere(t).Tirer();
  Remise("bids shown", id.PanelNewPartie);
  JouerJusqua(t, [&] { return C(t, id.PanelEnchere).visible; });
  Remise("the user's bid awaited", id.PanelNewPartie);
  Encheres(t, {1, 0, 0, 0});
  m.Form_Click();
  ASSERT_EQ(g.ChienAffiche, 1);
  Remise("the chien shown", id.PanelNewPartie);
  Encheres(t, {1, 0, 0, 0});
  JouerJusqua(t, [&] { return C(t, id.PanelConfirmeEcart).visible; });
  Remise("the user's discard", id.PanelNewPartie);
  JusquaPoignee(t, 14);
  ASSERT_TRUE(C(t, id.PanelPoigneeTriple).visible);
  Remise("the handful offer", id.PanelNewPartie);
  t.parametres.poignees = true;  // the largest handful declared by the lazy button
  JusquaPoignee(t, 14);
  JouerJusqua(t, [&] { return EntreCarte(t).Active() && g.PoigneeAnnoncee == 3; });
  Remise("a handful declared, the card timer armed", id.PanelNewPartie);
  // A click during the automatic pause goes on at once, the pending tick cancelled; the table's
  // shape is the window. In the click mode no timer runs, and a hand card goes on too.
  JouerJusqua(t, [&] { return g.PliAffiche == 1 && Transition(t).Active(); });
  EXPECT_EQ(Transition(t).Intervalle(), 2000);
  Clic(t, id.TableRonde);
  EXPECT_TRUE(EntreCarte(t).Active());
  EXPECT_EQ(Armees(t), 1);
  EXPECT_FALSE(C(t, id.CarteTable[1]).visible);
  g.AttenteAuto = 0;
  JouerJusqua(t, [&] { return g.PliAffiche == 1; });
  EXPECT_EQ(Armees(t), 0);
  Clic(t, id.Carte3d[1]);
  EXPECT_TRUE(EntreCarte(t).Active());
  g.AttenteAuto = 1;
  JouerJusqua(t, [&] { return g.PliAffiche == 1 && Transition(t).Active(); });
  Remise("the pause after a trick", id.PanelNewPartie);
  JouerJusqua(t, [&] { return g.NumeroPli == 19; });
  Remise("the deal over", id.PanelPanelNewPartie);
  JouerJusqua(t, [&] { return g.NumeroPli == 19; });
  Remise("the deal over, replayed", id.PanelRejouerDonne);
  EXPECT_GT(m.DonnesPreparees, 10);
}

// The user taking each contract, then East with a Garde: the taker shown, the chien face up
// for a Prise or a Garde only, the hand's pointers, the computer's discard in one click; at the
// end the result and the running scores shown, and the last trick left for one click.
TEST(Controleur, WholeDealsAsTakerOfEachContractAndAsDefender) {
  const std::array<int16_t, 4> encheres[] = {{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 0, 0, 0}, {4, 0, 0, 0}, {0, 2, 0, 0}};
  for (const auto& e : encheres) {
    Banc banc(7);
    auto& [t, m, g, id] = banc;
    m.ChoisirMenu(id.nouveau);
    Encheres(t, e);
    m.Form_Click();
    SCOPED_TRACE(testing::Message() << "taker " << g.Preneur << ", contract " << g.EnchereJoueur[g.Preneur]);
    ASSERT_EQ(g.Preneur, e[0] == 0 ? 2 : 1);
    EXPECT_EQ(C(t, id.PanelPreneur).legende, g.Preneur == 1 ? "SUD" : "EST");
    EXPECT_TRUE(C(t, id.CadrePreneur[g.Preneur]).visible);
    const bool chien = g.EnchereJoueur[g.Preneur] <= 2;
    EXPECT_EQ(C(t, id.CarteChien[1]).visible, chien);
    EXPECT_EQ(C(t, id.info).legende, chien ? "Et voici le Chien ! Bon, cliquez pour continuer à jouer ..."
                                           : "Cliquez n'importe où pour commencer !");
    // No hand card may be clicked; the chien shown, none is marked as refused either.
    for (int16_t k = 1; k <= 18; ++k)
      EXPECT_EQ(C(t, id.Carte3d[k]).pointeur, chien ? PointeurDefaut : PointeurInterdit) << k;
    if (chien && g.Preneur != 1) {
      // One click: the computer discards and the first card follows on the card timer.
      m.Form_Click();
      EXPECT_TRUE(EntreCarte(t).Active());
      EXPECT_FALSE(C(t, id.CarteChien[1]).visible);
    }
    JouerJusqua(t, [&] { return g.NumeroPli == 19; });
    EXPECT_TRUE(C(t, id.PanelResultat).visible);
    for (int16_t s = 1; s <= 4; ++s) EXPECT_TRUE(C(t, id.PanelScoreTotal[s]).visible) << s;
    // The first click after the last trick leaves its cards and empties the prompt; later
    // clicks do nothing.
    m.Form_Click();
    for (int16_t s = 1; s <= 4; ++s) {
      EXPECT_TRUE(C(t, id.CarteTable[s]).visible) << s;
      EXPECT_TRUE(Meme(C(t, id.CarteTable[s]).carte, Pli(g, 18)[s])) << s;
    }
    EXPECT_EQ(C(t, id.info).legende, "");
    EXPECT_TRUE(EntreCarte(t).Tirer());
    m.Form_Click();
    EXPECT_EQ(Armees(t), 0);
    EXPECT_EQ(g.AttenteClic, 0);
  }
}

// The offer by the number of suit-0 cards, the Excuse counted: simple from 10, double from 13,
// triple from 15, at trick 1 only; no card plays while it is open. Each kind is declared on its
// own deal, in French and English by turns: its window takes the suit-0 cards, the main window
// inert, and asks for 10, 13 or 15 (OK shows at that many only), refusing the Excuse short of
// that. Its lazy button raises the highest trumps, the Excuse if they fall short, keeping a pick
// already made. OK keeps the largest kind, cancel a smaller one; the hand then plays.
TEST(Controleur, HandfulsByTrumpCount) {
  struct Cas {
    int16_t atouts;
    bool excuse;
    int16_t genres;  // kinds offered: 0 none, 1 simple, 2 and double, 3 and triple
  };
  const Cas cas[] = {{9, false, 0},  {9, true, 1},   {10, false, 1}, {12, false, 1}, {12, true, 2},
                     {13, false, 2}, {14, false, 2}, {14, true, 3},  {15, false, 3}};
  const int16_t tailles[] = {0, 10, 13, 15};
  int16_t langue = 2;
  for (const Cas& c : cas) {
    for (int16_t genre = 1; genre <= std::max<int16_t>(c.genres, 1); ++genre) {
      langue = static_cast<int16_t>(3 - langue);
      SCOPED_TRACE(testing::Message() << c.atouts << " trumps, Excuse " << c.excuse << ", kind " << genre
                                      << ", language " << langue);
      Banc banc(31);
      auto& [t, m, g, id] = banc;
      const auto T = [langue](const char* fr, const char* en) { return std::string(langue == 1 ? fr : en); };
      g.Langue = langue;
      m.AppliquerLangue();
      m.ChoisirMenu(id.nouveau);
      JusquaPoignee(t, c.atouts, c.excuse);
      EXPECT_EQ(g.OffrePoigneeEnCours, c.genres > 0 ? 1 : 0);
      EXPECT_EQ(C(t, id.PanelPoignee).visible, c.genres >= 1);
      EXPECT_EQ(C(t, id.PanelPoigneeDouble).visible, c.genres >= 2);
      EXPECT_EQ(C(t, id.PanelPoigneeTriple).visible, c.genres >= 3);
      if (c.genres == 0) continue;
      EXPECT_EQ(C(t, id.PanelPoigneeSimple).legende, T("SIMPLE", "SINGLE"));
      EXPECT_EQ(C(t, id.PanelPoigneeDouble).legende, "DOUBLE");
      EXPECT_EQ(C(t, id.PanelPoigneeTriple).legende, "TRIPLE");
      EXPECT_EQ(C(t, id.PanelPoigneeAucune).legende, T("aucune", "no one"));
      int16_t legale = 1;
      while (g.CarteJouable[1][legale] != 1) ++legale;
      Clic(t, id.Carte3d[legale]);
      EXPECT_EQ(g.MainsJoueurs[1][legale].EnMain, 1);

      const int panneaux[] = {0, id.PanelPoigneeSimple, id.PanelPoigneeDouble, id.PanelPoigneeTriple};
      Clic(t, panneaux[genre]);
      ASSERT_NE(m.Poignee(), nullptr);
      FormPoignee& f = *m.Poignee();
      const auto Image = [&f](int16_t k) -> const Controle& { return f[f.CartePoigneeId(k)]; };
      const auto Cliquer = [&f](int id) { f.Envoyer(id, Evenement::Clic); };
      EXPECT_EQ(g.PoigneeAnnoncee, genre);
      EXPECT_FALSE(m.actif);
      EXPECT_EQ(f.titre,
                T("Sélectionnez les cartes à mettre dans la poignée.", "Choose the cards to put in the Poignée"));
      EXPECT_EQ(f[f.PanelBoutonParesseux()].legende, T("Bouton paresseux...", "Lazy button..."));
      EXPECT_EQ(f[f.PanelAnnulerPoignee()].legende, T("Annuler la poignée...", "Cancel the Poignée..."));
      EXPECT_EQ(f[f.PanelOKPoignee()].legende, "OK");
      // The suit-0 cards leave the hand for the window, 570 twips apart.
      Tab1<float, 18> hauts;
      for (int16_t k = 1; k <= 18; ++k) {
        hauts[k] = Image(k).haut;
        const bool atout = g.MainsJoueurs[1][k].Couleur == CouleurAtout;
        EXPECT_EQ(Image(k).visible, atout) << k;
        EXPECT_EQ(C(t, id.Carte3d[k]).visible, !atout) << k;
        if (!atout) continue;
        EXPECT_EQ(Image(k).gauche, 15 + (k - 1) * 570) << k;
        EXPECT_NEAR(Image(k).haut, 680, 100) << k;
      }
      m.Form_Click();
      m.ChoisirMenu(id.nouveau);
      EXPECT_EQ(m.Poignee(), &f);
      const int16_t taille = tailles[genre];
      if (c.excuse && c.atouts >= taille) {
        Cliquer(f.CartePoigneeId(static_cast<int16_t>(c.atouts + 1)));
        ASSERT_EQ(t.plateforme.messages.size(), 1u);
        EXPECT_EQ(t.plateforme.messages.back().texte, "Vous ne pouvez pas sélectionner l'Excuse...");
        EXPECT_EQ(f.CarteChoisiePoignee[c.atouts + 1], 0);
      }
      Cliquer(f.CartePoigneeId(2));
      Cliquer(f.PanelBoutonParesseux());
      EXPECT_EQ(f.NbCartesPoignee, taille);
      std::vector<std::string> levees;
      for (int16_t k = 1; k <= 18; ++k)
        if (Image(k).haut == hauts[k] - 570) levees.push_back(Nom(g.MainsJoueurs[1][k]));
      std::vector<std::string> attendues;
      for (int16_t v = 21; v > 21 - c.atouts && std::ssize(attendues) < taille; --v) attendues.push_back(Nom(At(v)));
      if (std::ssize(attendues) < taille) attendues.push_back("Exc");
      EXPECT_EQ(levees, attendues);
      // The last picture raised put back, then raised again; one more hides OK too.
      const int ok = f.PanelOKPoignee();
      EXPECT_TRUE(f[ok].visible);
      Cliquer(f.CartePoigneeId(taille));
      EXPECT_EQ(Image(taille).haut, hauts[taille]);
      EXPECT_FALSE(f[ok].visible);
      Cliquer(f.CartePoigneeId(taille));
      EXPECT_EQ(Image(taille).haut, hauts[taille] - 570);
      EXPECT_TRUE(f[ok].visible);
      if (c.atouts > taille) {
        Cliquer(f.CartePoigneeId(static_cast<int16_t>(taille + 1)));
        EXPECT_FALSE(f[ok].visible);
        Cliquer(f.CartePoigneeId(static_cast<int16_t>(taille + 1)));
      }
      const bool garder = genre == c.genres;
      Cliquer(garder ? ok : f.PanelAnnulerPoignee());
      EXPECT_EQ(m.Poignee(), nullptr);
      EXPECT_EQ(g.OffrePoigneeEnCours, 0);
      EXPECT_EQ(g.PoigneeAnnoncee, garder ? genre : 0);
      EXPECT_TRUE(m.actif);
      for (int16_t k = 1; k <= 18; ++k) EXPECT_TRUE(C(t, id.Carte3d[k]).visible) << k;
      Clic(t, id.Carte3d[legale]);
      EXPECT_EQ(g.MainsJoueurs[1][legale].EnMain, 0);
      JouerJusqua(t, [&] { return g.AttenteJeuHumain == 1 && g.NumeroPli == 2; });
      EXPECT_FALSE(C(t, id.PanelPoignee).visible);
    }
  }
}

TEST(Controleur, ResultsRunningScoresAndPercentage) {
  const Mots defenseGagne = {"BRAVO, vous avez bien défendu et fait chuter le PRENEUR !",
                             "BRAVO to you and the Defense !"};
  const Mots preneurGagne = {"BRAVOOOOOOO, vous avez gagné contre la DEFENSE !",
                             "BRAVOOOOOOO, you WIN against the Defense !"};
  const Mots defensePerd = {"AIE, vous n'avez pas pu faire chuter le PRENEUR !",
                            "OW, your Defense was not very good..."};
  const Mots preneurPerd = {"AIIIIIIIIE, la DEFENSE vous a fait chuter !",
                            "OWWWWWWWWW, you LOSE against the Defense !"};
  struct Cas {
    int16_t preneur, demiPoints, S;
    const Mots* message;
    std::array<int32_t, 4> totaux;
    std::string pourcent;
  };
  // A defender's win of 50, then the user's win of 75: 125 won of 225 at stake; then a
  // defender's loss (150 more at stake) and a taker's loss (180 more).
  const Cas cas[] = {{2, 52, -150, &defenseGagne, {50, -150, 50, 50}, "33 %"},
                     {1, 102, 75, &preneurGagne, {125, -175, 25, 25}, "56 %"},
                     {2, 152, 150, &defensePerd, {75, -25, -25, -25}, "33 %"},
                     {1, 32, -180, &preneurPerd, {-105, 35, 35, 35}, "23 %"}};
  for (int16_t langue : {1, 2}) {
    Banc banc(51);
    auto& [t, m, g, id] = banc;
    g.Langue = langue;
    int32_t somme10 = 0;
    for (const Cas& c : cas) {
      SCOPED_TRACE(c.S);
      m.ChoisirMenu(id.nouveau);
      Finir(m, c.preneur, c.demiPoints);
      ASSERT_EQ(ScoreDonne(g), c.S);
      somme10 += c.preneur == 1 ? c.S : -c.S / 3;
      EXPECT_EQ(m.ResultatsDonnes[m.IndexHistorique], c.preneur == 1 ? c.S : -c.S / 3);
      EXPECT_EQ(C(t, id.PanelTexteResultat).legende,
                (langue == 1 ? "Résultat du Preneur : " : "Results for the Taker : ") + std::to_string(c.S) +
                    " points.\n" + (*c.message)[langue - 1]);
      EXPECT_EQ(C(t, id.Score10Panel).legende, std::to_string(somme10));
      EXPECT_EQ(C(t, id.PanelPourcentScore).legende, c.pourcent);
      for (int16_t s = 1; s <= 4; ++s) {
        EXPECT_EQ(C(t, id.PanelScore[s]).legende, std::to_string(c.totaux[s - 1u]));
        EXPECT_EQ(C(t, id.PanelClassement[s]).couleurTexte, g.Classement[s] == 1 ? 0xFF0000u : 0u);
      }
    }
    // A click on a score panel hides the four; a table card or the menu shows them again.
    Clic(t, id.PanelScore[2]);
    for (int16_t s = 1; s <= 4; ++s) EXPECT_FALSE(C(t, id.PanelScoreTotal[s]).visible);
    m.ChoisirMenu(id.scores);
    for (int16_t s = 1; s <= 4; ++s) EXPECT_TRUE(C(t, id.PanelScoreTotal[s]).visible);

    // Resetting the scores asks first; Yes sets all four to 0, all first.
    t.plateforme.reponses = {ReponseMessage::Oui};
    m.ChoisirMenu(id.scorzero);
    EXPECT_EQ(g.ScoreTotal, (Tab1<int32_t, 4>{}));
    for (int16_t s = 1; s <= 4; ++s) EXPECT_EQ(C(t, id.PanelClassement[s]).couleurTexte, 0xFF0000u);
  }
}

// Scores read at either end of the 32-bit range stop there at the next deal: the ranks stay
// in order, and the score and rank panels and the next save hold the same numbers.
TEST(Controleur, RunningScoresStopAtTheEndsOfTheirRange) {
  constexpr int32_t haut = std::numeric_limits<int32_t>::max();
  constexpr int32_t bas = std::numeric_limits<int32_t>::min();
  struct Cas {
    int16_t preneur, demiPoints;
    std::array<int32_t, 4> lus, totaux;
    std::array<int16_t, 4> rangs;
  };
  const Cas cas[] = {
      // East goes down with -150: the user and the other defenders +50, East -150.
      {2, 52, {haut, bas, haut - 10, -5}, {haut, bas, haut, 45}, {1, 3, 1, 2}},
      // The user goes down with -180; each computer seat +60.
      {1, 32, {bas, haut, haut - 50, bas + 100}, {bas, haut, haut, bas + 160}, {3, 1, 1, 2}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.preneur);
    PlateformeFactice plateforme;
    ReglagesFactices store;
    auto cle = [](const std::string& nom) { return ReglagesFactices::Cle("mirvane", "option", nom); };
    store.valeurs[cle("deja")] = "1";
    for (int s = 1; s <= 4; ++s) store.valeurs[cle("score" + std::to_string(s))] = std::to_string(c.lus[s - 1u]);
    Mirvane m(plateforme, Aleatoire(3), &store);
    m.Form_Load();
    m.ChoisirMenu(m.Id().nouveau);
    Finir(m, c.preneur, c.demiPoints);
    m.ChoisirMenu(m.ChercherMenu("clickobli"));  // an option changed: everything is saved
    for (int16_t s = 1; s <= 4; ++s) {
      EXPECT_EQ(m.g.ScoreTotal[s], c.totaux[s - 1u]) << s;
      EXPECT_EQ(m.C(m.Id().PanelScore[s]).legende, std::to_string(c.totaux[s - 1u])) << s;
      EXPECT_EQ(store.valeurs[cle("score" + std::to_string(s))], std::to_string(c.totaux[s - 1u])) << s;
      EXPECT_EQ(m.g.Classement[s], c.rangs[s - 1u]) << s;
      EXPECT_EQ(m.C(m.Id().PanelClassement[s]).legende, std::to_string(c.rangs[s - 1u])) << s;
    }
  }
}

TEST(Controleur, ChaosKeepsEveryInvariant) {
  const BilanChaos b = CourirChaos(100000, 2024);
  for (const std::string& e : b.premiersEchecs) ADD_FAILURE() << e;
  EXPECT_EQ(b.echecs, 0);
  EXPECT_EQ(b.evenements, 100000);
  EXPECT_GE(b.donnesFinies, 90);
}

}  // namespace
