// The taker's plan, following play for every seat, and the default rules that close the cascade.
#include "computer/regles.h"
#include "computer/regles_outils.h"

namespace {

// The taker's own picture and the card table agree on his cards; either one is enough.
bool PreneurDetient(const Partie& g, int16_t s, int16_t v) {
  return g.ConnuDetenteurCouleur[g.Preneur][s][v] == g.Preneur || g.DetenteurCarte[s][v] == g.Preneur;
}

// Defenders the taker does not know to be out of trumps.
int16_t DefenseursAvecAtouts(const Partie& g, const ContexteChoix& c) {
  int16_t n = 3;
  for (int16_t d : {c.Defenseur1, c.Defenseur2, c.Defenseur3})
    if (g.SansAtout[g.Preneur][d] == 1) --n;
  return n;
}

bool PreneurEntame(const Partie& g, const ContexteChoix& c) { return c.joueur == g.Preneur && c.PositionDansPli == 1; }

// Lowest plain card, else lowest trump above the Petit.
void JouerPetit(Partie& g, ContexteChoix& c) {
  int16_t place = -1;
  ChercherPlusPetiteCarte(g, c.joueur, place);
  if (place == -1) ChercherPlusPetitAtout(g, c.joueur, place);
  if (place != -1) Prendre(g, c, place);
}

}  // namespace

void Regle182(Partie& g, ContexteChoix& c) {
  const int16_t p = g.Preneur;
  if (c.joueur != p || g.NbAtoutsDonne[p] < 9 || g.BoutsPreneur > 1 || g.PasEncoreEntame[p] != 1) return;
  if (g.DetenteurPetit != p || g.NbAtouts[p] < 7) return;
  const int16_t L = g.CouleurLongue[p];
  int16_t candidatsL = 0;
  for (int16_t k = 1; k <= 18; ++k)
    if (EstCandidat(g, p, k) && g.MainsJoueurs[p][k].Couleur == L) ++candidatsL;
  const bool longueForte =
      (PreneurDetient(g, L, 14) && candidatsL >= 5) || (PreneurDetient(g, L, 13) && PreneurDetient(g, L, 12));
  if (!longueForte) return;
  // His sixth highest dealt trump: played ones count, so the rule dies once it has gone.
  int16_t rang = 0;
  for (int16_t k = 1; k <= 18; ++k) {
    if (g.MainsJoueurs[p][k].EstAtout() && ++rang == 6) {
      Prendre(g, c, k);
      return;
    }
  }
}

void Regle180(Partie& g, ContexteChoix& c) {
  const int16_t p = g.Preneur;
  if (!PreneurEntame(g, c) || g.PasEncoreEntame[p] != 1) return;
  const int16_t L = g.CouleurLongue[p];
  if (g.NbCartesCouleurDonne[p][L] < 5 || !PreneurDetient(g, L, 14)) return;
  const int16_t s0 = TirerCouleurDepart(g);
  int16_t x = -1;
  for (int i = 0; i < 4 && x == -1; ++i)
    if (g.NbCartesCouleurDonne[p][CouleurApres(s0, i)] == 1) x = CouleurApres(s0, i);
  if (x == -1) return;
  const int16_t seuil = static_cast<int16_t>(CInt(g.Rnd() * 2) + 7);
  if (g.NbAtoutsDonne[p] < seuil) return;
  for (int16_t k = 1; k <= 18; ++k) {
    const Carte& carte = g.MainsJoueurs[p][k];
    if (carte.Couleur == x && carte.Valeur <= 10) {
      Prendre(g, c, k);
      return;
    }
  }
}

void Regle160(Partie& g, ContexteChoix& c) {
  const int16_t p = g.Preneur;
  if (c.joueur != p) return;
  const bool d1Atouts = g.SansAtout[p][c.Defenseur1] == 0;
  const bool d2Atouts = g.SansAtout[p][c.Defenseur2] == 0;
  if (!((c.PositionDansPli == 2 && (d1Atouts || d2Atouts)) || (c.PositionDansPli == 3 && d1Atouts))) return;
  const Carte entame = CarteEntamee(g);
  if (!entame.EstCouleur()) return;
  const int16_t s = entame.Couleur;
  if (g.NbCartesCouleurInconnues[p][s] >= 5 || g.NbCartesCouleur[p][s] != 0) return;
  bool honneurDehors = false;
  for (int16_t v = 12; v <= 14; ++v) honneurDehors = honneurDehors || g.ConnuDetenteurCouleur[p][s][v] != ConnuJouee;
  if (!honneurDehors || g.SansAtout[p][p] != 0) return;
  const int16_t place = PremierCandidat(g, p, [](const Carte& k) { return k.Couleur == CouleurAtout; });
  if (place != -1) Prendre(g, c, place);
}

void Regle150(Partie& g, ContexteChoix& c) {
  const int16_t p = g.Preneur;
  if (!PreneurEntame(g, c)) return;
  const int16_t L = g.CouleurLongue[p];
  if (g.NbCartesCouleur[p][L] <= 0) return;
  if (g.CouleurLonguePreneurCoupee != 0 && DefenseursAvecAtouts(g, c) != 0) return;
  const int16_t n = g.NbCartesCouleurDonne[p][L];
  const int16_t atouts = g.NbAtoutsDonne[p];
  // The Queen goes first only while the Knight is out and the suit is not too long for his trumps.
  const bool dameJouable = g.CavalierLonguePreneurTombe == 0 &&
                           (n <= 5 || (n == 6 && atouts < 10) || (n == 7 && atouts < 8) || (n == 8 && atouts < 7));
  const int16_t place = PremierCandidat(g, p, [&](const Carte& k) {
    return k.Couleur == L && (k.Valeur == 14 || k.Valeur <= 10 || (k.Valeur == 13 && dameJouable));
  });
  if (place != -1) Prendre(g, c, place);
}

void Regle151(Partie& g, ContexteChoix& c) {
  const int16_t p = g.Preneur;
  if (!PreneurEntame(g, c)) return;
  const int16_t L = g.CouleurLongue[p];
  if (g.NbCartesCouleur[p][L] <= 0 || g.CouleurLonguePreneurCoupee != 1 || DefenseursAvecAtouts(g, c) <= 0) return;
  const int16_t place = DernierCandidat(g, p, [L](const Carte& k) { return k.Couleur == L; });
  if (place != -1) Prendre(g, c, place);
}

void Regle22(Partie& g, ContexteChoix& c) {
  if (!PreneurEntame(g, c)) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CouleurNonJouee[s] == 0 || !PreneurDetient(g, s, 14)) continue;
    int16_t tenues = 0;
    for (int16_t v = 1; v <= 14; ++v) tenues = static_cast<int16_t>(tenues + (PreneurDetient(g, s, v) ? 1 : 0));
    if (tenues >= 5 && tenues <= 9) {
      Prendre(g, c, g.PlaceCarte[s][14]);
      return;
    }
  }
}

void Regle19(Partie& g, ContexteChoix& c) {
  if (!PreneurEntame(g, c)) return;
  if (g.DetenteurPetit == g.Preneur && DefenseursAvecAtouts(g, c) == 0) return;
  for (int16_t s = 1; s <= 4; ++s)
    if (g.RoiSecPreneur[s] == 1) EviterCarte(g, c.joueur, s, 14);
}

void Regle13(Partie& g, ContexteChoix& c) {
  const int16_t p = g.Preneur;
  if (c.joueur != p || c.PositionDansPli == 1 || c.PlaceGagnante == -1) return;
  const Carte entame = CarteEntamee(g);
  if (!entame.EstCouleur()) return;
  const int16_t s = entame.Couleur;
  int16_t place = -1;
  ChercherRoiGarde(g, p, s, place);
  if (place == -1) return;
  const bool d1Coupe = g.CoupesConnues[p][c.Defenseur1][s] == 1;
  const bool d2Coupe = g.CoupesConnues[p][c.Defenseur2][s] == 1;
  if ((c.PositionDansPli == 3 && !d1Coupe) || (c.PositionDansPli == 2 && !d1Coupe && !d2Coupe)) Prendre(g, c, place);
}

void Regle2(Partie& g, ContexteChoix& c) {
  if (c.JoueurMaitre != g.Preneur || c.PlaceGagnante != -1) return;
  const int16_t pos = c.PositionDansPli;
  const bool apres =
      ((c.joueur == c.Defenseur1 || c.joueur == c.Defenseur2) && pos >= 3) || (c.joueur == c.Defenseur3 && pos == 4);
  if (apres) JouerPetit(g, c);
}

void Regle3(Partie& g, ContexteChoix& c) {
  if (c.PlaceGagnante != -1) return;
  const int16_t pos = c.PositionDansPli;
  if ((c.joueur == c.Defenseur1 && pos == 2) || (c.joueur == g.Preneur && pos >= 2)) JouerPetit(g, c);
}

void Regle14(Partie& g, ContexteChoix& c) {
  const int16_t pos = c.PositionDansPli;
  if (c.joueur != c.Defenseur3) return;
  if (!((pos == 2 && g.EntameurPli == c.Defenseur2) || (pos == 3 && g.EntameurPli == c.Defenseur1))) return;
  if (CarteEntamee(g).Couleur != CouleurAtout) return;
  for (int16_t k = 1; k <= 18; ++k) {
    if (EstCandidat(g, c.joueur, k) && g.ClasseCarte[c.joueur][k].Classe == 2) {
      Prendre(g, c, k);
      return;
    }
  }
}

void Regle6(Partie& g, ContexteChoix& c) {
  if (c.PositionDansPli != 1) PrendrePlusPetitAtout(g, c);
}

void Regle1(Partie& g, ContexteChoix& c) {
  if (c.PlaceGagnante == -1 || c.PlaceGagnante == 100 || !ApresPreneur(g, c)) return;
  int16_t place = -1;
  ChercherPlusFortHonneur(g, c.joueur, place);
  if (place == -1) ChercherPlusPetitAtout(g, c.joueur, place);
  if (place == -1) place = c.PlaceGagnante;
  Prendre(g, c, place);
}
