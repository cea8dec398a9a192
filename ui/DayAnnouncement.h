// How the window tells a screen reader what a day did. This toolkit has no announcement of its
// own, so the window carries an invisible notification: each announcement gives it the new text
// and shows it again, and a screen reader reads a notification as it appears, without taking
// the keyboard focus from where the player left it. It stays out of sight until the first day,
// so that start-up announces nothing but the window, and then keeps the last day's report for
// whoever wants to read it again.
#pragma once

#include <QString>
#include <QWidget>

class TDayAnnouncement : public QWidget {
  Q_OBJECT
 public:
  explicit TDayAnnouncement(QWidget* window);

  // Says `text` once; an empty text says nothing.
  void Announce(const QString& text);
};
