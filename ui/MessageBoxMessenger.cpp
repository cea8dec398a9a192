#include "MessageBoxMessenger.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "PixelFonts.h"

QString ApplicationTitle(const QString& programPath) {
  const QString name = QFileInfo(programPath).completeBaseName();
  if (name.isEmpty()) return name;
  // Keep a first letter outside the basic plane whole.
  const qsizetype first = name.at(0).isHighSurrogate() && name.size() > 1 ? 2 : 1;
  return name.left(first) + name.mid(first).toLower();
}

MessageBoxMessenger::MessageBoxMessenger(QWidget* owner, std::function<void()> beforeShow)
    : owner_(owner), beforeShow_(std::move(beforeShow)) {}

void MessageBoxMessenger::Show(std::string_view text) {
  if (beforeShow_) beforeShow_();
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(QCoreApplication::applicationFilePath()),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, owner_);
  // A box is a window of its own and takes no font from the game's window: it is given the
  // window's face, as the program's default would, also where that default is not set.
  box.setFont(DesignFont(8, false));
  // No picture anywhere in the box, not even the one some styles put on the button.
  box.button(QMessageBox::Ok)->setIcon(QIcon());
  box.exec();
}
