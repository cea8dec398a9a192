// The main window: the game's only playing surface. It holds the game and shows every part of
// it in a control of its own; the player's actions go to the rules, and the window then shows the
// state again. Nothing but a day turn moves the game on.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "DayAnnouncement.h"
#include "GameState.h"
#include "GameView.h"
#include "HintRunner.h"
#include "MessageBoxMessenger.h"
#include "Review.h"
#include "SpokenNames.h"
#include "WindowLabels.h"
#include "ui_Form1.h"

class TForm2;

class TForm1 : public QWidget, public Ui::TForm1 {
  Q_OBJECT
 public:
  // Opens a document with the desktop's default application.
  using DocumentOpener = std::function<void(const QUrl&)>;

  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  const kevolan::GameState& State() const { return state_; }
  // The credits window that "About" shows.
  void SetForm2(TForm2* form2);
  void SetDocumentOpener(DocumentOpener opener);
  // The search behind «Подсказка»; tests give it another search or a smaller budget.
  HintRunner& Hints() { return hints_; }

  QButtonGroup* RadioGroup1Items;  // the three activity options, numbered as kevolan::Activity
  QMenu* PopupMenu1;
  QAction* Help1;
  QAction* About1;
  QAction* Hint1;                     // «Подсказка», also on F2
  TDayAnnouncement* DayAnnouncement;  // what each day did, for a screen reader

 public slots:
  void CheckBox1Click();
  void RadioGroup1Click();
  void Button1Click();
  void Button2Click();
  void Help1Click();
  void ComboBox3Change();
  void About1Click();
  void Hint1Click();

 signals:
  // The window has been closed, which ends the program.
  void Closed();

 protected:
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BindChoice(TChoiceBox* box, kevolan::ChoiceList kevolan::GameState::*list);
  void ChoiceChanged(TChoiceBox* box);
  void ShowPictures();
  void ShowActivity();
  void RefreshView();
  void ShowHint(const std::string& text);

  kevolan::GameState state_;
  MessageBoxMessenger messenger_;
  qreal picturesRatio_ = 0;   // the device pixel ratio the pictures are drawn for
  bool turnRunning_ = false;  // a turn waits on its message boxes; no second one may start
  long long turnsPlayed_ = 0;
  long long hintAskedAtTurn_ = 0;  // a hint is about the position of the turn it was asked at
  // A hint answered while a turn's messages are read, shown once the last of them is closed.
  std::optional<std::string> hintWaiting_;
  // Every day played, kept in memory for the review once the game is over.
  kevolan::solver::GameRecord record_;
  QPointer<QWidget> form2_;
  DocumentOpener openDocument_;
  WindowLabels labels_;  // the labels the window's table names: the items' and the counters'
  SpokenCounters spokenCounters_;  // each counter's label with the words read before its number
  HintRunner hints_;               // last, so that its thread stops before the rest goes
};
