#pragma once
// Centring an auxiliary window on the screen, in twips.
struct Feuille {
  float haut = 0, gauche = 0, largeur = 0, hauteur = 0;  // the outer frame, twips
};

// Halves kept: a window larger than the screen gets negative coordinates.
void CentrerFeuille(Feuille& feuille, float largeurEcran, float hauteurEcran);
