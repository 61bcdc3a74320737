#include "computer/suivi.h"

#include <gtest/gtest.h>

#include "positions.h"
#include "verification.h"

using namespace positions;

namespace {

// North (3) takes, long in spades and without clubs, with a bare King of diamonds, the
// Petit and the Excuse; South, the human, holds trumps 2 to 5; East has the Knight of spades
// and no trumps, West no spades, hearts or clubs.
void DonneNord(Partie& g, int16_t contrat) {
  Donner(g,
         {{3, {P(14), P(13), P(11), P(10), P(9), P(8), Co(14), Co(2), Ca(14), A(1), A(15), A(16), A(17), A(18),
               A(19), A(20), A(21), Exc()}},
          {1, {P(7), P(1), Co(3), Co(4), Co(5), Co(6), Co(7), Co(8), T(1), T(2), T(3), T(4), T(5), A(2), A(3), A(4),
               A(5), Ca(1)}},
          {2, {P(2), P(3), P(4), P(5), P(6), P(12), Co(9), Co(10), Co(11), Co(12), Co(13), T(8), T(9), T(10), T(11),
               T(12), T(13), T(14)}}},
         {Co(1), T(6), T(7), Ca(2), Ca(3), Ca(4)});
  DonnerContrat(g, 3, contrat);
  PreparerJeuDeLaCarte(g);
}

}  // namespace

TEST(Suivi, StartOfPlay) {
  Partie g(Aleatoire(11));
  AffichageEnregistre ecran;
  g.ecran = &ecran;
  g.CouleurEntameePreneur = 3;  // left from an earlier deal
  g.ClasseCarte[2][5] = ClasseJeu{4, 9, 2};
  DonneNord(g, EncherePrise);
  EXPECT_TRUE(MemoireJuste(g));

  EXPECT_EQ(ecran.infoFr, "Cliquez n'importe où pour commencer !");
  EXPECT_EQ(ecran.infoEn, "Click anywhere to start !");
  EXPECT_EQ(ecran.atoutsDehors, std::vector<int16_t>{17});  // South holds four trumps
  EXPECT_EQ(g.CouleurEntameePreneur, -1);
  EXPECT_EQ(g.ClasseCarte[2][5].Classe, -1);
  EXPECT_EQ(g.ClasseCarte[2][5].AtoutABattre, -1);
  EXPECT_EQ(g.ClasseCarte[2][5].CouleurDemandee, -1);

  EXPECT_EQ(g.CouleurLongue[3], CouleurPique);
  EXPECT_EQ(g.RoiSecPreneur[CouleurCarreau], 1);
  EXPECT_EQ(g.RoiSecPreneur[CouleurCoeur], 0);  // King with another heart
  EXPECT_EQ(g.RoiSecPreneur[CouleurPique], 0);
  EXPECT_EQ(g.RoiSecPreneur[CouleurTrefle], 0);
  EXPECT_EQ(g.AtoutsChien, 0);
  EXPECT_EQ(g.NbAtoutsDonne[3], 8);
  EXPECT_EQ(g.NbCartesCouleurDonne[4][CouleurCarreau], 9);
  EXPECT_EQ(g.CoupesConnues[3][3][CouleurTrefle], 1);
  EXPECT_EQ(g.SansAtout[2][2], 1);
  EXPECT_EQ(g.SansAtout[3][2], 0);
  EXPECT_EQ(g.DetenteurPetit, 3);
  EXPECT_EQ(g.DetenteurExcuse, 3);
  EXPECT_EQ(g.DefenseNaPasEntame, 1);
  for (int16_t o = 1; o <= 4; ++o) {
    EXPECT_EQ(g.PasEncoreEntame[o], 1);
    EXPECT_EQ(g.CouleurNonJouee[o], 1);
    EXPECT_EQ(g.PlusHautAtoutRestant[o], 21);
    for (int16_t s = 1; s <= 4; ++s) EXPECT_EQ(g.PlusHauteCarteRestante[o][s], 14);
  }

  // The trumps of the shown chien, the Excuse not counted; none known without a discard.
  Partie h(Aleatoire(11));
  Donner(h, {}, {A(20), A(21), Exc(), P(1), P(2), P(3)});
  DonnerContrat(h, 2, EncherePrise);
  PreparerJeuDeLaCarte(h);
  EXPECT_EQ(h.AtoutsChien, 2);
  EXPECT_EQ(h.DetenteurExcuse, -1);
  EXPECT_EQ(h.DetenteurAtout[21], 0);
  DonnerContrat(h, 2, EnchereGardeSans);
  PreparerJeuDeLaCarte(h);
  EXPECT_EQ(h.AtoutsChien, -1);
}

TEST(Suivi, MarkersAndHistoryAlongADeal) {
  Partie g(Aleatoire(12));
  AffichageEnregistre ecran;
  g.ecran = &ecran;
  DonneNord(g, EnchereGarde);

  struct Coup {
    int16_t joueur;
    Carte carte;
    int16_t classe;
  };
  std::vector<Coup> coups;
  auto jouer = [&](std::initializer_list<Coup> pli) {
    for (const Coup& c : pli) {
      coups.push_back(c);
      Poser(g, c.joueur, c.carte, c.classe);
      EXPECT_TRUE(MemoireJuste(g)) << "trick " << g.NumeroPli;
    }
  };

  // The Knight of spades discarded under the King of diamonds is no Knight falling.
  Partie carreau = g;
  carreau.ecran = &AffichageMuet();
  Poser(carreau, 3, Ca(14), 0);
  Poser(carreau, 4, Ca(5), -1);
  Poser(carreau, 1, Ca(1), -1);
  Poser(carreau, 2, P(12), 4);
  EXPECT_EQ(carreau.CavalierLonguePreneurTombe, 0);

  // The taker leads his long suit's King; West trumps it, East's Knight falls.
  jouer({{3, P(14), 0}, {4, A(6), 1}, {1, P(7), -1}, {2, P(12), -1}});
  EXPECT_EQ(g.CouleurEntameePreneur, CouleurPique);
  EXPECT_EQ(g.PremiereCouleurPreneur, CouleurPique);
  EXPECT_EQ(g.SecondeCouleurPreneur, -1);
  EXPECT_EQ(g.CavalierLonguePreneurTombe, 1);
  EXPECT_EQ(g.CouleurLonguePreneurCoupee, 1);
  EXPECT_EQ(g.CouleurNonJouee[CouleurPique], 2);
  EXPECT_EQ(g.CouleurNonJouee[CouleurCoeur], 1);
  EXPECT_EQ(g.PasEncoreEntame[3], 0);
  EXPECT_EQ(g.DefenseNaPasEntame, 1);  // only the taker has led

  jouer({{4, A(7), 0}, {1, A(2), 3}, {2, P(3), 5}, {3, A(15), 2}});
  EXPECT_EQ(g.DefenseNaPasEntame, 0);
  for (int16_t o = 1; o <= 4; ++o) EXPECT_EQ(g.SansAtout[o][2], 1);

  jouer({{3, P(13), 0}, {4, A(8), 1}, {1, P(1), -1}, {2, P(4), -1}});
  EXPECT_EQ(g.SecondeCouleurPreneur, CouleurPique);

  // The bare King of diamonds falls.
  EXPECT_EQ(g.RoiSecPreneur[CouleurCarreau], 1);
  jouer({{4, Ca(5), 0}, {1, Ca(1), -1}, {2, Co(9), 4}, {3, Ca(14), -1}});
  EXPECT_EQ(g.RoiSecPreneur[CouleurCarreau], 0);
  for (int16_t o = 1; o <= 4; ++o) EXPECT_EQ(g.CoupesConnues[o][2][CouleurCarreau], 1);

  // A later free lead in hearts changes neither of the taker's first two suits.
  jouer({{3, Co(14), 0}, {4, A(9), 1}, {1, Co(3), -1}, {2, Co(10), -1}});
  EXPECT_EQ(g.PremiereCouleurPreneur, CouleurPique);
  EXPECT_EQ(g.SecondeCouleurPreneur, CouleurPique);
  EXPECT_EQ(g.CouleurEntameePreneur, CouleurCoeur);

  // The taker trumps clubs with the Petit: a trump return is now awaited.
  jouer({{1, T(1), 0}, {2, T(8), -1}, {3, A(1), 1}, {4, A(10), 2}});
  EXPECT_EQ(g.RetourAtoutAttendu, 0);
  EXPECT_EQ(g.DetenteurPetit, -1);
  // The next trump lead answers it, unless rule 16 is switched off.
  Partie sans16 = g;
  sans16.ReglesActives[16] = 0;
  sans16.ecran = &AffichageMuet();
  Poser(sans16, 4, A(11), 0);
  EXPECT_EQ(sans16.RetourAtoutAttendu, 0);
  jouer({{4, A(11), 0}, {1, A(3), 3}, {2, P(5), 5}, {3, A(16), 2}});
  EXPECT_EQ(g.RetourAtoutAttendu, -1);

  // History of the seven tricks, as laid.
  for (size_t i = 0; i < coups.size(); ++i) {
    const int16_t pli = static_cast<int16_t>(i / 4 + 1);
    EXPECT_EQ(g.CarteJoueeParPli[coups[i].joueur][pli], PlaceDe(g, coups[i].joueur, coups[i].carte));
    if (i % 4 == 0) {
      EXPECT_EQ(g.EntameurParPli[pli], coups[i].joueur);
    }
  }

  // Nine trumps by East, North and West: 17 down to 8; South's two never counted.
  std::vector<int16_t> attendu;
  for (int16_t n = 17; n >= 8; --n) attendu.push_back(n);
  EXPECT_EQ(ecran.atoutsDehors, attendu);
  EXPECT_EQ(g.NbAtoutsTombes, 11);

  // The Excuse moves no count and no holder but its own.
  const Partie avant = g;
  jouer({{3, Exc(), 0}});
  EXPECT_EQ(g.NbAtouts, avant.NbAtouts);
  EXPECT_EQ(g.NbAtoutsTombes, avant.NbAtoutsTombes);
  EXPECT_EQ(g.AtoutsDehors, avant.AtoutsDehors);
  EXPECT_EQ(g.DetenteurAtout, avant.DetenteurAtout);
  EXPECT_EQ(g.DetenteurCarte, avant.DetenteurCarte);
  EXPECT_EQ(g.DetenteurPetit, avant.DetenteurPetit);
  EXPECT_EQ(g.DetenteurExcuse, -1);
  EXPECT_EQ(ecran.atoutsDehors.size(), attendu.size());
}

TEST(Suivi, HumanTrumpSignalOnlyOnHisFirstLeadAsDefender) {
  struct Cas {
    int16_t preneur;
    std::vector<Carte> suivies;  // South's cards laid while following, before leading
    Carte premiere, seconde;     // his first and second leads
    int16_t attendu;
  };
  const Cas cas[] = {
      {2, {}, A(21), A(19), 1},
      {3, {}, A(19), Exc(), 1},
      {2, {}, A(20), A(21), -1},
      {2, {}, Exc(), A(21), -1},
      {4, {}, P(1), A(21), -1},
      {2, {A(19)}, A(21), P(2), 1},  // following with an odd trump is no lead
      {1, {}, A(21), A(19), -1},     // the human taker never signals
  };
  for (const Cas& c : cas) {
    Partie g(Aleatoire(13));
    Cartes sud{A(21), A(20), A(19), Exc()};
    for (int16_t v = 1; v <= 14; ++v) sud.push_back(P(v));
    Donner(g, {{1, sud}});
    DonnerContrat(g, c.preneur, EnchereGarde);
    PreparerJeuDeLaCarte(g);
    for (const Carte& x : c.suivies) {
      Suivre(g, 2);
      Suivre(g, 3);
      Suivre(g, 4);
      Poser(g, 1, x, -1);
    }
    Poser(g, 1, c.premiere, 0);
    Suivre(g, 2);
    Suivre(g, 3);
    Suivre(g, 4);
    Poser(g, 1, c.seconde, 0);
    EXPECT_EQ(g.SignalAtoutHumain, c.attendu) << "taker " << c.preneur << ", lead " << c.premiere.Valeur;
  }
}

TEST(Suivi, LongSuitFromTheRandomStart) {
  // South holds 4 spades, 5 hearts, 5 clubs and 4 diamonds: clubs when the draw starts at
  // clubs, hearts from any other start.
  int clubs = 0, hearts = 0;
  for (uint64_t graine = 1; graine <= 40; ++graine) {
    Partie g{Aleatoire(graine)};
    Donner(g, {{1, {P(1), P(2), P(3), P(4), Co(1), Co(2), Co(3), Co(4), Co(5), T(1), T(2), T(3), T(4), T(5),
                    Ca(1), Ca(2), Ca(3), Ca(4)}}});
    DonnerContrat(g, 2, EncherePrise);
    Aleatoire tirage = g.alea;
    const int16_t depart = static_cast<int16_t>(CInt(tirage.Rnd() * 3) + 1);  // South draws first
    PreparerJeuDeLaCarte(g);
    EXPECT_EQ(g.CouleurLongue[1], depart == CouleurTrefle ? CouleurTrefle : CouleurCoeur) << graine;
    (depart == CouleurTrefle ? clubs : hearts) += 1;
  }
  EXPECT_GT(clubs, 0);
  EXPECT_GT(hearts, 0);
}
