// The rules' messages as the player sees them: a modal box with no icon and one "OK" button,
// standing over the window as the turn has left it so far.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "Messenger.h"

// The application title: the program file's name without folder and extension, its first letter
// as it stands and the rest in lower case ("/usr/bin/Kevolan.EXE" gives "Kevolan").
QString ApplicationTitle(const QString& programPath);

class MessageBoxMessenger : public kevolan::Messenger {
 public:
  // `beforeShow` brings the window up to date with the state before each box appears.
  MessageBoxMessenger(QWidget* owner, std::function<void()> beforeShow);

  void Show(std::string_view text) override;

 private:
  QPointer<QWidget> owner_;
  std::function<void()> beforeShow_;
};
