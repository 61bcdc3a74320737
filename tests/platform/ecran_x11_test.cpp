// The real program on a real X server: its own Xvfb at 1024 x 768, offering 800 x 600 as well.
#include <gtest/gtest.h>
#include <poll.h>

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <string>
// Last: Xlib's macros (None, Status, Bool) would break the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

namespace {

// Xvfb on a display number it picks itself, its only output given an 800 x 600 mode, which
// lives as long as our connection.
struct ServeurX {
  ServeurX() {
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!xvfb.waitForReadyRead(30000)) return;
    nom = ":" + xvfb.readLine().trimmed().toStdString();
    if ((d = XOpenDisplay(nom.c_str())) == nullptr) return;
    XRRScreenResources* res = XRRGetScreenResources(d, DefaultRootWindow(d));
    char nomMode[] = "800x600";
    XRRModeInfo mode{0, 800, 600, 40000000, 840, 968, 1056, 0, 601, 605, 628, nomMode, 7, 0};
    XRRAddOutputMode(d, res->outputs[0], XRRCreateMode(d, DefaultRootWindow(d), &mode));
    XRRFreeScreenResources(res);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  }
  ~ServeurX() {
    if (d != nullptr) XCloseDisplay(d);
    xvfb.terminate();
    xvfb.waitForFinished();
  }
  std::string Taille() const {
    XWindowAttributes a{};
    XGetWindowAttributes(d, DefaultRootWindow(d), &a);
    return std::to_string(a.width) + "x" + std::to_string(a.height);
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
    e.xclient.type = ClientMessage, e.xclient.window = w, e.xclient.format = 32;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
  }
  // A key pressed and released in a window, which gets the keyboard first.
  void Touche(Window w, KeySym touche) const {
    if (w == 0) return;
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XEvent e{};
    e.xkey.type = KeyPress, e.xkey.window = w, e.xkey.root = DefaultRootWindow(d), e.xkey.same_screen = True;
    e.xkey.keycode = XKeysymToKeycode(d, touche);
    XSendEvent(d, w, True, KeyPressMask, &e);
    e.xkey.type = KeyRelease;
    XSendEvent(d, w, True, KeyReleaseMask, &e);
    XFlush(d);
  }

  QProcess xvfb;
  std::string nom;
  Display* d = nullptr;
};

TEST(EcranX11, TheGameRunsAt800x600WithItsWholeWindowOnTheScreenAndEveryWayOutPutsTheScreenBack) {
  ServeurX x;
  if (x.xvfb.error() == QProcess::FailedToStart) GTEST_SKIP() << "Xvfb is not installed";
  ASSERT_NE(x.d, nullptr) << "Xvfb did not start";
  ASSERT_EQ(x.Taille(), "1024x768");
  const auto programme = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "mirvane";
  // Our display whatever the caller's, and settings of its own; what the program leaks at its
  // end is not the point here.
  QTemporaryDir reglages;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", QString::fromStdString(x.nom));
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.insert("XDG_CONFIG_HOME", reglages.path());
  env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");

  constexpr int Quitter = -1, CaseFermeture = 0;
  for (const int sortie : {Quitter, CaseFermeture, SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sortie == Quitter ? "quit" : sortie == CaseFermeture ? "close box" : strsignal(sortie));
    QProcess jeu;
    jeu.setProcessEnvironment(env);
    jeu.setStandardErrorFile(QProcess::nullDevice());
    jeu.start(QString::fromStdString(programme.string()));
    ASSERT_TRUE(jeu.waitForStarted()) << programme;
    x.Fermer(x.Montree());  // the start screen closed without a button: the table in French
    const Window table = x.Montree();
    ASSERT_NE(table, 0u);
    EXPECT_EQ(x.Taille(), "800x600");
    XWindowAttributes a{};
    XGetWindowAttributes(x.d, table, &a);
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width + 2 * a.border_width <= 800 &&
                a.y + a.height + 2 * a.border_width <= 600)
        << a.width << "x" << a.height << " at " << a.x << "," << a.y;

    if (sortie == Quitter) {
      x.Touche(table, XK_F9);
      x.Touche(x.Montree(), XK_Return);  // Yes to the question
      x.Touche(x.Montree(), XK_Return);  // the goodbye box
    }
    if (sortie == CaseFermeture) x.Fermer(table);
    if (sortie > 0) kill(static_cast<pid_t>(jeu.processId()), sortie);
    EXPECT_TRUE(jeu.waitForFinished(30000) && jeu.exitStatus() == QProcess::NormalExit && jeu.exitCode() == 0)
        << jeu.exitCode();
    EXPECT_EQ(x.Taille(), "1024x768");
  }
}

}  // namespace
