// "About" in the main window's context menu shows the one credits window, rolled on meanwhile.
#include <QApplication>
#include <QTest>

#include "Rolls.h"
#include "Unit1.h"
#include "Unit2.h"
#include "ZelCredits.h"

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

  // A second "About" brings back the same window; no second one appears.
  form1.About1Click();
  QVERIFY(form2.isVisible());
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
