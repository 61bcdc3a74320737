// The real program on a real X server: its own Xvfb at 1024 x 768, offering 800 x 600 as well.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/mode_ecran.h"
// Last: Xlib's macros (None, Status, Bool) would break the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

extern char** environ;

void PrintTo(const TailleEcran& t, std::ostream* os) { *os << t.largeur << "x" << t.hauteur; }

namespace {

pid_t Lancer(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The exit status; -1 when the process is still there after 30 s (it is killed then).
int Attendre(pid_t pid) {
  pollfd p{static_cast<int>(syscall(SYS_pidfd_open, pid, 0)), POLLIN, 0};
  const bool fini = p.fd >= 0 && poll(&p, 1, 30000) == 1;
  if (p.fd >= 0) close(p.fd);
  if (!fini) kill(pid, SIGKILL);
  int etat = 0;
  waitpid(pid, &etat, 0);
  return fini && WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}

// Xvfb on a display number it picks itself, its only output given an 800 x 600 mode, which
// lives as long as our connection.
struct ServeurX {
  ServeurX() {
    int tube[2];
    if (pipe(tube) != 0) return;
    pid = Lancer({"Xvfb", "-displayfd", std::to_string(tube[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    close(tube[1]);
    char c = 0;
    while (pid > 0 && read(tube[0], &c, 1) == 1 && c != '\n') nom += c;
    close(tube[0]);
    if (nom.empty() || (d = XOpenDisplay((nom = ":" + nom).c_str())) == nullptr) return;
    XRRScreenResources* res = XRRGetScreenResources(d, DefaultRootWindow(d));
    XRRModeInfo mode{};
    char nomMode[] = "800x600";
    mode.name = nomMode, mode.nameLength = 7, mode.width = 800, mode.height = 600, mode.dotClock = 40000000;
    mode.hSyncStart = 840, mode.hSyncEnd = 968, mode.hTotal = 1056;
    mode.vSyncStart = 601, mode.vSyncEnd = 605, mode.vTotal = 628;
    XRRAddOutputMode(d, res->outputs[0], XRRCreateMode(d, DefaultRootWindow(d), &mode));
    XRRFreeScreenResources(res);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  }
  ~ServeurX() {
    if (d != nullptr) XCloseDisplay(d);
    if (pid > 0) kill(pid, SIGTERM), waitpid(pid, nullptr, 0);
  }
  // Asked of the server at each call.
  TailleEcran Taille() const {
    XWindowAttributes a{};
    XGetWindowAttributes(d, DefaultRootWindow(d), &a);
    return {a.width, a.height};
  }
  // The next top-level window mapped; 0 after 30 s without one.
  Window Montree() const {
    XEvent e;
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    while (XPending(d) > 0 || poll(&p, 1, 30000) == 1) {
      XNextEvent(d, &e);
      if (e.type == MapNotify && !e.xmap.override_redirect) return e.xmap.window;
    }
    return 0;
  }
  // What a window manager sends for a click on the close box.
  void Fermer(Window w) const {
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

  pid_t pid = -1;
  std::string nom;
  Display* d = nullptr;
};

TEST(EcranX11, TheGameRunsAt800x600WithItsWholeWindowOnTheScreenAndEveryWayOutPutsTheScreenBack) {
  ServeurX x;
  if (x.pid < 0) GTEST_SKIP() << "Xvfb is not installed";
  ASSERT_NE(x.d, nullptr) << "Xvfb did not start";
  ASSERT_EQ(x.Taille(), (TailleEcran{1024, 768}));
  const auto programme = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "mirvane";
  ASSERT_TRUE(std::filesystem::exists(programme)) << programme;
  // Our display whatever the caller's, and settings of its own; what the program leaks at its
  // end is not the point here.
  QTemporaryDir reglages;
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::vector<std::string> commande{"env", "DISPLAY=" + x.nom, "QT_QPA_PLATFORM=xcb",
                                          "XDG_CONFIG_HOME=" + reglages.path().toStdString(),
                                          std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":detect_leaks=0",
                                          programme};

  constexpr int Quitter = -1, CaseFermeture = 0;
  for (const int sortie : {Quitter, CaseFermeture, SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sortie == Quitter ? "quit" : sortie == CaseFermeture ? "close box" : strsignal(sortie));
    const pid_t pid = Lancer(commande);
    ASSERT_GT(pid, 0);
    const Window accueil = x.Montree();
    ASSERT_NE(accueil, 0u);
    x.Fermer(accueil);  // the start screen closed without a button: the table in French
    const Window table = x.Montree();
    ASSERT_NE(table, 0u);
    EXPECT_EQ(x.Taille(), (TailleEcran{800, 600}));
    XWindowAttributes a{};
    XGetWindowAttributes(x.d, table, &a);
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width + 2 * a.border_width <= 800 &&
                a.y + a.height + 2 * a.border_width <= 600)
        << a.width << "x" << a.height << " at " << a.x << "," << a.y;

    if (sortie == Quitter) {
      x.Touche(table, XK_F9);
      x.Touche(x.Montree(), XK_Return);  // Yes to the question
      x.Touche(x.Montree(), XK_Return);  // the goodbye box
    } else if (sortie == CaseFermeture) {
      x.Fermer(table);
    } else {
      kill(pid, sortie);
    }
    EXPECT_EQ(Attendre(pid), 0);
    EXPECT_EQ(x.Taille(), (TailleEcran{1024, 768}));
  }
}

}  // namespace
