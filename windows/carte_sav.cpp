#include "windows/carte_sav.h"

#include "windows/dessin_cartes.h"

// The resources live in a static library: nothing would pull them into the program unless
// they are registered by name (outside any namespace, as Qt's macro requires).
static void EnregistrerImages() { Q_INIT_RESOURCE(cartes); }

namespace {

template <int N>
void ChargerListe(Tab1<QPixmap, N>& liste, int16_t couleur) {
  for (int16_t indice = 1; indice <= N; ++indice) {
    liste[indice].load(QStringLiteral(":/pictures/") + NomFichierCarte(couleur, indice), "PNG");
  }
}

}  // namespace

FormCarteSav::FormCarteSav() {
  EnregistrerImages();
  ChargerListe(ImageListAtouts, CouleurAtout);
  ChargerListe(ImageListPiques, CouleurPique);
  ChargerListe(ImageListCoeurs, CouleurCoeur);
  ChargerListe(ImageListTrefles, CouleurTrefle);
  ChargerListe(ImageListCarreaux, CouleurCarreau);
}

const FormCarteSav& FormCarteSav::Instance() {
  // Never destroyed: pixmaps must not outlive the application at exit.
  static const FormCarteSav* const store = new FormCarteSav;
  return *store;
}

const QPixmap* FormCarteSav::Image(int16_t couleur, int16_t indice) const {
  if (indice < 1) return nullptr;
  switch (couleur) {
    case CouleurAtout:
      return indice <= 22 ? &ImageListAtouts[indice] : nullptr;
    case CouleurPique:
      return indice <= 14 ? &ImageListPiques[indice] : nullptr;
    case CouleurCoeur:
      return indice <= 14 ? &ImageListCoeurs[indice] : nullptr;
    case CouleurTrefle:
      return indice <= 14 ? &ImageListTrefles[indice] : nullptr;
    case CouleurCarreau:
      return indice <= 14 ? &ImageListCarreaux[indice] : nullptr;
    default:
      return nullptr;
  }
}

const QPixmap* FormCarteSav::Image(const Carte& carte) const {
  return Image(carte.Couleur, carte.EstExcuse() ? int16_t{22} : carte.Valeur);
}

void AfficherImageCarte(QPixmap& image, const Carte& carte) {
  if (const QPixmap* face = FormCarteSav::Instance().Image(carte)) image = *face;
}
