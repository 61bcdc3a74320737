#include "windows/fenetre_poignee.h"

#include <QGuiApplication>
#include <QScreen>

FenetrePoignee::FenetrePoignee(ModeleFenetre& modele)
    : FenetreModele(modele, nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setFixedSize(sizeHint());
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
    QRect r(QPoint(), size());
    r.moveCenter(ecran->geometry().center());
    move(r.topLeft());
  }
}
