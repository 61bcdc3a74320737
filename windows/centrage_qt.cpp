#include "windows/centrage_qt.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "table/centrer_feuille.h"

void CentrerFenetre(QWidget& fenetre) {
  const QScreen* ecran = fenetre.screen() != nullptr ? fenetre.screen() : QGuiApplication::primaryScreen();
  if (ecran == nullptr) return;
  const QRect e = ecran->geometry();
  const QRect cadre = fenetre.frameGeometry();
  // The arithmetic is the same in any unit; pixels spare two conversions.
  Feuille f{0, 0, static_cast<float>(cadre.width()), static_cast<float>(cadre.height())};
  CentrerFeuille(f, static_cast<float>(e.width()), static_cast<float>(e.height()));
  fenetre.move(e.x() + static_cast<int>(std::nearbyint(f.gauche)), e.y() + static_cast<int>(std::nearbyint(f.haut)));
}
