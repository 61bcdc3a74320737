// Defenders' leads and discards, and the few lead rules that hold for any leader.
#include "computer/regles.h"
#include "computer/regles_outils.h"

namespace {

bool Detient(const Partie& g, int16_t joueur, int16_t s, int16_t v) { return g.DetenteurCarte[s][v] == joueur; }

bool ALaid21(const Partie& g, int16_t siege) {
  const Carte& c = g.PliCourant[siege];
  return c.Couleur == CouleurAtout && c.Valeur == 21;
}

// Whether a trumpless defender gives an honour to the trick (true) or keeps them (false).
bool Donner(const Partie& g, const ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (ALaid21(g, c.Defenseur1) || ALaid21(g, c.Defenseur2) || ALaid21(g, c.Defenseur3)) return true;
  int16_t preneurApres = 0;
  JoueurJoueApres(g, joueur, g.Preneur, c.PositionDansPli, preneurApres);
  if (preneurApres == 1) return false;
  const Carte entame = CarteEntamee(g);
  const int16_t s = entame.Couleur;
  if (PremierCandidat(g, joueur, [s](const Carte& k) { return k.Couleur == s; }) != -1) return false;
  if (s == CouleurAtout) return false;

  // The taker has played by now.
  bool donne = false;
  const Carte preneur = g.PliCourant[g.Preneur];
  if (g.EntameurPli == g.Preneur) {
    donne = entame.Valeur != 14 || (g.NbDehorsCouleur[joueur][s] <= 2 && g.AtoutsDehors > 2);
  } else if (entame.Valeur == 14) {
    donne = preneur.EstCouleur();
  } else {
    donne = preneur.EstCouleur() && preneur.Valeur < 14;
  }

  const int16_t a = JoueurSuivant(joueur);
  const int16_t b = JoueurSuivant(a);
  const bool atoutsNombreux = g.AtoutsDehors > 18 - g.NumeroPli;
  if (atoutsNombreux && (c.PositionDansPli == 2 ||
                         (c.PositionDansPli == 3 && g.CoupesConnues[joueur][a][s] == 1 && g.SansAtout[joueur][a] == 0)))
    donne = true;
  if (c.PositionDansPli == 2 && g.SansAtout[joueur][b] == 0 && g.CoupesConnues[joueur][b][s] == 1) donne = true;
  return donne;
}

}  // namespace

void Regle203(Partie& g, ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (joueur == g.Preneur || (c.PositionDansPli != 2 && c.PositionDansPli != 3)) return;
  if (g.SansAtout[joueur][joueur] != 1 || CarteEntamee(g).EstExcuse()) return;

  if (Donner(g, c)) {
    // Best honour first; the first pass prefers suits the taker is known void in.
    for (int passe = 1; passe <= 2; ++passe) {
      for (int16_t v = 14; v >= 11; --v) {
        const int16_t s0 = TirerCouleurDepart(g);
        if (passe == 1 && g.CoupesConnues[joueur][g.Preneur][s0] != 1) continue;
        for (int i = 0; i < 4; ++i) {
          const int16_t s = CouleurApres(s0, i);
          if (Detient(g, joueur, s, v) && Prendre(g, c, g.PlaceCarte[s][v])) return;
        }
      }
    }
    return;
  }

  // Keep the honours: the suit moves on by 1, 2, 3, 4 after each exclusion, across values.
  int16_t s = TirerCouleurDepart(g);
  for (int16_t v = 14; v >= 11; --v) {
    for (int i = 1; i <= 4; ++i) {
      EviterCarte(g, joueur, s, v);
      s = CouleurApres(s, i);
    }
  }
}

void Regle16(Partie& g, ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (!DefenseurEntame(g, c) || g.RetourAtoutAttendu != 0) return;
  if (PremierCandidat(g, joueur, [](const Carte& k) { return k.EstAtout(); }) == -1) return;
  ExclureSauf(g, joueur, [](const Carte& k) { return k.EstAtout(); });
  c.ChoixFait = 1;
}

void Regle204(Partie& g, ContexteChoix& c) {
  if (DefenseurEntame(g, c) && g.CouleurEntameePreneur != -1)
    ExclureCouleurSiAutreChoix(g, c.joueur, g.CouleurEntameePreneur);
}

void Regle130(Partie& g, ContexteChoix& c) {
  if (!DefenseurEntame(g, c) || g.SignalAtoutHumain == -1) return;
  if (g.DetenteurPetit == c.joueur || g.PetitProtege != 0) return;
  PrendrePlusPetitAtout(g, c);
}

void Regle11(Partie& g, ContexteChoix& c) {
  if (!DefenseurEntame(g, c)) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CouleurNonJouee[s] == 0) continue;
    int16_t place = -1;
    ChercherPetiteCarteCouleurLongue(g, c.joueur, s, place);
    if (place != -1) {
      Prendre(g, c, place);
      return;
    }
  }
}

namespace {
// A leader keeps back his card (s, v) while the card just above it in the suit is still out.
void EviterSousHonneurDehors(Partie& g, const ContexteChoix& c, int16_t v) {
  if (c.PositionDansPli != 1) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (Detient(g, c.joueur, s, v) && g.DetenteurCarte[s][v + 1] != -1) EviterCarte(g, c.joueur, s, v);
  }
}
}  // namespace

void Regle119(Partie& g, ContexteChoix& c) { EviterSousHonneurDehors(g, c, 13); }

void Regle120(Partie& g, ContexteChoix& c) { EviterSousHonneurDehors(g, c, 12); }

void Regle116(Partie& g, ContexteChoix& c) {
  if (!DefenseurEntame(g, c)) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CoupesConnues[c.joueur][g.Preneur][s] != 1) continue;
    for (int16_t v = 14; v >= 11; --v) EviterCarte(g, c.joueur, s, v);
  }
}

void Regle115(Partie& g, ContexteChoix& c) {
  if (c.PositionDansPli != 1) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (!Detient(g, c.joueur, s, 13) && g.CouleurNonJouee[s] != 0) EviterCarte(g, c.joueur, s, 12);
  }
}

void Regle114(Partie& g, ContexteChoix& c) {
  if (!DefenseurEntame(g, c)) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CouleurNonJouee[s] == 0 || Detient(g, c.joueur, s, 14) || Detient(g, c.joueur, s, 13)) continue;
    for (int16_t v = 1; v <= 5; ++v) EviterCarte(g, c.joueur, s, v);
  }
}

void Regle113(Partie& g, ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (!DefenseurEntame(g, c) || g.DefenseNaPasEntame != 1) return;
  if (g.SignalAtoutHumain != -1 || g.AtoutsChien <= 1) return;
  ExclureCouleurSiAutreChoix(g, joueur, CouleurAtout);

  const int16_t L = g.CouleurLongue[joueur];
  const bool roi = Detient(g, joueur, L, 14);
  const bool dame = Detient(g, joueur, L, 13);
  const bool cavalier = Detient(g, joueur, L, 12);
  // Each variant whose holding matches scans the candidates of L; the first card found is picked.
  auto essayer = [&](bool tient, auto ok) {
    if (!tient || c.ChoixFait == 1) return;
    const int16_t place = PremierCandidat(g, joueur, [&](const Carte& k) { return k.Couleur == L && ok(k.Valeur); });
    if (place != -1) Prendre(g, c, place);
  };
  if (g.NbAtoutsDonne[joueur] >= 6) {
    essayer(roi != dame, [](int16_t v) { return v <= 5; });
    essayer(roi && dame, [](int16_t v) { return v == 14; });
    essayer(dame && cavalier, [](int16_t v) { return v == 12; });
    essayer(!roi && !dame, [](int16_t v) { return v <= 10; });
  } else {
    essayer(roi && dame, [](int16_t v) { return v <= 5; });
    if (!roi && !dame && c.ChoixFait == 0) {
      const int16_t place = DernierCandidat(g, joueur, [L](const Carte& k) { return k.Couleur == L && k.Valeur > 5; });
      if (place != -1) Prendre(g, c, place);
    }
  }
}

void Regle112(Partie& g, ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (!DefenseurEntame(g, c) || g.DefenseNaPasEntame != 1 || g.SignalAtoutHumain != -1) return;
  if (g.PetitProtege != 0 || (g.AtoutsChien != 0 && g.AtoutsChien != 1) || g.NbAtoutsDonne[joueur] >= 7) return;
  int16_t place = -1;
  ChercherPlusPetitAtoutPair(g, joueur, place);
  if (place != -1 && g.MainsJoueurs[joueur][place].Valeur <= 12 && Prendre(g, c, place)) g.SignalAtoutHumain = joueur;
}

void Regle101(Partie& g, ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (joueur == g.Preneur || g.SansAtout[joueur][g.Preneur] != 0) return;
  int16_t preneurApres = 0;
  JoueurJoueApres(g, joueur, g.Preneur, c.PositionDansPli, preneurApres);
  if (preneurApres != 1) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CoupesConnues[joueur][g.Preneur][s] != 1) continue;
    EviterCarte(g, joueur, s, 14);
    EviterCarte(g, joueur, s, 13);
  }
}

void Regle23(Partie& g, ContexteChoix& c) {
  const int16_t joueur = c.joueur;
  if (!DefenseurEntame(g, c)) return;
  if (g.NbAtouts[joueur] + g.NbAtoutsTombes != 21 && g.SansAtout[joueur][g.Preneur] != 1) return;
  const int16_t s0 = TirerCouleurDepart(g);
  int16_t L = -1;
  for (int i = 0; i < 4 && L == -1; ++i)
    if (g.CoupesConnues[joueur][g.Preneur][CouleurApres(s0, i)] == 1) L = CouleurApres(s0, i);
  if (L == -1) return;
  bool detientL = false;
  for (const Carte& k : g.MainsJoueurs[joueur]) detientL = detientL || (k.EnMain == 1 && k.Couleur == L);
  if (!detientL) return;
  ExclureSauf(g, joueur, [L](const Carte& k) { return k.Couleur == L; });
  c.ChoixFait = 1;
}

void Regle18(Partie& g, ContexteChoix& c) {
  if (!DefenseurEntame(g, c) || g.SignalAtoutHumain == -1) return;
  const int16_t s0 = TirerCouleurDepart(g);
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    if (g.CoupesConnues[c.joueur][g.SignalAtoutHumain][s] == 1) ExclureCouleurSiAutreChoix(g, c.joueur, s);
  }
}

void Regle5(Partie& g, ContexteChoix& c) {
  if (!DefenseurEntame(g, c)) return;
  if (g.PremiereCouleurPreneur != -1) ExclureCouleurSiAutreChoix(g, c.joueur, g.PremiereCouleurPreneur);
  if (g.SecondeCouleurPreneur != -1) ExclureCouleurSiAutreChoix(g, c.joueur, g.SecondeCouleurPreneur);
}
