// The game played from the keyboard alone: every key goes where a real keyboard sends it, to
// the focused control or the open list or menu, and the message boxes are answered with Enter.
#include <QAbstractItemView>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "Unit1.h"
#include "Unit2.h"
#include "ViewChecks.h"

namespace {

// Where a key press goes: the open popup (a box's list or the menu), else the focused control.
QWidget* KeyTarget() {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
  }
  return QApplication::focusWidget();
}

// Answers each message box with Enter on its focused button, as a player at the keyboard does.
class EnterOnBoxes : public QObject {
 public:
  EnterOnBoxes() {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      Texts << box->text();
      QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, Qt::Key_Return);
    });
    timer_.start();
  }
  QStringList Texts;

 private:
  QTimer timer_;
};

}  // namespace

class Form1Keyboard : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<TForm1>();
    form_->show();
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QCOMPARE(QApplication::focusWidget(), form_->Button1);
  }
  void cleanup() { form_.reset(); }

  void tabWalksEveryUsableControlOnce();
  void enterAndArrowsOnTheChoices();
  void threeDaysByKeyboard();
  void menuOnShiftF10AndTheMenuKey();
  void aGameEndsAndClosesByKeyboard();

 private:
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = KeyTarget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  }
  // The control that has the focus; a choice box stands for its own text field.
  QWidget* Focused() {
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && qobject_cast<TChoiceBox*>(focus->parentWidget())) {
      return focus->parentWidget();
    }
    return focus;
  }
  // Opens the focused box's list with `keys`, walks it down to `option` and takes it with Enter.
  void PickFromList(TChoiceBox* box, const QString& option, QKeyCombination keys) {
    QCOMPARE(Focused(), box);
    Key(keys.key(), keys.keyboardModifiers());
    QVERIFY(box->view()->isVisible());
    const int target = box->findText(option, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY(target >= 0);
    Key(Qt::Key_Home);
    for (int i = 0; i < target; ++i) Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    QTRY_VERIFY(!box->view()->isVisible());
    QCOMPARE(box->currentText(), option);
  }

  std::unique_ptr<TForm1> form_;
};

void Form1Keyboard::tabWalksEveryUsableControlOnce() {
  TForm1& f = *form_;
  // At the start only the next-day button, the check box and the options can be used, and Tab
  // stops once in the option group.
  QList<QWidget*> seen;
  for (int i = 0; i < 4; ++i) {
    seen << Focused();
    Key(Qt::Key_Tab);
  }
  QCOMPARE(seen, (QList<QWidget*>{f.Button1, f.CheckBox1, f.RadioGroup1Button0, f.Button1}));

  // With eating ticked and creation chosen the food box and the creation box join in.
  f.CheckBox1->click();
  f.RadioGroup1Button1->click();
  f.Button1->setFocus();
  seen.clear();
  for (int i = 0; i < 6; ++i) {
    seen << Focused();
    Key(Qt::Key_Tab);
  }
  QCOMPARE(seen, (QList<QWidget*>{f.Button1, f.CheckBox1, f.ComboBox1, f.RadioGroup1Button1,
                                  f.ComboBox3, f.Button1}));
  // Shift+Tab goes back the same way.
  Key(Qt::Key_Backtab);
  Key(Qt::Key_Backtab);
  QCOMPARE(Focused(), f.ComboBox3);
  Key(Qt::Key_Tab, Qt::ShiftModifier);
  QCOMPARE(Focused(), f.RadioGroup1Button1);
}

void Form1Keyboard::enterAndArrowsOnTheChoices() {
  TForm1& f = *form_;
  // Enter ticks and clears the check box as Space does.
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.CheckBox1);
  Key(Qt::Key_Return);
  QVERIFY(f.State().EatToday && f.ComboBox1->isEnabled());
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  QVERIFY(!f.State().EatToday && !f.ComboBox1->isEnabled());

  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.RadioGroup1Button0);
  // Nothing chosen yet: the arrows only move among the options; Enter chooses.
  Key(Qt::Key_Down);
  QCOMPARE(Focused(), f.RadioGroup1Button1);
  QCOMPARE(f.State().Activity, kevolan::Activity::None);
  Key(Qt::Key_Return);
  QCOMPARE(f.State().Activity, kevolan::Activity::Create);
  QVERIFY(f.ComboBox3->isEnabled());
  // Now each arrow moves the choice itself, and the boxes follow.
  Key(Qt::Key_Down);
  QCOMPARE(f.State().Activity, kevolan::Activity::Repair);
  QVERIFY(f.ComboBox4->isEnabled() && !f.ComboBox3->isEnabled());
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);
  QCOMPARE(f.State().Activity, kevolan::Activity::GatherFood);
  QVERIFY(f.ComboBox2->isEnabled() && !f.ComboBox3->isEnabled());
  QCOMPARE(Focused(), f.RadioGroup1Button0);
  QVERIFY_VIEW(f);
  QCOMPARE(f.State().Day, 1);
}

void Form1Keyboard::threeDaysByKeyboard() {
  TForm1& f = *form_;
  EnterOnBoxes boxes;
  // Day 1: gather fruit. Tab to the options, Space on the first, Enter on the next-day button.
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Space);
  QCOMPARE(f.State().Activity, kevolan::Activity::GatherFood);
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.ComboBox2);
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.Button1);
  Key(Qt::Key_Return);
  QCOMPARE(f.State().Day, 2);
  QCOMPARE(f.State().FruitStock, 3);

  // Day 2: eat fruit picked from the list opened by Alt+Down, work on the hut picked from the
  // list opened by F4, and Space on the next-day button.
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.CheckBox1);
  Key(Qt::Key_Space);
  QVERIFY(f.State().EatToday);
  Key(Qt::Key_Tab);
  PickFromList(f.ComboBox1, QStringLiteral("Фрукты"), Qt::AltModifier | Qt::Key_Down);
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.RadioGroup1Button0);
  Key(Qt::Key_Down);
  QCOMPARE(f.State().Activity, kevolan::Activity::Create);
  Key(Qt::Key_Tab);
  PickFromList(f.ComboBox3, QStringLiteral("Хижина"), QKeyCombination(Qt::Key_F4));
  QCOMPARE(f.State().CreateChoice.Text(), std::string_view("Хижина"));
  Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.Button1);
  Key(Qt::Key_Space);
  QCOMPARE(f.State().Day, 3);
  QCOMPARE(f.State().FruitStreak, 1);
  QCOMPARE(f.State()[kevolan::Item::Hut].BuildDaysLeft.Value, 3);

  // Day 3: the same again with Enter on the button, and Enter held down makes one day only.
  QTest::sendKeyEvent(QTest::Press, f.Button1, Qt::Key_Return, QString(), Qt::NoModifier);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(f.Button1, &repeat);
  QCOMPARE(f.State().Day, 4);
  QVERIFY_VIEW(f);
  QVERIFY(boxes.Texts.isEmpty());
}

void Form1Keyboard::menuOnShiftF10AndTheMenuKey() {
  TForm1& f = *form_;
  TForm2 form2;
  f.SetForm2(&form2);
  // Shift+F10 on the next-day button: the menu opens at the button, whatever the mouse does.
  Key(Qt::Key_F10, Qt::ShiftModifier);
  QVERIFY(f.PopupMenu1->isVisible());
  QCOMPARE(f.PopupMenu1->pos(), f.Button1->mapToGlobal(QPoint(0, f.Button1->height())));
  Key(Qt::Key_Escape);
  QVERIFY(!f.PopupMenu1->isVisible());
  QCOMPARE(Focused(), f.Button1);

  // The Menu key in a choice box's text field, then "About" from the keyboard.
  f.RadioGroup1Button1->click();
  f.ComboBox3->setFocus();
  Key(Qt::Key_Menu);
  QVERIFY(f.PopupMenu1->isVisible());
  QCOMPARE(f.PopupMenu1->pos(), f.ComboBox3->mapToGlobal(QPoint(0, f.ComboBox3->height())));
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  QTRY_VERIFY(!f.PopupMenu1->isVisible());
  QVERIFY(form2.isVisible());

  // "Help" the same way, on the check box.
  QList<QUrl> opened;
  f.SetDocumentOpener([&](const QUrl& url) { opened << url; });
  QTemporaryDir dir;
  QFile doc(dir.filePath("help.doc"));
  QVERIFY(doc.open(QIODevice::WriteOnly));
  doc.close();
  const QString before = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QApplication::setActiveWindow(&f);
  QVERIFY(QTest::qWaitForWindowActive(&f));
  f.CheckBox1->setFocus();
  Key(Qt::Key_F10, Qt::ShiftModifier);
  QVERIFY(f.PopupMenu1->isVisible());
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  QDir::setCurrent(before);
  QCOMPARE(opened.size(), 1);
  QCOMPARE(f.State().Day, 1);
  QVERIFY(!f.State().EatToday);  // the keys went to the menu, not to the check box
}

void Form1Keyboard::aGameEndsAndClosesByKeyboard() {
  TForm1& f = *form_;
  EnterOnBoxes boxes;
  // Six days without food: Enter on the next-day button each day.
  for (int day = 1; day <= 6; ++day) Key(Qt::Key_Return);
  QVERIFY(f.State().GameOver);
  QCOMPARE(boxes.Texts.size(), 1);
  // The window has the keyboard back once the box is gone.
  QApplication::setActiveWindow(&f);
  QVERIFY(QTest::qWaitForWindowActive(&f));
  // The focus left the next-day button for the window itself, which a screen reader then
  // reads as a game that is over. Enter and Space, pressed again as on every day before, leave
  // the ending on the screen.
  QCOMPARE(Focused(), static_cast<QWidget*>(&f));
  QVERIFY(!f.accessibleDescription().isEmpty());
  QSignalSpy closed(&f, &TForm1::Closed);
  Key(Qt::Key_Return);
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  Key(Qt::Key_Space);
  QCOMPARE(closed.count(), 0);
  QVERIFY(f.isVisible());
  // The player Tabs to the game-over button on purpose, and Enter there closes the window.
  for (int i = 0; i < 12 && Focused() != f.Button2; ++i) Key(Qt::Key_Tab);
  QCOMPARE(Focused(), f.Button2);
  Key(Qt::Key_Return);
  QCOMPARE(closed.count(), 1);
  QVERIFY(!f.isVisible());
}

QTEST_MAIN(Form1Keyboard)
#include "tst_Form1Keyboard.moc"
