#pragma once
// One QApplication for the whole test program, made by whichever test needs it first, and what
// the window tests share.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

// The fixture of every test that needs the application.
struct TestQt : ::testing::Test {
  static void SetUpTestSuite() {
    static int argc = 1;
    static char nom[] = "test_windows";
    static char* argv[] = {nom, nullptr};
    if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);  // kept until the program ends
  }
};

// A window of fixed size with no control box, or a sizable one with the usual title-bar buttons.
inline bool Fixe(const QWidget& w) {
  return !(w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)) &&
         w.minimumSize() == w.maximumSize();
}
inline bool Reglable(const QWidget& w) {
  return (w.windowFlags() & Qt::WindowCloseButtonHint) && w.minimumSize() != w.maximumSize();
}

// The widget shows the face from its top-left corner, unscaled, cut by the widget's size: every
// opaque pixel of the face it covers is on screen at the same place.
inline void VerifierFace(QWidget* w, const QPixmap& face) {
  ASSERT_NE(w, nullptr);
  const QImage vu = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage attendu = face.toImage().convertToFormat(QImage::Format_ARGB32);
  const int largeur = std::min(vu.width(), attendu.width()), hauteur = std::min(vu.height(), attendu.height());
  int comparees = 0;
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x)
      if (qAlpha(attendu.pixel(x, y)) == 255) {
        ASSERT_EQ(vu.pixel(x, y), attendu.pixel(x, y)) << qPrintable(w->objectName()) << " " << x << "," << y;
        ++comparees;
      }
  EXPECT_GT(comparees, largeur * hauteur * 9 / 10) << qPrintable(w->objectName());
}
