#pragma once
// One QApplication for the whole test program, made by whichever test needs it first, and what
// the window tests share.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <QWindow>
#include <string>

// The fixture of every test that needs the application.
struct TestQt : ::testing::Test {
  static void SetUpTestSuite() {
    static int argc = 1;
    static char nom[] = "test_windows";
    static char* argv[] = {nom, nullptr};
    if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);  // kept until the program ends
  }
};

// The child so named, checked to be there.
template <class W = QWidget>
W* Trouver(const QObject& racine, const char* nom) {
  W* w = racine.findChild<W*>(QString::fromUtf8(nom));
  EXPECT_NE(w, nullptr) << nom;
  return w;
}

// What the window system is told of a window beside the main one: a dialog (kept above the window
// it is transient for) with a title bar, fixed with no button on it, or sizable with the usual ones.
inline void VerifierDecor(const QWidget& w, bool reglable) {
  const std::string nom = w.windowTitle().toStdString();
  EXPECT_EQ(w.windowType(), Qt::Dialog) << nom;
  EXPECT_TRUE(w.windowFlags() & Qt::WindowTitleHint) << nom << ": title bar";
  EXPECT_TRUE(w.windowFlags() & Qt::CustomizeWindowHint) << nom << ": no button but those asked for";
  const Qt::WindowFlags boutons = Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
  EXPECT_EQ((w.windowFlags() & boutons).toInt(), reglable ? boutons.toInt() : 0) << nom << ": title-bar buttons";
  EXPECT_EQ(w.minimumSize() != w.maximumSize(), reglable) << nom << ": sizable";
}

// A close request of the window system (title-bar button, Alt+F4); whether the window took it.
inline bool DemanderFermeture(QWidget& w) {
  QCloseEvent demande;
  QCoreApplication::sendEvent(w.windowHandle(), &demande);
  return demande.isAccepted();
}

// The widget shows the face from its top-left corner, unscaled, cut by the widget's size: drawn
// alone (no background) over transparency, it is that part of the face, compared in the
// premultiplied format both are drawn in.
inline void VerifierFace(QWidget* w, const QPixmap& face) {
  ASSERT_NE(w, nullptr);
  QImage vu(w->size(), QImage::Format_ARGB32_Premultiplied);
  vu.fill(Qt::transparent);
  w->render(&vu, QPoint(), QRegion(), {});
  EXPECT_TRUE(vu == face.toImage().convertToFormat(vu.format()).copy(w->rect())) << qPrintable(w->objectName());
}
