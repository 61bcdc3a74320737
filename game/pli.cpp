#include "game/pli.h"

#include <cassert>

namespace {

// Classes of ClasseJeu.
enum : int16_t {
  ClasseSuit = -1,  // follows the suit led, or the Excuse
  ClasseLibre = 0,
  ClasseCoupe = 1,
  ClasseSurcoupe = 2,
  ClasseSousCoupe = 3,
  ClasseDefausseCouleur = 4,
  ClasseDefausseAtout = 5,
};

// Half points exchanged for the Excuse: its 9 less the 1 of the card given in its place.
constexpr int16_t EchangeExcuse = 8;

bool Tient(const Carte& c) { return c.EnMain == 1; }

// The seat's held trumps stay legal only when above `seuil`, as long as one of them is.
// Returns whether the seat could beat `seuil`.
bool GarderAtoutsAuDessus(Partie& g, int16_t p, int16_t seuil) {
  const Main& m = g.MainsJoueurs[p];
  bool peutBattre = false;
  for (int k = 1; k <= 18; ++k)
    if (Tient(m[k]) && m[k].EstAtout() && m[k].Valeur > seuil) peutBattre = true;
  if (peutBattre)
    for (int k = 1; k <= 18; ++k)
      if (Tient(m[k]) && m[k].EstAtout() && m[k].Valeur < seuil) {
        g.CarteJouable[p][k] = 0;
        g.ClasseCarte[p][k].Classe = -1;
      }
  return peutBattre;
}

// Gives every legal place of the seat the class, and optionally the trump to beat.
void Classer(Partie& g, int16_t p, int16_t classe, int16_t atoutABattre = -1) {
  for (int k = 1; k <= 18; ++k)
    if (g.CarteJouable[p][k] == 1) {
      g.ClasseCarte[p][k].Classe = classe;
      if (atoutABattre != -1) g.ClasseCarte[p][k].AtoutABattre = atoutABattre;
    }
}

// Seat q places after `entameur`, wrapping 4 to 1.
int16_t SiegeApres(int16_t entameur, int q) { return static_cast<int16_t>((entameur - 1 + q) % 4 + 1); }

// Master of the first `nombre` cards of the trick, from the leader on.
int16_t MaitreDesCartes(const Tab1<Carte, 4>& pli, int16_t entameur, int nombre) {
  int16_t maitre = entameur;
  for (int q = 1; q < nombre; ++q) {
    const int16_t s = SiegeApres(entameur, q);
    if (PrendLaMain(pli[s], pli[maitre])) maitre = s;
  }
  return maitre;
}

void Crediter(Partie& g, bool preneur, int16_t demiPoints) {
  (preneur ? g.DemiPointsPreneur : g.DemiPointsDefense) += demiPoints;
}

// Moves half points (and optionally one oudler) from one camp to the other.
void Transferer(Partie& g, bool versPreneur, int16_t demiPoints, int16_t bouts) {
  const int16_t sens = versPreneur ? 1 : -1;
  g.DemiPointsPreneur += static_cast<int16_t>(sens * demiPoints);
  g.DemiPointsDefense -= static_cast<int16_t>(sens * demiPoints);
  g.BoutsPreneur += static_cast<int16_t>(sens * bouts);
  g.BoutsDefense -= static_cast<int16_t>(sens * bouts);
}

// The chien at the end of the deal: the discard is the taker's; a chien nobody saw goes with
// its oudlers to the taker for Garde sans and to the defence for Garde contre.
void CompterChien(Partie& g) {
  const int16_t contrat = ContratPreneur(g);
  if (contrat < EncherePrise || contrat > EnchereGardeContre) return;
  const bool auPreneur = contrat != EnchereGardeContre;
  for (int k = 1; k <= 6; ++k) {
    const Carte& c = g.Chien[k];
    Crediter(g, auPreneur, CalculerValeurCarte(c));
    if (contrat >= EnchereGardeSans && c.EstBout()) (auPreneur ? g.BoutsPreneur : g.BoutsDefense) += 1;
  }
}

}  // namespace

bool PrendLaMain(const Carte& carte, const Carte& maitre) {
  if (carte.Couleur == maitre.Couleur && carte.Valeur > maitre.Valeur) return true;
  if (carte.EstAtout() && maitre.Couleur != CouleurAtout) return true;
  return maitre.EstExcuse();
}

void DeterminerCartesJouables(Partie& g, int16_t p) {
  for (int k = 1; k <= 18; ++k) g.CarteJouable[p][k] = 0;
  for (auto& ligne : g.ClasseCarte)
    for (auto& classe : ligne) classe.Classe = -1;

  Main& m = g.MainsJoueurs[p];
  auto rendreJouables = [&](auto&& choisir) {
    bool une = false;
    for (int k = 1; k <= 18; ++k)
      if (Tient(m[k]) && choisir(m[k])) {
        g.CarteJouable[p][k] = 1;
        une = true;
      }
    return une;
  };
  auto tout = [](const Carte&) { return true; };
  auto atout = [](const Carte& c) { return c.EstAtout(); };

  const bool excuseEntamee = g.NbCartesPli == 1 && g.PliCourant[g.EntameurPli].EstExcuse();
  if (g.NbCartesPli == 0 || excuseEntamee) {
    rendreJouables(tout);
    Classer(g, p, ClasseLibre);
  } else if (g.CouleurDemandee == CouleurAtout) {
    if (rendreJouables(atout)) {
      const int16_t t = Maximum(g.ValeurEntame, g.PlusHautAtoutPli);
      if (GarderAtoutsAuDessus(g, p, t))
        Classer(g, p, ClasseSurcoupe);
      else
        Classer(g, p, ClasseSousCoupe, t);
    } else {
      rendreJouables(tout);
      Classer(g, p, ClasseDefausseAtout);
    }
  } else {
    const int16_t c = g.CouleurDemandee;
    auto noterCouleurDemandee = [&] {
      for (int k = 1; k <= 18; ++k)
        if (g.CarteJouable[p][k] == 1) g.ClasseCarte[p][k].CouleurDemandee = c;
    };
    if (rendreJouables([c](const Carte& x) { return x.Couleur == c; })) {
      Classer(g, p, ClasseSuit);
    } else if (rendreJouables(atout)) {
      Classer(g, p, ClasseCoupe);
      noterCouleurDemandee();
      // Once somebody has trumped, the seat must overtrump when it can.
      if (g.PlusHautAtoutPli != 0) {
        const int16_t t = g.PlusHautAtoutPli;
        Classer(g, p, GarderAtoutsAuDessus(g, p, t) ? ClasseSurcoupe : ClasseSousCoupe, t);
      }
    } else {
      rendreJouables(tout);
      Classer(g, p, ClasseDefausseCouleur);
      noterCouleurDemandee();
    }
  }

  // The Excuse may always be played.
  for (int k = 1; k <= 18; ++k)
    if (Tient(m[k]) && m[k].EstExcuse()) {
      g.CarteJouable[p][k] = 1;
      g.ClasseCarte[p][k].Classe = ClasseSuit;
    }

  if (p == g.JoueurHumain) g.Ecran().MarquerCartesJouables(p);
}

void DeterminerMaitrePli(const Partie& g, int16_t joueur, int16_t& maitre) {
  int d = joueur - g.EntameurPli;
  if (d < 0) d += 4;
  maitre = d == 0 ? g.EntameurPli : MaitreDesCartes(g.PliCourant, g.EntameurPli, d);
}

int16_t MaitrePli(const Partie& g, int16_t joueur) {
  int16_t maitre = 0;
  DeterminerMaitrePli(g, joueur, maitre);
  return maitre;
}

void MettreAJourPli(Partie& g, int16_t place) {
  const int16_t j = g.JoueurCourant;
  const Carte& x = g.MainsJoueurs[j][place];
  g.PliCourant[j].Valeur = x.Valeur;
  g.PliCourant[j].Couleur = x.Couleur;

  const Carte& entame = g.PliCourant[g.EntameurPli];
  if (g.NbCartesPli == 0 || (g.NbCartesPli == 1 && entame.EstExcuse())) {
    g.CouleurDemandee = x.Couleur;
    g.ValeurEntame = x.Valeur;
  }
  if (g.NbCartesPli != 0 && x.EstAtout()) {
    if (entame.Couleur != CouleurAtout && x.Valeur > g.PlusHautAtoutPli) g.PlusHautAtoutPli = x.Valeur;
    if (entame.Couleur == CouleurAtout && x.Valeur > Maximum(entame.Valeur, g.PlusHautAtoutPli))
      g.PlusHautAtoutPli = x.Valeur;
  }
}

void CompterCartePli(Partie& g) {
  g.NbCartesPli += 1;
  if (g.NbCartesPli == 4) {
    RamasserPli(g);
  } else {
    g.JoueurCourant = JoueurSuivant(g.JoueurCourant);
    g.Ecran().ActiverTimerEntreCarte();
  }
}

int16_t PointsAFairePourBouts(int16_t bouts) {
  static constexpr int16_t points[4] = {56, 51, 41, 36};
  assert(bouts >= 0 && bouts <= 3);
  return points[bouts];
}

void RamasserPli(Partie& g) {
  Affichage& ecran = g.Ecran();
  const Tab1<Carte, 4>& pli = g.PliCourant;

  // The winner leads the next trick.
  const int16_t w = MaitreDesCartes(pli, g.EntameurPli, 4);
  g.EntameurPli = w;
  g.JoueurCourant = w;
  const bool preneurGagne = w == g.Preneur;

  g.NumeroPli += 1;
  if (g.NumeroPli == 2) ecran.ActiverMenuLastPli();
  const bool dernierPli = g.NumeroPli == 19;
  g.NbCartesPli = 0;
  g.PlusHautAtoutPli = 0;
  g.AttenteClic = 1;

  int16_t demiPoints = 0;
  for (int s = 1; s <= 4; ++s) demiPoints += CalculerValeurCarte(pli[s]);
  Crediter(g, preneurGagne, demiPoints);

  // The Excuse stays with its camp, which gives a low card in exchange.
  int16_t excuse = 0;
  for (int16_t s = 1; s <= 4; ++s)
    if (pli[s].EstExcuse()) excuse = s;
  if (excuse == g.Preneur)
    Transferer(g, true, EchangeExcuse, 0);
  else if (excuse != 0 && preneurGagne)
    Transferer(g, false, EchangeExcuse, 0);

  if (dernierPli) {
    // Laid in the last trick, the Excuse goes over to the other camp.
    if (excuse != 0) Transferer(g, excuse != g.Preneur, EchangeExcuse, 1);
    CompterChien(g);
  }

  ecran.AfficherPoints(g.DemiPointsPreneur / 2.0, g.DemiPointsDefense / 2.0);

  for (int16_t s = 1; s <= 4; ++s) {
    if (pli[s].EstPetit() || (pli[s].Couleur == CouleurAtout && pli[s].Valeur == 21))
      (preneurGagne ? g.BoutsPreneur : g.BoutsDefense) += 1;
    else if (pli[s].EstExcuse())
      (s == g.Preneur ? g.BoutsPreneur : g.BoutsDefense) += 1;
  }

  if (dernierPli) {
    g.PetitAuBout = 0;
    for (int s = 1; s <= 4; ++s)
      if (pli[s].EstPetit()) g.PetitAuBout = preneurGagne ? 1 : 2;
  }

  ecran.AfficherBouts(g.BoutsPreneur, g.BoutsDefense);
  if (g.BoutsPreneur + g.BoutsDefense == 3) {
    g.PointsAFaire = PointsAFairePourBouts(g.BoutsPreneur);
    ecran.AfficherPointsAFaire(g.PointsAFaire);
  }

  if (!dernierPli) ecran.AfficherCliquezPourContinuer();
  for (auto& etat : g.CouleurNonJouee)
    if (etat == 2) etat = 0;
  if (dernierPli) ecran.AfficherResultatDonne();
  g.PliAffiche = 1;
  if (g.AttenteAuto == 1 && !dernierPli) ecran.ActiverTimerTransition();
  ecran.AppelDessinLastPli();
}
