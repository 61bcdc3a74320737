#include "windows/centrage_qt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "table/centrer_feuille.h"

namespace {

const QScreen* Ecran(const QWidget& fenetre) {
  return fenetre.screen() != nullptr ? fenetre.screen() : QGuiApplication::primaryScreen();
}

}  // namespace

void CentrerFenetre(QWidget& fenetre) {
  if (const QScreen* ecran = Ecran(fenetre)) CentrerFenetreSur(fenetre, ecran->geometry().size());
}

void CentrerFenetreSur(QWidget& fenetre, const QSize& tailleEcran) {
  const QScreen* ecran = Ecran(fenetre);
  const QPoint origine = ecran != nullptr ? ecran->geometry().topLeft() : QPoint();
  const QRect cadre = fenetre.frameGeometry();
  // The arithmetic is the same in any unit; pixels spare two conversions.
  Feuille f{0, 0, static_cast<float>(cadre.width()), static_cast<float>(cadre.height())};
  CentrerFeuille(f, static_cast<float>(tailleEcran.width()), static_cast<float>(tailleEcran.height()));
  fenetre.move(origine + QPoint(static_cast<int>(std::nearbyint(f.gauche)), static_cast<int>(std::nearbyint(f.haut))));
}
