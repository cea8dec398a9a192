// "About" in the main window's context menu shows the one credits window, rolled on meanwhile.
#include <QApplication>
#include <QTest>

#include "Rolls.h"
#include "Unit1.h"
#include "Unit2.h"
#include "ZelCredits.h"

// Counts the events of one type that reach the objects it watches.
class CountEvents : public QObject {
 public:
  CountEvents(QEvent::Type type, int& count) : type_(type), count_(count) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == type_) ++count_;
    return QObject::eventFilter(watched, event);
  }

 private:
  QEvent::Type type_;
  int& count_;
};

class TestAbout : public QObject {
  Q_OBJECT

 private slots:
  void AboutShowsTheSameRollingWindow();
};

void TestAbout::AboutShowsTheSameRollingWindow() {
  TForm1 form1;
  TForm2 form2(&form1);
  form1.SetForm2(&form2);
  // Owned by the main window, yet a window of its own, above the game.
  QCOMPARE(form2.parentWidget(), &form1);
  QVERIFY(form2.isWindow());
  QCOMPARE(form2.windowType(), Qt::Tool);
  form1.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form1));
  QVERIFY(!form2.isVisible());  // only the main window at start
  const QStringList start = form2.ZelCredits1->Lines();

  QTest::qWait(500);
  form1.About1->trigger();
  QVERIFY(form2.isVisible());
  QVERIFY(QTest::qWaitForWindowExposed(&form2));
  QVERIFY(StepsUp(start, form2.ZelCredits1->Lines()) >= 1);  // rolled while hidden

  // A second "About" while it is open, the game's window being the active one, brings the same
  // window to the front and gives it the focus; no second one appears.
  QApplication::setActiveWindow(&form1);
  QVERIFY(QTest::qWaitForWindowActive(&form1));
  QVERIFY(!form2.isActiveWindow());
  int raised = 0;
  CountEvents counter(QEvent::ZOrderChange, raised);
  form2.installEventFilter(&counter);
  form1.About1Click();
  QVERIFY(form2.isVisible());
  QCOMPARE(raised, 1);
  QTRY_VERIFY(form2.isActiveWindow());
  int creditWindows = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    creditWindows += qobject_cast<TForm2*>(w) != nullptr;
  QCOMPARE(creditWindows, 1);

  // Closed, it rolls on and "About" shows it again where the rolling has got to.
  QVERIFY(form2.close());
  QVERIFY(!form2.isVisible());
  QVERIFY(form1.isVisible());
  const QStringList atClose = form2.ZelCredits1->Lines();
  QTRY_VERIFY_WITH_TIMEOUT(form2.ZelCredits1->Lines() != atClose, 2000);
  form1.About1->trigger();
  QVERIFY(form2.isVisible());
  QVERIFY(StepsUp(start, form2.ZelCredits1->Lines()) >= 0);
}

QTEST_MAIN(TestAbout)
#include "tst_About.moc"
