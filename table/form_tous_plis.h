#pragma once
// The 18 tricks of the deal just played, in three rows of six crosses of four small cards,
// the leader's card framed; the deal can be replayed card by card in the order of play. OK
// hides the window and keeps the replay where it was; a new deal destroys it.
#include "game/partie.h"
#include "table/modele.h"

class FormTousPlis : public ModeleFenetre {
 public:
  // Loading: texts by language, the replay order from each trick's leader, every card drawn.
  explicit FormTousPlis(const Partie& g);

  void AppelDessinPlis(const Partie& g);
  void AppelEffacer();
  void PanelPasAPas_Click();
  void PanelVoir_Click();

  // Picture (t - 1) * 4 + s (1..72): the card seat s laid in trick t.
  int ImagePli(int16_t n) const { return imagePli_[n]; }
  // The frame of trick t's cross, around its leader's card.
  int CadreEntame(int16_t t) const { return cadreEntame_[t]; }

  // The replay: entry (t - 1) * 4 + j is the picture of the j-th card laid in trick t.
  Tab1<int16_t, 72> OrdrePasAPas{};
  // The entry to reveal next: 1 the replay has not started, 73 every card is shown.
  int16_t EtapePasAPas = 1;

  int panelPreneur, panelEffacer, panelPasAPas, panelVoir, panelPlisOk;

 private:
  void Montrer(int16_t n, bool visible);

  Tab1<int, 72> imagePli_{};
  Tab1<int, 18> cadreEntame_{};
  Tab1<int16_t, 72> encadree_{};  // the trick whose frame goes with the picture, 0 none
};
