#include "Unit2.h"

#include <QFont>
#include <QStringList>

#include "PixelFonts.h"
#include "ZelCredits.h"

namespace {

const QStringList kCreditLines = {
    QString(),
    QString(),
    QStringLiteral("Составил"),
    QStringLiteral("Команда игры «Кеволан»"),
    QString(),
    QStringLiteral("Игра \"Кеволан\""),
};

}  // namespace

TForm2::TForm2(QWidget* parent)
    // A tool window: owned by the main window (given as the parent), it has no taskbar entry of
    // its own and stays above the game.
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Form2"));
  setFont(DesignFont(8, false));
  resize(188, 106);  // 196 x 133 with the frame and the title bar
  move(265, 141);
  // Only the main window keeps the program alive: closing it ends the game even while the
  // credits are open, and closing the credits just hides them.
  setAttribute(Qt::WA_QuitOnClose, false);

  ZelCredits1 = new TZelCredits(this);
  ZelCredits1->setObjectName(QStringLiteral("ZelCredits1"));
  ZelCredits1->setGeometry(0, 0, 185, 97);  // stays put when the window is resized
  ZelCredits1->setFrameStyle(QFrame::Box | QFrame::Plain);
  ZelCredits1->setLineWidth(1);
  // The box has a font of its own, not the window's, though the same one: 8 points.
  ZelCredits1->setFont(DesignFont(8, false));
  ZelCredits1->setReadOnly(true);
  ZelCredits1->SetLines(kCreditLines);
  ZelCredits1->SetSpeedRun(40);  // a line every 400 ms
  ZelCredits1->SetMove(mUp);
  ZelCredits1->SetRunCredits(true);  // rolls from now on, shown or hidden

  // A screen reader names the window and its box by what they hold; the caption stays "Form2".
  setAccessibleName(QStringLiteral("Об игре"));
  ZelCredits1->setAccessibleName(QStringLiteral("Титры игры"));
}
