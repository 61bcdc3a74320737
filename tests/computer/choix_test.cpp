// The frame of the card choice and its candidate helpers.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/cartes.h"

namespace {

// What a search helper finds for the seat to play, as text ("-" for nothing).
template <class Chercher, class... Couleur>
std::string Trouve(const Position& p, Chercher chercher, Couleur... s) {
  int16_t k = 0;
  chercher(p.g, p.Joueur(), s..., k);
  return k == -1 ? "-" : Nom(p.g.MainsJoueurs[p.Joueur()][k]);
}

TEST(Candidats, ExclureEtChercher) {
  Position p(1);
  Partie& g = p.g;
  // Suit 0 takes the Excuse along; the last candidate always stays.
  p.Pli(2, {}).Main(Lire("A21 A7 Exc P12"));
  ExclureCouleurSiAutreChoix(g, 2, CouleurAtout);
  ExclureCouleurSiAutreChoix(g, 2, CouleurPique);
  EXPECT_EQ(p.Candidats(), "P12");

  // Trumps above 10 are no honours, the Excuse is no plain card, the Petit is no "lowest
  // trump", and cards that are not candidates do not count.
  p.Main(Lire("A15 A8 A5 A2 A1 Exc P14 P2 Co14 Co11 T3 Ca13 Ca1"));
  g.CarteJouable[2][PlaceDe(g, 2, Ca(1))] = 0;
  g.CarteJouable[2][PlaceDe(g, 2, At(2))] = 0;
  EXPECT_EQ(Trouve(p, ChercherPlusFortHonneur), "P14");
  EXPECT_EQ(Trouve(p, ChercherPlusPetiteCarte), "P2");
  EXPECT_EQ(Trouve(p, ChercherPlusPetitAtout), "A5");
  EXPECT_EQ(Trouve(p, ChercherPlusPetitAtoutPair), "A8");

  // A King with two more candidates of its suit; a low card of a long suit with an honour.
  p.Main(Lire("Co14 Co9 Co4 T14 T6 Ca13 Ca10 Ca8 Ca7 Ca5 P12 P9 P8 P7 P3"));
  const std::pair<int16_t, const char*> rois[] = {{CouleurCoeur, "Co14"}, {CouleurTrefle, "-"}, {CouleurCarreau, "-"}};
  for (const auto& [s, roi] : rois) EXPECT_EQ(Trouve(p, ChercherRoiGarde, s), roi) << "suit " << s;
  const std::pair<int16_t, const char*> petites[] = {{CouleurCarreau, "Ca5"}, {CouleurPique, "-"}, {CouleurCoeur, "-"}};
  for (const auto& [s, petite] : petites) EXPECT_EQ(Trouve(p, ChercherPetiteCarteCouleurLongue, s), petite) << s;
  // One candidate fewer in each suit.
  g.CarteJouable[2][PlaceDe(g, 2, Co(4))] = 0;
  g.CarteJouable[2][PlaceDe(g, 2, Ca(5))] = 0;
  EXPECT_EQ(Trouve(p, ChercherRoiGarde, CouleurCoeur), "-");
  EXPECT_EQ(Trouve(p, ChercherPetiteCarteCouleurLongue, CouleurCarreau), "-");
}

// Whether b plays after a in the trick, a at each position: b is among the next 4 - position
// seats. AFTER: the taker has laid his card in the trick, or is himself last; by seat order from
// the taker (he, then his three defenders), at positions 1 to 4.
TEST(Candidats, JoueurJoueApresEtApresLePreneur) {
  Partie g{Aleatoire(1)};
  for (int16_t a = 1; a <= 4; ++a)
    for (int16_t pos = 1; pos <= 4; ++pos)
      for (int16_t b = 1; b <= 4; ++b) {
        const int pas = (b - a + 4) % 4;  // b is the seat `pas` places after a
        int16_t r = -1;
        JoueurJoueApres(g, a, b, pos, r);
        EXPECT_EQ(r, pas >= 1 && pas <= 4 - pos ? 1 : 0) << a << " " << b << " " << pos;
      }

  const bool apres[4][4] = {
      {false, false, false, true},  // the taker, last
      {false, true, true, true},
      {false, false, true, true},
      {false, false, false, true},
  };
  for (int16_t preneur = 1; preneur <= 4; ++preneur)
    for (int rang = 0; rang < 4; ++rang)
      for (int16_t position = 1; position <= 4; ++position) {
        const auto joueur = static_cast<int16_t>((preneur + rang - 1) % 4 + 1);
        Position p(preneur);
        p.Pli(static_cast<int16_t>((joueur - position + 4) % 4 + 1), {});
        EXPECT_EQ(ApresPreneur(p.g, CalculerContexteChoix(p.g, joueur)), apres[rang][position - 1])
            << "seat " << rang << " after the taker " << preneur << ", position " << position;
      }
}

// The cascade, place by place.
TEST(Choix, CascadeEtNiveaux) {
  const int16_t ordre[47] = {15,  251, 191, 203, 21,  170, 8,  4,   201, 7,   181, 118, 103, 104, 252, 172,
                             9,   10,  190, 16,  204, 130, 11, 182, 180, 160, 119, 120, 150, 151, 116, 115,
                             114, 113, 112, 101, 22,  23,  19, 13,  18,  2,   3,   5,   14,  6,   1};
  for (size_t i = 0; i < 47; ++i) {
    const EntreeCascade& e = CascadeRegles()[i];
    EXPECT_EQ(e.numero, ordre[i]) << "place " << i + 1;
    EXPECT_EQ(e.toujoursAtteinte, e.numero == 190) << e.numero;
  }
  // The rules switched off at each level: 203 and 172 at levels 1 and 2; 104, 130 and 116 at
  // level 1; 16, 182 and 180 below level 4; 204 below level 3. A level outside 1..4 comes only
  // from a damaged settings file, and keeps every rule that none of these tests names.
  const std::pair<int16_t, std::set<int16_t>> eteintes[] = {
      {-1, {16, 180, 182, 204}},
      {0, {16, 180, 182, 204}},
      {1, {16, 104, 116, 130, 172, 180, 182, 203, 204}},
      {2, {16, 172, 180, 182, 203, 204}},
      {3, {16, 180, 182}},
      {4, {}},
      {7, {}},
  };
  for (const auto& [niveau, attendu] : eteintes) {
    Position p(2);
    p.g.Niveau = niveau;
    ChoisirCarteOrdinateur(p.Pli(3, {}).Main({Pi(3), Co(4)}).g, 3);
    std::set<int16_t> off;
    for (int16_t i = 1; i <= NombreRegles; ++i)
      if (p.g.ReglesActives[i] == 0) off.insert(i);
    EXPECT_EQ(off, attendu) << "level " << niveau;
  }
}

// Records the rule captions the choice shows and the cards laid on the table.
struct EcranRegles : Affichage {
  std::vector<std::string> legendes;
  std::vector<std::pair<int16_t, int16_t>> cartesPosees;
  void AfficherRegle(int16_t, std::string_view texte) override { legendes.emplace_back(texte); }
  void AfficherCarteTable(int16_t joueur, int16_t place) override { cartesPosees.emplace_back(joueur, place); }
};

TEST(Choix, PanneauTiragesEtCartePosee) {
  EcranRegles ecran;
  // Seat 3 holds the Excuse at trick 17: rule 15 plays it, and the cascade still makes rule
  // 190's draw, and no other. The panel shows the rule, whose flag is back to 1.
  Position p(2, 17);
  p.g.ecran = &ecran;
  p.Pli(2, {Pi(9)}).Main({Exc(), Pi(6)});
  Aleatoire temoin = p.g.alea;
  ChoisirCarteOrdinateur(p.g, 3);
  temoin.Rnd();
  EXPECT_EQ(p.g.Rnd(), temoin.Rnd()) << "rule 190's draw only";
  EXPECT_EQ(p.g.RegleAffichee[3], 15);
  EXPECT_EQ(p.g.ReglesActives[15], 1);
  // Through the level draw, the panel is cleared first.
  ecran.legendes.clear();
  EXPECT_EQ(ChoisirPlaceOrdinateur(p.Main({Exc(), Pi(6)}).g, 3), p.g.PlaceExcuse);
  EXPECT_EQ(ecran.legendes, (std::vector<std::string>{"", "15"}));

  // A single candidate: no level draw, no cascade, the panel untouched; only the final draw.
  ecran.legendes.clear();
  p.g.CarteJouable[3][PlaceDe(p.g, 3, Pi(6))] = 0;
  p.g.ReglesActives[251] = 9;
  temoin = p.g.alea;
  int16_t k = 0;
  do k = static_cast<int16_t>(CInt(temoin.Rnd() * 17) + 1);
  while (k != p.g.PlaceExcuse);
  EXPECT_EQ(ChoisirPlaceOrdinateur(p.g, 3), k);
  EXPECT_EQ(p.g.Rnd(), temoin.Rnd()) << "the final draw only";
  EXPECT_TRUE(ecran.legendes.empty());
  EXPECT_EQ(p.g.ReglesActives[251], 9) << "no cascade";
  EXPECT_EQ(p.g.RegleAffichee[3], 0);

  // The card chosen is recorded and laid on the table.
  p.g.NumeroPli = 1;
  JouerCarteOrdinateur(p.g, 3);
  EXPECT_EQ(ecran.cartesPosees, (std::vector<std::pair<int16_t, int16_t>>{{3, p.g.CarteJoueeParPli[3][1]}}));
}

TEST(Choix, TirageDuNiveau) {
  // The reasoned choice runs when CInt(100 u) <= 80, 90, 100, 100 at levels 1 to 4, checked
  // draw by draw.
  const std::array<int16_t, 5> seuil{0, 80, 90, 100, 100};
  for (int16_t niveau = 1; niveau <= 4; ++niveau) {
    Position p(2, 4);
    AppliquerNiveau(p.g, niveau);
    for (int i = 0; i < 300; ++i) {
      p.Pli(3, {}).Main({At(1), Pi(6), Co(7)});
      p.g.ReglesActives[251] = 9;  // any cascade sets it back
      Aleatoire temoin = p.g.alea;
      const bool reflechi = CInt(temoin.Rnd() * 100) <= seuil[niveau];
      ChoisirPlaceOrdinateur(p.g, 3);
      ASSERT_EQ(p.g.ReglesActives[251] != 9, reflechi) << "level " << niveau << ", choice " << i;
    }
  }
}

}  // namespace
