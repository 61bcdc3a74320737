#include "computer/ecart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "positions.h"
#include "verification.h"

using namespace positions;

namespace {

// West (4) takes with Prise holding these 24 cards: the first 18 in his hand, the last six
// in the chien.
void DonnerOuest(Partie& g, Cartes cartes) {
  const Cartes chien(cartes.end() - 6, cartes.end());
  cartes.resize(18);
  Donner(g, {{4, cartes}}, chien);
  DonnerContrat(g, 4, EncherePrise);
}

Cartes Ecart(const Partie& g) { return Cartes(g.Chien.begin(), g.Chien.end()); }

bool Contient(const Cartes& cs, const Carte& c) {
  return std::any_of(cs.begin(), cs.end(), [&](const Carte& x) { return Meme(x, c); });
}

int Compter(const Cartes& cs, int16_t couleur) {
  return static_cast<int>(std::count_if(cs.begin(), cs.end(), [&](const Carte& x) { return x.Couleur == couleur; }));
}

// What every computer discard must be: the 24 cards shared out as 18 and 6, both sorted,
// nothing but plain cards below the King laid aside, in-hand flags untouched.
void VerifierEcart(const Partie& g, const Partie& avant) {
  const int16_t t = g.Preneur;
  Cartes avant24(avant.MainsJoueurs[t].begin(), avant.MainsJoueurs[t].end());
  avant24.insert(avant24.end(), avant.Chien.begin(), avant.Chien.end());
  Cartes apres24(g.MainsJoueurs[t].begin(), g.MainsJoueurs[t].end());
  apres24.insert(apres24.end(), g.Chien.begin(), g.Chien.end());
  auto numeros = [](const Cartes& cs) {
    std::vector<int16_t> n;
    for (const Carte& c : cs) n.push_back(NumeroCarte(c));
    std::sort(n.begin(), n.end());
    return n;
  };
  EXPECT_EQ(numeros(avant24), numeros(apres24));
  for (const Carte& c : g.Chien) EXPECT_TRUE(Ecartable(c)) << c.Couleur << " " << c.Valeur;
  EXPECT_TRUE(std::is_sorted(g.MainsJoueurs[t].begin(), g.MainsJoueurs[t].end(), AvantDansLeTri));
  EXPECT_TRUE(std::is_sorted(g.Chien.begin(), g.Chien.end(), AvantDansLeTri));
  for (int16_t k = 1; k <= 18; ++k) EXPECT_EQ(g.MainsJoueurs[t][k].EnMain, 1);
  EXPECT_EQ(g.ChienMontre, avant.ChienMontre);
  // Play is set up on the final hands.
  EXPECT_EQ(g.ChienConnu[t], 1);
  EXPECT_TRUE(MemoireJuste(g));
}

// West discards these 24 cards under seeds 1..40; `verifier` gets the random start suit of
// the survey and the discard.
template <class F>
void EcarterSelonDepart(const Cartes& cartes, F verifier) {
  for (uint64_t graine = 1; graine <= 40; ++graine) {
    Partie g{Aleatoire(graine)};
    DonnerOuest(g, cartes);
    Aleatoire tirage = g.alea;
    const auto depart = static_cast<int16_t>(CInt(tirage.Rnd() * 3) + 1);
    const Partie avant = g;
    FaireEcartOrdinateur(g);
    VerifierEcart(g, avant);
    verifier(depart, Ecart(g));
  }
}

}  // namespace

TEST(Ecart, MergeKeepsTheSortOrder) {
  Partie g(Aleatoire(21));
  DonnerAuHasard(g);
  Cartes24 cartes;
  Drapeaux24 origine;
  FusionnerMainEtChien(g.MainsJoueurs[2], g.Chien, cartes, origine);
  EXPECT_TRUE(std::is_sorted(cartes.begin(), cartes.end(), AvantDansLeTri));
  int main = 0, chien = 0;
  for (int k = 1; k <= 24; ++k) {
    const Carte attendue = origine[k] == 1 ? g.MainsJoueurs[2][++main] : g.Chien[++chien];
    EXPECT_TRUE(Meme(cartes[k], attendue)) << k;
  }
  EXPECT_EQ(main, 18);
  EXPECT_EQ(chien, 6);
}

TEST(Ecart, LoneCardOfAKinglessSuitGoesFirst) {
  // Only clubs lack their King: the 3 of clubs goes, then five cards from hearts and
  // diamonds, sparing the long spades.
  Partie g(Aleatoire(22));
  DonnerOuest(g, {A(21), A(20), A(19), A(18), A(17), A(16), A(15), A(14), Exc(), P(14), P(13), P(12), P(11),
                  Co(14), Co(13), Co(12), Ca(14), Ca(13), T(3), P(10), P(9), Co(11), Ca(12), Ca(11)});
  const Partie avant = g;
  FaireEcartOrdinateur(g);
  VerifierEcart(g, avant);
  const Cartes e = Ecart(g);
  EXPECT_TRUE(Contient(e, T(3)));
  EXPECT_EQ(Compter(e, CouleurPique), 0);
  EXPECT_EQ(Compter(e, CouleurCoeur) + Compter(e, CouleurCarreau), 5);
}

TEST(Ecart, FillsSpareTheLongestSuitWhileTheyCan) {
  // Every suit holds its King: nothing is voided. Seven small cards outside spades are
  // enough; with only four, the two others come from spades.
  for (uint64_t graine = 1; graine <= 20; ++graine) {
    Partie g{Aleatoire(graine)};
    DonnerOuest(g, {A(21), A(20), A(19), A(18), A(17), A(16), A(15), Exc(), P(14), P(13), P(12), P(11), P(10),
                    P(9), Co(14), Co(13), Co(12), Co(11), T(14), T(13), T(12), Ca(14), Ca(13), Ca(12)});
    Partie avant = g;
    FaireEcartOrdinateur(g);
    VerifierEcart(g, avant);
    EXPECT_EQ(Compter(Ecart(g), CouleurPique), 0) << graine;

    Partie h{Aleatoire(graine)};
    DonnerOuest(h, {A(21), A(20), A(19), A(18), A(17), A(16), A(15), A(14), A(13), Exc(), P(14), P(13), P(12),
                    P(11), P(10), P(9), P(8), Co(14), Co(13), Co(12), T(14), T(13), T(12), Ca(14)});
    avant = h;
    FaireEcartOrdinateur(h);
    VerifierEcart(h, avant);
    const Cartes e = Ecart(h);
    for (const Carte& c : {Co(13), Co(12), T(13), T(12)}) EXPECT_TRUE(Contient(e, c)) << graine;
    EXPECT_EQ(Compter(e, CouleurPique), 2) << graine;
  }
}

TEST(Ecart, OfTwoLongestSuitsTheFirstFromTheRandomStartIsSpared) {
  // Spades and hearts, five small cards each, every suit with its King: hearts are spared
  // only from a start at hearts; the seven other small cards fill the discard.
  int coeur = 0, pique = 0;
  EcarterSelonDepart({A(21), A(20), A(19), A(18), A(17), A(16), A(15), Exc(), P(14), P(13), P(12), P(11), P(10),
                      P(9), Co(14), Co(13), Co(12), Co(11), Co(10), Co(9), T(14), Ca(14), Ca(13), Ca(12)},
                     [&](int16_t depart, const Cartes& ecart) {
                       const int16_t epargnee = depart == CouleurCoeur ? CouleurCoeur : CouleurPique;
                       EXPECT_EQ(Compter(ecart, epargnee), 0) << depart;
                       (epargnee == CouleurCoeur ? coeur : pique) += 1;
                     });
  EXPECT_GT(coeur, 0);
  EXPECT_GT(pique, 0);
}

TEST(Ecart, EqualKinglessSuitsTheFirstFromTheRandomStartIsVoided) {
  // Clubs and diamonds, two cards each without their King: from a start at diamonds the
  // diamonds go, from any other start the clubs. The fills then pick four of the six small
  // cards outside the long hearts.
  int carreau = 0, trefle = 0;
  EcarterSelonDepart({A(21), A(20), A(19), A(18), A(17), A(16), A(15), P(14), P(13), P(12), P(11), P(10), Co(14),
                      Co(13), Co(12), Co(11), Co(10), Co(9), Co(8), Co(7), T(3), T(2), Ca(3), Ca(2)},
                     [&](int16_t depart, const Cartes& ecart) {
                       const int16_t videe = depart == CouleurCarreau ? CouleurCarreau : CouleurTrefle;
                       EXPECT_EQ(Compter(ecart, videe), 2) << depart;
                       (videe == CouleurCarreau ? carreau : trefle) += 1;
                     });
  EXPECT_GT(carreau, 0);
  EXPECT_GT(trefle, 0);
}

TEST(Ecart, LongKinglessSuitLosesItsSixHighest) {
  Partie g(Aleatoire(23));
  DonnerOuest(g, {A(21), A(20), A(19), A(18), A(17), A(16), A(15), A(14), A(13), A(12), A(11), A(10), A(9), Exc(),
                  P(14), Co(14), T(14), Ca(9), Ca(8), Ca(7), Ca(6), Ca(5), Ca(4), Ca(3)});
  const Partie avant = g;
  FaireEcartOrdinateur(g);
  VerifierEcart(g, avant);
  EXPECT_EQ(Ecart(g), (Cartes{Ca(9), Ca(8), Ca(7), Ca(6), Ca(5), Ca(4)}));
  EXPECT_EQ(PlaceDe(g, 4, Ca(3)), 18);
}

TEST(Ecart, ExactlySixCardsBelowTheKingAllGo) {
  // The fewest the deal allows: the walks must reach every position, the 24th included.
  for (uint64_t graine = 1; graine <= 30; ++graine) {
    Partie g{Aleatoire(graine)};
    DonnerOuest(g, {A(21), A(20), A(19), A(18), A(17), A(16), A(15), A(14), A(13), A(12), A(11), A(10), A(9), A(8),
                    A(7), A(6), A(5), Exc(), P(5), P(4), Co(9), T(2), Ca(7), Ca(1)});
    const Partie avant = g;
    FaireEcartOrdinateur(g);
    VerifierEcart(g, avant);
    EXPECT_EQ(Ecart(g), (Cartes{P(5), P(4), Co(9), T(2), Ca(7), Ca(1)})) << graine;
  }
}

TEST(Ecart, RandomDeals) {
  // Over many deals: a sound discard, and the shortest King-less suit, when it has six
  // cards or fewer, wholly laid aside (or another as short).
  Partie g(Aleatoire(24));
  for (int donne = 0; donne < 500; ++donne) {
    DonnerAuHasard(g);
    const int16_t preneur = static_cast<int16_t>(donne % 4 + 1);
    DonnerContrat(g, preneur, donne % 2 == 0 ? EncherePrise : EnchereGarde);
    const Partie avant = g;
    FaireEcartOrdinateur(g);
    VerifierEcart(g, avant);

    Cartes vingtQuatre(avant.MainsJoueurs[preneur].begin(), avant.MainsJoueurs[preneur].end());
    vingtQuatre.insert(vingtQuatre.end(), avant.Chien.begin(), avant.Chien.end());
    int plusCourte = 100;
    for (int16_t s = 1; s <= 4; ++s)
      if (!Contient(vingtQuatre, Carte{14, s, 1, 0})) {
        const int n = Compter(vingtQuatre, s);
        if (n > 0) plusCourte = std::min(plusCourte, n);
      }
    if (plusCourte > 6) continue;
    bool videe = false;
    for (int16_t s = 1; s <= 4; ++s)
      videe = videe || (!Contient(vingtQuatre, Carte{14, s, 1, 0}) && Compter(vingtQuatre, s) == plusCourte &&
                        Compter(Ecart(g), s) == plusCourte);
    EXPECT_TRUE(videe) << "deal " << donne;
  }
}
