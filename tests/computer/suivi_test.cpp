// The computer players' bookkeeping: the start of play and the markers each card sets.
#include "computer/suivi.h"

#include <gtest/gtest.h>

#include <array>

#include "support/cartes.h"

namespace {

// Remembers what the bookkeeping showed.
struct Ecran : Affichage {
  std::string infoFr, infoEn;
  std::vector<int16_t> atoutsDehors;
  void AfficherInfo(std::string_view fr, std::string_view en) override { infoFr = fr, infoEn = en; }
  void AfficherAtoutsDehors(int16_t n) override { atoutsDehors.push_back(n); }
};

}  // namespace

TEST(Suivi, StartOfPlay) {
  Partie g{Aleatoire(11)};
  Ecran ecran;
  g.ecran = &ecran;
  // Left from an earlier deal.
  g.CouleurEntameePreneur = 3, g.ClasseCarte[2][5] = ClasseJeu{4, 9, 2};
  g.Regle181Jouee = g.PetitProtege = g.CavalierLonguePreneurTombe = 1;
  g.DefenseNaPasEntame = g.RetourAtoutAttendu = g.SignalAtoutHumain = 0;
  // North (3) takes, long in spades and without clubs, with a bare King of diamonds, the Petit
  // and the Excuse; South, the human, holds trumps 2 to 5; East no trumps, West nine diamonds.
  Donner(g,
         {{3, Lire("P14 P13 P11 P10 P9 P8 Co14 Co2 Ca14 A1 A15 A16 A17 A18 A19 A20 A21 Exc")},
          {1, Lire("P7 P1 Co3 Co4 Co5 Co6 Co7 Co8 T1 T2 T3 T4 T5 A2 A3 A4 A5 Ca1")},
          {2, Lire("P2 P3 P4 P5 P6 P12 Co9 Co10 Co11 Co12 Co13 T8 T9 T10 T11 T12 T13 T14")}},
         Lire("Co1 T6 T7 Ca2 Ca3 Ca4"));
  DonnerContrat(g, 3, EncherePrise);
  OuvrirJeu(g, 3);
  PreparerJeuDeLaCarte(g);
  EXPECT_EQ(ecran.infoFr + ecran.infoEn, "Cliquez n'importe où pour commencer !Click anywhere to start !");
  EXPECT_EQ(ecran.atoutsDehors, std::vector<int16_t>{17});  // South holds four trumps
  EXPECT_EQ(g.CouleurEntameePreneur, -1);
  EXPECT_EQ(g.ClasseCarte[2][5].Classe + g.ClasseCarte[2][5].AtoutABattre + g.ClasseCarte[2][5].CouleurDemandee, -3);
  EXPECT_EQ(g.RoiSecPreneur[CouleurCarreau] + 10 * (g.RoiSecPreneur[1] + g.RoiSecPreneur[2] + g.RoiSecPreneur[3]), 1);
  EXPECT_EQ(g.AtoutsChien, 0);
  EXPECT_EQ(g.NbAtoutsDonne[3], 8);
  EXPECT_EQ(g.NbCartesCouleurDonne[4][CouleurCarreau], 9);
  EXPECT_EQ(g.CoupesConnues[3][3][CouleurTrefle], 1);
  EXPECT_EQ(g.SansAtout[2][2] - g.SansAtout[3][2], 1);
  EXPECT_EQ((std::array{g.Regle181Jouee, g.PetitProtege, g.CavalierLonguePreneurTombe, g.DefenseNaPasEntame,
                        g.RetourAtoutAttendu, g.SignalAtoutHumain}),
            (std::array<int16_t, 6>{0, 0, 0, 1, -1, -1}));
  for (int16_t o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.PasEncoreEntame[o] + g.CouleurNonJouee[o], 2);
    EXPECT_EQ(g.PlusHautAtoutRestant[o], 21);
    for (int16_t s = 1; s <= 4; ++s) EXPECT_EQ(g.PlusHauteCarteRestante[o][s], 14);
  }

  // The trumps of the shown chien, the Excuse not counted; none known without a discard.
  Partie h{Aleatoire(11)};
  Donner(h, {}, Lire("A20 A21 Exc P1 P2 P3"));
  DonnerContrat(h, 2, EnchereGarde);
  PreparerJeuDeLaCarte(h);
  EXPECT_EQ(h.AtoutsChien, 2);
  DonnerContrat(h, 2, EnchereGardeSans);
  PreparerJeuDeLaCarte(h);
  EXPECT_EQ(h.AtoutsChien, -1);
}

TEST(Suivi, LongSuitFromTheRandomStart) {
  // South holds 4 spades, 5 hearts, 5 clubs and 4 diamonds: clubs when the draw starts at
  // clubs, hearts from any other start.
  int trefle = 0;
  for (uint64_t graine = 1; graine <= 40; ++graine) {
    Partie g{Aleatoire(graine)};
    Donner(g, {{1, Lire("P1 P2 P3 P4 Co1 Co2 Co3 Co4 Co5 T1 T2 T3 T4 T5 Ca1 Ca2 Ca3 Ca4")}});
    DonnerContrat(g, 2, EncherePrise);
    Aleatoire tirage = g.alea;
    const bool depuisTrefle = CInt(tirage.Rnd() * 3) + 1 == CouleurTrefle;  // South draws first
    PreparerJeuDeLaCarte(g);
    EXPECT_EQ(g.CouleurLongue[1], depuisTrefle ? CouleurTrefle : CouleurCoeur) << graine;
    trefle += depuisTrefle;
  }
  EXPECT_GT(trefle, 0);
  EXPECT_LT(trefle, 40);
}

namespace {

// One card recorded by the bookkeeping: the taker, the leader and the cards laid, the hand of
// the seat to play and the card it plays; what to set first; the marker read after the card.
// The taker's first suits and the user's signal are checked on whole deals.
struct Marque {
  int16_t preneur, entameur;
  Cartes pli, main;
  Carte jouee;
  void (*regler)(Partie&);
  int16_t (*lire)(const Partie&);
  int16_t attendu;
};
using P = Partie;
int16_t Protege(const P& g) { return g.PetitProtege; }
int16_t Retour(const P& g) { return g.RetourAtoutAttendu; }
int16_t Signal(const P& g) { return g.SignalAtoutHumain; }
int16_t Cavalier(const P& g) { return g.CavalierLonguePreneurTombe; }
int16_t LongueCoupee(const P& g) { return g.CouleurLonguePreneurCoupee; }
int16_t EntameePreneur(const P& g) { return g.CouleurEntameePreneur; }
int16_t DefenseEntame(const P& g) { return g.DefenseNaPasEntame; }
int16_t PiqueJoue(const P& g) { return g.CouleurNonJouee[CouleurPique]; }
int16_t RoiSecPique(const P& g) { return g.RoiSecPreneur[CouleurPique]; }
int16_t Detenteurs(const P& g) { return static_cast<int16_t>(g.DetenteurPetit * 10 + g.DetenteurExcuse); }
void Rien(P&) {}
void ProtegeAvant(P& g) { g.PetitProtege = 1; }
void RetourAttendu(P& g) { g.RetourAtoutAttendu = 0; }
void LonguePique(P& g) { g.CouleurLongue[g.Preneur] = CouleurPique; }

// clang-format off
const Marque kMarques[] = {
    {1, 2, {Pi(5)}, {At(1), Co(3)}, At(1), ProtegeAvant, Protege, 0},        // the Petit falls: no cover
    {1, 2, {Pi(5)}, {At(9), At(1)}, At(9), ProtegeAvant, Protege, 1},        // another trump keeps it
    {3, 2, {Pi(5)}, {At(1), Co(3)}, At(1), Rien, Retour, 0},                 // the taker trumps with the Petit
    {3, 2, {At(5)}, {At(9), At(1)}, At(1), Rien, Retour, -1},                // the Petit under a trump lead
    {3, 1, {Pi(5), At(3)}, {At(1), Ca(3)}, At(1), Rien, Retour, -1},         // the Petit under a trump
    {1, 2, {Pi(5)}, {At(1), Co(3)}, At(1), Rien, Retour, -1},                // a defender's Petit
    {3, 3, {}, {At(9), Co(3)}, At(9), RetourAttendu, Retour, -1},            // a trump lead answers it
    {3, 3, {}, {At(9), Co(3)}, Co(3), RetourAttendu, Retour, 0},             // a plain lead does not
    {3, 2, {At(5)}, {At(9), Co(3)}, At(9), RetourAttendu, Retour, 0},        // nor a trump that follows
    {3, 3, {}, {At(9), Co(3)}, At(9), [](P& g) { RetourAttendu(g), g.ReglesActives[16] = 0; }, Retour, 0},
    {2, 1, {}, {At(9), At(4), Co(3)}, At(9), [](P& g) { g.JoueurHumain = 3; }, Signal, -1},  // the signal is the user's
    {3, 3, {Pi(14)}, {Pi(12), Pi(3)}, Pi(12), LonguePique, Cavalier, 1},     // Knight under the long King
    {3, 3, {Pi(13)}, {Pi(12), Pi(3)}, Pi(12), LonguePique, Cavalier, 0},     // under the Queen
    {3, 2, {Pi(5), Pi(14)}, {Pi(12), Pi(3)}, Pi(12), LonguePique, Cavalier, 0},  // the King not led
    {3, 3, {Pi(14)}, {Pi(12), Pi(3)}, Pi(12), [](P& g) { g.CouleurLongue[3] = 2; }, Cavalier, 0},  // not his long suit
    {3, 3, {Pi(14)}, {Pi(10), Pi(3)}, Pi(10), LonguePique, Cavalier, 0},     // not the Knight
    {3, 3, {Pi(14)}, {At(4), Co(3)}, At(4), LonguePique, LongueCoupee, 1},   // a defender trumps the long suit
    {3, 3, {Pi(14)}, {At(4), Co(3)}, Co(3), LonguePique, LongueCoupee, 0},   // discards
    {3, 3, {Pi(14)}, {At(4), Co(3)}, At(4), [](P& g) { g.CouleurLongue[3] = 2; }, LongueCoupee, 0},
    {3, 2, {Pi(5)}, {At(4), Co(3)}, At(4), LonguePique, LongueCoupee, 0},    // the taker trumps
    {3, 3, {}, {Co(9), At(4)}, Co(9), Rien, EntameePreneur, CouleurCoeur},
    {3, 3, {}, {Co(9), At(4)}, At(4), Rien, EntameePreneur, -1},
    {3, 2, {}, {Co(9), At(4)}, Co(9), Rien, EntameePreneur, -1},             // a defender's lead
    {3, 2, {Co(5)}, {Co(9), At(4)}, Co(9), Rien, EntameePreneur, -1},        // the taker follows
    {3, 2, {}, {Co(9), At(4)}, Co(9), Rien, DefenseEntame, 0},
    {3, 3, {}, {Co(9), At(4)}, Co(9), Rien, DefenseEntame, 1},               // the taker's lead
    {3, 2, {}, {Pi(9), At(4)}, Pi(9), Rien, PiqueJoue, 2},                   // first played in this trick
    {3, 2, {}, {Pi(9), At(4)}, Pi(9), [](P& g) { g.CouleurNonJouee[1] = 0; }, PiqueJoue, 0},
    {3, 3, {}, {Pi(14), At(4)}, Pi(14), [](P& g) { g.RoiSecPreneur[1] = 1; }, RoiSecPique, 0},  // the bare King
    {3, 3, {}, {Pi(14), At(4)}, At(4), [](P& g) { g.RoiSecPreneur[1] = 1; }, RoiSecPique, 1},
    {3, 3, {}, {At(1), Exc(), Co(3)}, Exc(), Rien, Detenteurs, 3 * 10 - 1},  // the Excuse has gone
    {3, 3, {}, {At(1), Exc(), Co(3)}, At(1), Rien, Detenteurs, -10 + 3},     // the Petit has gone
};
// clang-format on

TEST(Suivi, EachMarkerSetAndCleared) {
  for (const Marque& m : kMarques) {
    Position p(m.preneur);
    p.Pli(m.entameur, m.pli).Main(m.main);
    p.g.RetourAtoutAttendu = p.g.SignalAtoutHumain = -1;
    m.regler(p.g);
    const int16_t k = PlaceDe(p.g, p.Joueur(), m.jouee);
    EnregistrerCarteJouee(p.g, p.Joueur(), k);
    EXPECT_EQ(m.lire(p.g), m.attendu) << "row " << &m - kMarques;
  }
}

}  // namespace
