#pragma once
// The handful declaration window: the model drawn in a window of its own with a fixed border
// and no close button (OK and cancel are the only ways out), centred on the screen.
#include "windows/fenetre_modele.h"

class FenetrePoignee : public FenetreModele {
  Q_OBJECT

 public:
  explicit FenetrePoignee(ModeleFenetre& modele);
};
