#include <QApplication>
#include <QIcon>

#include "platform/plateforme_qt.h"
#include "table/fenetre_mirvane.h"
#include "windows/carte_sav.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The store registers the pictures, the icon among them, and stays loaded for the run.
  FormCarteSav::Instance();
  app.setWindowIcon(QIcon(QStringLiteral(":/pictures/mirvane.png")));
  PlateformeQt plateforme;
  ModeleFenetre table;
  table.titre = "Mirvane";
  table.couleurFond = 0x0B5D2A;
  FenetreMirvane fenetre(table, plateforme);
  fenetre.show();
  return app.exec();
}
