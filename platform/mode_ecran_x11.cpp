#include "platform/mode_ecran_x11.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Xlib's default handler ends the program on any protocol error; a refused mode must not.
// Xlib gives the handler no context, hence one flag for the process, used only while a switch
// holds the handler.
int erreursX = 0;
int CompterErreur(Display*, XErrorEvent*) {
  ++erreursX;
  return 0;
}

struct Ressources {
  XRRScreenResources* res = nullptr;
  explicit Ressources(Display* d) : res(XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d))) {}
  ~Ressources() {
    if (res != nullptr) XRRFreeScreenResources(res);
  }
  Ressources(const Ressources&) = delete;
  Ressources& operator=(const Ressources&) = delete;
};

struct LibererX {
  void operator()(XRROutputInfo* o) const { XRRFreeOutputInfo(o); }
  void operator()(XRRCrtcInfo* c) const { XRRFreeCrtcInfo(c); }
};
using SortieInfo = std::unique_ptr<XRROutputInfo, LibererX>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, LibererX>;

// The output the game is shown on: the primary one, else the first one lit.
RROutput Sortie(Display* d, const XRRScreenResources* res) {
  const RROutput primaire = XRRGetOutputPrimary(d, DefaultRootWindow(d));
  for (int i = 0; i < res->noutput; ++i) {
    if (res->outputs[i] != primaire) continue;
    const SortieInfo info(XRRGetOutputInfo(d, const_cast<XRRScreenResources*>(res), primaire));
    if (info && info->crtc != 0) return primaire;
  }
  for (int i = 0; i < res->noutput; ++i) {
    const SortieInfo info(XRRGetOutputInfo(d, const_cast<XRRScreenResources*>(res), res->outputs[i]));
    if (info && info->connection == RR_Connected && info->crtc != 0) return res->outputs[i];
  }
  return 0;
}

// The screen's size as the server has it now: Xlib's DisplayWidth and DisplayHeight keep the
// size of when the connection opened, whatever was switched since.
TailleEcran TailleRacine(Display* d) {
  Window racine = 0;
  int x = 0, y = 0;
  unsigned largeur = 0, hauteur = 0, bord = 0, profondeur = 0;
  if (!XGetGeometry(d, DefaultRootWindow(d), &racine, &x, &y, &largeur, &hauteur, &bord, &profondeur)) return {};
  return {static_cast<int>(largeur), static_cast<int>(hauteur)};
}

const XRRModeInfo* InfoMode(const XRRScreenResources* res, RRMode id) {
  for (int i = 0; i < res->nmode; ++i)
    if (res->modes[i].id == id) return &res->modes[i];
  return nullptr;
}

}  // namespace

ModeEcranX11::ModeEcranX11(std::string_view plateforme, TailleEcran tailleHorsX11) : tailleHorsX11_(tailleHorsX11) {
  const char* nom = std::getenv("DISPLAY");
  if (plateforme != "xcb" || nom == nullptr || *nom == '\0') return;
  affichage_ = XOpenDisplay(nullptr);
  int evenement = 0;
  int erreur = 0;
  if (affichage_ != nullptr && !XRRQueryExtension(affichage_, &evenement, &erreur)) {
    XCloseDisplay(affichage_);
    affichage_ = nullptr;
  }
}

ModeEcranX11::~ModeEcranX11() {
  if (affichage_ != nullptr) XCloseDisplay(affichage_);
}

TailleEcran ModeEcranX11::Taille() const {
  if (affichage_ == nullptr) return tailleHorsX11_;
  TailleEcran taille = TailleRacine(affichage_);
  const Ressources r(affichage_);
  if (r.res != nullptr) {
    if (const RROutput sortie = Sortie(affichage_, r.res)) {
      const SortieInfo info(XRRGetOutputInfo(affichage_, r.res, sortie));
      const CrtcInfo crtc(XRRGetCrtcInfo(affichage_, r.res, info->crtc));
      if (crtc) taille = {static_cast<int>(crtc->width), static_cast<int>(crtc->height)};
    }
  }
  if (!change_) trouvee_ = taille;
  return taille;
}

std::vector<TailleEcran> ModeEcranX11::Modes() const {
  std::vector<TailleEcran> modes;
  if (affichage_ == nullptr) return modes;
  const Ressources r(affichage_);
  if (r.res == nullptr) return modes;
  const RROutput sortie = Sortie(affichage_, r.res);
  if (sortie == 0) return modes;
  const SortieInfo info(XRRGetOutputInfo(affichage_, r.res, sortie));
  for (int i = 0; i < info->nmode; ++i) {
    if (const XRRModeInfo* m = InfoMode(r.res, info->modes[i])) {
      const TailleEcran t{static_cast<int>(m->width), static_cast<int>(m->height)};
      if (std::find(modes.begin(), modes.end(), t) == modes.end()) modes.push_back(t);
    }
  }
  return modes;
}

bool ModeEcranX11::Changer(TailleEcran taille) {
  if (affichage_ == nullptr) return false;
  if (!change_ && taille == trouvee_) return true;
  Display* d = affichage_;
  const Ressources r(d);
  if (r.res == nullptr) return false;
  const RROutput sortie = Sortie(d, r.res);
  if (sortie == 0) return false;
  const SortieInfo info(XRRGetOutputInfo(d, r.res, sortie));
  const CrtcInfo crtc(XRRGetCrtcInfo(d, r.res, info->crtc));
  // A turned output would need its sizes swapped; we leave it alone.
  if (!crtc || crtc->rotation != RR_Rotate_0) return false;
  if (static_cast<int>(crtc->width) == taille.largeur && static_cast<int>(crtc->height) == taille.hauteur) return true;
  RRMode mode = 0;
  for (int i = 0; i < info->nmode && mode == 0; ++i) {
    const XRRModeInfo* m = InfoMode(r.res, info->modes[i]);
    if (m != nullptr && static_cast<int>(m->width) == taille.largeur && static_cast<int>(m->height) == taille.hauteur)
      mode = m->id;
  }
  if (mode == 0) return false;

  // The screen must hold every lit output once this one has its new size.
  const Window racine = DefaultRootWindow(d);
  const int ecran = DefaultScreen(d);
  int largeur = crtc->x + taille.largeur;
  int hauteur = crtc->y + taille.hauteur;
  for (int i = 0; i < r.res->ncrtc; ++i) {
    if (r.res->crtcs[i] == info->crtc) continue;
    const CrtcInfo autre(XRRGetCrtcInfo(d, r.res, r.res->crtcs[i]));
    if (!autre || autre->mode == 0) continue;
    largeur = std::max(largeur, autre->x + static_cast<int>(autre->width));
    hauteur = std::max(hauteur, autre->y + static_cast<int>(autre->height));
  }
  int minL = 0, minH = 0, maxL = 0, maxH = 0;
  if (!XRRGetScreenSizeRange(d, racine, &minL, &minH, &maxL, &maxH) || largeur < minL || hauteur < minH ||
      largeur > maxL || hauteur > maxH)
    return false;
  const TailleEcran actuelle = TailleRacine(d);
  const int actuelleL = actuelle.largeur;
  const int actuelleH = actuelle.hauteur;
  // Millimetres in proportion, so that the dots per inch stay those of when the connection
  // opened (Xlib's cached sizes agree with each other, if not with the screen of now).
  const auto mm = [](int pixels, int pixelsOuverture, int mmOuverture) {
    return pixelsOuverture > 0 ? static_cast<int>(static_cast<long>(pixels) * mmOuverture / pixelsOuverture)
                               : mmOuverture;
  };
  const int ouvertureL = DisplayWidth(d, ecran);
  const int ouvertureH = DisplayHeight(d, ecran);
  const int mmL = DisplayWidthMM(d, ecran);
  const int mmH = DisplayHeightMM(d, ecran);

  erreursX = 0;
  XSync(d, False);
  const auto ancien = XSetErrorHandler(CompterErreur);
  XGrabServer(d);
  // Grow the screen first when the new mode would not fit in it, shrink it last.
  const int grandL = std::max(largeur, actuelleL);
  const int grandH = std::max(hauteur, actuelleH);
  if (grandL != actuelleL || grandH != actuelleH)
    XRRSetScreenSize(d, racine, grandL, grandH, mm(grandL, ouvertureL, mmL), mm(grandH, ouvertureH, mmH));
  const Status etat = XRRSetCrtcConfig(d, r.res, info->crtc, CurrentTime, crtc->x, crtc->y, mode, crtc->rotation,
                                       crtc->outputs, crtc->noutput);
  if (etat == RRSetConfigSuccess && (grandL != largeur || grandH != hauteur))
    XRRSetScreenSize(d, racine, largeur, hauteur, mm(largeur, ouvertureL, mmL), mm(hauteur, ouvertureH, mmH));
  else if (etat != RRSetConfigSuccess && (grandL != actuelleL || grandH != actuelleH))
    XRRSetScreenSize(d, racine, actuelleL, actuelleH, mm(actuelleL, ouvertureL, mmL),
                     mm(actuelleH, ouvertureH, mmH));  // refused: the screen as it was
  XUngrabServer(d);
  XSync(d, False);
  XSetErrorHandler(ancien);
  const bool fait = etat == RRSetConfigSuccess && erreursX == 0;
  change_ = change_ || fait;
  return fait;
}
