#include "table/annexes.h"

void FenetresAnnexes::PanelScoreDetaille_Click(const Partie& g) {
  if (!ScoreDetaille()) score_ = std::make_unique<FormScoreDetaille>(g.Langue);
  score_->visible = true;
  score_->Remplir(g);
}

void FenetresAnnexes::PanelVoirPlis_Click(const Partie& g) {
  if (!plis_) plis_ = std::make_unique<FormTousPlis>(g);
  plis_->visible = true;
}

void FenetresAnnexes::PanelVoirMains_Click(const Partie& g) {
  if (!mains_)
    mains_ = std::make_unique<FormMains>(g);
  else
    mains_->AppelDessinMains(g);
  mains_->visible = true;
}

void FenetresAnnexes::AppelDessinLastPli(const Partie& g) {
  if (!lastPli_) {
    lastPli_ = std::make_unique<FormLastPli>(g.Langue);
    lastPli_->visible = false;
  }
  lastPli_->Dessiner(g);
}

void FenetresAnnexes::MenuLastPli_Click(const Partie& g) {
  AppelDessinLastPli(g);
  ++lastPli_->centrages;  // wherever the user left it
  lastPli_->visible = true;
}

void FenetresAnnexes::DechargerALaNouvelleDonne() {
  score_.reset();
  plis_.reset();
  mains_.reset();
}
