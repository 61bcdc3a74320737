// The computer players' bookkeeping: the start of play and the markers each card sets.
#include "computer/suivi.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/cartes.h"

namespace {

// Remembers what the bookkeeping showed.
struct Ecran : Affichage {
  std::vector<std::string> infos;  // French, then English
  std::vector<int16_t> atoutsDehors;
  void AfficherInfo(std::string_view fr, std::string_view en) override { infos = {std::string(fr), std::string(en)}; }
  void AfficherAtoutsDehors(int16_t n) override { atoutsDehors.push_back(n); }
};

TEST(Suivi, StartOfPlay) {
  Partie g{Aleatoire(11)};
  Ecran ecran;
  g.ecran = &ecran;
  // Left from an earlier deal.
  g.CouleurEntameePreneur = 3;
  g.ClasseCarte[2][5] = ClasseJeu{4, 9, 2};
  g.Regle181Jouee = g.PetitProtege = g.CavalierLonguePreneurTombe = 1;
  g.DefenseNaPasEntame = g.RetourAtoutAttendu = g.SignalAtoutHumain = 0;
  g.CouleurNonJouee[CouleurPique] = 0;
  // North (3) takes, long in spades and without clubs, with a bare King of diamonds, the Petit
  // and the Excuse; South, the human, holds trumps 2 to 5; East no trumps.
  Donner(g,
         {{3, Lire("P14 P13 P11 P10 P9 P8 Co14 Co2 Ca14 A1 A15 A16 A17 A18 A19 A20 A21 Exc")},
          {1, Lire("P7 P1 Co3 Co4 Co5 Co6 Co7 Co8 T1 T2 T3 T4 T5 A2 A3 A4 A5 Ca1")},
          {2, Lire("P2 P3 P4 P5 P6 P12 Co9 Co10 Co11 Co12 Co13 T8 T9 T10 T11 T12 T13 T14")}},
         Lire("Co1 T6 T7 Ca2 Ca3 Ca4"));
  DonnerContrat(g, 3, EncherePrise);
  OuvrirJeu(g, 3);
  PreparerJeuDeLaCarte(g);
  EXPECT_EQ(ecran.infos,
            (std::vector<std::string>{"Cliquez n'importe où pour commencer !", "Click anywhere to start !"}));
  EXPECT_EQ(ecran.atoutsDehors, std::vector<int16_t>{17});  // South holds four trumps
  EXPECT_EQ(g.ClasseCarte[2][5].Classe, -1);
  for (int16_t s = 1; s <= 4; ++s) EXPECT_EQ(g.RoiSecPreneur[s], s == CouleurCarreau ? 1 : 0) << "suit " << s;
  EXPECT_EQ(g.AtoutsChien, 0);
  EXPECT_EQ(g.CoupesConnues[3][3][CouleurTrefle], 1) << "the taker knows his own void";
  EXPECT_EQ(g.SansAtout[2][2], 1) << "East knows he has no trump";
  EXPECT_EQ(g.SansAtout[3][2], 0) << "North does not know it";
  EXPECT_EQ(g.CouleurNonJouee[CouleurPique], 1);
  // Every marker of the earlier deal is reset.
  EXPECT_EQ(g.Regle181Jouee, 0);
  EXPECT_EQ(g.PetitProtege, 0);
  EXPECT_EQ(g.CavalierLonguePreneurTombe, 0);
  EXPECT_EQ(g.DefenseNaPasEntame, 1);
  EXPECT_EQ(g.RetourAtoutAttendu, -1);
  EXPECT_EQ(g.CouleurEntameePreneur, -1);

  // The trumps of the shown chien, the Excuse not counted; none known without a discard.
  Partie h{Aleatoire(11)};
  Donner(h, {}, Lire("A20 A21 Exc P1 P2 P3"));
  for (auto [contrat, atouts] : {std::pair{EnchereGarde, 2}, {EnchereGardeSans, -1}}) {
    DonnerContrat(h, 2, contrat);
    PreparerJeuDeLaCarte(h);
    EXPECT_EQ(h.AtoutsChien, atouts);
  }
}

// Per seat: how many spades, hearts, clubs and diamonds it holds (trumps make up the 18), and
// its long suit for each start suit 1 to 4.
struct Longue {
  std::array<int, 4> longueurs;
  std::array<int16_t, 4> parDepart;
};
const Longue kLongues[] = {
    {{4, 5, 5, 4}, {2, 2, 3, 2}},  // hearts and clubs tie
    {{5, 3, 5, 5}, {1, 3, 3, 4}},  // three suits tie, the shorter hearts between them
    {{4, 4, 4, 4}, {1, 2, 3, 4}},  // all four tie: the start suit itself
    {{1, 2, 0, 1}, {2, 2, 2, 2}},  // hearts alone are longest
};

// Each seat draws its start suit in turn; among equally long suits the first reached from it
// wins, and only a longer suit replaces it.
TEST(Suivi, LongSuitTiesGoToTheFirstFromTheStartSuit) {
  std::map<int16_t, Cartes> mains;
  std::array<int16_t, 5> prochaine{0, 1, 1, 1, 1};  // the next value of each suit, trumps from the Excuse
  for (int16_t p = 1; p <= 4; ++p) {
    const Longue& l = kLongues[p - 1u];
    for (int16_t s = CouleurPique; s <= CouleurCarreau; ++s)
      for (int i = 0; i < l.longueurs[s - 1u]; ++i) mains[p].push_back(Carte{prochaine[s]++, s, 1, 0});
    while (mains[p].size() < 18) mains[p].push_back(At(prochaine[0]++));
  }
  std::set<std::pair<int16_t, int16_t>> vus;
  for (uint64_t graine = 1; graine <= 100; ++graine) {
    Partie g{Aleatoire(graine)};
    Donner(g, mains);
    DonnerContrat(g, 3, EncherePrise);
    Aleatoire temoin = g.alea;
    PreparerJeuDeLaCarte(g);
    for (int16_t p = 1; p <= 4; ++p) {
      const int16_t depart = static_cast<int16_t>(CInt(temoin.Rnd() * 3) + 1);
      EXPECT_EQ(g.CouleurLongue[p], kLongues[p - 1u].parDepart[depart - 1u]) << "seat " << p << ", start " << depart;
      vus.insert({p, depart});
    }
  }
  EXPECT_EQ(vus.size(), 16u) << "a start suit never drawn for some seat";
}

// One card recorded by the bookkeeping: the taker, the leader and the cards laid, the hand of
// the seat to play and the card it plays; what to set first; the marker read after the card.
// The taker's first suits and the user's signal are checked on whole deals.
struct Marque {
  int16_t preneur, entameur;
  const char *pli, *main, *jouee;
  void (*regler)(Partie&);
  std::function<int16_t(const Partie&)> lire;
  int16_t attendu;
};
using P = Partie;
int16_t PiqueJoue(const P& g) { return g.CouleurNonJouee[CouleurPique]; }
int16_t RoiSecPique(const P& g) { return g.RoiSecPreneur[CouleurPique]; }
void Rien(P&) {}
void ProtegeAvant(P& g) { g.PetitProtege = 1; }
void RetourAttendu(P& g) { g.RetourAtoutAttendu = 0; }
void LonguePique(P& g) { g.CouleurLongue[g.Preneur] = CouleurPique; }
void RetourAttenduSans16(P& g) {
  RetourAttendu(g);
  g.ReglesActives[16] = 0;
}

// clang-format off
const Marque kMarques[] = {
    {1, 2, "P5", "A1 Co3", "A1", ProtegeAvant, &P::PetitProtege, 0},  // the Petit falls: no cover
    {1, 2, "P5", "A9 A1", "A9", ProtegeAvant, &P::PetitProtege, 1},  // another trump keeps it
    {3, 2, "P5", "A1 Co3", "A1", Rien, &P::RetourAtoutAttendu, 0},  // the taker trumps with the Petit
    {3, 2, "A5", "A9 A1", "A1", Rien, &P::RetourAtoutAttendu, -1},  // the Petit under a trump lead
    {3, 1, "P5 A3", "A1 Ca3", "A1", Rien, &P::RetourAtoutAttendu, -1},  // the Petit under a trump
    {1, 2, "P5", "A1 Co3", "A1", Rien, &P::RetourAtoutAttendu, -1},  // a defender's Petit
    {3, 3, "", "A9 Co3", "A9", RetourAttendu, &P::RetourAtoutAttendu, -1},  // a trump lead answers it
    {3, 3, "", "A9 Co3", "Co3", RetourAttendu, &P::RetourAtoutAttendu, 0},  // a plain lead does not
    {3, 2, "A5", "A9 Co3", "A9", RetourAttendu, &P::RetourAtoutAttendu, 0},  // nor a trump that follows
    {3, 3, "", "A9 Co3", "A9", RetourAttenduSans16, &P::RetourAtoutAttendu, 0},  // rule 16 switched off
    {3, 3, "P14", "P12 P3", "P12", LonguePique, &P::CavalierLonguePreneurTombe, 1},  // Knight under the long King
    {3, 3, "P13", "P12 P3", "P12", LonguePique, &P::CavalierLonguePreneurTombe, 0},  // under the Queen
    {3, 2, "P5 P14", "P12 P3", "P12", LonguePique, &P::CavalierLonguePreneurTombe, 0},  // the King not led
    {3, 3, "P14", "P12 P3", "P12", [](P& g) { g.CouleurLongue[3] = 2; }, &P::CavalierLonguePreneurTombe, 0},
    {3, 3, "P14", "P10 P3", "P10", LonguePique, &P::CavalierLonguePreneurTombe, 0},  // not the Knight
    {3, 3, "P14", "A4 Co3", "A4", LonguePique, &P::CouleurLonguePreneurCoupee, 1},  // a defender trumps the long suit
    {3, 3, "P14", "A4 Co3", "Co3", LonguePique, &P::CouleurLonguePreneurCoupee, 0},  // discards
    {3, 3, "P14", "A4 Co3", "A4", [](P& g) { g.CouleurLongue[3] = 2; }, &P::CouleurLonguePreneurCoupee, 0},
    {3, 2, "P5", "A4 Co3", "A4", LonguePique, &P::CouleurLonguePreneurCoupee, 0},  // the taker trumps
    {3, 3, "", "Co9 A4", "Co9", Rien, &P::CouleurEntameePreneur, CouleurCoeur},
    {3, 3, "", "Co9 A4", "A4", Rien, &P::CouleurEntameePreneur, -1},
    {3, 2, "", "Co9 A4", "Co9", Rien, &P::CouleurEntameePreneur, -1},  // a defender's lead
    {3, 2, "Co5", "Co9 A4", "Co9", Rien, &P::CouleurEntameePreneur, -1},  // the taker follows
    {3, 2, "", "Co9 A4", "Co9", Rien, &P::DefenseNaPasEntame, 0},
    {3, 3, "", "Co9 A4", "Co9", Rien, &P::DefenseNaPasEntame, 1},  // the taker's lead
    {3, 2, "", "P9 A4", "P9", Rien, PiqueJoue, 2},  // first played in this trick
    {3, 2, "", "P9 A4", "P9", [](P& g) { g.CouleurNonJouee[1] = 0; }, PiqueJoue, 0},
    {3, 3, "", "P14 A4", "P14", [](P& g) { g.RoiSecPreneur[1] = 1; }, RoiSecPique, 0},  // the bare King
    {3, 3, "", "P14 A4", "A4", [](P& g) { g.RoiSecPreneur[1] = 1; }, RoiSecPique, 1},
};
// clang-format on

TEST(Suivi, EachMarkerSetAndCleared) {
  for (const Marque& m : kMarques) {
    Position p(m.preneur);
    p.Pli(m.entameur, Lire(m.pli)).Main(Lire(m.main));
    p.g.RetourAtoutAttendu = p.g.SignalAtoutHumain = -1;
    m.regler(p.g);
    const int16_t k = PlaceDe(p.g, p.Joueur(), Lire(m.jouee)[0]);
    EnregistrerCarteJouee(p.g, p.Joueur(), k);
    EXPECT_EQ(m.lire(p.g), m.attendu) << "row " << &m - kMarques;
  }
}

}  // namespace
