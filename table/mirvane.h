#pragma once
// The main window: for now the empty table.
#include <QMainWindow>

class Mirvane : public QMainWindow {
  Q_OBJECT

 public:
  explicit Mirvane(QWidget* parent = nullptr);
};
