#include "game/distribution.h"

#include <limits>
#include <utility>

namespace {

// A place 1..78 of the deck: k = CInt(u * 7699) is 0..7699, and k / 100 goes to the nearest
// integer, a half to the even one, so the two end places are drawn about half as often as the
// others. The second rounding is done on integers: it gives what CInt(k / 100.0) gives, without
// a division in the shuffle's inner loop.
int TirerPlace(Partie& g) {
  const int k = CInt(g.Rnd() * 7699);
  int q = (k + 50) / 100;                // halves up...
  if (k % 100 == 50 && q % 2 == 1) --q;  // ...then back down to the even one
  return q + 1;
}

// A run of random exchanges on the order last dealt, from a generator reseeded at every try.
void Melanger(Partie& g) {
  g.alea.Reensemencer();
  const int n = CInt(g.Rnd() * 1400) + 313;
  for (int k = 0; k < n; ++k) {
    const int a = TirerPlace(g);
    const int b = TirerPlace(g);
    std::swap(g.PaquetTravail[a], g.PaquetTravail[b]);
  }
}

// Six passes of 13 cards: three to each seat from seat 1, then one to the chien. The deck is
// rewritten in dealt order, seat by seat, then the chien.
void Donner(Partie& g) {
  for (int r = 1; r <= 6; ++r) {
    const int passe = (r - 1) * 13;
    for (int p = 1; p <= 4; ++p)
      for (int i = 1; i <= 3; ++i)
        g.PaquetTravail[(p - 1) * 18 + (r - 1) * 3 + i] = g.JeuCourant[passe + (p - 1) * 3 + i];
    g.PaquetTravail[72 + r] = g.JeuCourant[r * 13];
  }
  for (int i = 1; i <= 78; ++i) {
    g.CartesDistribuees[i] = g.TableCartes[g.PaquetTravail[i]];
    g.CartesDistribuees[i].EnMain = 1;
  }
  for (int p = 1; p <= 4; ++p)
    for (int j = 1; j <= 18; ++j) g.MainsJoueurs[p][j] = g.CartesDistribuees[(p - 1) * 18 + j];
  for (int j = 1; j <= 6; ++j) g.Chien[j] = g.CartesDistribuees[72 + j];
}

// The Petit alone in suit 0 cannot be saved; with the Excuse beside it, it can.
bool PetitSec(const Main& main) {
  int atouts = 0;
  bool petit = false;
  for (const Carte& c : main)
    if (c.Couleur == CouleurAtout) {
      ++atouts;
      petit = petit || c.Valeur == 1;
    }
  return atouts == 1 && petit;
}

// Every seat, as a possible taker, must find six cards to discard among its own and the
// chien's.
bool EcartPossiblePourTous(const Partie& g) {
  int chien = 0;
  for (const Carte& c : g.Chien) chien += c.EstEcartable();
  for (const Main& main : g.MainsJoueurs) {
    int n = chien;
    for (const Carte& c : main) n += c.EstEcartable();
    if (n < 6) return false;
  }
  return true;
}

// The bid the kind of hand asks of the user's seat, -1 when it asks for nothing.
int16_t EnchereVisee(int16_t forceMain) {
  switch (forceMain) {
    case 1:
      return EncherePasse;
    case 3:
      return EncherePrise;
    case 4:
      return EnchereGarde;
    case 5:
      return EnchereGardeSans;
    case 6:
      return EnchereGardeContre;
    default:
      return EnchereAucune;
  }
}

// Gives seat 1 a hand that supports exactly the bid asked, by exchanging with the first
// other seat whose hand does. False when no seat has one.
bool ImposerMain(Partie& g, int16_t visee) {
  if (g.EnchereConseillee(g, 1) == visee) return true;
  for (int16_t k = 2; k <= 4; ++k)
    if (g.EnchereConseillee(g, k) == visee) {
      EchangerMains(g, 1, k);
      return true;
    }
  return false;
}

// Every seat is asked: a deal that all four would pass is no deal.
bool AuMoinsUnPreneur(Partie& g) {
  bool preneur = false;
  for (int16_t p = 1; p <= 4; ++p) preneur = g.EnchereConseillee(g, p) != EncherePasse || preneur;
  return preneur;
}

}  // namespace

void EchangerMains(Partie& g, int16_t a, int16_t b) {
  Main& ma = g.MainsJoueurs[a];
  Main& mb = g.MainsJoueurs[b];
  for (int j = 1; j <= 18; ++j) {
    g.MainTampon[j].Valeur = ma[j].Valeur;
    g.MainTampon[j].Couleur = ma[j].Couleur;
    ma[j].Valeur = mb[j].Valeur;
    ma[j].Couleur = mb[j].Couleur;
    mb[j].Valeur = g.MainTampon[j].Valeur;
    mb[j].Couleur = g.MainTampon[j].Couleur;
  }
}

void DistribuerDonne(Partie& g, int16_t& ok) {
  ok = 0;
  const bool rejeu = g.RejouerDonne != 0;
  // The count only tells the first deal of the run; it stops at its top rather than wrap
  // back to 1, which would reset the deck in the middle of a run.
  if (!rejeu && g.NumeroDonne < std::numeric_limits<int16_t>::max()) ++g.NumeroDonne;
  if (g.NumeroDonne == 1)
    for (int16_t i = 1; i <= 78; ++i) g.PaquetTravail[i] = i;

  Melanger(g);
  if (rejeu) {
    g.JeuCourant = g.JeuSauve;
  } else {
    g.JeuCourant = g.PaquetTravail;
    g.JeuSauve = g.PaquetTravail;
  }
  Donner(g);

  for (const Main& main : g.MainsJoueurs)
    if (PetitSec(main)) return;
  if (!EcartPossiblePourTous(g)) return;
  const int16_t visee = EnchereVisee(g.ForceMain);
  if (visee != EnchereAucune && !ImposerMain(g, visee)) return;
  if (g.AuMoinsUnePriseActif == 1 && !AuMoinsUnPreneur(g)) return;
  ok = 1;
}

int16_t DistribuerDonne(Partie& g) {
  int16_t ok = 0;
  DistribuerDonne(g, ok);
  return ok;
}

void DistribuerDonneAcceptee(Partie& g, int32_t& essais) {
  essais = 0;
  int16_t ok = 0;
  do {
    DistribuerDonne(g, ok);
    ++essais;
  } while (ok != 1 && (g.RejouerDonne == 0 || essais < EssaisRejeuMax));
  TrierChien(g);
  TrierMains(g);
}

void DistribuerDonneAcceptee(Partie& g) {
  int32_t essais = 0;
  DistribuerDonneAcceptee(g, essais);
}
