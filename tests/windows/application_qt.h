#pragma once
// One QApplication for the whole test program, made by whichever test needs it first.
#include <gtest/gtest.h>

#include <QApplication>

inline void AssurerApplicationQt() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char nom[] = "test_windows";
  static char* argv[] = {nom, nullptr};
  new QApplication(argc, argv);  // kept until the program ends
}

// The fixture of every test that needs the application.
struct TestQt : ::testing::Test {
  static void SetUpTestSuite() { AssurerApplicationQt(); }
};
