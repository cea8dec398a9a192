// TZelCredits: a read-only text box whose lines roll by one whole line per tick of its own timer.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>
#include <QtGlobal>

class TZelCredits : public QPlainTextEdit {
  Q_OBJECT
  Q_PROPERTY(int SpeedRun READ SpeedRun WRITE SetSpeedRun)
  Q_PROPERTY(TMove Move READ Move WRITE SetMove)
  Q_PROPERTY(bool RunCredits READ RunCredits WRITE SetRunCredits)

 public:
  // mUp: the first line goes to the end; mDown: the last line comes to the front.
  enum TMove : quint8 { mUp = 0, mDown = 1 };
  Q_ENUM(TMove)

  explicit TZelCredits(QWidget* parent = nullptr);
  ~TZelCredits() override;

  // Period of the rolling in units of 10 ms. At 0 or below the lines stand still.
  int SpeedRun() const { return speed_; }
  void SetSpeedRun(int value);

  TMove Move() const { return direction_; }
  void SetMove(TMove value);

  bool RunCredits() const { return running_; }
  void SetRunCredits(bool value);

  // The line list the box shows, one entry per line; empty lines count like any other.
  QStringList Lines() const { return lines_; }
  void SetLines(const QStringList& lines);

  // The box's own timer, for callers that want to see its period and state.
  const QTimer& CreditsTimer() const { return timer_; }

 public slots:
  // One step of the rolling.
  void TimerTick();

 private:
  void ShowLines();
  void TakeLinesFromText();
  void ApplySpeed();

  QTimer timer_;
  QStringList lines_;
  int speed_ = 20;
  bool running_ = false;
  TMove direction_ = mUp;
  bool showing_ = false;  // set while the box itself rewrites its text
};

using TMove = TZelCredits::TMove;
inline constexpr TMove mUp = TZelCredits::mUp;
inline constexpr TMove mDown = TZelCredits::mDown;
