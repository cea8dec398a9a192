#include "DayAnnouncement.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
}

void TDayAnnouncement::Announce(const QString& text) {
  if (text.isEmpty()) return;
  setAccessibleName(text);
  // Appearing is what is read: hidden and shown again, the notification is read once more.
  hide();
  show();
}
