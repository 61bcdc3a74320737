#include <QApplication>
#include <QIcon>

#include "platform/plateforme_qt.h"
#include "table/fenetre_mirvane.h"
#include "table/mirvane.h"
#include "windows/carte_sav.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The store registers the pictures, the icon among them, and stays loaded for the run.
  FormCarteSav::Instance();
  app.setWindowIcon(QIcon(QStringLiteral(":/pictures/mirvane.png")));
  PlateformeQt plateforme;
  Mirvane mirvane(plateforme);
  mirvane.Form_Load();
  FenetreMirvane fenetre(mirvane, plateforme);
  fenetre.show();
  return app.exec();
}
