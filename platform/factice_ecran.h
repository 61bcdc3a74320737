#pragma once
// Hand-driven display mode and help viewer for tests: they record what they were asked.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/aide.h"
#include "platform/mode_ecran.h"

class ModeEcranFactice : public ModeEcran {
 public:
  explicit ModeEcranFactice(TailleEcran taille, std::vector<TailleEcran> modes = {})
      : taille_(taille), modes_(std::move(modes)) {}
  TailleEcran Taille() const override { return taille_; }
  std::vector<TailleEcran> Modes() const override { return modes_; }
  // Refused, as on a real display, for a size that is not among the modes.
  bool Changer(TailleEcran taille) override {
    demandes.push_back(taille);
    if (std::find(modes_.begin(), modes_.end(), taille) == modes_.end()) return false;
    taille_ = taille;
    return true;
  }
  std::vector<TailleEcran> demandes;  // every switch asked for, refused ones included

 private:
  TailleEcran taille_;
  std::vector<TailleEcran> modes_;
};

class AideFactice : public Aide {
 public:
  void AfficherIndex(const std::string& fichier) override { ouvertures.push_back(fichier); }
  std::vector<std::string> ouvertures;
};
