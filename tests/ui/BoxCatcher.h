// Answers the game's message boxes in a test: each box is recorded as the player would see it,
// an optional check runs while it is open, and then its "OK" is clicked.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

struct SeenBox {
  QString Title;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QStringList Buttons;
  bool ButtonIcons = false;
  bool Modal = false;
};

class BoxCatcher : public QObject {
 public:
  BoxCatcher() {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, &BoxCatcher::Answer);
    timer_.start();
  }

  QList<SeenBox> Boxes;
  // Runs while a box is open, before it is answered.
  std::function<void(QMessageBox*)> WhileOpen;

  QStringList Texts() const {
    QStringList texts;
    for (const SeenBox& box : Boxes) texts.append(box.Text);
    return texts;
  }

 private:
  void Answer() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (box == nullptr || !box->isVisible() || answering_) continue;
      answering_ = true;
      SeenBox seen{box->windowTitle(), box->text(), box->icon(), {}, false, box->isModal()};
      for (QAbstractButton* button : box->buttons()) {
        seen.Buttons.append(button->text());
        seen.ButtonIcons = seen.ButtonIcons || !button->icon().isNull();
      }
      Boxes.append(seen);
      if (WhileOpen) WhileOpen(box);
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else {
        box->reject();
      }
      answering_ = false;
    }
  }

  QTimer timer_;
  bool answering_ = false;
};
