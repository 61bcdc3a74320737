#pragma once
// The main window: for now the empty table.
#include <QMainWindow>

class FenetreMirvane : public QMainWindow {
  Q_OBJECT

 public:
  explicit FenetreMirvane(QWidget* parent = nullptr);
};
