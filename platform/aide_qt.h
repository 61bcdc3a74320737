#pragma once
// The help window: our HTML help file in a browser window of the program, opened at its
// contents. A file that cannot be read is reported in the window itself.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/aide.h"

class QTextBrowser;
class QWidget;

class AideQt : public Aide {
 public:
  // `centrer` places the window the first time it shows (the program centres it on the screen).
  explicit AideQt(int16_t langue, std::function<void(QWidget&)> centrer = {});
  ~AideQt() override;
  AideQt(const AideQt&) = delete;
  AideQt& operator=(const AideQt&) = delete;

  void AfficherIndex(const std::string& fichier) override;
  // The window, once it has been shown.
  QTextBrowser* Fenetre() const { return fenetre_.get(); }

 private:
  int16_t langue_;
  std::function<void(QWidget&)> centrer_;
  std::unique_ptr<QTextBrowser> fenetre_;
};
