// TForm2: the small always-on-top credits window. It is created hidden at start-up with its
// credits already rolling; the main window's "About" shows it, its close box only hides it.
#pragma once

#include <QWidget>

class TZelCredits;

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  // `parent` is the main window that owns this one; without it the window stands alone.
  explicit TForm2(QWidget* parent = nullptr);

  TZelCredits* ZelCredits1;
};
