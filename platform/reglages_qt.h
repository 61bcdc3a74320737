#pragma once
// The settings store as INI files through QSettings: application `a` lives in
// <folder>/a/a.ini, the folder being the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config) unless one is given. Only a regular file, or none yet, is a settings file: a
// FIFO, a device or a folder at that path (or a link to one) is a store that cannot be read
// or written.
#include <memory>

#include "platform/reglages.h"

class QSettings;

class ReglagesQt : public Reglages {
 public:
  explicit ReglagesQt(std::string dossier = {});
  ~ReglagesQt() override;
  ReglagesQt(const ReglagesQt&) = delete;
  ReglagesQt& operator=(const ReglagesQt&) = delete;

  // The file is parsed at the first read and kept: later reads cost no parse.
  std::string Lire(std::string_view application, std::string_view section, std::string_view cle,
                   std::string_view defaut) override;
  // Written through at once, so that a file that cannot be written is known here.
  bool EcrireTout(std::string_view application, std::string_view section, const ValeursReglages& valeurs) override;
  std::string Chemin(std::string_view application) const override;

 private:
  // The application's file, parsed once; nullptr when the path is not a settings file.
  QSettings* Fichier(std::string_view application);

  std::string dossier_;
  std::unique_ptr<QSettings> fichier_;
};
