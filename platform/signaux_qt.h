#pragma once
// SIGINT, SIGTERM, SIGHUP and SIGQUIT end the program through its event loop, so that it can put
// the display back before it goes: the signal handler only writes the signal's number into a
// pipe, and the event loop reads it and runs the action. A loop that is stuck never reads it:
// a second signal before the loop has read the first ends the program at once, as if no handler
// were set. One instance at a time.
#include <QObject>
#include <csignal>
#include <functional>
#include <iterator>

class QSocketNotifier;

class SignauxQt : public QObject {
  Q_OBJECT

 public:
  explicit SignauxQt(std::function<void(int signal)> action, QObject* parent = nullptr);
  ~SignauxQt() override;  // the earlier handlers come back
  SignauxQt(const SignauxQt&) = delete;
  SignauxQt& operator=(const SignauxQt&) = delete;

  static constexpr int Signaux[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

 private:
  void Lire();

  std::function<void(int)> action_;
  int tube_[2] = {-1, -1};
  QSocketNotifier* notificateur_ = nullptr;
  struct sigaction anciens_[std::size(Signaux)];
};
