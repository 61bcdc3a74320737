// The real program on real X servers of its own (Xvfb), at the sizes and desktop scales users have.
#include <gtest/gtest.h>
#include <poll.h>

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <string>
#include <utility>
// Last: Xlib's macros (None, Status, Bool) would break the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

namespace {

const QString Programme =
    QString::fromStdString((std::filesystem::read_symlink("/proc/self/exe").parent_path() / "mirvane").string());

// Xvfb of the given size on a display number it picks itself, its only output given an
// 800 x 600 mode where the screen can hold it; the mode lives as long as our connection.
struct ServeurX {
  explicit ServeurX(const char* taille = "1024x768x24") {
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", taille, "-nolisten", "tcp"});
    if (!xvfb.waitForReadyRead(30000)) return;
    nom = ":" + xvfb.readLine().trimmed().toStdString();
    d = XOpenDisplay(nom.c_str());
    if (d == nullptr) return;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    if (DisplayWidth(d, 0) < 800) return;
    XRRScreenResources* res = XRRGetScreenResources(d, DefaultRootWindow(d));
    char nomMode[] = "800x600";
    XRRModeInfo mode{0, 800, 600, 40000000, 840, 968, 1056, 0, 601, 605, 628, nomMode, 7, 0};
    XRRAddOutputMode(d, res->outputs[0], XRRCreateMode(d, DefaultRootWindow(d), &mode));
    XRRFreeScreenResources(res);
  }
  ~ServeurX() {
    if (d != nullptr) XCloseDisplay(d);
    xvfb.terminate();
    xvfb.waitForFinished();
  }
  // The screen's size in millimetres as a program that connects now is told.
  std::string Millimetres() const {
    Display* e = XOpenDisplay(nom.c_str());
    const std::string mm = std::to_string(DisplayWidthMM(e, 0)) + "x" + std::to_string(DisplayHeightMM(e, 0));
    XCloseDisplay(e);
    return mm;
  }
  // Size and place of a window, the screen's by default, in the X notation: "800x600+0+0".
  std::string Geometrie(Window w = 0) const {
    XWindowAttributes a{};
    XGetWindowAttributes(d, w != 0 ? w : DefaultRootWindow(d), &a);
    return std::to_string(a.width) + "x" + std::to_string(a.height) + "+" + std::to_string(a.x) + "+" +
           std::to_string(a.y);
  }
  // The next top-level window mapped; 0 after 30 s without one.
  Window Montree() const {
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    for (XEvent e; XPending(d) > 0 || poll(&p, 1, 30000) == 1;) {
      XNextEvent(d, &e);
      if (e.type == MapNotify && !e.xmap.override_redirect) return e.xmap.window;
    }
    return 0;
  }
  // What a window manager sends for a click on the close box.
  void Fermer(Window w) const {
    if (w == 0) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.format = 32;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
  }
  // A key pressed in a window, which gets the keyboard first.
  void Touche(Window w, KeySym touche) const {
    if (w == 0) return;
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    Appuyer(w, touche);
  }
  // A key pressed in a window, as the server sends it to the one that has the keyboard.
  void Appuyer(Window w, KeySym touche) const {
    XEvent e{};
    e.xkey.type = KeyPress;
    e.xkey.window = w;
    e.xkey.root = DefaultRootWindow(d);
    e.xkey.same_screen = True;
    e.xkey.keycode = XKeysymToKeycode(d, touche);
    XSendEvent(d, w, True, KeyPressMask, &e);
    XFlush(d);
  }
  // A click of the left button at (x, y) in a window, the pointer left where it was.
  void Cliquer(Window w, int x, int y) const {
    XEvent e{};
    e.xbutton.window = w;
    e.xbutton.root = DefaultRootWindow(d);
    e.xbutton.same_screen = True;
    e.xbutton.button = Button1;
    e.xbutton.x = x;
    e.xbutton.y = y;
    e.xbutton.type = ButtonPress;
    XSendEvent(d, w, True, ButtonPressMask, &e);
    e.xbutton.type = ButtonRelease;
    e.xbutton.state = Button1Mask;
    XSendEvent(d, w, True, ButtonReleaseMask, &e);
    XFlush(d);
  }
  // The window that has the keyboard once `w` has it, waiting for it at most 10 s; else the
  // window that has it then.
  Window Clavier(Window w) const {
    XSelectInput(d, w, FocusChangeMask);
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    Window focus = 0;
    int retour = 0;
    for (XEvent e;;) {
      XGetInputFocus(d, &focus, &retour);
      if (focus == w) return focus;
      if (XPending(d) == 0 && poll(&p, 1, 10000) != 1) return focus;
      XNextEvent(d, &e);
    }
  }
  // The program on this display, the desktop's scale set to `dpi` (the Xft.dpi resource, which
  // programs read as they start), with settings of its own (what it leaks at its end is not the
  // point here): its start screen, or 0.
  Window Lancer(QProcess& jeu, int dpi = 96) const {
    const std::string echelle = "Xft.dpi:\t" + std::to_string(dpi) + "\n";
    XChangeProperty(d, DefaultRootWindow(d), XInternAtom(d, "RESOURCE_MANAGER", False), XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(echelle.c_str()), static_cast<int>(echelle.size()));
    XSync(d, False);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromStdString(nom));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_CONFIG_HOME", reglages.path());
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
    jeu.setProcessEnvironment(env);
    jeu.setStandardErrorFile(QProcess::nullDevice());
    jeu.start(Programme);
    return jeu.waitForStarted() ? Montree() : 0;
  }
  // The start screen closed without a button: the table in French, or 0.
  Window Table(Window accueil) const {
    Fermer(accueil);
    return Montree();
  }

  QProcess xvfb;
  std::string nom;
  Display* d = nullptr;
  QTemporaryDir reglages;
};

#define DEMARRER(x)                                                                         \
  if ((x).xvfb.error() == QProcess::FailedToStart) GTEST_SKIP() << "Xvfb is not installed"; \
  ASSERT_NE((x).d, nullptr) << "Xvfb did not start"

// Ended by a signal as the system ends it (none for 0: a program asked otherwise), then its end
// awaited: no crash, and the code given.
void Finir(QProcess& jeu, int signal = SIGTERM, int code = 0) {
  if (const qint64 pid = jeu.processId(); pid > 0 && signal > 0) kill(static_cast<pid_t>(pid), signal);
  EXPECT_TRUE(jeu.waitForFinished(30000));
  EXPECT_EQ(jeu.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(jeu.exitCode(), code);
}

// The window is laid out in pixels for 800 x 600: a desktop scale must neither enlarge it nor
// grow its menu bar's font, which would push it off the screen. Of two programs at once, only
// the one that switched the screen puts it back.
TEST(EcranX11, AtAnyDesktopScaleTheWindowFillsThe800x600ScreenAndEveryWayOutPutsTheScreenBackAsItWas) {
  ServeurX x;
  DEMARRER(x);
  ASSERT_EQ(x.Geometrie(), "1024x768+0+0");
  const std::string mm = x.Millimetres();
  constexpr int Quitter = -1;
  constexpr int CaseFermeture = 0;
  // The way out (a signal, or one of the two above) and the desktop's dots per inch.
  const std::pair<int, int> cas[] = {{Quitter, 96},  {CaseFermeture, 120}, {SIGINT, 144},
                                     {SIGTERM, 192}, {SIGHUP, 96},         {SIGQUIT, 120}};
  for (const auto& [sortie, dpi] : cas) {
    SCOPED_TRACE(testing::Message() << "way out " << sortie << " at " << dpi << " dpi");
    QProcess jeu;
    const Window table = x.Table(x.Lancer(jeu, dpi));
    ASSERT_NE(table, 0u);
    EXPECT_EQ(x.Geometrie(), "800x600+0+0");
    EXPECT_EQ(x.Geometrie(table), "800x600+0+0");

    if (sortie == Quitter) {
      x.Touche(table, XK_F9);
      x.Touche(x.Montree(), XK_Return);  // Yes to the question
      x.Touche(x.Montree(), XK_Return);  // the goodbye box
    }
    if (sortie == CaseFermeture) x.Fermer(table);
    Finir(jeu, sortie > 0 ? sortie : 0);
    EXPECT_EQ(x.Geometrie(), "1024x768+0+0");
    EXPECT_EQ(x.Millimetres(), mm) << "the dots per inch of before";
  }

  QProcess premier;
  QProcess second;
  const Window accueil = x.Lancer(second);  // started before the switch
  ASSERT_NE(x.Table(x.Lancer(premier)), 0u);
  ASSERT_NE(x.Table(accueil), 0u);  // finds the screen at 800 x 600, and leaves it alone
  Finir(premier);
  EXPECT_EQ(x.Geometrie(), "1024x768+0+0");
  Finir(second);
  EXPECT_EQ(x.Geometrie(), "1024x768+0+0");
}

TEST(EcranX11, OnAScreenSmallerThanTheWindowTheWindowsTopLeftCornerAndMenusStayOnTheScreen) {
  ServeurX x("640x480x24");  // which cannot grow to 800 x 600
  DEMARRER(x);
  QProcess jeu;
  EXPECT_EQ(x.Geometrie(x.Table(x.Lancer(jeu))), "800x600+0+0");
  Finir(jeu);
}

// With no window manager to give it the keyboard, the table takes it itself when the start
// screen's button opens it: its keys work at once, without a click in the window.
TEST(EcranX11, TheTableHasTheKeyboardAsSoonAsTheStartScreenOpensIt) {
  ServeurX x;
  DEMARRER(x);
  QProcess jeu;
  const Window accueil = x.Lancer(jeu);
  ASSERT_NE(accueil, 0u);
  x.Cliquer(accueil, 198, 214);  // "ENGLISH VERSION"
  const Window table = x.Montree();
  ASSERT_NE(table, 0u);
  ASSERT_EQ(x.Clavier(table), table);
  x.Appuyer(table, XK_F9);  // asks whether to quit
  const Window question = x.Montree();
  ASSERT_NE(question, 0u);
  x.Touche(question, XK_Return);
  x.Touche(x.Montree(), XK_Return);  // the goodbye box
  Finir(jeu, 0);
}

TEST(EcranX11, WithNoDisplayToOpenTheProgramSaysSoAndExitsWith1) {
  for (const char* affichage : {"", ":65533"}) {  // unset, and one nobody serves
    SCOPED_TRACE(affichage);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
      env.remove(variable);
    if (*affichage != '\0') env.insert("DISPLAY", affichage);
    QProcess jeu;
    jeu.setProcessEnvironment(env);
    jeu.start(Programme);
    Finir(jeu, 0, 1);
    const std::string erreur = jeu.readAllStandardError().toStdString();
    EXPECT_NE(erreur.find("mirvane: no display could be opened"), std::string::npos) << erreur;
    EXPECT_EQ(erreur.find("einstall"), std::string::npos) << erreur;
  }
}

}  // namespace
