#pragma once
// The windows the main window opens after a deal (score sheet, the 18 tricks, the four hands)
// and the last-trick window, with their lifetimes. The main window's controller owns one and
// forwards its handlers here; its Qt window follows the pointers below, a null pointer
// meaning that the window does not exist.
#include <memory>

#include "game/partie.h"
#include "table/form_mains.h"
#include "table/form_score_detaille.h"
#include "table/form_tous_plis.h"

class FenetresAnnexes {
 public:
  // The result panel's buttons.
  void PanelScoreDetaille_Click(const Partie& g);
  void PanelVoirPlis_Click(const Partie& g);
  void PanelVoirMains_Click(const Partie& g);
  // The last-trick menu item; the redraw at every trick end (loads the window hidden).
  void MenuLastPli_Click(const Partie& g);
  void AppelDessinLastPli(const Partie& g);
  // A new deal unloads the score sheet, the tricks and the hands; the last trick stays.
  void DechargerALaNouvelleDonne();

  FormScoreDetaille* ScoreDetaille() const { return score_ && !score_->Decharge() ? score_.get() : nullptr; }
  FormTousPlis* TousPlis() const { return plis_.get(); }
  FormMains* Mains() const { return mains_.get(); }
  FormLastPli* LastPli() const { return lastPli_.get(); }

 private:
  // A window its own OK unloaded is destroyed later, once its Qt window is gone.
  std::unique_ptr<FormScoreDetaille> score_;
  std::unique_ptr<FormTousPlis> plis_;
  std::unique_ptr<FormMains> mains_;
  std::unique_ptr<FormLastPli> lastPli_;
};
