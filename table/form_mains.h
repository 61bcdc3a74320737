#pragma once
// The four hands of the deal just played as dealt (each card keeps its hand place, played or
// not), the chien as dealt and the discard, in small boxes showing each face's corner. OK
// hides the window; a new deal destroys it.
#include "game/partie.h"
#include "table/modele.h"

class FormMains : public ModeleFenetre {
 public:
  // Loading: texts by language, then the deal drawn.
  explicit FormMains(const Partie& g);

  void AppelDessinMains(const Partie& g);

  // Box k (1..18) of seat s's hand; box i (1..6) of the chien as dealt, of the discard.
  int PicMain(int16_t siege, int16_t k) const { return picMain_[siege][k]; }
  int PicChienAvant(int16_t i) const { return picChienAvant_[i]; }
  int PicChienApres(int16_t i) const { return picChienApres_[i]; }

  int panelChien, panelEcart, panelMainsOk;

 private:
  Tab1<Tab1<int, 18>, 4> picMain_{};
  Tab1<int, 6> picChienAvant_{};
  Tab1<int, 6> picChienApres_{};
};

// The four cards of the last trick completed, each at its seat's side, on a green ground. It
// follows the game: redrawn at every trick end, kept across a new deal until the new deal's
// first trick is complete. Its close box unloads it: hidden, and drawn afresh when next shown.
class FormLastPli : public ModeleFenetre {
 public:
  explicit FormLastPli(int16_t langue);

  // The last trick completed; nothing changes before the deal's first trick is over.
  void Dessiner(const Partie& g);
  // The close box.
  void Form_Unload() { visible = false; }

  int CarteLastPli(int16_t siege) const { return carteLastPli_[siege]; }

 private:
  Tab1<int, 4> carteLastPli_{};
};
