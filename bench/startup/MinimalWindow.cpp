// The yardstick for the game's start-up: the main window's controls exactly as the window's
// definition lays them out (same size, same controls, same captions), shown by the least a Qt
// Widgets program does. Default font and style, no pictures, no credits window, no game.
#include <QApplication>
#include <QWidget>

#include "ui_MinimalWindow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  Ui::TForm1 controls;
  controls.setupUi(&window);
  window.show();
  return QApplication::exec();
}
