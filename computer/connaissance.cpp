#include "computer/connaissance.h"

#include "game/pli.h"

namespace {

bool EstDefenseur(const Partie& g, int16_t siege) { return siege != g.Preneur; }

// The observer excludes every seat but `garde` for the plain card (s, v); garde 0 excludes all.
void ExclureAutres(Partie& g, int16_t observateur, int16_t s, int16_t v, int16_t garde) {
  for (int16_t q = 1; q <= 4; ++q)
    if (q != garde) g.PossibleDetenteurCouleur[observateur][q][s][v] = 0;
}

// In `observateur`'s picture the card lies where `code` says and nobody else can hold it.
void Placer(Partie& g, int16_t observateur, const Carte& c, int16_t code, int16_t garde) {
  if (c.EstCouleur()) {
    g.ConnuDetenteurCouleur[observateur][c.Couleur][c.Valeur] = code;
    ExclureAutres(g, observateur, c.Couleur, c.Valeur, garde);
  } else if (c.Couleur == CouleurAtout) {
    g.ConnuDetenteurAtout[observateur][c.Valeur] = code;
  }
}

// A code the observer has placed for himself: his own card, the discard, or played.
bool CodeSu(int16_t code, int16_t observateur) {
  return code == observateur || code == ConnuChien || code == ConnuJouee;
}

}  // namespace

void InitialiserConnaissanceCartes(Partie& g) {
  g.CouleursChangees = EtatConnaissance::ToutesCouleursChangees;
  for (int16_t o = 1; o <= 4; ++o) {
    g.ConnuDetenteurAtout[o].Remplir(ConnuNonPlace);
    for (int16_t s = 1; s <= 4; ++s) {
      g.ConnuDetenteurCouleur[o][s].Remplir(ConnuNonPlace);
      for (int16_t q = 1; q <= 4; ++q) g.PossibleDetenteurCouleur[o][q][s].Remplir(-1);
    }
  }

  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k) Placer(g, p, g.MainsJoueurs[p][k], p, p);

  // Without a discard nobody sees the chien.
  const int16_t t = g.Preneur;
  if (ContratPreneur(g) >= EnchereGardeSans) return;

  g.ChienConnu[t] = 1;
  for (int16_t j = 1; j <= 6; ++j) Placer(g, t, g.Chien[j], ConnuChien, t);

  // The shown chien went to the taker: no defender can hold any of it.
  for (int16_t j = 1; j <= 6; ++j) {
    const Carte& c = g.ChienMontre[j];
    if (!c.EstCouleur()) continue;
    for (int16_t d = 1; d <= 4; ++d) {
      if (!EstDefenseur(g, d)) continue;
      for (int16_t e = 1; e <= 4; ++e)
        if (EstDefenseur(g, e)) g.PossibleDetenteurCouleur[d][e][c.Couleur][c.Valeur] = 0;
    }
  }
}

void InitCoupesConnues(Partie& g) {
  for (int16_t o = 1; o <= 4; ++o)
    for (int16_t q = 1; q <= 4; ++q) g.CoupesConnues[o][q].Remplir(0);
  for (int16_t p = 1; p <= 4; ++p) {
    Couleurs4 tenues{};
    for (const Carte& c : g.MainsJoueurs[p])
      if (c.EstCouleur()) tenues[c.Couleur] = 1;
    for (int16_t s = 1; s <= 4; ++s)
      if (tenues[s] == 0) g.CoupesConnues[p][p][s] = 1;
  }
}

void NoterCoupe(Partie& g, int16_t joueur, int16_t couleur) {
  for (int16_t o = 1; o <= 4; ++o) g.CoupesConnues[o][joueur][couleur] = 1;
}

void NoterSansAtout(Partie& g, int16_t joueur) {
  for (int16_t o = 1; o <= 4; ++o) g.SansAtout[o][joueur] = 1;
}

void NoterCarteJouee(Partie& g, int16_t joueur, int16_t place, int16_t couleur, int16_t valeur) {
  const Carte c{valeur, couleur, 0, 0};
  for (int16_t o = 1; o <= 4; ++o) Placer(g, o, c, ConnuJouee, 0);
  int16_t changees = static_cast<int16_t>(1 << couleur);

  const int16_t classe = g.ClasseCarte[joueur][place].Classe;
  const int16_t demandee = g.CouleurDemandee;
  if ((classe == 1 || classe == 4) && demandee >= CouleurPique && demandee <= CouleurCarreau) {
    for (int16_t o = 1; o <= 4; ++o) g.PossibleDetenteurCouleur[o][joueur][demandee].Remplir(0);
    changees = static_cast<int16_t>(changees | (1 << demandee));
  }
  g.CouleursChangees = changees;
}

void MettreAJourConnaissances(Partie& g) {
  // After a single card only its suit and the suit led can have changed; the discard codes
  // are written once at the start of play, so the count of known discard cards cannot move.
  const int16_t changees = g.CouleursChangees;
  g.CouleursChangees = EtatConnaissance::ToutesCouleursChangees;
  const bool tout = changees == EtatConnaissance::ToutesCouleursChangees;
  auto aRevoir = [changees](int16_t s) { return (changees & (1 << s)) != 0; };

  for (int16_t o = 1; o <= 4 && tout; ++o) {
    int n = 0;
    for (int16_t s = 1; s <= 4; ++s)
      for (int16_t code : g.ConnuDetenteurCouleur[o][s]) n += code == ConnuChien;
    for (int16_t code : g.ConnuDetenteurAtout[o]) n += code == ConnuChien;
    if (g.ChienConnu[o] == 0 && n == 6) g.ChienConnu[o] = 1;
  }

  // With the discard known, a card nobody has placed is in another hand: when two of the
  // three other seats are excluded, the third holds it.
  for (int16_t s = 1; s <= 4; ++s) {
    if (!aRevoir(s)) continue;
    for (int16_t o = 1; o <= 4; ++o) {
      if (g.ChienConnu[o] != 1) continue;
      for (int16_t v = 1; v <= 14; ++v) {
        if (g.ConnuDetenteurCouleur[o][s][v] != ConnuNonPlace) continue;
        int exclus = 0;
        int16_t reste = 0;
        for (int16_t q = 1; q <= 4; ++q) {
          if (q == o) continue;
          if (g.PossibleDetenteurCouleur[o][q][s][v] == 0)
            ++exclus;
          else
            reste = q;
        }
        if (exclus == 2) {
          g.ConnuDetenteurCouleur[o][s][v] = reste;
          ExclureAutres(g, o, s, v, reste);
        }
      }
    }
  }

  for (int16_t o = 1; o <= 4; ++o) {
    for (int16_t s = 1; s <= 4; ++s) {
      if (!aRevoir(s)) continue;
      int16_t sus = 0;
      for (int16_t code : g.ConnuDetenteurCouleur[o][s]) sus += CodeSu(code, o);
      g.NbCartesCouleurInconnues[o][s] = static_cast<int16_t>(14 - sus);
    }
    if (!aRevoir(CouleurAtout)) continue;
    int16_t sus = 0;
    for (int16_t t = 1; t <= 21; ++t) sus += CodeSu(g.ConnuDetenteurAtout[o][t], o);
    g.NbAtoutsInconnus[o] = static_cast<int16_t>(21 - sus);
  }
}
