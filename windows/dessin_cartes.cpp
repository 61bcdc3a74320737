#include "windows/dessin_cartes.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTransform>
#include <algorithm>
#include <array>

#include "game/carte.h"

namespace {

// Fonts come from their files, not from fontconfig, so that the faces never depend on the
// fonts a machine happens to prefer.
const QString DossierPolices = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
const QString PoliceGrasse = QStringLiteral("DejaVuSans-Bold.ttf");

constexpr int Milieu = HauteurCarte / 2;  // a double-ended face turns about this line

const QColor Rouge(0xc8, 0x10, 0x20);
const QColor Noir(0x18, 0x18, 0x18);
const QColor Trait(0x30, 0x30, 0x30);
const QColor Or(0xe2, 0xb4, 0x2a);
const QColor OrSombre(0x9a, 0x72, 0x10);
const QColor Peau(0xf6, 0xd5, 0xb5);
const QColor Cheveux(0x6b, 0x40, 0x1e);
const QColor Atout(0x3a, 0x2c, 0x6e);  // tab behind a trump's number

QColor CouleurSigne(int16_t couleur) { return couleur == CouleurCoeur || couleur == CouleurCarreau ? Rouge : Noir; }

// Kept for the whole run: a font engine must not outlive the application at exit.
const QRawFont& Police() {
  static const QRawFont* police = new QRawFont(DossierPolices + PoliceGrasse, 100, QFont::PreferNoHinting);
  return *police;
}

// The text as glyph outlines (unhinted), scaled so that its capitals are `hauteur` pixels
// tall; `etroit` narrows wide numbers such as "10".
QPainterPath CheminTexte(const QString& texte, qreal hauteur, qreal etroit = 1.0) {
  const QRawFont& police = Police();
  const QList<quint32> glyphes = police.glyphIndexesForString(texte);
  const QList<QPointF> avances = police.advancesForGlyphIndexes(glyphes);
  QPainterPath chemin;
  qreal x = 0;
  for (qsizetype i = 0; i < glyphes.size(); ++i) {
    chemin.addPath(police.pathForGlyph(glyphes[i]).translated(x, 0));
    x += avances[i].x();
  }
  const qreal echelle = police.capHeight() > 0 ? hauteur / police.capHeight() : 0;
  return QTransform::fromScale(echelle * etroit, echelle).map(chemin);
}

// Fills the path with its bounding box centred on `centre`.
void RemplirCentre(QPainter& p, const QPainterPath& chemin, QPointF centre, const QColor& c) {
  p.fillPath(chemin.translated(centre - chemin.boundingRect().center()), c);
}

// A 6 or a 9 is underlined, so that neither reads as the other upside down.
void Texte(QPainter& p, const QString& texte, QPointF centre, qreal hauteur, const QColor& c) {
  RemplirCentre(p, CheminTexte(texte, hauteur, texte.size() > 1 ? 0.8 : 1.0), centre, c);
  // The line stays close under a large number, clear of the sign beneath it.
  const qreal u = hauteur / 26;
  const qreal haut = centre.y() + std::min(15 * u, hauteur / 2 + 2);
  if (texte == QLatin1String("6") || texte == QLatin1String("9"))
    p.fillRect(QRectF(centre.x() - 7 * u, haut, 14 * u, std::min(2 * u, 2.0)), c);
}

// Suit signs and the star, drawn on a 200-unit grid (fine enough for the unions below).
QPainterPath Pied() {
  QPainterPath pied;
  pied.moveTo(-9, 20);
  pied.quadTo(-6, 78, -42, 100);
  pied.lineTo(42, 100);
  pied.quadTo(6, 78, 9, 20);
  pied.closeSubpath();
  return pied;
}

QPainterPath Cercle(qreal x, qreal y, qreal r) {
  QPainterPath c;
  c.addEllipse(QPointF(x, y), r, r);
  return c;
}

QPainterPath FormeSigne(int16_t couleur) {
  QPainterPath s;
  switch (couleur) {
    case CouleurCoeur:
      s.moveTo(0, 100);
      s.cubicTo(-30, 62, -100, 30, -100, -28);
      s.cubicTo(-100, -80, -32, -104, 0, -56);
      s.cubicTo(32, -104, 100, -80, 100, -28);
      s.cubicTo(100, 30, 30, 62, 0, 100);
      return s;
    case CouleurCarreau:
      s.moveTo(0, -100);
      s.quadTo(24, -32, 84, 0);
      s.quadTo(24, 32, 0, 100);
      s.quadTo(-24, 32, -84, 0);
      s.quadTo(-24, -32, 0, -100);
      return s;
    case CouleurPique:
      s.moveTo(0, -100);
      s.cubicTo(30, -62, 96, -30, 96, 20);
      s.cubicTo(96, 64, 38, 76, 0, 40);
      s.cubicTo(-38, 76, -96, 64, -96, 20);
      s.cubicTo(-96, -30, -30, -62, 0, -100);
      return s.united(Pied());
    case CouleurTrefle:
      s = Cercle(0, -52, 42).united(Cercle(-50, 14, 42)).united(Cercle(50, 14, 42));
      s = s.united(Cercle(0, 0, 26));
      return s.united(Pied());
    default:  // a five-pointed star
      for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? 100 : 40;
        const QPointF point = QTransform().rotate(36.0 * i).map(QPointF(0, -r));
        if (i == 0) {
          s.moveTo(point);
        } else {
          s.lineTo(point);
        }
      }
      s.closeSubpath();
      return s;
  }
}

// A suit sign (or the star, for any other code) `hauteur` pixels tall, centred.
void Signe(QPainter& p, int16_t couleur, QPointF centre, qreal hauteur, const QColor& c, bool renverse = false) {
  static const std::array<QPainterPath, 5> formes = {FormeSigne(-1), FormeSigne(1), FormeSigne(2), FormeSigne(3),
                                                     FormeSigne(4)};
  const QPainterPath& forme = formes[static_cast<std::size_t>(couleur >= 1 && couleur <= 4 ? couleur : 0)];
  QTransform t;
  t.scale(hauteur / forme.boundingRect().height(), hauteur / forme.boundingRect().height());
  if (renverse) t.rotate(180);
  RemplirCentre(p, t.map(forme), centre, c);
}

void Etoile(QPainter& p, QPointF centre, qreal hauteur, const QColor& c) { Signe(p, -1, centre, hauteur, c); }

// ---- the corner index: the only part of a face the small card boxes show ----

QString TexteValeur(int16_t valeur) {
  static const char* const figures[] = {"V", "C", "D", "R"};
  return valeur >= 11 ? QString::fromLatin1(figures[valeur - 11]) : QString::number(valeur);
}

void IndexCouleur(QPainter& p, int16_t couleur, int16_t valeur) {
  const QColor c = CouleurSigne(couleur);
  Texte(p, TexteValeur(valeur), QPointF(13.5, 11.5), 15, c);
  Signe(p, couleur, QPointF(13.5, 30.5), 15, c);
}

void IndexAtout(QPainter& p, int16_t valeur) {
  QPainterPath onglet;
  onglet.addRoundedRect(QRectF(2.5, 3.5, 23, 20), 3, 3);
  p.fillPath(onglet, Atout);
  Texte(p, QString::number(valeur), QPointF(14, 13.5), 13, Qt::white);
  // Three small stars under the tab tell a trump from a plain card at a glance.
  for (int i = 0; i < 3; ++i) Etoile(p, QPointF(7 + 7 * i, 31), 6, Atout);
}

// ---- the card and its frame ----

void Fond(QPainter& p) {
  QPainterPath bord;
  bord.addRoundedRect(QRectF(0.5, 0.5, LargeurCarte - 1, HauteurCarte - 1), 6, 6);
  p.fillPath(bord, Qt::white);
  p.strokePath(bord, QPen(Trait, 1));
}

// The frame of a picture face, cut away at the two corners that carry the index.
QPainterPath Cadre() {
  QPainterPath cadre;
  cadre.moveTo(26.5, 6.5);
  cadre.lineTo(83.5, 6.5);
  cadre.lineTo(83.5, 109.5);
  cadre.lineTo(63.5, 109.5);
  cadre.lineTo(63.5, 143.5);
  cadre.lineTo(6.5, 143.5);
  cadre.lineTo(6.5, 40.5);
  cadre.lineTo(26.5, 40.5);
  cadre.closeSubpath();
  return cadre;
}

void CadreRempli(QPainter& p, const QColor& fond, const QColor& trait) {
  p.fillPath(Cadre(), fond);
  p.strokePath(Cadre(), QPen(trait, 1));
}

void LigneMilieu(QPainter& p, const QColor& c) { p.fillRect(QRectF(7, Milieu - 1, 76, 1), c); }

// Draws the upper half with `moitie`, then gives the lower half the same picture turned
// half a turn, pixel for pixel, so a double-ended face reads the same both ways up.
template <class Moitie>
QImage DoubleTete(Moitie moitie) {
  QImage image(LargeurCarte, HauteurCarte, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(0, 0, LargeurCarte, Milieu);
    Fond(p);
    moitie(p);
  }
  for (int y = Milieu; y < HauteurCarte; ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
    const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(HauteurCarte - 1 - y));
    for (int x = 0; x < LargeurCarte; ++x) ligne[x] = source[LargeurCarte - 1 - x];
  }
  return image;
}

// ---- plain cards 1..10 ----

QImage CartePoints(int16_t couleur, int16_t valeur) {
  QImage image = DoubleTete([&](QPainter& p) { IndexCouleur(p, couleur, valeur); });
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor c = CouleurSigne(couleur);
  Texte(p, QString::number(valeur), QPointF(45, Milieu), 40, c);
  Signe(p, couleur, QPointF(45, 39), 17, c);
  Signe(p, couleur, QPointF(45, HauteurCarte - 39), 17, c, true);
  return image;
}

// ---- courts 11..14 ----

struct Habit {
  QColor principal;
  QColor parement;
};

Habit HabitCouleur(int16_t couleur) {
  switch (couleur) {
    case CouleurPique:
      return {QColor(0x2c, 0x48, 0x7e), Or};
    case CouleurCoeur:
      return {QColor(0xb8, 0x1c, 0x2a), Or};
    case CouleurTrefle:
      return {QColor(0x2d, 0x6a, 0x3c), Or};
    default:
      return {QColor(0x7a, 0x3a, 0x8c), QColor(0xf0, 0x8c, 0x20)};
  }
}

void Visage(QPainter& p, QPointF tete) {
  p.setPen(QPen(Trait, 0.8));
  p.setBrush(Peau);
  p.drawRect(QRectF(tete.x() - 3, tete.y() + 6, 6, 9));  // neck
  p.drawEllipse(tete, 8, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(Noir);
  p.drawEllipse(tete + QPointF(-3, -1), 1.0, 1.2);
  p.drawEllipse(tete + QPointF(3, -1), 1.0, 1.2);
  p.setPen(QPen(QColor(0xa0, 0x30, 0x30), 1));
  p.setBrush(Qt::NoBrush);
  p.drawLine(tete + QPointF(-2, 4.5), tete + QPointF(2, 4.5));
}

// Shoulders and chest from under the head down to the middle line.
QPainterPath Corps(QPointF tete, qreal demiLargeur) {
  const qreal x = tete.x();
  const qreal col = tete.y() + 14;
  QPainterPath corps;
  corps.moveTo(x - demiLargeur, Milieu);
  corps.cubicTo(x - demiLargeur, col + 12, x - demiLargeur + 7, col + 2, x - 6, col);
  corps.lineTo(x + 6, col);
  corps.cubicTo(x + demiLargeur - 7, col + 2, x + demiLargeur, col + 12, x + demiLargeur, Milieu);
  corps.closeSubpath();
  return corps;
}

void Buste(QPainter& p, QPointF tete, const Habit& habit) {
  const qreal x = tete.x();
  const qreal col = tete.y() + 14;
  const QPainterPath corps = Corps(tete, 24);
  p.fillPath(corps, habit.principal);
  p.strokePath(corps, QPen(Trait, 0.8));
  QPainterPath encolure;
  encolure.moveTo(x - 7, col);
  encolure.lineTo(x, col + 9);
  encolure.lineTo(x + 7, col);
  encolure.closeSubpath();
  p.fillPath(encolure, Qt::white);
  p.strokePath(encolure, QPen(Trait, 0.8));
  p.fillRect(QRectF(x - 1.5, col + 9, 3, Milieu - col - 9), habit.parement);
  for (int i = 0; i < 2; ++i) {
    p.setPen(QPen(habit.parement, 2));
    p.drawLine(QPointF(x - 20 + 34 * i, Milieu - 11), QPointF(x - 14 + 22 * i, col + 5));
  }
}

void Couronne(QPainter& p, QPointF tete) {
  QPainterPath c;
  const qreal x = tete.x();
  const qreal y = tete.y() - 7;
  c.moveTo(x - 9, y);
  c.lineTo(x - 10, y - 11);
  c.lineTo(x - 5, y - 6);
  c.lineTo(x, y - 14);
  c.lineTo(x + 5, y - 6);
  c.lineTo(x + 10, y - 11);
  c.lineTo(x + 9, y);
  c.closeSubpath();
  p.fillPath(c, Or);
  p.strokePath(c, QPen(OrSombre, 0.8));
  p.setPen(Qt::NoPen);
  p.setBrush(Rouge);
  p.drawEllipse(QPointF(x, y - 4), 1.6, 1.6);
}

void Plume(QPainter& p, QPointF base, QPointF pointe, const QColor& c) {
  const QPointF d = pointe - base;
  const QPointF n(-d.y() * 0.18, d.x() * 0.18);
  QPainterPath plume;
  plume.moveTo(base);
  plume.quadTo(base + d * 0.5 + n, pointe);
  plume.quadTo(base + d * 0.5 - n, base);
  p.fillPath(plume, c);
  p.strokePath(plume, QPen(c.darker(140), 0.6));
}

// What each court holds in its right hand: halberd, sword, flower, sceptre.
void Attribut(QPainter& p, int16_t valeur, QPointF main) {
  const qreal x = main.x();
  const QColor acier(0xc8, 0xcc, 0xd2);
  p.setPen(QPen(Trait, 0.7));
  switch (valeur) {
    case 11: {
      p.fillRect(QRectF(x - 1, 34, 2, Milieu - 34), QColor(0x8a, 0x5a, 0x2a));
      QPainterPath fer;
      fer.moveTo(x, 27);
      fer.lineTo(x + 2, 36);
      fer.quadTo(x + 8, 36, x + 9, 42);
      fer.lineTo(x - 1, 42);
      fer.lineTo(x - 2, 36);
      fer.closeSubpath();
      p.fillPath(fer, acier);
      p.strokePath(fer, QPen(Trait, 0.7));
      break;
    }
    case 12: {
      QPainterPath lame;
      lame.moveTo(x, 28);
      lame.lineTo(x + 2.2, 33);
      lame.lineTo(x + 2.2, main.y() - 6);
      lame.lineTo(x - 2.2, main.y() - 6);
      lame.lineTo(x - 2.2, 33);
      lame.closeSubpath();
      p.fillPath(lame, acier);
      p.strokePath(lame, QPen(Trait, 0.7));
      p.fillRect(QRectF(x - 6, main.y() - 6, 12, 2.5), OrSombre);
      p.fillRect(QRectF(x - 1.2, main.y() - 4, 2.4, 10), QColor(0x5a, 0x3a, 0x1a));
      break;
    }
    case 13: {
      p.fillRect(QRectF(x - 0.8, 44, 1.6, Milieu - 44), QColor(0x3a, 0x8a, 0x3a));
      p.setBrush(QColor(0xe8, 0x50, 0x70));
      for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QTransform().rotate(72.0 * i).map(QPointF(0, -3.2)) + QPointF(x, 42), 2.6, 2.6);
      }
      p.setBrush(Or);
      p.drawEllipse(QPointF(x, 42), 1.8, 1.8);
      break;
    }
    default: {
      p.fillRect(QRectF(x - 1.2, 40, 2.4, Milieu - 40), Or);
      p.setBrush(Or);
      p.setPen(QPen(OrSombre, 0.7));
      p.drawEllipse(QPointF(x, 37), 3.5, 3.5);
      p.fillRect(QRectF(x - 0.7, 29, 1.4, 5), OrSombre);
      p.fillRect(QRectF(x - 2.5, 30.5, 5, 1.4), OrSombre);
      break;
    }
  }
  p.setPen(QPen(Trait, 0.7));
  p.setBrush(Peau);
  p.drawEllipse(main, 3.2, 3.2);
}

void Figure(QPainter& p, int16_t couleur, int16_t valeur) {
  const Habit habit = HabitCouleur(couleur);
  const QPointF tete(53, 30);
  const qreal x = tete.x();
  CadreRempli(p, QColor(0xfb, 0xf3, 0xdf), Trait);
  // The hand-held suit sign, large enough to name the suit without the corner.
  Signe(p, couleur, QPointF(17, 57), 14, CouleurSigne(couleur));

  if (valeur == 13) {  // the queen's hair falls behind her shoulders
    QPainterPath cheveux;
    cheveux.addRoundedRect(QRectF(x - 12, tete.y() - 11, 24, 30), 10, 10);
    p.fillPath(cheveux, Cheveux);
  }
  Buste(p, tete, habit);
  Visage(p, tete);
  p.setPen(Qt::NoPen);
  switch (valeur) {
    case 11: {  // the jack: a soft cap with a feather
      p.setBrush(habit.principal);
      p.drawEllipse(QRectF(x - 11, tete.y() - 14, 22, 10));
      Plume(p, QPointF(x + 4, tete.y() - 10), QPointF(x + 18, tete.y() - 22), habit.parement);
      break;
    }
    case 12: {  // the knight: a helmet and its plume
      QPainterPath casque;
      casque.moveTo(x - 9, tete.y() - 1);
      casque.cubicTo(x - 10, tete.y() - 16, x + 10, tete.y() - 16, x + 9, tete.y() - 1);
      casque.closeSubpath();
      p.fillPath(casque, QColor(0xa8, 0xb0, 0xb8));
      p.strokePath(casque, QPen(Trait, 0.8));
      p.fillRect(QRectF(x - 0.8, tete.y() - 2, 1.6, 6), QColor(0x70, 0x78, 0x80));
      Plume(p, QPointF(x, tete.y() - 12), QPointF(x + 22, tete.y() - 16), habit.parement);
      break;
    }
    case 13: {  // the queen: a small crown and a pearl necklace
      p.setBrush(Or);
      p.drawRect(QRectF(x - 8, tete.y() - 11, 16, 3));
      for (int i = -1; i <= 1; ++i) p.drawEllipse(QPointF(x + 6 * i, tete.y() - 12.5), 1.8, 1.8);
      p.setBrush(Qt::white);
      for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(x - 8 + 4 * i, tete.y() + 20), 1.3, 1.3);
      break;
    }
    default: {  // the king: a crown and a beard
      QPainterPath barbe;
      barbe.moveTo(x - 8, tete.y() + 1);
      barbe.cubicTo(x - 8, tete.y() + 14, x + 8, tete.y() + 14, x + 8, tete.y() + 1);
      barbe.cubicTo(x + 4, tete.y() + 6, x - 4, tete.y() + 6, x - 8, tete.y() + 1);
      p.fillPath(barbe, Cheveux);
      Couronne(p, tete);
      break;
    }
  }
  Attribut(p, valeur, QPointF(72, 64));
  LigneMilieu(p, Trait);
}

QImage CarteFigure(int16_t couleur, int16_t valeur) {
  return DoubleTete([&](QPainter& p) {
    Figure(p, couleur, valeur);
    IndexCouleur(p, couleur, valeur);
  });
}

// ---- trumps ----

// Each trump has its own tint, going round the colour wheel from 1 to 21.
QColor TeinteAtout(int16_t valeur) { return QColor::fromHsv((valeur - 1) * 17 % 360, 70, 245); }

QImage CarteAtout(int16_t valeur) {
  return DoubleTete([&](QPainter& p) {
    const QColor teinte = TeinteAtout(valeur);
    const bool bout = valeur == 1 || valeur == 21;
    CadreRempli(p, teinte, Atout);
    const QPointF centre(54, 37);
    // Rays behind the medal.
    p.save();
    p.setClipPath(Cadre(), Qt::IntersectClip);
    p.setPen(QPen(teinte.darker(120), 3));
    for (int i = 0; i < 12; ++i) {
      const QPointF rayon = QTransform().rotate(15 + 30.0 * i).map(QPointF(0, -70));
      p.drawLine(centre, centre + rayon);
    }
    p.restore();
    p.setPen(QPen(bout ? OrSombre : Atout, 2));
    p.setBrush(bout ? QColor(0xff, 0xf1, 0xc0) : QColor(Qt::white));
    p.drawEllipse(centre, 26, 22);
    Texte(p, QString::number(valeur), centre, 26, Atout);
    if (bout) {  // the two trump oudlers wear gold stars
      Etoile(p, QPointF(16, 58), 11, OrSombre);
      Etoile(p, QPointF(76, 62), 11, OrSombre);
    }
    LigneMilieu(p, Atout);
    IndexAtout(p, valeur);
  });
}

// ---- the Excuse: a jester with his mandolin, under the stars ----

void Mandoline(QPainter& p, QPointF centre, qreal angle) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  const QColor bois(0xc8, 0x7c, 0x34);
  const QColor sombre(0x4a, 0x2a, 0x10);
  p.setPen(QPen(sombre, 0.7));
  p.setBrush(sombre);
  p.drawRect(QRectF(6, -1.4, 15, 2.8));  // neck
  p.drawRect(QRectF(20, -2.4, 5, 4.8));  // pegbox
  QPainterPath caisse;                   // a pear-shaped body
  caisse.moveTo(8, 0);
  caisse.cubicTo(4, -7, -9, -8, -9, 0);
  caisse.cubicTo(-9, 8, 4, 7, 8, 0);
  p.fillPath(caisse, bois);
  p.strokePath(caisse, QPen(sombre, 0.8));
  p.setBrush(sombre);
  p.drawEllipse(QPointF(0.5, 0), 2, 2);
  p.setPen(QPen(QColor(0xf0, 0xe8, 0xd0), 0.5));
  p.drawLine(QPointF(-6, 0), QPointF(21, 0));
  p.restore();
}

QImage CarteExcuse() {
  return DoubleTete([&](QPainter& p) {
    const QColor nuit(0x1e, 0x2a, 0x52);
    const QColor pale(0xf4, 0xe0, 0x90);
    const QColor rouge(0xd8, 0x30, 0x30);
    const QColor vert(0x2e, 0x9a, 0x4a);
    CadreRempli(p, nuit, Trait);
    const QPointF etoiles[] = {{34, 12}, {76, 14}, {14, 68}, {79, 44}, {32, 36}, {72, 70}};
    for (const QPointF& e : etoiles) Etoile(p, e, 6, pale);

    const QPointF tete(53, 36);
    const qreal x = tete.x();
    const qreal y = tete.y();
    // Motley: two colours split down the middle.
    const QPainterPath corps = Corps(tete, 22);
    p.fillPath(corps, rouge);
    p.save();
    p.setClipRect(QRectF(x, 0, 40, Milieu), Qt::IntersectClip);
    p.fillPath(corps, vert);
    p.restore();
    p.strokePath(corps, QPen(Trait, 0.8));
    // A zigzag collar with bells.
    QPainterPath col;
    col.moveTo(x - 13, y + 11);
    for (int i = 0; i <= 6; ++i) col.lineTo(x - 13 + 26.0 * i / 6, y + (i % 2 == 0 ? 11 : 21));
    col.closeSubpath();
    p.fillPath(col, Or);
    p.strokePath(col, QPen(OrSombre, 0.6));
    Visage(p, tete);
    // The cap: three horns, each with its bell.
    struct Corne {
      QPointF debut, fin, pointe, c1, c2;
      QColor couleur;
    };
    const Corne cornes[] = {
        {{x - 9, y - 3}, {x - 2, y - 8}, {x - 21, y - 15}, {x - 15, y - 3}, {x - 9, y - 15}, rouge},
        {{x + 9, y - 3}, {x + 2, y - 8}, {x + 21, y - 15}, {x + 15, y - 3}, {x + 9, y - 15}, vert},
        {{x - 5, y - 7}, {x + 5, y - 7}, {x, y - 27}, {x - 7, y - 17}, {x + 7, y - 17}, Or},
    };
    for (const Corne& corne : cornes) {
      QPainterPath chemin;
      chemin.moveTo(corne.debut);
      chemin.quadTo(corne.c1, corne.pointe);
      chemin.quadTo(corne.c2, corne.fin);
      chemin.closeSubpath();
      p.fillPath(chemin, corne.couleur);
      p.strokePath(chemin, QPen(Trait, 0.6));
    }
    for (const Corne& corne : cornes) {
      p.setPen(QPen(OrSombre, 0.6));
      p.setBrush(pale);
      p.drawEllipse(corne.pointe, 2.3, 2.3);
    }
    QPainterPath bandeau;
    bandeau.addRoundedRect(QRectF(x - 9.5, y - 9, 19, 4.5), 2, 2);
    p.fillPath(bandeau, Or);
    p.strokePath(bandeau, QPen(OrSombre, 0.6));
    Mandoline(p, QPointF(22, 58), -50);
    p.setPen(QPen(Trait, 0.7));
    p.setBrush(Peau);
    p.drawEllipse(QPointF(33, 66), 3.2, 3.2);  // the hand on the strings
    LigneMilieu(p, pale);
    // The corner: a star alone.
    Etoile(p, QPointF(13.5, 18), 20, Noir);
  });
}

}  // namespace

int16_t NombreImages(int16_t couleur) { return couleur == CouleurAtout ? 22 : 14; }

QString NomFichierCarte(int16_t couleur, int16_t indice) {
  static const char* const noms[] = {"atout", "pique", "coeur", "trefle", "carreau"};
  if (couleur == CouleurAtout && indice == 22) return QStringLiteral("excuse.png");
  return QStringLiteral("%1-%2.png").arg(QString::fromLatin1(noms[couleur])).arg(indice, 2, 10, QLatin1Char('0'));
}

bool PolicesDisponibles() { return QFile::exists(DossierPolices + PoliceGrasse) && Police().isValid(); }

QImage DessinerCarte(int16_t couleur, int16_t indice) {
  if (couleur == CouleurAtout) return indice == 22 ? CarteExcuse() : CarteAtout(indice);
  return indice <= 10 ? CartePoints(couleur, indice) : CarteFigure(couleur, indice);
}

QImage DessinerIcone() {
  QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x0b, 0x5d, 0x2a));
  p.drawEllipse(QRectF(4, 4, 120, 120));
  // Two cards fanned out: a heart behind, a trump in front.
  const struct {
    QPointF centre;
    qreal angle;
    bool atout;
  } cartes[] = {{{48, 62}, -14, false}, {{78, 68}, 10, true}};
  for (const auto& carte : cartes) {
    p.save();
    p.translate(carte.centre);
    p.rotate(carte.angle);
    QPainterPath bord;
    bord.addRoundedRect(QRectF(-22, -35, 44, 70), 5, 5);
    p.fillPath(bord, Qt::white);
    p.strokePath(bord, QPen(Trait, 1.5));
    if (carte.atout) {
      p.setPen(QPen(Atout, 2));
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(0, 0), 16, 14);
      Texte(p, QStringLiteral("21"), QPointF(0, 0), 15, Atout);
    } else {
      Signe(p, CouleurCoeur, QPointF(-4, -6), 24, Rouge);
    }
    p.restore();
  }
  return image;
}

QImage DessinerImageAccueil() {
  QImage image(95, 129, QImage::Format_RGB888);
  image.fill(QColor(0x0b, 0x5d, 0x2a));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setPen(QPen(Or, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2, 2, 91, 125));
  // The Excuse, the Petit and the 21, at half size, fanned from a point below the middle.
  const struct {
    int16_t indice;
    qreal angle;
  } cartes[] = {{22, -16}, {1, 0}, {21, 16}};
  for (const auto& carte : cartes) {
    p.save();
    p.translate(47.5, 96);
    p.rotate(carte.angle);
    p.scale(0.5, 0.5);
    p.drawImage(QPointF(-LargeurCarte / 2.0, -HauteurCarte - 10.0), DessinerCarte(CouleurAtout, carte.indice));
    p.restore();
  }
  Texte(p, QStringLiteral("MIRVANE"), QPointF(47.5, 113), 11, Or);
  return image;
}
