#include "platform/plateforme_qt.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <algorithm>

MinuterieQt::MinuterieQt(PlateformeQt& plateforme) : plateforme_(plateforme) {
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Echeance(); });
}

MinuterieQt::~MinuterieQt() { plateforme_.Oublier(*this); }

void MinuterieQt::DefinirIntervalle(int millisecondes) {
  timer_.setInterval(millisecondes);  // restarts a running timer, as a window timer does
}

void MinuterieQt::DefinirActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active)
    timer_.start();
  else
    timer_.stop();
}

void MinuterieQt::Echeance() {
  if (active_) plateforme_.Tic(*this);
}

PlateformeQt::PlateformeQt() = default;
PlateformeQt::~PlateformeQt() = default;

std::unique_ptr<Minuterie> PlateformeQt::CreerMinuterie() { return std::make_unique<MinuterieQt>(*this); }

void PlateformeQt::Tic(MinuterieQt& m) {
  if (boitesOuvertes_ > 0) {
    // One held tick per timer: a timer left running during a long question ticks once after.
    if (std::find(retenus_.begin(), retenus_.end(), &m) == retenus_.end()) retenus_.push_back(&m);
    return;
  }
  m.Declencher();
  if (apres_) apres_();
}

void PlateformeQt::Oublier(MinuterieQt& m) { std::erase(retenus_, &m); }

void PlateformeQt::LivrerRetenus() {
  while (boitesOuvertes_ == 0 && !retenus_.empty()) {
    MinuterieQt* m = retenus_.front();
    retenus_.erase(retenus_.begin());
    // A timer turned off meanwhile has nothing more to say.
    if (m->Active()) Tic(*m);
  }
}

ReponseMessage PlateformeQt::Message(std::string_view texte, std::string_view titre, BoutonsMessage boutons) {
  if (apres_) apres_();
  QString t = QString::fromUtf8(titre.data(), static_cast<qsizetype>(titre.size()));
  if (t.isEmpty()) t = QStringLiteral("Mirvane");
  ++boitesOuvertes_;
  const ReponseMessage r =
      MontrerBoite(QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size())), t, boutons);
  --boitesOuvertes_;
  // After the handler that asked has returned.
  if (boitesOuvertes_ == 0 && !retenus_.empty())
    QMetaObject::invokeMethod(
        &contexte_, [this] { LivrerRetenus(); }, Qt::QueuedConnection);
  return r;
}

ReponseMessage PlateformeQt::MontrerBoite(const QString& texte, const QString& titre, BoutonsMessage boutons) {
  QMessageBox boite(QMessageBox::NoIcon, titre, texte,
                    boutons == BoutonsMessage::OuiNon ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  // The buttons speak the game's language, not the desktop's.
  if (langue == 1 && boutons == BoutonsMessage::OuiNon) {
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("Non"));
  }
  const int r = boite.exec();
  if (boutons == BoutonsMessage::Ok) return ReponseMessage::Ok;
  return r == QMessageBox::Yes ? ReponseMessage::Oui : ReponseMessage::Non;
}
