#include "windows/programme.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/aide_qt.h"
#include "platform/mode_ecran_x11.h"
#include "platform/reglages_qt.h"
#include "platform/signaux_qt.h"
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

// While the application is being built, Qt's messages are held back and passed on once it is
// built. A fatal one means that no window system could be reached, which Qt would end with an
// abort and advice to reinstall the program.
struct MessageRetenu {
  QtMsgType type;
  const char* categorie;
  QString texte;
};
QtMessageHandler gestionnaireQt = nullptr;
std::vector<MessageRetenu>* messagesRetenus = nullptr;

void PendantOuverture(QtMsgType type, const QMessageLogContext& contexte, const QString& texte) {
  if (type != QtFatalMsg) {
    messagesRetenus->push_back({type, contexte.category, texte});
    return;
  }
  const char* affichage = std::getenv("DISPLAY");
  if (affichage == nullptr || *affichage == '\0')
    std::fputs("mirvane: no display could be opened (DISPLAY is not set).\n", stderr);
  else
    std::fprintf(stderr, "mirvane: no display could be opened (DISPLAY is \"%s\").\n", affichage);
  std::_Exit(1);
}

}  // namespace

Programme::Programme(ModeEcran& ecran, Reglages* reglages) : ecran_(ecran), reglages_(reglages), resolution_(ecran) {}

Programme::~Programme() = default;

void Programme::Demarrer() {
  // The store registers the pictures, the icon among them, and stays loaded for the run.
  FormCarteSav::Instance();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/mirvane.png")));
  splash_.Form_Load();
  accueil_ = std::make_unique<FenetreSplash>(splash_);
  splash_.surDechargement = [this] { OuvrirTable(); };
  accueil_->show();
}

void Programme::OuvrirTable() {
  accueil_->hide();
  aide_ = std::make_unique<AideQt>(splash_.Langue, CentrerFenetre);
  table_ = std::make_unique<Mirvane>(plateforme_, Aleatoire(), reglages_);
  table_->g.Langue = splash_.Langue;
  plateforme_.langue = splash_.Langue;
  table_->NumeroVersion = splash_.NumeroVersion;
  table_->DefinirBureau(&resolution_, aide_.get(), QCoreApplication::applicationDirPath().toStdString());
  table_->terminer = [this] { Terminer(); };
  table_->Form_Load();
  // The window opens the handful window itself while the table has one.
  fenetre_ = std::make_unique<FenetreMirvane>(*table_, plateforme_);
  fermeture_ = std::make_unique<FermetureTable>(*table_);
  fenetre_->installEventFilter(fermeture_.get());
  // Centred on the screen as the switch left it: Qt hears of a new size from the server only
  // later, so the size is the one the display mode reads from the server now. On a screen
  // smaller than the window, its top-left corner stays on the screen, and the menus with it.
  const TailleEcran taille = ecran_.Taille();
  CentrerFenetreSur(*fenetre_, QSize(taille.largeur, taille.hauteur));
  const QPoint origine = fenetre_->screen()->geometry().topLeft();
  fenetre_->move(std::max(fenetre_->x(), origine.x()), std::max(fenetre_->y(), origine.y()));
  fenetre_->show();
  // The keys (F2, F9 and the others) go to the active window: without a window manager nobody
  // else makes the table one, and the start screen that had the keyboard is gone.
  fenetre_->activateWindow();
}

void Programme::Terminer() {
  resolution_.RestaurerResolutionEcran();
  for (QWidget* fenetre : QApplication::topLevelWidgets()) fenetre->hide();
  QCoreApplication::exit(0);
}

int LancerMirvane(int argc, char** argv) {
  // The game is laid out in pixels for an 800 x 600 screen: no scaling by the desktop, and
  // fonts of the size they have at 96 dots per inch, whatever the desktop's setting.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qputenv("QT_FONT_DPI", "96");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");

  std::vector<MessageRetenu> retenus;
  messagesRetenus = &retenus;
  gestionnaireQt = qInstallMessageHandler(PendantOuverture);
  QApplication app(argc, argv);
  qInstallMessageHandler(gestionnaireQt);
  for (const MessageRetenu& m : retenus)
    gestionnaireQt(m.type, QMessageLogContext(nullptr, 0, nullptr, m.categorie), m.texte);

  ReglagesQt reglages;
  ModeEcranX11 ecran(QGuiApplication::platformName().toStdString(), TailleEcranQt());
  Programme programme(ecran, &reglages);
  // Ended by the system: nobody is left at 800 x 600.
  SignauxQt signaux([&programme](int) { programme.Terminer(); });
  programme.Demarrer();
  const int code = app.exec();
  // Whatever ended the loop, nobody is left at 800 x 600; done once already by the usual ways.
  programme.Terminer();
  return code;
}
