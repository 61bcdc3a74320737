#pragma once
// Hand-driven platform for tests and the self-play program: timers fire only when told,
// message boxes answer from a script. Every arming and every message is recorded.
#include <deque>
#include <vector>

#include "platform/plateforme.h"

class MinuterieFactice : public Minuterie {
 public:
  void DefinirIntervalle(int ms) override { intervalle_ = ms; }
  int Intervalle() const override { return intervalle_; }
  void DefinirActive(bool active) override {
    if (active && !active_) armements.push_back(intervalle_);
    active_ = active;
  }
  bool Active() const override { return active_; }
  // One tick, as the window system would deliver it; nothing when the timer is off.
  bool Tirer() {
    if (!active_) return false;
    Tic();
    return true;
  }
  std::vector<int> armements;  // the interval at each arming

 private:
  int intervalle_ = 0;
  bool active_ = false;
};

class PlateformeFactice : public Plateforme {
 public:
  struct MessageVu {
    std::string texte, titre;
    BoutonsMessage boutons;
  };

  std::unique_ptr<Minuterie> CreerMinuterie() override {
    auto m = std::make_unique<MinuterieFactice>();
    minuteries.push_back(m.get());
    return m;
  }
  ReponseMessage Message(std::string_view texte, std::string_view titre, BoutonsMessage boutons) override {
    messages.push_back({std::string(texte), std::string(titre), boutons});
    if (!reponses.empty()) {
      const ReponseMessage r = reponses.front();
      reponses.pop_front();
      return r;
    }
    return boutons == BoutonsMessage::OuiNon ? ReponseMessage::Non : ReponseMessage::Ok;
  }

  std::vector<MinuterieFactice*> minuteries;  // in creation order
  std::vector<MessageVu> messages;
  std::deque<ReponseMessage> reponses;  // answers to the next boxes; then Ok, or No
};
