// The real program on a real X server: Xvfb at 1024 x 768, offering 800 x 600 as well.
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

extern char** environ;

void PrintTo(const TailleEcran& t, std::ostream* os) { *os << t.largeur << "x" << t.hauteur; }

namespace {

bool DansLeChemin(const std::string& programme) {
  const char* chemin = std::getenv("PATH");
  std::string reste = chemin != nullptr ? chemin : "";
  for (size_t debut = 0, fin = 0; debut <= reste.size(); debut = fin + 1) {
    fin = reste.find(':', debut);
    if (fin == std::string::npos) fin = reste.size();
    if (access((reste.substr(debut, fin - debut) + "/" + programme).c_str(), X_OK) == 0) return true;
  }
  return false;
}

// Our environment unless one is given.
pid_t Lancer(const std::vector<std::string>& arguments, const std::vector<std::string>& environnement = {}) {
  std::vector<char*> argv, envp;
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  for (const std::string& e : environnement) envp.push_back(const_cast<char*>(e.c_str()));
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environnement.empty() ? environ : envp.data()) != 0)
    pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The exit status, or -1 when the process is still there after 30 s (then it is killed).
int Attendre(pid_t pid) {
  const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  pollfd p{fd, POLLIN, 0};
  const bool fini = fd >= 0 && poll(&p, 1, 30000) == 1;
  if (fd >= 0) close(fd);
  if (!fini) kill(pid, SIGKILL);
  int etat = 0;
  waitpid(pid, &etat, 0);
  return fini && WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}

// Xvfb on a display number it picks itself, with an 800 x 600 mode added to its only output:
// it offers only its own size otherwise. The mode lives as long as our connection.
class ServeurX {
 public:
  ServeurX() {
    int tube[2];
    if (pipe(tube) != 0) return;
    pid_ = Lancer({"Xvfb", "-displayfd", std::to_string(tube[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    close(tube[1]);
    std::string numero;
    char c = 0;
    while (pid_ > 0 && read(tube[0], &c, 1) == 1 && c != '\n') numero += c;
    close(tube[0]);
    nom = ":" + numero;
    if (numero.empty() || (d = XOpenDisplay(nom.c_str())) == nullptr) return;
    const Window racine = DefaultRootWindow(d);
    XRRScreenResources* res = XRRGetScreenResources(d, racine);
    char nomMode[] = "800x600";
    XRRModeInfo mode{};
    mode.width = 800, mode.height = 600, mode.dotClock = 40000000;
    mode.hSyncStart = 840, mode.hSyncEnd = 968, mode.hTotal = 1056;
    mode.vSyncStart = 601, mode.vSyncEnd = 605, mode.vTotal = 628;
    mode.name = nomMode, mode.nameLength = 7;
    XRRAddOutputMode(d, res->outputs[0], XRRCreateMode(d, racine, &mode));
    XRRFreeScreenResources(res);
    XSelectInput(d, racine, SubstructureNotifyMask);
    XSync(d, False);
  }
  ~ServeurX() {
    if (d != nullptr) XCloseDisplay(d);
    if (pid_ > 0) kill(pid_, SIGTERM), waitpid(pid_, nullptr, 0);
  }

  TailleEcran Taille() {
    Window r = 0;
    int x = 0, y = 0;
    unsigned l = 0, h = 0, b = 0, p = 0;
    XGetGeometry(d, DefaultRootWindow(d), &r, &x, &y, &l, &h, &b, &p);
    return {static_cast<int>(l), static_cast<int>(h)};
  }
  // The next top-level window mapped; 0 after 30 s without one.
  Window Montree() {
    XEvent e;
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    while (XPending(d) > 0 || poll(&p, 1, 30000) == 1) {
      XNextEvent(d, &e);
      if (e.type == MapNotify && !e.xmap.override_redirect) return e.xmap.window;
    }
    return 0;
  }
  // What a window manager sends for a click on the close box.
  void Fermer(Window w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
  }

  Display* d = nullptr;
  std::string nom;

 private:
  pid_t pid_ = -1;
};

// Every way out of the program puts the screen back as it found it, and while the game runs
// the whole main window is on the switched screen.
TEST(EcranX11, TheProgramSwitchesTo800x600CentresItsWindowThereAndEveryWayOutPutsTheScreenBack) {
  if (!DansLeChemin("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
  ServeurX x;
  ASSERT_NE(x.d, nullptr) << "Xvfb did not start";
  ASSERT_EQ(x.Taille(), (TailleEcran{1024, 768}));
  const std::string programme = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "mirvane";
  ASSERT_TRUE(std::filesystem::exists(programme)) << programme;
  QTemporaryDir reglages;
  std::vector<std::string> environnement{"DISPLAY=" + x.nom, "QT_QPA_PLATFORM=xcb",
                                         "XDG_CONFIG_HOME=" + reglages.path().toStdString()};
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string variable = *e;
    const std::string nom = variable.substr(0, variable.find('='));
    if (nom != "DISPLAY" && nom != "QT_QPA_PLATFORM" && nom != "XDG_CONFIG_HOME") environnement.push_back(variable);
  }

  for (const int sortie : {0, SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sortie == 0 ? "close box" : strsignal(sortie));
    const pid_t pid = Lancer({programme}, environnement);
    ASSERT_GT(pid, 0);
    const Window accueil = x.Montree();
    ASSERT_NE(accueil, 0u);
    x.Fermer(accueil);  // the start screen closed: the table in French
    const Window table = x.Montree();
    ASSERT_NE(table, 0u);
    EXPECT_EQ(x.Taille(), (TailleEcran{800, 600}));
    XWindowAttributes a;
    ASSERT_TRUE(XGetWindowAttributes(x.d, table, &a));
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width + 2 * a.border_width <= 800 &&
                a.y + a.height + 2 * a.border_width <= 600)
        << a.width << "x" << a.height << " at " << a.x << "," << a.y;

    if (sortie == 0) x.Fermer(table);
    else kill(pid, sortie);
    EXPECT_EQ(Attendre(pid), 0);
    EXPECT_EQ(x.Taille(), (TailleEcran{1024, 768}));
  }
}

}  // namespace
