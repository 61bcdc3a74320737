#include "table/fenetre_mirvane.h"

#include <QPalette>

FenetreMirvane::FenetreMirvane(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Mirvane"));
  QPalette tapis = palette();
  tapis.setColor(QPalette::Window, QColor(0x0b, 0x5d, 0x2a));
  setPalette(tapis);
  setAutoFillBackground(true);
  resize(800, 600);
}
