#pragma once
// Draws any window model and forwards the window system's events to it: one widget per
// control (object name = the control's name, "_index" added for an element of an array),
// placed in its parent control's widget, in creation order. It keeps no game state: after each
// event it hands on, it redraws what the model changed and says so, so that the owner can
// redraw its other windows.
#include <QWidget>
#include <vector>

#include "table/modele.h"

class FenetreModele : public QWidget {
  Q_OBJECT

 public:
  FenetreModele(ModeleFenetre& modele, QWidget* parent = nullptr, Qt::WindowFlags drapeaux = {});

  // Brings the widgets in line with the model: only the controls that changed since the last
  // call, all of them the first time. Also the title, enabled state, pointer and background
  // of the window the widget sits in, and, for a window of its own, a change of its
  // visibility (the owner shows it the first time).
  void Synchroniser();
  // The model is going away (its window closes): from now on the widget never reads it.
  void Detacher() { detache_ = true; }
  // The widget of a control; nullptr for an unknown id.
  QWidget* Widget(int id) const;
  // The model's client area in pixels.
  QSize sizeHint() const override;

 signals:
  // After every event handed to the model that had a handler, before this window redraws:
  // the owner redraws its other windows, and detaches this one if its model is gone.
  void EvenementTransmis();

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Hands an event to the model (id -1: the window), then redraws.
  void Transmettre(int id, Evenement e);

 private:
  void CreerWidgets();
  void Appliquer(int id, bool tout);

  ModeleFenetre& modele_;
  std::vector<QWidget*> widgets_;
  std::vector<Controle> dessines_;  // each control as last drawn
  bool premier_ = true;
  bool detache_ = false;
  bool appuiFond_ = false;
  // Window state as last applied.
  std::string titre_;
  bool actif_ = true;
  bool visible_ = true;
  int16_t pointeur_ = -1;
  uint32_t fond_ = 0xFFFFFFFFu;
  int centrages_ = 0;
};

// The cursor of a model's mouse pointer (0 default, 10 up arrow, 11 busy, 12 forbidden).
Qt::CursorShape Curseur(int16_t pointeur);
