// The yardstick for the game's start-up: the least a Qt Widgets program must do to show a window
// as large as the main window holding as many controls of the same kinds. Default style, default
// font, no pictures, no game.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstring>

#include "ControlCounts.h"

namespace {

QWidget* MakeControl(const char* kind, QWidget* parent, const QString& name) {
  if (std::strcmp(kind, "QGroupBox") == 0) return new QGroupBox(name, parent);
  if (std::strcmp(kind, "QCheckBox") == 0) return new QCheckBox(name, parent);
  if (std::strcmp(kind, "QRadioButton") == 0) return new QRadioButton(name, parent);
  if (std::strcmp(kind, "QPushButton") == 0) return new QPushButton(name, parent);
  if (std::strcmp(kind, "QFrame") == 0) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return frame;
  }
  if (std::strcmp(kind, "TChoiceBox") == 0 || std::strcmp(kind, "QComboBox") == 0) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems({name + QStringLiteral(" 1"), name + QStringLiteral(" 2")});
    return box;
  }
  return new QLabel(name, parent);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(546, 498);
  // Controls in rows of six cells, each 90 x 24 pixels, so that all of them are painted.
  int index = 0;
  for (const ControlCount& kind : kMainWindowControls) {
    for (int i = 0; i < kind.Count; ++i, ++index) {
      QWidget* control = MakeControl(kind.Kind, &window, QStringLiteral("C%1").arg(index));
      control->setGeometry(4 + (index % 6) * 90, 4 + (index / 6) * 24, 86, 22);
    }
  }
  window.show();
  return QApplication::exec();
}
