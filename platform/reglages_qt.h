#pragma once
// The settings store as INI files through QSettings: application `a` lives in
// <folder>/a/a.ini, the folder being the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config) unless one is given. Only a regular file (or a link to one), or none yet, is a
// settings file: a FIFO, a device or a folder at that path (or a link to one), or a path that
// cannot be looked at, is a store that cannot be read or written.
//
// No call here waits without bound. QSettings waits for ever on a lock it cannot take, so it only
// ever works on private copies: the file itself is read without waiting, and written whole beside
// itself then renamed over it (over a link's target: the link stays), under the lock QSettings
// would take on `<file>.lock`, given up after AttenteVerrouMs.
#include <memory>

#include "platform/reglages.h"

class QByteArray;
class QSettings;
class QTemporaryDir;

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
  // How long a save waits for another program's lock on the file before it fails.
  static constexpr int AttenteVerrouMs = 1000;

  // A QSettings on a private copy of a file's bytes; its file goes with it.
  struct Jeter {
    void operator()(QSettings* copie) const;
  };
  using Copie = std::unique_ptr<QSettings, Jeter>;
  // nullptr when the copy cannot be made. Each copy has a name of its own: QSettings shares what
  // it parsed between objects on the same name.
  Copie Copier(const QByteArray& octets);
  // The application's file, parsed once; nullptr when it cannot be read.
  QSettings* Fichier(std::string_view application);

  std::string dossier_;
  std::unique_ptr<QTemporaryDir> prive_;
  int copies_ = 0;
  std::string cheminLu_;  // the file `fichier_` is a copy of
  Copie fichier_;
};
