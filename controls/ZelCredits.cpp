#include "ZelCredits.h"

#include <QPalette>
#include <QTextOption>
#include <limits>

namespace {

constexpr int kMsPerSpeedUnit = 10;
constexpr int kDefaultSpeed = 20;  // a line every 200 ms

// Speed in 10-ms units to a timer period; periods beyond what the timer can hold are cut to its
// longest one instead of wrapping round.
int PeriodOf(int speed) {
  constexpr int kLongest = std::numeric_limits<int>::max();
  if (speed <= 0) return 0;
  if (speed > kLongest / kMsPerSpeedUnit) return kLongest;
  return speed * kMsPerSpeedUnit;
}

}  // namespace

TZelCredits::TZelCredits(QWidget* parent) : QPlainTextEdit(parent), timer_(this) {
  // Every box rolls on its own timer, so several boxes never steer each other.
  timer_.setObjectName(QStringLiteral("CreditsTimer"));
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.stop();
  connect(&timer_, &QTimer::timeout, this, &TZelCredits::TimerTick);
  timer_.setInterval(PeriodOf(kDefaultSpeed));
  direction_ = mUp;

  QTextOption centred = document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  document()->setDefaultTextOption(centred);

  QPalette colours = palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::black);
    colours.setColor(group, QPalette::Text, QColor(255, 255, 0));
  }
  setPalette(colours);
  speed_ = kDefaultSpeed;

  // The lines jump a whole line at a time; there is nothing to scroll by hand.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Text set through the plain-text calls of the base still ends up in the line list.
  connect(this, &QPlainTextEdit::textChanged, this, &TZelCredits::TakeLinesFromText);
}

TZelCredits::~TZelCredits() = default;

void TZelCredits::SetSpeedRun(int value) {
  if (value == speed_) return;
  speed_ = value;
  ApplySpeed();
}

void TZelCredits::ApplySpeed() {
  const int period = PeriodOf(speed_);
  timer_.setInterval(period);  // restarts the count of a running timer
  if (period == 0)
    timer_.stop();
  else if (running_ && !timer_.isActive())
    timer_.start();
}

void TZelCredits::SetMove(TMove value) {
  if (value != mUp && value != mDown) return;  // no third direction
  direction_ = value;
}

void TZelCredits::SetRunCredits(bool value) {
  running_ = value;
  if (!running_)
    timer_.stop();
  else if (speed_ > 0 && !timer_.isActive())
    timer_.start();
}

void TZelCredits::SetLines(const QStringList& lines) {
  lines_ = lines;
  ShowLines();
}

void TZelCredits::TimerTick() {
  if (lines_.isEmpty()) return;
  if (direction_ == mDown) {
    lines_.prepend(lines_.last());
    lines_.removeLast();
  } else {
    lines_.append(lines_.first());
    lines_.removeFirst();
  }
  ShowLines();
}

void TZelCredits::ShowLines() {
  showing_ = true;
  setPlainText(lines_.join(QLatin1Char('\n')));
  showing_ = false;
}

void TZelCredits::TakeLinesFromText() {
  if (showing_) return;
  const QString text = toPlainText();
  lines_ = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
