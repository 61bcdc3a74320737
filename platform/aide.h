#pragma once
// The help viewer: shows one of the program's HTML help files at its contents. A file that
// cannot be read is reported in the help window itself; the game goes on.
#include <string>

class Aide {
 public:
  virtual ~Aide() = default;
  virtual void AfficherIndex(const std::string& fichier) = 0;
};
