#include <QApplication>

#include "table/mirvane.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Mirvane fenetre;
  fenetre.show();
  return app.exec();
}
