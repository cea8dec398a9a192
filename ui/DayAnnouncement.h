// How the window tells a screen reader what a day did. This toolkit has no announcement of its
// own, so the window carries an invisible notification: each announcement gives it the new text
// and shows it again, and a screen reader reads a notification as it appears, without taking
// the keyboard focus from where the player left it. It stays out of sight until the first day,
// so that start-up announces nothing but the window, and then keeps the last day's report for
// whoever wants to read it again.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class TDayAnnouncement : public QWidget {
  Q_OBJECT
 public:
  explicit TDayAnnouncement(QWidget* window);

  // Says `text` once; an empty text says nothing. After a message box the window is active
  // again only once the desktop gives it back the focus, and a screen reader then reads the
  // window afresh, which would cut the announcement short: so it waits for that, a moment at
  // most.
  void Announce(const QString& text);

  // Says at once what still waits, so that it comes before anything the next day shows.
  void SayWaiting();

  // The text still waiting for the window, empty when none is.
  QString Waiting() const { return waiting_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString waiting_;
  QTimer giveUp_;  // the window may never come back (the player went elsewhere): say it anyway
};
