#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <memory>

#include "platform/aide_qt.h"
#include "platform/mode_ecran_x11.h"
#include "platform/plateforme_qt.h"
#include "platform/reglages_qt.h"
#include "platform/signaux_qt.h"
#include "table/frm_splash.h"
#include "table/mirvane.h"
#include "windows/carte_sav.h"
#include "windows/centrage_qt.h"
#include "windows/fenetre_mirvane.h"
#include "windows/fenetre_splash.h"

namespace {

// The main window's close box goes straight to its unload: no question, no save.
class FermetureTable : public QObject {
 public:
  explicit FermetureTable(Mirvane& table) : table_(table) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() == QEvent::Close) table_.Form_Unload();
    return QObject::eventFilter(objet, event);
  }

 private:
  Mirvane& table_;
};

TailleEcran TailleEcranQt() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  return ecran != nullptr ? TailleEcran{ecran->size().width(), ecran->size().height()} : TailleEcran{};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The store registers the pictures, the icon among them, and stays loaded for the run.
  FormCarteSav::Instance();
  app.setWindowIcon(QIcon(QStringLiteral(":/pictures/mirvane.png")));
  PlateformeQt plateforme;
  ReglagesQt reglages;
  ModeEcranX11 ecran(QGuiApplication::platformName().toStdString(), TailleEcranQt());
  ResolutionEcran resolution(ecran);
  // Ended by the system: nobody is left at 800 x 600.
  SignauxQt signaux([&resolution](int) {
    resolution.RestaurerResolutionEcran();
    QCoreApplication::exit(0);
  });

  // The start screen first; its unload opens the table in the language chosen.
  std::unique_ptr<AideQt> aide;
  std::unique_ptr<Mirvane> table;
  std::unique_ptr<FenetreMirvane> fenetre;
  std::unique_ptr<FermetureTable> fermeture;
  FrmSplash splash;
  splash.Form_Load();
  FenetreSplash accueil(splash);
  splash.surDechargement = [&] {
    accueil.hide();
    aide = std::make_unique<AideQt>(splash.Langue, CentrerFenetre);
    table = std::make_unique<Mirvane>(plateforme, Aleatoire(), &reglages);
    table->g.Langue = splash.Langue;
    plateforme.langue = splash.Langue;
    table->NumeroVersion = splash.NumeroVersion;
    table->DefinirBureau(&resolution, aide.get(), QCoreApplication::applicationDirPath().toStdString());
    table->terminer = [] { QCoreApplication::quit(); };
    table->Form_Load();
    // The window opens the handful window itself while the table has one.
    fenetre = std::make_unique<FenetreMirvane>(*table, plateforme);
    fermeture = std::make_unique<FermetureTable>(*table);
    fenetre->installEventFilter(fermeture.get());
    // Centred on the screen as the switch left it: Qt hears of a new size from the server only
    // later, so the size is the one the display mode reads from the server now.
    const TailleEcran taille = ecran.Taille();
    CentrerFenetreSur(*fenetre, QSize(taille.largeur, taille.hauteur));
    fenetre->show();
  };
  accueil.show();
  const int code = app.exec();
  // Whatever ended the loop, nobody is left at 800 x 600; done once already by the usual ways.
  resolution.RestaurerResolutionEcran();
  return code;
}
