#include "table/cycle_vie.h"

#include "game/aleatoire.h"

void ResolutionEcran::AdapterResolutionEcran() {
  const TailleEcran taille = mode_.Taille();
  LargeurEcranInitiale = static_cast<float>(taille.largeur);
  HauteurEcranInitiale = static_cast<float>(taille.hauteur);
  aRestaurer_ = true;
  if (taille.largeur == 800 || taille.hauteur == 600) return;
  ChangerResolutionEcran(800, 600);
}

void ResolutionEcran::RestaurerResolutionEcran() {
  if (!aRestaurer_) return;
  aRestaurer_ = false;
  ChangerResolutionEcran(LargeurEcranInitiale, HauteurEcranInitiale);
}

void ResolutionEcran::ChangerResolutionEcran(float largeur, float hauteur) {
  mode_.Changer({CInt(largeur), CInt(hauteur)});
}

std::string FichierAide(std::string_view dossierProgramme, int16_t langue) {
  std::string fichier(dossierProgramme);
  if (langue == 1) return fichier + "/mirvanefr.html";
  if (langue == 2) return fichier + "/mirvaneus.html";
  return {};
}
