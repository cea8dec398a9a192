#include "DayAnnouncement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

namespace {

QAccessibleInterface* NotificationAccessible(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (className != QLatin1String("TDayAnnouncement") || widget == nullptr) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Notification);
}

}  // namespace

TDayAnnouncement::TDayAnnouncement(QWidget* window) : QWidget(window) {
  static const bool installed = [] {
    QAccessible::installFactory(NotificationAccessible);
    return true;
  }();
  Q_UNUSED(installed);
  setObjectName(QStringLiteral("DayAnnouncement"));
  // A pixel in the window's corner, drawing nothing, under every control.
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  lower();
  hide();
  giveUp_.setSingleShot(true);
  giveUp_.setInterval(1000);
  connect(&giveUp_, &QTimer::timeout, this, &TDayAnnouncement::SayWaiting);
  window->installEventFilter(this);
}

void TDayAnnouncement::Announce(const QString& text) {
  // A day still waiting is told first: every day is told once, in order.
  SayWaiting();
  if (text.isEmpty()) return;
  waiting_ = text;
  if (window()->isActiveWindow()) {
    SayWaiting();
  } else {
    giveUp_.start();
  }
}

bool TDayAnnouncement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window() && event->type() == QEvent::WindowActivate) SayWaiting();
  return QWidget::eventFilter(watched, event);
}

void TDayAnnouncement::SayWaiting() {
  giveUp_.stop();
  if (waiting_.isEmpty()) return;
  setAccessibleName(waiting_);
  waiting_.clear();
  // Appearing is what is read: hidden and shown again, the notification is read once more.
  hide();
  show();
}
