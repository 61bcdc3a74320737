#pragma once
// The card-picture store: every face of the game, one list per suit code, loaded from the
// program's resources on the first lookup and kept, never shown, for the whole run.
#include <QPixmap>
#include <cstdint>

#include "game/carte.h"

class FormCarteSav {
 public:
  // The store, loaded the first time it is asked for.
  static const FormCarteSav& Instance();

  Tab1<QPixmap, 22> ImageListAtouts;  // trumps 1..21 at their value, the Excuse at 22
  Tab1<QPixmap, 14> ImageListPiques;  // plain suits: values 1..14
  Tab1<QPixmap, 14> ImageListCoeurs;
  Tab1<QPixmap, 14> ImageListTrefles;
  Tab1<QPixmap, 14> ImageListCarreaux;

  // Picture `indice` of the list of suit `couleur`; nullptr outside the lists.
  const QPixmap* Image(int16_t couleur, int16_t indice) const;
  // The face of a card: list by `Couleur`, index `Valeur`, 22 for the Excuse; nullptr for a
  // card that names no picture (an empty trick place has suit -1).
  const QPixmap* Image(const Carte& carte) const;

  FormCarteSav(const FormCarteSav&) = delete;
  FormCarteSav& operator=(const FormCarteSav&) = delete;

 private:
  FormCarteSav();
};

// Gives the picture the face of the card. A card with no picture assigns nothing: the
// picture stays as it was.
void AfficherImageCarte(QPixmap& image, const Carte& carte);
