#pragma once
// What the game asks of the desktop, as interfaces with no Qt in them: timers and modal
// message boxes. The program gives Qt implementations (platform/plateforme_qt.h); tests and
// the self-play program give the hand-driven ones of platform/factice.h.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// A window timer: an interval in milliseconds and an enabled flag. While enabled it ticks once
// per interval; the game's handlers turn their own timer off first, so each arming gives one
// tick.
class Minuterie {
 public:
  virtual ~Minuterie() = default;
  virtual void DefinirIntervalle(int millisecondes) = 0;
  virtual int Intervalle() const = 0;
  virtual void DefinirActive(bool active) = 0;
  virtual bool Active() const = 0;
  // The handler run at each tick.
  void SurTic(std::function<void()> f) { tic_ = std::move(f); }

 protected:
  void Tic() {
    if (tic_) tic_();
  }

 private:
  std::function<void()> tic_;
};

enum class BoutonsMessage { Ok, OuiNon };
enum class ReponseMessage { Ok, Oui, Non };

class Plateforme {
 public:
  virtual ~Plateforme() = default;
  virtual std::unique_ptr<Minuterie> CreerMinuterie() = 0;
  // A modal message box; returns when the user has closed it. An empty title takes the
  // program's default one.
  virtual ReponseMessage Message(std::string_view texte, std::string_view titre, BoutonsMessage boutons) = 0;
};
