// Answers the game's message boxes in a test: each box is recorded as the player would see it,
// an optional check runs while it is open, and then its "OK" is clicked.
#pragma once

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
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
  int TextPixels = 0;    // the height of the face the message is written in
  int ButtonPixels = 0;  // and of its button's
  // Which of the window's activity group and choice boxes could be used behind the box.
  QStringList EnabledBehind;
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
      SeenBox seen;
      seen.Title = box->windowTitle();
      seen.Text = box->text();
      seen.Icon = box->icon();
      seen.Modal = box->isModal();
      for (QAbstractButton* button : box->buttons()) {
        seen.Buttons.append(button->text());
        seen.ButtonIcons = seen.ButtonIcons || !button->icon().isNull();
      }
      if (auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        seen.TextPixels = QFontInfo(text->font()).pixelSize();
      }
      if (!box->buttons().isEmpty()) {
        seen.ButtonPixels = QFontInfo(box->buttons().first()->font()).pixelSize();
      }
      if (QWidget* window = box->parentWidget()) {
        for (const char* name :
             {"RadioGroup1", "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4"}) {
          auto* control = window->findChild<QWidget*>(QLatin1String(name));
          if (control && control->isEnabled()) seen.EnabledBehind.append(QLatin1String(name));
        }
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
