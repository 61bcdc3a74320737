#pragma once
// The settings store as INI files through QSettings: application `a` lives in
// <folder>/a/a.ini, the folder being the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config) unless one is given.
#include "platform/reglages.h"

class ReglagesQt : public Reglages {
 public:
  explicit ReglagesQt(std::string dossier = {}) : dossier_(std::move(dossier)) {}

  std::string Lire(std::string_view application, std::string_view section, std::string_view cle,
                   std::string_view defaut) override;
  // Written through at once, so that a file that cannot be written is known here.
  bool Ecrire(std::string_view application, std::string_view section, std::string_view cle,
              std::string_view valeur) override;
  std::string Chemin(std::string_view application) const override;

 private:
  std::string dossier_;
};
