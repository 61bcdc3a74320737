// Whole deals with random legal cards, checked against a small statement of the rules of
// play and counting written here from scratch.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/aleatoire.h"
#include "game/partie.h"
#include "game/pli.h"
#include "game/score.h"
#include "ouvrir_jeu.h"

namespace {

int Tirer(Aleatoire& a, int n) { return static_cast<int>(a.Rnd() * n); }  // 0..n-1

bool EstBoutCarte(const Carte& c) { return c.Couleur == 0 && (c.Valeur == 0 || c.Valeur == 1 || c.Valeur == 21); }

int DemiPoints(const Carte& c) {
  if (c.Couleur == 0) return EstBoutCarte(c) ? 9 : 1;
  return c.Valeur >= 11 ? 2 * (c.Valeur - 11) + 3 : 1;
}

// What a card of the hand may do in front of the cards already laid.
struct Jugement {
  bool legal = false;
  int16_t classe = -1;
  int16_t atoutABattre = -1;  // -1: not to be checked
};

Jugement Juger(const std::vector<Carte>& pli, const Main& main, const Carte& c) {
  if (c.Couleur == 0 && c.Valeur == 0) return {true, -1, -1};
  const Carte* entame = nullptr;  // the first card that is not the Excuse
  int plusHautAtout = 0;
  for (const Carte& x : pli) {
    if (!entame && !(x.Couleur == 0 && x.Valeur == 0)) entame = &x;
    if (x.Couleur == 0 && x.Valeur > plusHautAtout) plusHautAtout = x.Valeur;
  }
  if (!entame) return {true, 0, -1};
  bool aCouleur = false, aAtout = false, peutMonter = false;
  for (const Carte& x : main) {
    if (x.EnMain != 1) continue;
    if (entame->Couleur != 0 && x.Couleur == entame->Couleur) aCouleur = true;
    if (x.Couleur == 0 && x.Valeur > 0) {
      aAtout = true;
      if (x.Valeur > plusHautAtout) peutMonter = true;
    }
  }
  if (aCouleur) return {c.Couleur == entame->Couleur, -1, -1};
  const bool atoutEntame = entame->Couleur == 0;
  if (!aAtout) return {true, static_cast<int16_t>(atoutEntame ? 5 : 4), -1};
  if (c.Couleur != 0) return {false, -1, -1};
  if (plusHautAtout == 0) return {true, 1, -1};  // nobody has trumped the plain suit yet
  if (peutMonter)
    return {c.Valeur > plusHautAtout, 2, static_cast<int16_t>(atoutEntame ? -1 : plusHautAtout)};
  return {true, 3, static_cast<int16_t>(plusHautAtout)};
}

// Seat of the trick's winner: the highest trump, else the highest card of the suit led.
int16_t Gagnant(const std::vector<std::pair<int16_t, Carte>>& pli) {
  int16_t couleur = -1;
  for (const auto& [s, c] : pli)
    if (couleur == -1 && !(c.Couleur == 0 && c.Valeur == 0)) couleur = c.Couleur;
  int16_t gagnant = pli.front().first;  // the Excuse alone: its own seat
  int meilleur = -1;
  for (const auto& [s, c] : pli) {
    int force = -1;
    if (c.Couleur == 0 && c.Valeur > 0) force = 100 + c.Valeur;
    else if (c.Couleur == couleur && c.Couleur != 0) force = c.Valeur;
    if (force > meilleur) meilleur = force, gagnant = s;
  }
  return gagnant;
}

// Shuffles and deals, then gives the taker the chien and a random discard of plain cards
// other than Kings for Prise and Garde. False when the taker could not discard.
bool Distribuer(Partie& g, Aleatoire& a) {
  Tab1<int16_t, 78> paquet;
  for (int16_t n = 1; n <= 78; ++n) paquet[n] = n;
  for (int i = 78; i > 1; --i) std::swap(paquet[i], paquet[1 + Tirer(a, i)]);
  for (int p = 1; p <= 4; ++p)
    for (int k = 1; k <= 18; ++k) {
      g.MainsJoueurs[p][k] = CarteDeNumero(paquet[(p - 1) * 18 + k]);
      g.MainsJoueurs[p][k].EnMain = 1;
    }
  for (int k = 1; k <= 6; ++k) g.Chien[k] = CarteDeNumero(paquet[72 + k]);
  TrierChien(g);
  TrierMains(g);

  const int16_t preneur = static_cast<int16_t>(1 + Tirer(a, 4));
  const int16_t contrat = static_cast<int16_t>(1 + Tirer(a, 4));
  g.Preneur = preneur;
  g.EnchereJoueur.Remplir(EncherePasse);
  g.EnchereJoueur[preneur] = contrat;
  if (contrat >= EnchereGardeSans) return true;

  std::vector<Carte> tout;
  for (const Carte& c : g.MainsJoueurs[preneur]) tout.push_back(c);
  for (const Carte& c : g.Chien) tout.push_back(c);
  std::vector<size_t> ecartables;
  for (size_t i = 0; i < tout.size(); ++i)
    if (tout[i].Couleur != 0 && tout[i].Valeur != 14) ecartables.push_back(i);
  if (ecartables.size() < 6) return false;
  for (size_t i = 0; i < 6; ++i) std::swap(ecartables[i], ecartables[i + Tirer(a, static_cast<int>(ecartables.size() - i))]);
  std::vector<bool> ecarte(tout.size(), false);
  for (size_t i = 0; i < 6; ++i) ecarte[ecartables[i]] = true;
  int k = 1, j = 1;
  for (size_t i = 0; i < tout.size(); ++i) {
    Carte c = tout[i];
    c.EnMain = 1;
    if (ecarte[i]) g.Chien[j++] = c;
    else g.MainsJoueurs[preneur][k++] = c;
  }
  TrierMains(g);
  return true;
}

// Half points and oudlers of the taker's camp, the way a player counts them: tricks won,
// the Excuse kept by its camp for a low card (given over to the other camp at the last
// trick), the chien by contract.
struct Compte {
  int demiPoints = 0;
  int bouts = 0;
  int petitAuBout = 0;
};

void CompterPli(Compte& compte, const Partie& g, const std::vector<std::pair<int16_t, Carte>>& pli, int16_t gagnant,
                bool dernier) {
  const bool preneurGagne = gagnant == g.Preneur;
  for (const auto& [s, c] : pli) {
    const bool excuse = c.Couleur == 0 && c.Valeur == 0;
    bool auPreneur = preneurGagne;
    if (excuse) {
      const bool campPreneur = (s == g.Preneur) != dernier;
      if (campPreneur != preneurGagne) compte.demiPoints += campPreneur ? 8 : -8;
      auPreneur = campPreneur;
      if (auPreneur) compte.bouts += 1;
    } else if (EstBoutCarte(c) && auPreneur) {
      compte.bouts += 1;
    }
    if (preneurGagne) compte.demiPoints += DemiPoints(c);
    if (dernier && c.Couleur == 0 && c.Valeur == 1) compte.petitAuBout = preneurGagne ? 1 : 2;
  }
  if (!dernier) return;
  const int16_t contrat = g.EnchereJoueur[g.Preneur];
  for (const Carte& c : g.Chien) {
    if (contrat == EnchereGardeContre) continue;
    compte.demiPoints += DemiPoints(c);
    if (contrat == EnchereGardeSans && EstBoutCarte(c)) compte.bouts += 1;
  }
}

TEST(DonnesAleatoires, LegalCardsWinnersCountsAndScores) {
  Aleatoire a(20240611);
  Partie g{Aleatoire(3)};
  int donnes = 0, essais = 0;
  while (donnes < 10000 && !HasFailure()) {
    ++essais;
    if (!Distribuer(g, a)) continue;
    ++donnes;
    OuvrirJeu(g, static_cast<int16_t>(1 + Tirer(a, 4)));
    Compte attendu;
    for (int pli = 1; pli <= 18 && !HasFailure(); ++pli) {
      std::vector<std::pair<int16_t, Carte>> poses;
      std::vector<Carte> cartes;
      for (int n = 0; n < 4; ++n) {
        const int16_t j = g.JoueurCourant;
        DeterminerCartesJouables(g, j);
        std::vector<int16_t> jouables;
        const Main& main = g.MainsJoueurs[j];
        for (int16_t k = 1; k <= 18; ++k) {
          const Jugement v = Juger(cartes, main, main[k]);
          const bool tenue = main[k].EnMain == 1;
          ASSERT_EQ(g.CarteJouable[j][k], tenue && v.legal ? 1 : 0) << "deal " << donnes << " trick " << pli;
          if (!tenue || !v.legal) continue;
          jouables.push_back(k);
          ASSERT_EQ(g.ClasseCarte[j][k].Classe, v.classe) << "deal " << donnes << " trick " << pli;
          if (v.atoutABattre != -1) {
            ASSERT_EQ(g.ClasseCarte[j][k].AtoutABattre, v.atoutABattre);
          }
        }
        ASSERT_FALSE(jouables.empty());
        const int16_t k = jouables[static_cast<size_t>(Tirer(a, static_cast<int>(jouables.size())))];
        g.MainsJoueurs[j][k].EnMain = 0;
        const Carte c{main[k].Valeur, main[k].Couleur, 0, 0};
        poses.emplace_back(j, c);
        cartes.push_back(c);
        MettreAJourPli(g, k);
        if (n < 3) {
          ASSERT_EQ(MaitrePli(g, Suivant(j)), Gagnant(poses));
        }
        CompterCartePli(g);
      }
      const int16_t gagnant = Gagnant(poses);
      ASSERT_EQ(g.EntameurPli, gagnant);
      ASSERT_EQ(g.JoueurCourant, gagnant);
      CompterPli(attendu, g, poses, gagnant, pli == 18);
      for (auto& c : g.PliCourant) c.Couleur = -1;
    }
    ASSERT_EQ(g.NumeroPli, 19);
    ASSERT_EQ(g.DemiPointsPreneur + g.DemiPointsDefense, 182);
    ASSERT_EQ(g.BoutsPreneur + g.BoutsDefense, 3);
    ASSERT_EQ(g.DemiPointsPreneur, attendu.demiPoints);
    ASSERT_EQ(g.BoutsPreneur, attendu.bouts);
    ASSERT_EQ(g.PetitAuBout, attendu.petitAuBout);
    const int16_t aFaire[4] = {56, 51, 41, 36};
    ASSERT_EQ(g.PointsAFaire, aFaire[attendu.bouts]);
    g.PoigneeAnnoncee = static_cast<int16_t>(Tirer(a, 4));
    const int16_t score = ScoreDonne(g);
    ASSERT_EQ(score % 3, 0);
    ASSERT_GE(score, -1758);
    ASSERT_LE(score, 1740);
  }
  EXPECT_EQ(donnes, 10000);
  EXPECT_LT(essais, 11000);  // a discard is nearly always possible
}

}  // namespace
