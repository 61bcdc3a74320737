#pragma once
// The help window: our HTML help file in a browser window of the program, opened at its
// contents. A file that cannot be read is reported in the window itself.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/aide.h"

class QTextBrowser;

class AideQt : public Aide {
 public:
  explicit AideQt(int16_t langue);
  ~AideQt() override;
  AideQt(const AideQt&) = delete;
  AideQt& operator=(const AideQt&) = delete;

  void AfficherIndex(const std::string& fichier) override;
  // The window, once it has been shown.
  QTextBrowser* Fenetre() const { return fenetre_.get(); }

 private:
  int16_t langue_;
  std::unique_ptr<QTextBrowser> fenetre_;
};
