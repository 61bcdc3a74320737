#include "computer/suivi.h"

#include <cassert>

#include "computer/connaissance.h"
#include "game/pli.h"

namespace {

bool EstDefenseur(const Partie& g, int16_t siege) { return siege != g.Preneur; }

// Seat and place of the suit-0 card of value `valeur`; the place is left alone when the card
// is not in a hand.
void TrouverDetenteur(const Partie& g, int16_t valeur, int16_t& detenteur, int16_t& place) {
  detenteur = -1;
  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& c = g.MainsJoueurs[p][k];
      if (c.Couleur == CouleurAtout && c.Valeur == valeur) {
        detenteur = p;
        place = k;
      }
    }
}

// Trumps and cards by suit over the 18 places, played or not.
void CompterMain(const Main& m, int16_t& atouts, Couleurs4& couleurs) {
  atouts = 0;
  couleurs.Remplir(0);
  for (const Carte& c : m) {
    if (c.EstAtout()) ++atouts;
    if (c.EstCouleur()) ++couleurs[c.Couleur];
  }
}

void MontrerAtoutsDehors(Partie& g) { g.Ecran().AfficherAtoutsDehors(g.AtoutsDehors); }

}  // namespace

int16_t TirerCouleurDepart(Partie& g) { return static_cast<int16_t>(CInt(g.Rnd() * 3) + 1); }

void TrouverDetenteurPetit(Partie& g) { TrouverDetenteur(g, 1, g.DetenteurPetit, g.PlacePetit); }
void TrouverDetenteurExcuse(Partie& g) { TrouverDetenteur(g, 0, g.DetenteurExcuse, g.PlaceExcuse); }

void PreparerJeuDeLaCarte(Partie& g) {
  assert(g.Preneur >= 1 && g.Preneur <= 4);
  g.Ecran().AfficherInfo("Cliquez n'importe où pour commencer !", "Click anywhere to start !");

  g.Regle181Jouee = 0;
  g.PetitProtege = 0;
  g.CavalierLonguePreneurTombe = 0;

  for (int16_t o = 1; o <= 4; ++o) {
    g.NbCartesCouleurInconnues[o].Remplir(14);
    g.NbAtoutsInconnus[o] = 21;
    g.ChienConnu[o] = 0;
  }

  g.PasEncoreEntame.Remplir(1);
  g.CouleurNonJouee.Remplir(1);

  g.DefenseNaPasEntame = 1;
  g.RetourAtoutAttendu = -1;
  g.SignalAtoutHumain = -1;
  g.PremiereCouleurPreneur = -1;
  g.SecondeCouleurPreneur = -1;
  // A suit the taker led in an earlier deal must not steer this one.
  g.CouleurEntameePreneur = -1;

  TrouverDetenteurPetit(g);
  TrouverDetenteurExcuse(g);

  g.NbAtoutsTombes = 0;
  for (auto& ligne : g.ClasseCarte) ligne.Remplir(ClasseJeu{-1, -1, -1});

  g.AtoutsChien = -1;
  if (ContratPreneur(g) <= EnchereGarde) {
    g.AtoutsChien = 0;
    for (const Carte& c : g.ChienMontre) g.AtoutsChien += c.EstAtout();
  }

  for (int16_t p = 1; p <= 4; ++p) CompterMain(g.MainsJoueurs[p], g.NbAtoutsDonne[p], g.NbCartesCouleur[p]);
  g.NbAtouts = g.NbAtoutsDonne;

  g.AtoutsDehors = static_cast<int16_t>(21 - g.NbAtouts[g.JoueurHumain]);
  MontrerAtoutsDehors(g);

  InitCoupesConnues(g);

  g.NbCartesCouleurDonne = g.NbCartesCouleur;

  // Longest plain suit; among equals the first met from a random start suit.
  for (int16_t p = 1; p <= 4; ++p) {
    const int16_t s0 = TirerCouleurDepart(g);
    g.CouleurLongue[p] = s0;
    for (int i = 1; i <= 3; ++i) {
      const int16_t s = CouleurApres(s0, i);
      if (g.NbCartesCouleurDonne[p][s] > g.NbCartesCouleurDonne[p][g.CouleurLongue[p]]) g.CouleurLongue[p] = s;
    }
  }

  for (auto& ligne : g.SansAtout) ligne.Remplir(0);
  for (int16_t p = 1; p <= 4; ++p)
    if (g.NbAtoutsDonne[p] == 0) g.SansAtout[p][p] = 1;

  const int16_t t = g.Preneur;
  g.RoiSecPreneur.Remplir(0);
  for (const Carte& c : g.MainsJoueurs[t])
    if (c.EstCouleur() && c.Valeur == 14 && g.NbCartesCouleurDonne[t][c.Couleur] == 1) g.RoiSecPreneur[c.Couleur] = 1;

  for (int16_t p = 1; p <= 4; ++p)
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& c = g.MainsJoueurs[p][k];
      if (c.EstAtout() && c.Valeur >= 2) {
        g.DetenteurAtout[c.Valeur] = p;
        g.PlaceAtout[c.Valeur] = k;
      } else if (c.EstCouleur()) {
        g.DetenteurCarte[c.Couleur][c.Valeur] = p;
        g.PlaceCarte[c.Couleur][c.Valeur] = k;
      }
    }
  for (const Carte& c : g.Chien) {
    if (c.EstAtout() && c.Valeur >= 2)
      g.DetenteurAtout[c.Valeur] = 0;
    else if (c.EstCouleur())
      g.DetenteurCarte[c.Couleur][c.Valeur] = 0;
  }

  for (int16_t o = 1; o <= 4; ++o) {
    g.PlusHautAtoutRestant[o] = 21;
    g.PlusHauteCarteRestante[o].Remplir(14);
    for (int16_t s = 1; s <= 4; ++s) g.NbDehorsCouleur[o][s] = static_cast<int16_t>(14 - g.NbCartesCouleurDonne[o][s]);
  }

  InitialiserConnaissanceCartes(g);
  MettreAJourConnaissances(g);
}

void EnregistrerCarteJouee(Partie& g, int16_t p, int16_t k) {
  const Carte carte = g.MainsJoueurs[p][k];
  const int16_t s = carte.Couleur;
  const int16_t v = carte.Valeur;
  const bool couleur = carte.EstCouleur();
  const bool atout = carte.EstAtout();
  const bool entame = p == g.EntameurPli;
  const bool defenseur = EstDefenseur(g, p);
  const int16_t t = g.Preneur;
  const int16_t classe = g.ClasseCarte[p][k].Classe;
  const int16_t demandee = g.CouleurDemandee;
  const bool demandeeCouleur = demandee >= CouleurPique && demandee <= CouleurCarreau;

  if (p == t && entame && couleur) g.CouleurEntameePreneur = s;

  if (couleur)
    for (int16_t o = 1; o <= 4; ++o)
      if (o != p) --g.NbDehorsCouleur[o][s];

  // A defender's Knight falls under the taker's King led in his long suit.
  if (couleur && s == g.CouleurLongue[t] && defenseur && v == 12 && g.EntameurPli == t &&
      g.PliCourant[t].Couleur == s && g.PliCourant[t].Valeur == 14)
    g.CavalierLonguePreneurTombe = 1;

  g.CarteJoueeParPli[p][g.NumeroPli] = k;
  if (entame) g.EntameurParPli[g.NumeroPli] = p;

  if (carte.EstExcuse()) g.DetenteurExcuse = -1;
  if (carte.EstPetit()) {
    g.DetenteurPetit = -1;
    g.PetitProtege = 0;
  }

  if (g.PasEncoreEntame[p] == 1 && entame) {
    g.PasEncoreEntame[p] = 0;
    if (p == g.JoueurHumain && defenseur && s == CouleurAtout && EstImpair(v) == 1)
      g.SignalAtoutHumain = g.JoueurHumain;
  }

  for (int16_t q = 1; q <= 4; ++q)
    if (EstDefenseur(g, q) && g.PasEncoreEntame[q] == 0) g.DefenseNaPasEntame = 0;
  if (couleur && g.CouleurNonJouee[s] == 1) g.CouleurNonJouee[s] = 2;

  if (atout) ++g.NbAtoutsTombes;

  if ((classe == 1 || classe == 4) && demandeeCouleur) NoterCoupe(g, p, demandee);

  if (couleur && --g.NbCartesCouleur[p][s] == 0) g.CoupesConnues[p][p][s] = 1;

  if (defenseur && classe == 1 && demandee == g.CouleurLongue[t]) g.CouleurLonguePreneurCoupee = 1;

  if (classe == 4 || classe == 5) NoterSansAtout(g, p);

  if (atout && --g.NbAtouts[p] == 0) g.SansAtout[p][p] = 1;

  if (p == t && carte.EstPetit() && classe == 1) g.RetourAtoutAttendu = 0;

  if (p == t && couleur && classe == 0) {
    if (g.PremiereCouleurPreneur == -1)
      g.PremiereCouleurPreneur = s;
    else if (g.SecondeCouleurPreneur == -1)
      g.SecondeCouleurPreneur = s;
  }

  if (entame && g.ReglesActives[16] == 1 && g.RetourAtoutAttendu == 0 && atout) g.RetourAtoutAttendu = -1;

  if (atout && v >= 2) g.DetenteurAtout[v] = -1;
  if (couleur) g.DetenteurCarte[s][v] = -1;

  if (couleur && v == 14) g.RoiSecPreneur[s] = 0;

  if (p != g.JoueurHumain && atout) {
    --g.AtoutsDehors;
    MontrerAtoutsDehors(g);
  }

  NoterCarteJouee(g, p, k, s, v);
  MettreAJourConnaissances(g);
}
