#include "game/partie.h"

Affichage& AffichageMuet() {
  static Affichage muet;
  return muet;
}

void Partie::Initialiser() {
  CreerJeuCartes(TableCartes);
  ReglesActives.Remplir(1);
  EnchereJoueur.Remplir(EnchereAucune);
  for (auto& c : PliCourant) c.Couleur = -1;
}

void AppliquerNiveau(Partie& g, int16_t niveau) {
  g.Niveau = niveau;
  if (niveau < NiveauDebutant || niveau > NiveauPro) return;
  static constexpr int16_t pourcent[] = {0, 80, 90, 100, 100};
  g.PourcentJeuReflechi = pourcent[niveau];
  g.OptionLeverCartes = niveau <= NiveauAmateur ? 1 : 0;
}

namespace {
// Selection sort: only Valeur and Couleur move, EnMain and the last field stay in place.
template <class T>
void TrierPlaces(T& cartes) {
  constexpr int n = T::Max;
  for (int i = 1; i <= n - 1; ++i) {
    int m = i;
    for (int j = i + 1; j <= n; ++j)
      if (AvantDansLeTri(cartes[j], cartes[m])) m = j;
    if (m != i) {
      std::swap(cartes[i].Valeur, cartes[m].Valeur);
      std::swap(cartes[i].Couleur, cartes[m].Couleur);
    }
  }
}
}  // namespace

void TrierChien(Partie& g) {
  TrierPlaces(g.Chien);
  for (int j = 1; j <= 6; ++j) {
    g.ChienMontre[j].Valeur = g.Chien[j].Valeur;
    g.ChienMontre[j].Couleur = g.Chien[j].Couleur;
  }
}

void TrierMains(Partie& g) {
  for (int p = 1; p <= 4; ++p) TrierPlaces(g.MainsJoueurs[p]);
  g.Ecran().DisposerMainJoueur();
}
