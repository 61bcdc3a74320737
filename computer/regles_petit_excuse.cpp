// When to save, hunt or sacrifice the Petit, and when to play or keep the Excuse.
#include "computer/regles.h"

namespace {

bool Entame(const ContexteChoix& c) { return c.PositionDansPli == 1; }
bool Defenseur(const Partie& g, const ContexteChoix& c) { return c.joueur != g.Preneur; }
bool TientPetit(const Partie& g, const ContexteChoix& c) { return g.DetenteurPetit == c.joueur; }
bool TientExcuse(const Partie& g, const ContexteChoix& c) { return g.DetenteurExcuse == c.joueur; }
// The Petit is still to be played, by somebody else.
bool PetitAilleurs(const Partie& g, const ContexteChoix& c) {
  return g.DetenteurPetit != -1 && g.DetenteurPetit != c.joueur;
}
const Carte& CarteEntame(const Partie& g) { return g.PliCourant[g.EntameurPli]; }
bool EstCarte(const Carte& c, int16_t couleur, int16_t valeur) { return c.Couleur == couleur && c.Valeur == valeur; }

void EviterPetitEnEntame(Partie& g, ContexteChoix& c) {
  if (Entame(c) && TientPetit(g, c)) ExclureCarteSiAutreChoix(g, c.joueur, CouleurAtout, 1);
}

}  // namespace

void Regle15(Partie& g, ContexteChoix& c) {
  // Trick 17 is the last chance to play the Excuse without losing it.
  if (TientExcuse(g, c) && g.NumeroPli == 17) Prendre(g, c, g.PlaceExcuse);
}

void Regle251(Partie& g, ContexteChoix& c) { EviterPetitEnEntame(g, c); }

void Regle191(Partie& g, ContexteChoix& c) {
  if (Defenseur(g, c) && Entame(c) && TientPetit(g, c)) ExclureCouleurSiAutreChoix(g, c.joueur, CouleurAtout);
}

void Regle21(Partie& g, ContexteChoix& c) {
  // Only trumps in hand and none outside: the Petit is safe as long as it stays back.
  const int16_t n = g.NbAtouts[c.joueur];
  if (TientPetit(g, c) && n == 19 - g.NumeroPli && n + g.NbAtoutsTombes == 21)
    ExclureCarteSiAutreChoix(g, c.joueur, CouleurAtout, 1);
}

void Regle170(Partie& g, ContexteChoix& c) {
  if (c.joueur != g.Preneur || !TientPetit(g, c)) return;
  for (int16_t d : {c.Defenseur1, c.Defenseur2, c.Defenseur3})
    if (g.SansAtout[g.Preneur][d] != 1) return;
  ExclureCarteSiAutreChoix(g, c.joueur, CouleurAtout, 1);
}

void Regle8(Partie& g, ContexteChoix& c) { EviterPetitEnEntame(g, c); }

void Regle4(Partie& g, ContexteChoix& c) {
  if (TientPetit(g, c) && ApresPreneur(g, c) && c.PlaceGagnante != -1) Prendre(g, c, g.PlacePetit);
}

void Regle201(Partie& g, ContexteChoix& c) {
  // Hunt the Petit: lead the master trump.
  if (Defenseur(g, c) && Entame(c) && PetitAilleurs(g, c) && g.DetenteurAtout[21] == c.joueur)
    Prendre(g, c, g.PlaceAtout[21]);
}

void Regle7(Partie& g, ContexteChoix& c) {
  if (!Defenseur(g, c) || !TientPetit(g, c)) return;
  for (int16_t d : {c.Defenseur1, c.Defenseur2, c.Defenseur3})
    if (EstCarte(g.PliCourant[d], CouleurAtout, 21)) {
      Prendre(g, c, g.PlacePetit);
      return;
    }
}

void Regle181(Partie& g, ContexteChoix& c) {
  if (!Defenseur(g, c) || !TientPetit(g, c) || g.Regle181Jouee != 0 || Entame(c) || g.NbAtoutsDonne[c.joueur] >= 7)
    return;
  int16_t place = -1;
  for (int16_t k = 1; k <= 17 && place == -1; ++k)
    if (EstCandidat(g, c.joueur, k) && EstCarte(g.MainsJoueurs[c.joueur][k], CouleurAtout, 21)) place = k;
  if (place == -1 || !Prendre(g, c, place)) return;
  g.Regle181Jouee = 1;
  // A low trump from the seat before him leaves the Petit covered.
  const Carte& avant = g.PliCourant[JoueurPrecedent(c.joueur)];
  if (avant.EstAtout() && 21 - avant.Valeur >= 6) g.PetitProtege = 1;
}

void Regle118(Partie& g, ContexteChoix& c) {
  const Carte& entame = CarteEntame(g);
  if (c.joueur != g.Preneur || Entame(c) || !TientPetit(g, c) || g.NbAtoutsDonne[g.Preneur] > 8 || !entame.EstCouleur())
    return;
  const int16_t s = entame.Couleur;
  // First round of a suit he was dealt none of: the defenders still follow, the Petit goes home.
  if (g.NbCartesCouleurDonne[g.Preneur][s] == 0 && g.CouleurNonJouee[s] == 2) Prendre(g, c, g.PlacePetit);
}

void Regle103(Partie& g, ContexteChoix& c) {
  if (c.joueur != g.Preneur || (c.PositionDansPli != 2 && c.PositionDansPli != 3)) return;
  const bool petitPose =
      CarteEntame(g).EstPetit() || (c.PositionDansPli == 3 && g.PliCourant[JoueurSuivant(g.EntameurPli)].EstPetit());
  if (petitPose && g.DetenteurAtout[21] == c.joueur) Prendre(g, c, g.PlaceAtout[21]);
}

void Regle104(Partie& g, ContexteChoix& c) {
  // Every trump outside his hand is the Petit: draw it with his highest trump.
  if (c.joueur == g.EntameurPli && g.NbAtouts[c.joueur] + g.NbAtoutsTombes == 20 && PetitAilleurs(g, c))
    Prendre(g, c, PremierCandidat(g, c.joueur, [](const Carte& x) { return x.EstAtout(); }));
}

void Regle252(Partie& g, ContexteChoix& c) {
  if (!Defenseur(g, c) || !TientPetit(g, c)) return;
  // Highest trump dealt, played or not: once it is gone the rule has nothing to pick.
  const Main& main = g.MainsJoueurs[c.joueur];
  for (int16_t k = 1; k <= 18; ++k)
    if (main[k].EstAtout() && main[k].Valeur > 1) {
      Prendre(g, c, k);
      return;
    }
}

void Regle172(Partie& g, ContexteChoix& c) {
  if (g.EntameurPli != g.Preneur || !g.PliCourant[g.Preneur].EstExcuse()) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CoupesConnues[c.joueur][g.Preneur][s] == 1) {
      Prendre(g, c, PremierCandidat(g, c.joueur, [=](const Carte& x) { return x.Couleur == s; }));
      return;
    }
  }
}

void Regle9(Partie& g, ContexteChoix& c) {
  if (Entame(c) && TientExcuse(g, c) && (c.joueur == g.Preneur || JoueurSuivant(c.joueur) == g.Preneur))
    ExclureCarteSiAutreChoix(g, c.joueur, CouleurAtout, 0);
}

void Regle10(Partie& g, ContexteChoix& c) {
  if (c.joueur == g.Preneur && TientExcuse(g, c) && !Entame(c) && !PetitAilleurs(g, c) &&
      CarteEntame(g).Couleur == CouleurAtout)
    Prendre(g, c, g.PlaceExcuse);
}

void Regle190(Partie& g, ContexteChoix& c) {
  // The draw comes first, whatever follows, so that a seeded deal replays card for card.
  const int16_t r = CInt(g.Rnd() * 100);
  if (g.ReglesActives[190] != 1 || c.ChoixFait != 0) return;
  if (r < 40 && TientExcuse(g, c) && !Entame(c) && c.PlaceGagnante == -1) Prendre(g, c, g.PlaceExcuse);
}
