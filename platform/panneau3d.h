#pragma once
// The 3-D panel of the game's windows, also used as a panel button: a caption (word-wrapped,
// lines split at '\n'), a font size and weight, text and background colours, and an outer
// bevel that is none, inset or raised. It paints only; the window that owns it forwards the
// clicks. Accessibility tools see its caption as its name, and a push button when it takes
// clicks.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdint>

class Panneau3D : public QWidget {
  Q_OBJECT

 public:
  enum Biseau : int16_t { Aucun = 0, Creux = 1, Relief = 2 };
  enum Alignement : int16_t { Centre = 0, Gauche = 1, Droite = 2 };

  explicit Panneau3D(QWidget* parent = nullptr);

  const QString& Legende() const { return legende_; }
  void DefinirLegende(const QString& legende);
  // Size in points, as the models give it; no family: the narrow sans-serif of the game.
  void DefinirPolice(float points, bool gras, const QString& famille = {});
  void DefinirCouleurs(uint32_t texte, uint32_t fond);  // 0xRRGGBB
  void DefinirBiseau(int16_t biseau);
  int16_t BiseauCourant() const { return biseau_; }
  void DefinirAlignement(int16_t alignement);
  // A panel that takes clicks is announced as a push button.
  void DefinirCliquable(bool cliquable) { cliquable_ = cliquable; }
  bool Cliquable() const { return cliquable_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Forgets the picture of the panel and asks for a repaint.
  void Redessiner();
  void Dessiner(QPainter& p);

  QPixmap image_;
  QString legende_;
  QColor texte_{Qt::black};
  QColor fond_{0xC0, 0xC0, 0xC0};
  int16_t biseau_ = Relief;
  int16_t alignement_ = Centre;
  bool cliquable_ = false;
};
