#include "platform/signaux_qt.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

// A signal handler has no context but process-wide state: the pipe's writing end, and whether
// a signal written there still waits for the event loop.
volatile sig_atomic_t tubeEcriture = -1;
volatile sig_atomic_t enAttente = 0;

void SurSignal(int signal) {
  const int sauve = errno;
  if (enAttente) {
    // Delivered with its default action as soon as this handler returns.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
  }
  enAttente = 1;
  const unsigned char octet = static_cast<unsigned char>(signal);
  if (tubeEcriture >= 0) {
    [[maybe_unused]] const ssize_t n = write(tubeEcriture, &octet, 1);
  }
  errno = sauve;
}

}  // namespace

SignauxQt::SignauxQt(std::function<void(int)> action, QObject* parent) : QObject(parent), action_(std::move(action)) {
  if (pipe2(tube_, O_CLOEXEC | O_NONBLOCK) != 0) {
    std::perror("mirvane: pipe2");
    return;
  }
  tubeEcriture = tube_[1];
  notificateur_ = new QSocketNotifier(tube_[0], QSocketNotifier::Read, this);
  connect(notificateur_, &QSocketNotifier::activated, this, &SignauxQt::Lire);
  struct sigaction sa {};
  sa.sa_handler = SurSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  for (size_t i = 0; i < std::size(Signaux); ++i) sigaction(Signaux[i], &sa, &anciens_[i]);
}

SignauxQt::~SignauxQt() {
  if (tube_[0] < 0) return;
  for (size_t i = 0; i < std::size(Signaux); ++i) sigaction(Signaux[i], &anciens_[i], nullptr);
  tubeEcriture = -1;
  enAttente = 0;
  close(tube_[0]);
  close(tube_[1]);
}

void SignauxQt::Lire() {
  unsigned char octet = 0;
  while (read(tube_[0], &octet, 1) == 1) {
    enAttente = 0;
    if (action_) action_(octet);
  }
}
