#include "windows/fenetre_modele.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

#include "platform/panneau3d.h"
#include "platform/twips.h"
#include "windows/carte_sav.h"
#include "windows/centrage_qt.h"

namespace {

QColor Couleur(uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu)); }

// A card picture: the face from its top-left corner, unscaled, cut by the control's size.
// Outside the face (the rounded corners, the rows below it) the table shows through.
class WidgetCarte : public QWidget {
 public:
  using QWidget::QWidget;
  // A card with no picture keeps the face shown before, as a picture box does.
  void DefinirCarte(const Carte& carte) {
    const qint64 avant = face_.cacheKey();
    AfficherImageCarte(face_, carte);
    if (face_.cacheKey() != avant) update();
  }
  const QPixmap& Face() const { return face_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (face_.isNull()) return;
    QPainter(this).drawPixmap(0, 0, face_);
  }

 private:
  QPixmap face_;
};

// The round table: an ellipse filling the control, lit from its centre like felt. The
// gradient is dear to paint, so it is painted once per size and colour.
class WidgetForme : public QWidget {
 public:
  using QWidget::QWidget;
  void DefinirCouleurs(uint32_t bord, uint32_t fond) {
    if (bord == bord_ && fond == fond_) return;
    bord_ = bord;
    fond_ = fond;
    image_ = QPixmap();
    update();
  }

 protected:
  void resizeEvent(QResizeEvent*) override { image_ = QPixmap(); }
  void paintEvent(QPaintEvent*) override {
    const qreal echelle = devicePixelRatioF();
    if (image_.isNull() || image_.devicePixelRatio() != echelle) {
      image_ = QPixmap(size() * echelle);
      image_.setDevicePixelRatio(echelle);
      image_.fill(Qt::transparent);
      QPainter p(&image_);
      p.setRenderHint(QPainter::Antialiasing);
      const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
      QRadialGradient feutre(r.center(), r.width() / 2);
      feutre.setColorAt(0, Couleur(fond_).lighter(125));
      feutre.setColorAt(1, Couleur(fond_).darker(110));
      p.setBrush(feutre);
      p.setPen(QPen(Couleur(bord_), 2));
      p.drawEllipse(r);
    }
    QPainter(this).drawPixmap(0, 0, image_);
  }

 private:
  uint32_t bord_ = 0, fond_ = 0x008000;
  QPixmap image_;
};

// A rectangle outline in the control's text colour.
class WidgetCadre : public QWidget {
 public:
  using QWidget::QWidget;
  void DefinirCouleur(uint32_t couleur) {
    if (couleur == couleur_) return;
    couleur_ = couleur;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(Couleur(couleur_), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }

 private:
  uint32_t couleur_ = 0;
};

// Shapes and frames take no mouse events: a click on them falls to what lies beneath.
constexpr const char* ProprieteId = "controle";

bool Leger(GenreControle g) { return g == GenreControle::Forme || g == GenreControle::Cadre; }

QString NomObjet(const Controle& c) {
  QString nom = QString::fromStdString(c.nom);
  if (c.index >= 0) nom += QLatin1Char('_') + QString::number(c.index);
  return nom;
}

}  // namespace

Qt::CursorShape Curseur(int16_t pointeur) {
  switch (pointeur) {
    case PointeurFleche:
      return Qt::UpArrowCursor;
    case PointeurSablier:
      return Qt::WaitCursor;
    case PointeurInterdit:
      return Qt::ForbiddenCursor;
    default:
      return Qt::ArrowCursor;
  }
}

FenetreModele::FenetreModele(ModeleFenetre& modele, QWidget* parent, Qt::WindowFlags drapeaux)
    : QWidget(parent, drapeaux), modele_(modele) {
  setAutoFillBackground(true);
  Synchroniser();
}

QSize FenetreModele::sizeHint() const { return {TwipsEnPixels(modele_.largeur), TwipsEnPixels(modele_.hauteur)}; }

QWidget* FenetreModele::Widget(int id) const {
  return id >= 0 && id < static_cast<int>(widgets_.size()) ? widgets_[static_cast<size_t>(id)] : nullptr;
}

void FenetreModele::CreerWidgets() {
  const std::vector<Controle>& controles = modele_.Controles();
  for (size_t id = widgets_.size(); id < controles.size(); ++id) {
    const Controle& c = controles[id];
    QWidget* parent = this;
    if (c.parent >= 0 && static_cast<size_t>(c.parent) < id) parent = widgets_[static_cast<size_t>(c.parent)];
    QWidget* w = nullptr;
    switch (c.genre) {
      case GenreControle::Panneau:
      case GenreControle::Bouton: {
        auto* p = new Panneau3D(parent);
        p->DefinirCliquable(c.genre == GenreControle::Bouton);
        w = p;
        break;
      }
      case GenreControle::Carte:
        w = new WidgetCarte(parent);
        break;
      case GenreControle::Forme:
        w = new WidgetForme(parent);
        break;
      case GenreControle::Cadre:
        w = new WidgetCadre(parent);
        break;
    }
    w->setObjectName(NomObjet(c));
    if (Leger(c.genre)) {
      // Drawn beneath the panels and pictures of the same parent, as a shape is.
      w->setAttribute(Qt::WA_TransparentForMouseEvents);
      for (size_t autre = 0; autre < id; ++autre)
        if (widgets_[autre]->parentWidget() == parent && !Leger(controles[autre].genre)) {
          w->stackUnder(widgets_[autre]);
          break;
        }
    } else {
      w->setProperty(ProprieteId, static_cast<int>(id));
      w->setMouseTracking(true);
      w->installEventFilter(this);
    }
    widgets_.push_back(w);
    dessines_.push_back(c);
    Appliquer(static_cast<int>(id), true);
  }
}

void FenetreModele::Appliquer(int id, bool tout) {
  const Controle& c = modele_[id];
  Controle& avant = dessines_[static_cast<size_t>(id)];
  QWidget* w = widgets_[static_cast<size_t>(id)];
  if (tout || c.gauche != avant.gauche || c.haut != avant.haut || c.largeur != avant.largeur ||
      c.hauteur != avant.hauteur)
    w->setGeometry(TwipsEnPixels(c.gauche), TwipsEnPixels(c.haut), TwipsEnPixels(c.largeur), TwipsEnPixels(c.hauteur));
  if (tout || c.actif != avant.actif) w->setEnabled(c.actif);
  if (tout || c.pointeur != avant.pointeur) {
    if (c.pointeur == PointeurDefaut)
      w->unsetCursor();  // the pointer of what it lies in
    else
      w->setCursor(Curseur(c.pointeur));
  }
  switch (c.genre) {
    case GenreControle::Panneau:
    case GenreControle::Bouton: {
      auto* p = static_cast<Panneau3D*>(w);
      if (tout || c.legende != avant.legende) p->DefinirLegende(QString::fromStdString(c.legende));
      p->DefinirPolice(c.taillePolice, c.gras, QString::fromStdString(c.police));
      p->DefinirCouleurs(c.couleurTexte, c.couleurFond);
      p->DefinirBiseau(c.biseau);
      p->DefinirAlignement(c.alignement);
      break;
    }
    case GenreControle::Carte:
      static_cast<WidgetCarte*>(w)->DefinirCarte(c.carte);
      break;
    case GenreControle::Forme:
      static_cast<WidgetForme*>(w)->DefinirCouleurs(c.couleurTexte, c.couleurFond);
      break;
    case GenreControle::Cadre:
      static_cast<WidgetCadre*>(w)->DefinirCouleur(c.couleurTexte);
      break;
  }
  // Shown last, once in place with its contents.
  if (tout || c.visible != avant.visible) w->setVisible(c.visible);
  avant = c;
}

void FenetreModele::Synchroniser() {
  if (detache_) return;
  const bool tout = premier_;
  premier_ = false;
  const size_t deja = widgets_.size();
  CreerWidgets();
  for (size_t id = 0; id < deja; ++id)
    if (tout || !(modele_[static_cast<int>(id)] == dessines_[id])) Appliquer(static_cast<int>(id), tout);

  QWidget* fenetre = window();
  if (tout || modele_.titre != titre_) {
    titre_ = modele_.titre;
    fenetre->setWindowTitle(QString::fromStdString(titre_));
  }
  if (tout || modele_.actif != actif_) {
    actif_ = modele_.actif;
    fenetre->setEnabled(actif_);
  }
  if (modele_.pointeur != pointeur_) {
    pointeur_ = modele_.pointeur;
    setCursor(Curseur(pointeur_));
  }
  if (modele_.couleurFond != fond_) {
    fond_ = modele_.couleurFond;
    QPalette p = palette();
    p.setColor(QPalette::Window, Couleur(fond_));
    setPalette(p);
  }
  if (modele_.centrages != centrages_) {
    centrages_ = modele_.centrages;
    if (fenetre == this) CentrerFenetre(*this);
  }
  if (!tout && modele_.visible != visible_ && fenetre == this) setVisible(modele_.visible);
  visible_ = modele_.visible;
}

void FenetreModele::Transmettre(int id, Evenement e) {
  if (detache_) return;
  // A click always counts: one that no control takes goes to the window.
  const bool utile = id < 0 || e == Evenement::Clic || modele_.AUnGestionnaire(id, e);
  if (id < 0)
    modele_.Form_Click();
  else
    modele_.Envoyer(id, e);
  // A move over a control with no handler changes nothing: no redraw for it.
  if (!utile) return;
  // The owner hears first: the handler may have closed this window and freed its model.
  emit EvenementTransmis();
  if (!detache_) Synchroniser();
}

bool FenetreModele::eventFilter(QObject* objet, QEvent* event) {
  const QEvent::Type t = event->type();
  if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonRelease && t != QEvent::MouseMove) return false;
  auto* w = static_cast<QWidget*>(objet);
  // A disabled control lets the click go on to what holds it.
  if (!w->isEnabled() || detache_) return false;
  const auto* souris = static_cast<QMouseEvent*>(event);
  const int id = w->property(ProprieteId).toInt();
  if (t == QEvent::MouseMove) {
    Transmettre(id, Evenement::Survol);
  } else if (t == QEvent::MouseButtonPress) {
    // Any button presses a panel button in; only the left one clicks.
    Transmettre(id, Evenement::Bas);
  } else {
    Transmettre(id, Evenement::Haut);
    // Released over the control it was pressed on: a click.
    if (souris->button() == Qt::LeftButton && w->rect().contains(souris->position().toPoint()))
      Transmettre(id, Evenement::Clic);
  }
  return true;
}

void FenetreModele::mousePressEvent(QMouseEvent* event) { appuiFond_ = event->button() == Qt::LeftButton; }

void FenetreModele::mouseReleaseEvent(QMouseEvent* event) {
  const bool clic = appuiFond_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  appuiFond_ = false;
  if (clic && !detache_) Transmettre(-1, Evenement::Clic);
}
