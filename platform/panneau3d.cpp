#include "platform/panneau3d.h"

#include <qdrawutil.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include "platform/twips.h"

namespace {

// The role follows the panel's clickable flag at the moment it is asked.
class AccessiblePanneau : public QAccessibleWidget {
 public:
  explicit AccessiblePanneau(Panneau3D* panneau) : QAccessibleWidget(panneau, QAccessible::StaticText) {}
  QAccessible::Role role() const override {
    return static_cast<const Panneau3D*>(widget())->Cliquable() ? QAccessible::Button : QAccessible::StaticText;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const Panneau3D*>(widget())->Legende();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet) {
  if (classe == QLatin1String("Panneau3D") && objet && objet->isWidgetType())
    return new AccessiblePanneau(static_cast<Panneau3D*>(objet));
  return nullptr;
}

QColor Couleur(uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu)); }

}  // namespace

Panneau3D::Panneau3D(QWidget* parent) : QWidget(parent) {
  static const bool fabrique = [] {
    QAccessible::installFactory(FabriqueAccessible);
    return true;
  }();
  (void)fabrique;
  setAttribute(Qt::WA_OpaquePaintEvent);
  DefinirPolice(8.25f, false);
}

void Panneau3D::DefinirLegende(const QString& legende) {
  if (legende == legende_) return;
  legende_ = legende;
  setAccessibleName(legende);
  Redessiner();
}

void Panneau3D::DefinirPolice(float points, bool gras, const QString& famille) {
  QFont f = font();
  if (famille.isEmpty()) {
    // The captions were sized for a narrow sans-serif face.
    f.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow")});
    f.setStretch(QFont::Condensed);
  } else {
    f.setFamilies({famille});
    f.setStretch(QFont::AnyStretch);
  }
  f.setPixelSize(std::max(1, PointsEnPixels(points)));
  f.setBold(gras);
  if (f == font()) return;
  setFont(f);
  Redessiner();
}

void Panneau3D::DefinirCouleurs(uint32_t texte, uint32_t fond) {
  const QColor t = Couleur(texte), f = Couleur(fond);
  if (t == texte_ && f == fond_) return;
  texte_ = t;
  fond_ = f;
  Redessiner();
}

void Panneau3D::DefinirBiseau(int16_t biseau) {
  if (biseau == biseau_) return;
  biseau_ = biseau;
  Redessiner();
}

void Panneau3D::DefinirAlignement(int16_t alignement) {
  if (alignement == alignement_) return;
  alignement_ = alignement;
  Redessiner();
}

void Panneau3D::Redessiner() {
  image_ = QPixmap();
  QWidget::update();
}

void Panneau3D::resizeEvent(QResizeEvent*) { image_ = QPixmap(); }

void Panneau3D::paintEvent(QPaintEvent*) {
  // Drawn once into a picture and copied afterwards: the window repaints often, a panel
  // seldom changes.
  const qreal echelle = devicePixelRatioF();
  if (image_.isNull() || image_.devicePixelRatio() != echelle) {
    image_ = QPixmap(size() * echelle);
    image_.setDevicePixelRatio(echelle);
    QPainter p(&image_);
    p.setFont(font());
    Dessiner(p);
  }
  QPainter(this).drawPixmap(0, 0, image_);
}

void Panneau3D::Dessiner(QPainter& p) {
  p.fillRect(rect(), fond_);
  if (biseau_ == Creux || biseau_ == Relief) {
    // Light and shadow taken from the panel's own colour, as a 3-D control does.
    QPalette bord;
    bord.setColor(QPalette::Light, fond_.lighter(150));
    bord.setColor(QPalette::Dark, fond_.darker(200));
    bord.setColor(QPalette::Mid, fond_.darker(150));
    qDrawShadePanel(&p, rect(), bord, biseau_ == Creux, 1);
  }
  if (legende_.isEmpty()) return;
  Qt::Alignment h = Qt::AlignHCenter;
  if (alignement_ == Gauche) h = Qt::AlignLeft;
  if (alignement_ == Droite) h = Qt::AlignRight;
  p.setPen(texte_);
  p.drawText(rect().adjusted(3, 2, -3, -2), static_cast<int>(h | Qt::AlignVCenter | Qt::TextWordWrap), legende_);
}
