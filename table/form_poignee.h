#pragma once
// The handful window: the user picks the trumps he shows. It exists from the declaration to
// its OK or cancel button; only the kind declared goes back to the game.
#include <cstdint>
#include <functional>

#include "game/partie.h"
#include "platform/plateforme.h"
#include "table/modele.h"

class FormPoignee : public ModeleFenetre {
 public:
  // `fermer` is called once, by OK or cancel, after the window has done its own unload
  // steps; the owner then destroys the window.
  FormPoignee(Partie& g, Plateforme& plateforme, int16_t decalage, std::function<void()> fermer);

  int16_t NbCartesPoignee = 0;
  Tab1<int16_t, 18> CarteChoisiePoignee{};

  void Form_Load();
  void CartePoignee_Click(int16_t index);
  void PanelBoutonParesseux_Click();
  void PanelOKPoignee_Click();
  void PanelAnnulerPoignee_Click();

  int16_t Taille() const;  // 10, 13 or 15 by the kind declared
  int CartePoigneeId(int16_t place) const { return cartes_[place]; }
  int PanelBoutonParesseux() const { return paresseux_; }
  int PanelOKPoignee() const { return ok_; }
  int PanelAnnulerPoignee() const { return annuler_; }

 private:
  void MontrerOK();
  void Form_Unload();

  Partie& g_;
  Plateforme& plateforme_;
  int16_t decalage_;
  std::function<void()> fermer_;
  Tab1<int, 18> cartes_{};
  int paresseux_ = -1, ok_ = -1, annuler_ = -1;
};
