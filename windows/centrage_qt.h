#pragma once
// Puts a window in the middle of its screen before it is shown.
class QWidget;

void CentrerFenetre(QWidget& fenetre);
