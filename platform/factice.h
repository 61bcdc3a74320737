#pragma once
// Hand-driven platform for tests and the self-play program: timers fire only when told,
// message boxes answer from a script. The last armings and messages are recorded.
#include <cstddef>
#include <deque>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/plateforme.h"

// Adds to a record that keeps at least its last 1,000 entries, dropping the older ones in bulk:
// a self-play of millions of deals runs on the same fakes, in memory that must not grow with them.
template <class T>
void Consigner(std::vector<T>& registre, T entree) {
  constexpr std::ptrdiff_t Garde = 1000;
  if (std::ssize(registre) >= 2 * Garde) registre.erase(registre.begin(), registre.end() - Garde);
  registre.push_back(std::move(entree));
}

class MinuterieFactice : public Minuterie {
 public:
  void DefinirIntervalle(int ms) override { intervalle_ = ms; }
  int Intervalle() const override { return intervalle_; }
  void DefinirActive(bool active) override {
    if (active && !active_) Consigner(armements, intervalle_);
    active_ = active;
  }
  bool Active() const override { return active_; }
  // One tick, as the window system would deliver it; nothing when the timer is off.
  bool Tirer() {
    if (!active_) return false;
    Tic();
    return true;
  }
  std::vector<int> armements;  // the interval at each of the last armings

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
    Consigner(messages, MessageVu{std::string(texte), std::string(titre), boutons});
    if (!reponses.empty()) {
      const ReponseMessage r = reponses.front();
      reponses.pop_front();
      return r;
    }
    return boutons == BoutonsMessage::OuiNon ? ReponseMessage::Non : ReponseMessage::Ok;
  }

  std::vector<MinuterieFactice*> minuteries;  // in creation order
  std::vector<MessageVu> messages;            // the last ones
  std::deque<ReponseMessage> reponses;        // answers to the next boxes; then Ok, or No
};
