// Playing through the main window as a player does: clicks, picks and typing in the real
// controls, whole day turns with their message boxes, the end of a game, and the help document.
#include <QClipboard>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "BoxCatcher.h"
#include "DayTurn.h"
#include "Handlers.h"
#include "MessageBoxMessenger.h"
#include "Review.h"
#include "ReviewText.h"
#include "Unit1.h"
#include "ViewChecks.h"

namespace {

const QString kStarvation = QStringLiteral(
    "Вы не ели за весь период пребывания на острове больше 5 дней и умерли с голода");
const QString kCave = QStringLiteral("Тперерь вам можно построить пещеру");
const QString kIllness = QStringLiteral("Вы питались одним видом питания и заболели на 10 дней");
const QString kHintStale =
    QStringLiteral("Пока шёл поиск подсказки, прошёл день, и она устарела. Спросите снова.");

using kevolan::solver::HintBudget;
using kevolan::solver::HintResult;
using kevolan::solver::Verdict;

// A search that thinks until the test lets it answer `answer`, or until it is stopped.
struct HeldSearch {
  HintResult Answer;
  std::atomic<int> Calls{0};
  std::atomic<bool> Release{false};
  std::atomic<bool> SawCancel{false};

  HintRunner::Search Function() {
    return [this](const kevolan::GameState&, const HintBudget& budget) {
      ++Calls;
      while (!Release.load()) {
        if (budget.Cancel != nullptr && budget.Cancel->load()) {
          SawCancel = true;
          break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      return Answer;
    };
  }
};

// Asks for a hint answered at once with `result`, and returns the one box that comes up.
SeenBox HintBox(TForm1& f, const HintResult& result) {
  f.Hints().SetSearch([result](const kevolan::GameState&, const HintBudget&) { return result; });
  BoxCatcher boxes;
  f.Hint1->trigger();
  if (!QTest::qWaitFor([&] { return !boxes.Boxes.isEmpty(); }, 5000)) return {};
  return boxes.Boxes.first();
}

// Types text key by key, Cyrillic included, into the focused field.
void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// The player's hands on the window.
struct Player {
  TForm1& Form;

  void Click(QAbstractButton* button) {
    // Radio buttons and the check box answer a click on their mark.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  void NextDay() { QTest::mouseClick(Form.Button1, Qt::LeftButton); }
  void Activity(int index) { Click(Form.RadioGroup1Items->button(index)); }
  // Picks an option from the list with the arrow keys, as from the keyboard.
  void Pick(TChoiceBox* box, const QString& option) {
    const int target = box->findText(option, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(target >= 0, qPrintable(option));
    box->setFocus();
    if (box->currentIndex() < 0) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() < target) QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > target) QTest::keyClick(box, Qt::Key_Up);
  }
  // Replaces the box's text by typing, key by key.
  void Type(TChoiceBox* box, const QString& text) {
    box->lineEdit()->setFocus();
    QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    TypeKeys(box->lineEdit(), text);
  }
};

}  // namespace

class Form1Play : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() { form_.reset(); }

  void eatingAndActivityOnlyEnableBoxes();
  void creationBoxShowsTheChosenItemsDays();
  void typedTextIsNeverAddedOrCompleted();
  void anyTextIsAcceptedAndMatchesNothing();
  void gatheringAndEatingOverTwoDays();
  void boxStandsOverTheWindowAsTheTurnLeftIt();
  void afterDeathOnlyTheChoicesRemain();
  void aLongerGameKeepsTheWindowInStep();
  void helpOpensTheDocumentOnlyWhenItExists();
  void windowGoesWhileABoxHoldsTheFocus();
  void hintSaysWinLostOrUndecided();
  void windowWorksWhileAHintThinks();
  void hintAfterADayHasPassedIsStale();
  void closingStopsAHintThatThinks();

 private:
  std::unique_ptr<TForm1> form_;
};

void Form1Play::eatingAndActivityOnlyEnableBoxes() {
  TForm1& f = *form_;
  Player p{f};
  p.Click(f.CheckBox1);
  QVERIFY(f.State().EatToday);
  QVERIFY(f.ComboBox1->isEnabled());  // even with nothing in it
  QCOMPARE(f.ComboBox1->count(), 0);
  p.Activity(1);
  QVERIFY(f.ComboBox3->isEnabled() && !f.ComboBox2->isEnabled() && !f.ComboBox4->isEnabled());
  p.Activity(2);
  QVERIFY(!f.ComboBox3->isEnabled() && f.ComboBox4->isEnabled());
  p.Activity(0);
  QVERIFY(f.ComboBox2->isEnabled() && !f.ComboBox4->isEnabled());
  QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("Поход за фруктами"));
  p.Click(f.CheckBox1);
  QVERIFY(!f.ComboBox1->isEnabled());
  QVERIFY_VIEW(f);
  // None of it moves the game.
  QCOMPARE(f.Label57->text(), QStringLiteral("1"));
  QCOMPARE(f.Label46->text(), QStringLiteral("0"));
  QCOMPARE(f.Label29->text(), QStringLiteral("30"));
}

void Form1Play::creationBoxShowsTheChosenItemsDays() {
  TForm1& f = *form_;
  Player p{f};
  p.Activity(1);
  p.Pick(f.ComboBox3, "Рыболовные снасти");
  QVERIFY(f.Label40->isVisible());
  QCOMPARE(f.Label40->text(), QStringLiteral("12"));
  p.Pick(f.ComboBox3, "Хижина");
  QVERIFY(!f.Label40->isVisible());
  QVERIFY(f.Label42->isVisible());
  QCOMPARE(f.State().CreateChoice.Text(), std::string_view("Хижина"));
  QVERIFY_VIEW(f);

  p.Type(f.ComboBox3, "Орудие охоты");
  QVERIFY(f.Label41->isVisible());
  QVERIFY(!f.Label42->isVisible());
  QCOMPARE(f.State().CreateChoice.Selected(), -1);
  p.Type(f.ComboBox3, "Лодка");
  for (QLabel* days : {f.Label40, f.Label41, f.Label42, f.Label43, f.Label44}) {
    QVERIFY(!days->isVisible());
  }
  QVERIFY(f.Label45->isVisible());
  QVERIFY_VIEW(f);

  // Typing in the middle of the text keeps the caret where the player put it.
  p.Type(f.ComboBox3, "Хжина");
  f.ComboBox3->lineEdit()->setCursorPosition(1);
  TypeKeys(f.ComboBox3->lineEdit(), "и");
  QCOMPARE(f.ComboBox3->lineEdit()->text(), QStringLiteral("Хижина"));
  QCOMPARE(f.ComboBox3->lineEdit()->cursorPosition(), 2);
  QVERIFY(f.Label42->isVisible());
  QVERIFY_VIEW(f);
}

void Form1Play::typedTextIsNeverAddedOrCompleted() {
  TForm1& f = *form_;
  Player p{f};
  p.Activity(1);
  // A name in other letter case is not the item: the rules compare exactly, and the box must
  // neither complete it to the listed name nor add it to the list.
  p.Type(f.ComboBox3, "хиж");
  QCOMPARE(f.ComboBox3->lineEdit()->text(), QStringLiteral("хиж"));
  TypeKeys(f.ComboBox3->lineEdit(), "ина");
  QTest::keyClick(f.ComboBox3->lineEdit(), Qt::Key_Return);
  QCOMPARE(f.ComboBox3->count(), OfferedForCreationAtStart());
  QCOMPARE(f.ComboBox3->lineEdit()->text(), QStringLiteral("хижина"));
  QCOMPARE(f.State().CreateChoice.Text(), std::string_view("хижина"));
  QVERIFY(!f.Label42->isVisible());
  // An exact name with Enter stays what it is, and the list keeps its options.
  p.Type(f.ComboBox3, "Пещера");
  QTest::keyClick(f.ComboBox3->lineEdit(), Qt::Key_Enter);
  QCOMPARE(f.ComboBox3->count(), OfferedForCreationAtStart());
  QVERIFY(f.Label43->isVisible());
  // Leaving the box does not change what it shows either.
  f.Button1->setFocus();
  QCOMPARE(f.State().CreateChoice.Text(), std::string_view("Пещера"));
  QVERIFY_VIEW(f);
}

void Form1Play::anyTextIsAcceptedAndMatchesNothing() {
  TForm1& f = *form_;
  Player p{f};
  BoxCatcher boxes;
  p.Click(f.CheckBox1);
  const QString huge(1 << 20, QChar(u'Ж'));
  QApplication::clipboard()->setText(huge + QStringLiteral("\u0000\u202e\U0001F41F"));
  f.ComboBox1->lineEdit()->setFocus();
  f.ComboBox1->lineEdit()->paste();
  QTest::keyClick(f.ComboBox1->lineEdit(), Qt::Key_Return);
  QCOMPARE(f.ComboBox1->count(), 0);
  QCOMPARE(FromGame(f.State().FoodChoice.Text()).size(), huge.size() + 4);  // taken whole
  QVERIFY_VIEW(f);
  p.NextDay();
  // A text that names no food: nothing is eaten and the day is not a hungry one.
  QCOMPARE(f.Label46->text(), QStringLiteral("0"));
  QCOMPARE(f.Label57->text(), QStringLiteral("2"));
  QVERIFY(boxes.Boxes.isEmpty());

  // A food typed while none is in store is eaten all the same, and the store goes below 0.
  p.Type(f.ComboBox1, "Рыба");
  p.NextDay();
  QCOMPARE(f.Label38->text(), QStringLiteral("-1"));
  QCOMPARE(f.Label48->text(), QStringLiteral("1"));
  QCOMPARE(f.ComboBox1->itemText(0), QStringLiteral("Рыба"));
  QVERIFY_VIEW(f);
}

void Form1Play::gatheringAndEatingOverTwoDays() {
  TForm1& f = *form_;
  Player p{f};
  BoxCatcher boxes;
  QVERIFY(f.DayAnnouncement->isHidden());  // nothing to tell before the first day
  p.Activity(0);
  p.NextDay();
  QCOMPARE(f.Label57->text(), QStringLiteral("2"));
  QCOMPARE(f.Label37->text(), QStringLiteral("3"));
  QCOMPARE(f.Label46->text(), QStringLiteral("1"));
  QCOMPARE(f.Label29->text(), QStringLiteral("29"));
  QVERIFY(f.Label36->isVisible());
  // The fruit went into the food box and is shown there.
  QCOMPARE(f.ComboBox1->count(), 1);
  QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("Фрукты"));
  QVERIFY(!f.ComboBox1->isEnabled());
  QVERIFY_VIEW(f);

  p.Click(f.CheckBox1);
  if (f.ComboBox2->currentText().isEmpty()) p.Pick(f.ComboBox2, "Поход за фруктами");
  p.NextDay();
  QCOMPARE(f.Label47->text(), QStringLiteral("1"));
  QCOMPARE(f.Label37->text(), QStringLiteral("5"));
  QCOMPARE(f.Label46->text(), QStringLiteral("1"));
  QVERIFY(f.ComboBox1->isEnabled());
  QVERIFY_VIEW(f);
  QVERIFY(boxes.Boxes.isEmpty());
}

void Form1Play::boxStandsOverTheWindowAsTheTurnLeftIt() {
  TForm1& f = *form_;
  Player p{f};
  for (int day = 1; day <= 5; ++day) p.NextDay();
  QCOMPARE(f.Label46->text(), QStringLiteral("5"));

  BoxCatcher boxes;
  QStringList seenHungry;
  QStringList seenDay;
  QStringList seenAnnounced;
  bool closed = true;
  boxes.WhileOpen = [&](QMessageBox*) {
    seenHungry << f.Label46->text();
    seenDay << f.Label57->text();
    seenAnnounced << f.DayAnnouncement->accessibleName() + f.DayAnnouncement->Waiting();
    // Neither a second press of the button nor the close box can act while the box is open.
    f.Button1->click();
    QTest::keyClick(f.Button1, Qt::Key_Space);
    closed = f.close();
  };
  p.NextDay();
  QCOMPARE(boxes.Texts(), QStringList{kStarvation});
  QCOMPARE(seenHungry, QStringList{"6"});
  QCOMPARE(seenDay, QStringList{"6"});  // the calendar moves only at the end of the turn
  // The day is told once its box is closed; behind the box stands the day before's report.
  QCOMPARE(seenAnnounced,
           QStringList{QStringLiteral(
               "6 Января. Дней без еды: 5. Старая одежда, осталось дней действия: 25")});
  QTRY_COMPARE(
      f.DayAnnouncement->accessibleName(),
      QStringLiteral("7 Января. Дней без еды: 6. Старая одежда, осталось дней действия: 24"));
  QVERIFY(f.DayAnnouncement->isVisible());
  QVERIFY(!closed);
  QVERIFY(f.isVisible());

  const SeenBox& box = boxes.Boxes.first();
  QCOMPARE(box.Title, ApplicationTitle(QCoreApplication::applicationFilePath()));
  QCOMPARE(box.Icon, QMessageBox::NoIcon);
  QCOMPARE(box.Buttons.size(), 1);
  QCOMPARE(QString(box.Buttons.first()).remove('&'), QStringLiteral("OK"));
  QVERIFY(!box.ButtonIcons);
  QVERIFY(box.Modal);
  // In the window's 11-pixel face, though a box is a window of its own.
  QCOMPARE(box.TextPixels, 11);
  QCOMPARE(box.ButtonPixels, 11);
  // Behind it the group stands as the day began: usable, no box (nothing eaten, nothing chosen).
  QCOMPARE(box.EnabledBehind, QStringList{"RadioGroup1"});

  QCOMPARE(f.Label57->text(), QStringLiteral("7"));
  QVERIFY_VIEW(f);
}

void Form1Play::afterDeathOnlyTheChoicesRemain() {
  TForm1& f = *form_;
  Player p{f};
  BoxCatcher boxes;
  for (int day = 1; day <= 6; ++day) p.NextDay();
  QCOMPARE(boxes.Texts(), QStringList{kStarvation});
  QVERIFY(!f.Button1->isVisible());
  QVERIFY(f.Button2->isVisible());
  QCOMPARE(f.Button2->text(), QStringLiteral("ВЫ НЕ ВЫЖИЛИ"));

  // The choices can still be changed...
  p.Click(f.CheckBox1);
  QVERIFY(f.ComboBox1->isEnabled());
  p.Activity(1);
  QVERIFY(f.ComboBox3->isEnabled());
  p.Pick(f.ComboBox3, "Лодка");
  QCOMPARE(f.ComboBox3->currentText(), QStringLiteral("Лодка"));
  // ...but no day follows, however the hidden button is pressed.
  f.Button1->click();
  QTest::keyClick(&f, Qt::Key_Return);
  QCOMPARE(f.Label57->text(), QStringLiteral("7"));
  QCOMPARE(f.Label45->text(), QStringLiteral("100"));
  QCOMPARE(boxes.Boxes.size(), 1);
  QVERIFY_VIEW(f);

  // «Подсказка» now reviews the game kept in memory, day by day: the day that lost it as it was
  // played, whatever the boxes show since, in the hint's own box.
  const kevolan::GameState ended = f.State();
  f.Hint1->trigger();
  QTRY_COMPARE(boxes.Boxes.size(), 2);
  const SeenBox& review = boxes.Boxes.last();
  QVERIFY2(review.Text.startsWith(QStringLiteral(
               "Игра была проиграна 6 Января: это последний день, с которого ещё можно было "
               "спастись.\nВ тот день вы выбрали:\n– «Питание» не отмечено;\n– занятие не "
               "выбрано.\nСпасло бы то, что советовала в тот день подсказка:\n– ")),
           qPrintable(review.Text));
  // The same days kept as the driver keeps them give the same review, word for word.
  struct : kevolan::Messenger {
    void Show(std::string_view) override {}
  } silence;
  kevolan::solver::GameRecord sameDays;
  kevolan::GameState s = kevolan::NewGame();
  for (int day = 1; day <= 6; ++day) {
    const kevolan::GameState pressed = s;
    kevolan::DayTurn(s, silence);
    sameDays.Played(pressed, s);
  }
  QCOMPARE(review.Text,
           FromGame(kevolan::solver::ReviewText(sameDays, kevolan::solver::Review(sameDays))));
  QCOMPARE(review.Title, ApplicationTitle(QCoreApplication::applicationFilePath()));
  QVERIFY(review.Modal);
  QVERIFY(f.State() == ended);

  QSignalSpy closedSpy(&f, &TForm1::Closed);
  QTest::mouseClick(f.Button2, Qt::LeftButton);
  QCOMPARE(closedSpy.count(), 1);
  QVERIFY(!f.isVisible());
}

void Form1Play::aLongerGameKeepsTheWindowInStep() {
  // Four days of fruit, a hut, more fruit, then the boat worked on until the player falls ill at
  // it and the old clothes, left to wear out, kill him while he is still ill: every box and every
  // day shows exactly the state the rules hold.
  TForm1& f = *form_;
  Player p{f};
  BoxCatcher boxes;
  int boxesChecked = 0;
  int lockedTurns = 0;
  int illnessBoxes = 0;
  int chosen = -1;  // the activity the player chose for the turn under way
  const auto boxUsable = [&](int activity) {
    return QList<bool>{f.ComboBox2->isEnabled(), f.ComboBox3->isEnabled(), f.ComboBox4->isEnabled()}
        .at(activity);
  };
  boxes.WhileOpen = [&](QMessageBox* box) {
    CompareViewWithState(f);
    ++boxesChecked;
    if (box->text() != kIllness) return;
    ++illnessBoxes;
    // The illness is announced before it strikes: behind the message the activity group and the
    // boxes still stand as the day began, the chosen activity's box usable, no sick day yet.
    QVERIFY(f.RadioGroup1->isEnabled());
    QCOMPARE(f.Label56->text(), QStringLiteral("0"));
    for (int activity = 0; activity < 3; ++activity) {
      QCOMPARE(boxUsable(activity), activity == chosen);
    }
  };
  p.Click(f.CheckBox1);
  for (int turn = 1; turn <= 40 && !f.State().GameOver; ++turn) {
    if (f.ComboBox1->currentText().isEmpty() && f.ComboBox1->count() > 0) {
      p.Pick(f.ComboBox1, f.ComboBox1->itemText(0));
    }
    if (turn <= 4) {
      p.Activity(0);
      if (f.ComboBox2->currentText().isEmpty()) p.Pick(f.ComboBox2, "Поход за фруктами");
    } else if (!f.State()[kevolan::Item::Hut].Owned) {
      p.Activity(1);
      if (f.ComboBox3->currentText() != "Хижина") p.Pick(f.ComboBox3, "Хижина");
    } else if (turn <= 16) {
      p.Activity(0);
      if (f.ComboBox2->currentText().isEmpty()) p.Pick(f.ComboBox2, "Поход за фруктами");
    } else {
      p.Activity(1);
      if (f.ComboBox3->currentText().isEmpty()) p.Pick(f.ComboBox3, "Лодка");
    }
    if (QTest::currentTestFailed()) return;
    chosen = f.RadioGroup1Items->checkedId();
    const int illnessBefore = illnessBoxes;
    p.NextDay();
    QVERIFY_VIEW(f);
    if (illnessBoxes > illnessBefore) {
      // Once the day is over the illness holds the activity, yet its own box stays usable.
      QVERIFY(!f.RadioGroup1->isEnabled());
      QCOMPARE(f.Label56->text(), QStringLiteral("10"));
      for (int activity = 0; activity < 3; ++activity) {
        QCOMPARE(boxUsable(activity), activity == chosen);
      }
    }
    if (!f.RadioGroup1->isEnabled()) {
      // Ill: the activity cannot be changed, however the player clicks.
      ++lockedTurns;
      const int before = f.RadioGroup1Items->checkedId();
      p.Activity(before == 0 ? 1 : 0);
      QCOMPARE(f.RadioGroup1Items->checkedId(), before);
    }
  }
  // Behind each box the group and the boxes stand as the turn has left them so far: the cave
  // offered while the hut is worked on; the illness announced while the day's work on the boat
  // still stands; death by cold while ill, the group and all three activity boxes locked by the
  // illness, the creation box too though the boat is the activity (only the turn's end gives
  // the activity its box back).
  const QList<QPair<QString, QStringList>> behind = {
      {kCave, {"RadioGroup1", "ComboBox1", "ComboBox3"}},
      {kIllness, {"RadioGroup1", "ComboBox1", "ComboBox3"}},
      {QStringLiteral("Ваша старая одежда превратилась в лохмотья и вы умерли от холода"),
       {"ComboBox1"}}};
  QCOMPARE(boxes.Boxes.size(), behind.size());
  for (qsizetype i = 0; i < behind.size(); ++i) {
    QCOMPARE(boxes.Boxes[i].Text, behind[i].first);
    // As words, so that a failure names the controls.
    QCOMPARE(boxes.Boxes[i].EnabledBehind.join(u' '), behind[i].second.join(u' '));
    QCOMPARE(boxes.Boxes[i].TextPixels, 11);
  }
  QVERIFY(f.State().GameOver);
  QVERIFY(illnessBoxes >= 1);
  QVERIFY(lockedTurns > 0);
  QVERIFY(boxes.Texts().contains(kCave));
  QVERIFY(f.Label52->isVisible());                                // the hut is owned
  QVERIFY(f.ComboBox3->findText(QStringLiteral("Пещера")) >= 0);  // and the cave offered
  QCOMPARE(boxesChecked, boxes.Boxes.size());
}

void Form1Play::helpOpensTheDocumentOnlyWhenItExists() {
  TForm1& f = *form_;
  QList<QUrl> opened;
  f.SetDocumentOpener([&](const QUrl& url) { opened.append(url); });
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString before = QDir::currentPath();
  QVERIFY(QDir::setCurrent(dir.path()));

  f.Help1->trigger();
  QVERIFY(opened.isEmpty());  // no document, nothing at all happens

  QFile doc(dir.filePath("help.doc"));
  QVERIFY(doc.open(QIODevice::WriteOnly));
  doc.write("{\\rtf1 }");
  doc.close();
  f.Help1->trigger();
  QDir::setCurrent(before);
  QCOMPARE(opened.size(), 1);
  QCOMPARE(opened.first(), QUrl::fromLocalFile(QFileInfo(doc).absoluteFilePath()));
  QCOMPARE(f.Label57->text(), QStringLiteral("1"));
}

void Form1Play::windowGoesWhileABoxHoldsTheFocus() {
  // A box that loses the focus reports its text as picked when it names an option; the window
  // being taken apart must not pass that on to a game that is already gone.
  Player p{*form_};
  p.Activity(1);
  p.Type(form_->ComboBox3, "Хижина");
  QVERIFY(form_->ComboBox3->lineEdit()->hasFocus() || !QApplication::focusWidget());
  form_.reset();
}

void Form1Play::hintSaysWinLostOrUndecided() {
  TForm1& f = *form_;
  const kevolan::GameState before = f.State();
  QCOMPARE(f.PopupMenu1->actions().last(), f.Hint1);
  QCOMPARE(f.Hint1->text(), QStringLiteral("Подсказка"));

  HintResult win;
  win.Verdict = Verdict::Win;
  win.FirstMove = {false, "", kevolan::Activity::Create, "Хижина"};
  win.DaysToVictory = 122;
  win.VictoryDay = 2;
  win.VictoryMonth = kevolan::Month::May;
  const SeenBox box = HintBox(f, win);
  QCOMPARE(box.Text, QStringLiteral("Спастись с острова ещё можно. Сегодня:\n"
                                    "– не отмечайте «Питание»;\n"
                                    "– выберите занятие «Создание», в его поле выберите «Хижина».\n"
                                    "Если делать, как советует подсказка, вы уплывёте 2 Мая, "
                                    "через 122 дня."));
  QCOMPARE(box.Title, ApplicationTitle(QCoreApplication::applicationFilePath()));
  QCOMPARE(box.Icon, QMessageBox::NoIcon);
  QCOMPARE(box.Buttons.size(), 1);
  QCOMPARE(QString(box.Buttons.first()).remove('&'), QStringLiteral("OK"));
  QVERIFY(box.Modal);

  // A text that names no food is typed, and the box says what it does; 111 to 114 days are
  // "дней".
  win.FirstMove = {true, "ничего", kevolan::Activity::Create, "Лодка"};
  win.DaysToVictory = 114;
  win.Typed = true;
  QCOMPARE(HintBox(f, win).Text,
           QStringLiteral("Спастись с острова ещё можно. Сегодня:\n"
                          "– отметьте «Питание», еда: впишите «ничего»;\n"
                          "– выберите занятие «Создание», в его поле выберите «Лодка».\n"
                          "Вписанное слово не называет никакой еды: с отметкой «Питание» такой "
                          "день не считается голодным, хотя ничего не съедено.\n"
                          "Если делать, как советует подсказка, вы уплывёте 2 Мая, через 114 "
                          "дней."));
  win.Typed = false;

  // Eating what the box does not list is typed; what a box shows already is left as it is.
  Player p{f};
  p.Click(f.CheckBox1);
  p.Activity(0);
  p.Pick(f.ComboBox2, "Поход за фруктами");
  win.FirstMove = {true, "рыба", kevolan::Activity::None, ""};
  win.DaysToVictory = 1;
  QCOMPARE(HintBox(f, win).Text,
           QStringLiteral("Спастись с острова ещё можно. Сегодня:\n"
                          "– оставьте отметку «Питание», еда: впишите «рыба»;\n"
                          "– занятие «Заготовка продуктов», в его поле "
                          "оставьте «Поход за фруктами».\n"
                          "Лодка будет готова уже сегодня."));

  HintResult lost;
  lost.Verdict = Verdict::Lost;
  lost.Death = kevolan::Outcome::NoDwelling;
  lost.DeathInDays = 4;
  lost.DeathDay = 1;
  lost.DeathMonth = kevolan::Month::February;
  QCOMPARE(HintBox(f, lost).Text,
           QStringLiteral("Спастись с острова уже нельзя: что бы вы ни делали, вы не успеете "
                          "построить жилище и замёрзнете не позже 1 Февраля, через 4 дня."));
  lost.Death = kevolan::Outcome::Starved;
  lost.DeathInDays = 1;
  lost.DeathDay = 21;
  lost.DeathMonth = kevolan::Month::March;
  QCOMPARE(HintBox(f, lost).Text,
           QStringLiteral("Спастись с острова уже нельзя: что бы вы ни делали, вы проведёте без "
                          "еды больше 5 дней и умрёте с голода уже сегодня, 21 Марта."));

  // None of it changed the game.
  kevolan::GameState chosen = before;
  kevolan::SetEatToday(chosen, true);
  kevolan::ClickActivity(chosen, kevolan::Activity::GatherFood);
  chosen.GatherChoice.Pick(0);
  QVERIFY(f.State() == chosen);
  QVERIFY_VIEW(f);
}

void Form1Play::windowWorksWhileAHintThinks() {
  TForm1& f = *form_;
  HeldSearch search;
  search.Answer.Verdict = Verdict::Lost;
  search.Answer.Death = kevolan::Outcome::HutCollapsed;
  f.Hints().SetSearch(search.Function());
  BoxCatcher boxes;
  int ticks = 0;
  QTimer timer;
  connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(5);

  QTest::keyClick(f.Button1, Qt::Key_F2);
  QTRY_COMPARE(search.Calls.load(), 1);
  QTest::qWait(150);
  QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
  // The window answers the player meanwhile; asking again, by menu or key, starts nothing.
  Player{f}.Click(f.CheckBox1);
  QVERIFY(f.State().EatToday);
  f.Hint1->trigger();
  QTest::keyClick(f.Button1, Qt::Key_F2);
  QTest::qWait(20);
  QCOMPARE(search.Calls.load(), 1);
  QVERIFY(boxes.Boxes.isEmpty());

  search.Release = true;
  QTRY_COMPARE(boxes.Boxes.size(), 1);
  QCOMPARE(boxes.Boxes.first().Text,
           QStringLiteral("Спастись с острова уже нельзя: что бы вы ни делали, ваша хижина "
                          "развалится и придавит вас."));
  QCOMPARE(search.Calls.load(), 1);
  QVERIFY(!f.Hints().Running());
  // Once answered, the next question is heard.
  f.Hint1->trigger();
  QTRY_COMPARE(boxes.Boxes.size(), 2);
  QCOMPARE(search.Calls.load(), 2);
}

void Form1Play::hintAfterADayHasPassedIsStale() {
  TForm1& f = *form_;
  HeldSearch search;
  search.Answer.Verdict = Verdict::Unknown;
  f.Hints().SetSearch(search.Function());
  BoxCatcher boxes;
  f.Hint1->trigger();
  Player{f}.NextDay();
  QCOMPARE(f.Label57->text(), QStringLiteral("2"));
  search.Release = true;
  QTRY_COMPARE(boxes.Texts(), QStringList{kHintStale});

  // An answer that comes while the turn's own message is read waits until it is closed.
  for (int day = 2; day <= 5; ++day) Player{f}.NextDay();
  search.Release = false;
  f.Hint1->trigger();
  QTRY_COMPARE(search.Calls.load(), 2);
  boxes.WhileOpen = [&](QMessageBox* box) {
    if (box->text() != kStarvation) return;
    search.Release = true;
    QTest::qWait(100);
  };
  Player{f}.NextDay();
  QTRY_COMPARE(boxes.Texts(), (QStringList{kHintStale, kStarvation, kHintStale}));
}

void Form1Play::closingStopsAHintThatThinks() {
  // The search is stopped and its thread waited for: nothing is left running or allocated
  // (the sanitizer build's leak check), and no answer comes to a window that is gone.
  HeldSearch search;
  form_->Hints().SetSearch(search.Function());
  BoxCatcher boxes;
  form_->Hint1->trigger();
  QTRY_COMPARE(search.Calls.load(), 1);
  QVERIFY(form_->close());
  QVERIFY(search.SawCancel.load());
  form_.reset();
  QTest::qWait(20);
  QVERIFY(boxes.Boxes.isEmpty());
}

QTEST_MAIN(Form1Play)
#include "tst_Form1Play.moc"
