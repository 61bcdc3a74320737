// The frame of the card choice and its candidate helpers.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "computer/choix.h"
#include "computer/donne_jouee.h"
#include "computer/position.h"
#include "computer/regles.h"
#include "game/pli.h"

using namespace pos;

namespace {

// Records the rule captions the choice shows and the cards laid on the table.
struct EcranRegles : Affichage {
  std::vector<std::string> legendes;
  std::vector<std::pair<int16_t, int16_t>> cartesPosees;
  void AfficherRegle(int16_t, std::string_view texte) override { legendes.emplace_back(texte); }
  void AfficherCarteTable(int16_t joueur, int16_t place) override { cartesPosees.emplace_back(joueur, place); }
};

// A hand for seat j, every held card a candidate.
Partie& Main(Partie& g, int16_t j, std::initializer_list<Carte> cartes) {
  DonnerMain(g, j, cartes);
  Recenser(g);
  ToutJouable(g, j);
  return g;
}
// What a search helper finds, as text ("-" for nothing).
std::string Trouve(const Partie& g, int16_t j, void (*chercher)(const Partie&, int16_t, int16_t&)) {
  int16_t p = 0;
  chercher(g, j, p);
  return p == -1 ? "-" : Nom(g.MainsJoueurs[j][p]);
}

TEST(Candidats, ForcerEtExclure) {
  Partie g{Aleatoire(1)};
  Main(g, 2, {At(21), At(7), At(1), Exc(), Pi(12), Co(3)});
  g.CarteJouable[2][6] = 0;
  int16_t ok = 7;
  ForcerCarteJouable(g, 2, 6, ok);  // not a candidate
  ForcerCarteJouable(g, 2, -1, ok);  // a search that found nothing
  EXPECT_EQ(ok, 0);
  EXPECT_EQ(Reste(g, 2), "A21 A7 A1 Exc P12");
  // Suit 0 takes the Excuse along; the last candidate always stays.
  ExclureCouleurSiAutreChoix(g, 2, CouleurAtout);
  EXPECT_EQ(Reste(g, 2), "P12");
  ExclureCouleurSiAutreChoix(g, 2, CouleurPique);
  ExclureCarteSiAutreChoix(g, 2, CouleurPique, 12);
  EXPECT_EQ(Reste(g, 2), "P12");

  Main(g, 2, {At(21), At(7), At(1), Exc()});
  ExclureCouleurSiAutreChoix(g, 2, CouleurAtout);
  EXPECT_EQ(Reste(g, 2), "A21 A7 A1 Exc");
  ExclureCarteSiAutreChoix(g, 2, CouleurAtout, 1);
  ExclureCarteSiAutreChoix(g, 2, CouleurAtout, 0);
  EXPECT_EQ(Reste(g, 2), "A21 A7");
  ForcerCarteJouable(g, 2, 2, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_EQ(Reste(g, 2), "A7");
}

TEST(Candidats, Recherches) {
  Partie g{Aleatoire(1)};
  // Trumps above 10 are no honours, the Excuse is no plain card, the Petit is no "lowest
  // trump", and cards that are not candidates do not count.
  Main(g, 3, {At(15), At(8), At(5), At(2), At(1), Exc(), Pi(14), Pi(2), Co(14), Co(11), Tr(3), Tr(2), Ca(13), Ca(1)});
  g.CarteJouable[3][PlaceDe(g, 3, Ca(1))] = 0;
  g.CarteJouable[3][PlaceDe(g, 3, At(2))] = 0;
  EXPECT_EQ(Trouve(g, 3, ChercherPlusFortHonneur), "P14");  // the first of two Kings
  EXPECT_EQ(Trouve(g, 3, ChercherPlusPetiteCarte), "P2");
  EXPECT_EQ(Trouve(g, 3, ChercherPlusPetitAtout), "A5");
  EXPECT_EQ(Trouve(g, 3, ChercherPlusPetitAtoutPair), "A8");
  Main(g, 3, {At(1), Exc(), Pi(10)});
  for (auto chercher : {ChercherPlusFortHonneur, ChercherPlusPetitAtout, ChercherPlusPetitAtoutPair})
    EXPECT_EQ(Trouve(g, 3, chercher), "-");
  Main(g, 3, {At(3), Exc()});
  EXPECT_EQ(Trouve(g, 3, ChercherPlusPetiteCarte), "-");

  // A King with two more candidates of its suit; a low card of a long suit with an honour.
  auto roi = [&](int16_t s) {
    int16_t p = 0;
    ChercherRoiGarde(g, 4, s, p);
    return p == -1 ? "-" : Nom(g.MainsJoueurs[4][p]);
  };
  auto petite = [&](int16_t s) {
    int16_t p = 0;
    ChercherPetiteCarteCouleurLongue(g, 4, s, p);
    return p == -1 ? "-" : Nom(g.MainsJoueurs[4][p]);
  };
  Main(g, 4, {Co(14), Co(9), Co(4), Tr(14), Tr(6), Ca(13), Ca(10), Ca(8), Ca(7), Ca(5), Pi(12), Pi(9), Pi(8), Pi(7),
              Pi(3)});
  EXPECT_EQ(roi(CouleurCoeur) + roi(CouleurTrefle) + roi(CouleurCarreau), "Co14--");
  EXPECT_EQ(petite(CouleurCarreau) + petite(CouleurPique) + petite(CouleurCoeur), "Ca5--");
  g.CarteJouable[4][PlaceDe(g, 4, Co(4))] = 0;
  g.CarteJouable[4][PlaceDe(g, 4, Ca(5))] = 0;
  EXPECT_EQ(roi(CouleurCoeur) + petite(CouleurCarreau), "--");
  Main(g, 4, {Ca(14), Ca(10), Ca(8), Ca(7), Ca(6)});
  EXPECT_EQ(petite(CouleurCarreau), "-");  // its lowest card is above 5
}

TEST(Candidats, JoueurJoueApresSuitLOrdreDuPli) {
  Partie g{Aleatoire(1)};
  for (int16_t a = 1; a <= 4; ++a)
    for (int16_t pos = 1; pos <= 4; ++pos) {
      std::set<int16_t> apres;  // the next 4 - pos seats
      for (int16_t i = 0, s = a; i < 4 - pos; ++i) apres.insert(s = Suivant(s));
      for (int16_t b = 1; b <= 4; ++b) {
        int16_t r = -1;
        JoueurJoueApres(g, a, b, pos, r);
        EXPECT_EQ(r, apres.count(b) ? 1 : 0) << a << " " << b << " " << pos;
      }
    }
}

TEST(Candidats, TrouverCarteGagnante) {
  Partie g{Aleatoire(1)};
  g.Preneur = 3;
  auto gagnante = [&](int16_t j, std::initializer_list<Carte> main) {
    Main(g, j, main);
    int16_t p = 0;
    TrouverCarteGagnante(g, j, p);
    return p == 100 ? "100" : p == -1 ? "-" : Nom(g.MainsJoueurs[j][p]);
  };
  // The taker (3) is master: the first candidate that takes over.
  PoserPli(g, 1, {Co(9), Co(2), Co(12)});
  EXPECT_EQ(gagnante(4, {At(4), Co(13), Co(10), Co(1)}), "A4");
  EXPECT_EQ(gagnante(4, {Co(13), Co(10), Co(1)}), "Co13");
  EXPECT_EQ(gagnante(4, {Co(10), Co(1)}), "-");
  // A defender master, a defender to play: the duel is not at stake.
  PoserPli(g, 4, {Co(9), Co(13)});
  EXPECT_EQ(gagnante(2, {Co(14)}), "100");
  // The taker on a defender's trump: a higher trump only, never the Excuse.
  PoserPli(g, 1, {Pi(1), At(9)});
  EXPECT_EQ(gagnante(3, {At(6), Exc(), Ca(14)}), "-");
  EXPECT_EQ(gagnante(3, {At(10), At(6)}), "A10");
  // On the Excuse led, anything.
  PoserPli(g, 2, {Exc()});
  EXPECT_EQ(gagnante(3, {Ca(1)}), "Ca1");
}

TEST(Choix, ContexteDuChoix) {
  Partie g{Aleatoire(1)};
  g.Preneur = 3;
  PoserPli(g, 4, {Pi(5), Pi(9), At(2)});
  const ContexteChoix c = CalculerContexteChoix(g, 3);
  EXPECT_EQ((std::array{c.Defenseur1, c.Defenseur2, c.Defenseur3, c.PositionDansPli, c.JoueurMaitre}),
            (std::array<int16_t, 5>{4, 1, 2, 4, 2}));
  EXPECT_EQ(CalculerContexteChoix(g, 4).PositionDansPli, 1);
  EXPECT_EQ(CalculerContexteChoix(g, 1).JoueurMaitre, 4);  // only the lead before him
  EXPECT_EQ(CalculerContexteChoix(g, 2).JoueurMaitre, 1);  // Pique 9 over Pique 5

  // AFTER: the taker sits between the leader and the seat, or is himself last.
  for (int16_t entameur = 1; entameur <= 4; ++entameur) {
    PoserPli(g, entameur, {});
    for (int16_t j = 1; j <= 4; ++j) {
      const ContexteChoix d = CalculerContexteChoix(g, j);
      bool dejaJoue = false;
      for (int16_t s = entameur; s != j; s = Suivant(s)) dejaJoue |= s == g.Preneur;
      EXPECT_EQ(ApresPreneur(g, d), dejaJoue || (j == g.Preneur && d.PositionDansPli == 4)) << entameur << j;
    }
  }
}

TEST(Choix, CascadeEtNiveaux) {
  std::set<int16_t> numeros;
  for (const EntreeCascade& e : CascadeRegles()) numeros.insert(e.numero);
  EXPECT_EQ(numeros.size(), 47u);
  EXPECT_EQ(CascadeRegles().front().numero, 15);
  EXPECT_EQ(CascadeRegles().back().numero, 1);

  // Levels 1, 2 and 3 switch off 9, 6 and 3 rules; level 4 none.
  const std::set<int16_t> eteintes[5] = {
      {}, {203, 104, 172, 16, 204, 130, 182, 180, 116}, {203, 172, 16, 204, 182, 180}, {16, 182, 180}, {}};
  for (int16_t niveau = 1; niveau <= 4; ++niveau) {
    Partie g{Aleatoire(5)};
    g.Preneur = 2;
    g.Niveau = niveau;
    PoserPli(g, 3, {});
    ChoisirCarteOrdinateur(Main(g, 3, {Pi(3), Co(4)}), 3);
    std::set<int16_t> off;
    for (int16_t i = 1; i <= NombreRegles; ++i)
      if (g.ReglesActives[i] == 0) off.insert(i);
    EXPECT_EQ(off, eteintes[niveau]) << "level " << niveau;
  }
}

// A defender leading with the Petit and two plain cards after the defence has led once: only
// restricting rules apply.
void DefenseurAvecPetit(Partie& g) {
  g.Preneur = 2;
  g.NumeroPli = 4;
  g.DefenseNaPasEntame = 0;
  g.CouleurNonJouee.Remplir(0);
  PoserPli(g, 3, {});
  Main(g, 3, {At(1), Pi(6), Co(7)});
}

// Seat 3 holds the Excuse at trick 17: rule 15 plays it.
void ExcuseAuPli17(Partie& g) {
  g.Preneur = 2;
  g.NumeroPli = 17;
  PoserPli(g, 2, {Pi(9)});
  Main(g, 3, {Exc(), Pi(6)});
}

TEST(Choix, PanneauDeLaRegle) {
  Partie g{Aleatoire(11)};
  EcranRegles ecran;
  g.ecran = &ecran;
  // A pick: the panel is cleared, then shows the number; the flag is back to 1.
  ExcuseAuPli17(g);
  EXPECT_EQ(ChoisirPlaceOrdinateur(g, 3), g.PlaceExcuse);
  EXPECT_EQ(ecran.legendes, (std::vector<std::string>{"", "15"}));
  EXPECT_EQ(g.RegleAffichee[3], 15);
  EXPECT_EQ(g.ReglesActives[15], 1);

  // Only restrictions: the panel stays empty.
  ecran.legendes.clear();
  DefenseurAvecPetit(g);
  ChoisirPlaceOrdinateur(g, 3);
  EXPECT_EQ(Reste(g, 3), "P6 Co7");
  EXPECT_EQ(ecran.legendes, (std::vector<std::string>{""}));
  EXPECT_EQ(g.RegleAffichee[3], 0);

  // A single candidate: no level draw, no cascade, the panel untouched; only the final draw.
  ecran.legendes.clear();
  g.RegleAffichee[3] = 15;
  g.CarteJouable[3][PlaceDe(g, 3, Pi(6))] = 0;
  g.ReglesActives[251] = 9;
  Aleatoire temoin = g.alea;
  int16_t k = 0;
  do k = static_cast<int16_t>(CInt(temoin.Rnd() * 17) + 1);
  while (k != PlaceDe(g, 3, Co(7)));
  EXPECT_EQ(ChoisirPlaceOrdinateur(g, 3), k);
  EXPECT_EQ(g.Rnd(), temoin.Rnd());
  EXPECT_TRUE(ecran.legendes.empty());
  EXPECT_EQ(g.ReglesActives[251], 9);
  EXPECT_EQ(g.RegleAffichee[3], 0);  // no rule chose this card

  // Rule 15 decides, and the cascade still makes rule 190's draw: one draw, no more.
  ExcuseAuPli17(g);
  temoin = g.alea;
  ChoisirCarteOrdinateur(g, 3);
  temoin.Rnd();
  EXPECT_EQ(g.Rnd(), temoin.Rnd());
}

TEST(Choix, TiragesDuNiveauEtDeLaPlace) {
  // The reasoned choice runs when CInt(100 u) <= the percentage: 0.805 at 80, 0.905 at 90.
  const std::array<double, 5> attendu{0, 0.805, 0.905, 1, 1};
  for (int16_t niveau = 1; niveau <= 4; ++niveau) {
    Partie g{Aleatoire(42)};
    g.Niveau = niveau;
    g.PourcentJeuReflechi = std::array<int16_t, 5>{0, 80, 90, 100, 100}[niveau];
    int reflechis = 0;
    for (int i = 0; i < 4000; ++i) {
      DefenseurAvecPetit(g);
      g.ReglesActives[251] = 9;  // any cascade sets it back
      ChoisirPlaceOrdinateur(g, 3);
      reflechis += g.ReglesActives[251] != 9;
    }
    EXPECT_NEAR(reflechis / 4000.0, attendu[niveau], attendu[niveau] == 1 ? 0 : 0.04) << "level " << niveau;
  }

  // The final draw: places 1 and 18 at half the weight of the others.
  Partie g{Aleatoire(99)};
  for (const auto& [bord, milieu] : {std::pair{1, 5}, std::pair{18, 9}}) {
    g.CarteJouable[2].Remplir(0);
    g.CarteJouable[2][bord] = g.CarteJouable[2][milieu] = 1;
    int auBord = 0;
    for (int i = 0; i < 30000; ++i) {
      const int16_t k = TirerPlaceCandidate(g, 2);
      ASSERT_TRUE(k == bord || k == milieu);
      auBord += k == bord;
    }
    EXPECT_NEAR(auBord / 30000.0, 1.0 / 3, 0.03) << bord;
  }
}

TEST(Choix, JouerCarteOrdinateur) {
  Partie g{Aleatoire(8)};
  EcranRegles ecran;
  g.ecran = &ecran;
  donne::NouvelleDonne(g);
  const int16_t j = g.JoueurCourant;
  DeterminerCartesJouables(g, j);
  JouerCarteOrdinateur(g, j);
  ASSERT_EQ(ecran.cartesPosees.size(), 1u);
  const auto [siege, k] = ecran.cartesPosees[0];
  const Carte& c = g.MainsJoueurs[j][k];
  EXPECT_EQ(siege, j);
  EXPECT_EQ(c.EnMain, 0);
  // Recorded, then laid in the trick, and not counted yet.
  EXPECT_EQ(g.CarteJoueeParPli[j][1], k);
  EXPECT_EQ(g.EntameurParPli[1], j);
  EXPECT_EQ(Nom(g.PliCourant[j]), Nom(c));
  EXPECT_EQ(g.NbCartesPli, 0);
}

// Plays `n` whole deals, levels 1 to 4 in turn, checking what any choice must respect whatever
// the rules decide; returns a signature of every card played.
uint64_t JouerDonnes(uint64_t graine, int n) {
  Partie g{Aleatoire(graine)};
  uint64_t signature = 0;
  for (int d = 0; d < n; ++d) {
    g.Niveau = static_cast<int16_t>(d % 4 + 1);
    g.PourcentJeuReflechi = std::array<int16_t, 4>{80, 90, 100, 100}[d % 4];
    const bool toujoursReflechi = g.Niveau >= 3;
    donne::NouvelleDonne(g);
    for (int carte = 0; carte < 72; ++carte) {
      const int16_t j = g.JoueurCourant;
      const int16_t pli = g.NumeroPli;
      DeterminerCartesJouables(g, j);
      const auto legales = g.CarteJouable[j];
      const bool avaitExcuse = g.DetenteurExcuse == j;
      // A leader holding the Petit and another card keeps the Petit back.
      const bool garderPetit = g.NbCartesPli == 0 && g.DetenteurPetit == j && pli < 18;

      JouerCarteOrdinateur(g, j);
      const Carte& c = g.MainsJoueurs[j][g.CarteJoueeParPli[j][pli]];
      signature = signature * 1000003 + static_cast<uint64_t>(NumeroCarte(c));
      EXPECT_EQ(legales[g.CarteJoueeParPli[j][pli]], 1) << "deal " << d << " trick " << pli;
      for (int16_t i = 1; i <= NombreRegles; ++i) EXPECT_NE(g.ReglesActives[i], 2);
      if (toujoursReflechi && ((avaitExcuse && pli == 17 && !c.EstExcuse()) || (garderPetit && c.EstPetit())))
        ADD_FAILURE() << "deal " << d << " trick " << pli << " " << Nom(c);
      donne::CompterEtDebarrasser(g);
    }
    EXPECT_EQ(g.NumeroPli, 19);
    for (int16_t p = 1; p <= 4; ++p)
      for (const Carte& x : g.MainsJoueurs[p]) EXPECT_EQ(x.EnMain, 0);
  }
  return signature;
}

TEST(Choix, DonnesEntieres) {
  const uint64_t signature = JouerDonnes(2718, 300);
  // Nothing but the seed steers a deal: the same seed replays it card for card.
  EXPECT_EQ(JouerDonnes(2718, 300), signature);
  EXPECT_NE(JouerDonnes(2719, 300), signature);
}

}  // namespace
