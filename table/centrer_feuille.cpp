#include "table/centrer_feuille.h"

void CentrerFeuille(Feuille& feuille, float largeurEcran, float hauteurEcran) {
  feuille.haut = hauteurEcran / 2 - feuille.hauteur / 2;
  feuille.gauche = largeurEcran / 2 - feuille.largeur / 2;
}
