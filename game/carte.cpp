#include "game/carte.h"

void CreerJeuCartes(TableDesCartes& table) {
  int16_t n = 1;
  for (int16_t couleur = 1; couleur <= 4; ++couleur)
    for (int16_t valeur = 1; valeur <= 14; ++valeur) table[n++] = Carte{valeur, couleur, 0, 0};
  for (int16_t valeur = 0; valeur <= 21; ++valeur) table[n++] = Carte{valeur, CouleurAtout, 0, 0};
}

int16_t CalculerValeurCarte(const Carte& carte) {
  if (carte.Couleur == CouleurAtout) return carte.EstBout() ? 9 : 1;
  switch (carte.Valeur) {
    case 14:
      return 9;
    case 13:
      return 7;
    case 12:
      return 5;
    case 11:
      return 3;
    default:
      return 1;
  }
}

int16_t JoueurSuivant(int16_t siege) { return siege >= 4 ? 1 : static_cast<int16_t>(siege + 1); }
int16_t JoueurPrecedent(int16_t siege) { return siege <= 1 ? 4 : static_cast<int16_t>(siege - 1); }

// C++ '%' keeps the sign of the dividend, as the rules expect.
int16_t EstImpair(int16_t n) { return n % 2 == 1 ? 1 : 0; }
int16_t EstPair(int16_t n) { return n % 2 == 0 ? 1 : 0; }
int16_t Maximum(int16_t a, int16_t b) { return a > b ? a : b; }

bool AvantDansLeTri(const Carte& a, const Carte& b) {
  return a.Couleur < b.Couleur || (a.Couleur == b.Couleur && a.Valeur > b.Valeur);
}
