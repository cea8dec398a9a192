// The credits window: how it is made, shown, hidden and resized while its lines roll.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Rolls.h"
#include "Unit2.h"
#include "ZelCredits.h"

namespace {

const QStringList kCredits = {
    "", "", "Составил", "Команда игры «Кеволан»", "", "Игра \"Кеволан\"",
};

}  // namespace

class TestForm2 : public QObject {
  Q_OBJECT

 private slots:
  void WindowAsBuilt();
  void CreditsBoxAsBuilt();
  void RollsWhileHiddenAndShowsWhereItGot();
  void CloseBoxOnlyHides();
  void ResizingLeavesTheBox();
  void ClosingTheMainWindowStillEndsTheProgram();
};

void TestForm2::WindowAsBuilt() {
  TForm2 form;
  QVERIFY(form.isWindow());
  QVERIFY(!form.isVisible());
  QCOMPARE(form.windowTitle(), QString("Form2"));
  QCOMPARE(form.objectName(), QString("Form2"));
  // A tool window: under a window manager it has no taskbar entry of its own.
  QCOMPARE(form.windowType(), Qt::Tool);
  QCOMPARE(form.size(), QSize(188, 106));
  QCOMPARE(form.pos(), QPoint(265, 141));
  const Qt::WindowFlags flags = form.windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));  // or Qt adds the boxes back itself
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(!form.testAttribute(Qt::WA_DeleteOnClose));
}

void TestForm2::CreditsBoxAsBuilt() {
  TForm2 form;
  TZelCredits* box = form.ZelCredits1;
  QCOMPARE(form.findChild<TZelCredits*>("ZelCredits1"), box);
  QCOMPARE(box->geometry(), QRect(0, 0, 185, 97));
  QCOMPARE(box->Lines(), kCredits);
  QVERIFY(box->isReadOnly());
  QCOMPARE(box->frameShape(), QFrame::Box);
  QCOMPARE(box->frameShadow(), QFrame::Plain);
  QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::black));
  QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 255, 0));
  QCOMPARE(box->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
           Qt::AlignHCenter);
  QCOMPARE(QFontInfo(box->font()).pixelSize(), 11);
  QVERIFY(!QFontInfo(box->font()).bold());
  QCOMPARE(box->SpeedRun(), 40);
  QCOMPARE(box->Move(), mUp);
  QVERIFY(box->RunCredits());
  QVERIFY(box->CreditsTimer().isActive());
  QCOMPARE(box->CreditsTimer().interval(), 400);
}

void TestForm2::RollsWhileHiddenAndShowsWhereItGot() {
  QElapsedTimer clock;
  clock.start();
  TForm2 form;
  QTest::qWait(1000);
  const qint64 elapsed = clock.elapsed();
  const int steps = StepsUp(kCredits, form.ZelCredits1->Lines());
  QVERIFY2(steps >= 1, "the lines did not roll while the window was hidden");
  QVERIFY(steps <= elapsed / 400);
  QVERIFY(!form.isVisible());

  form.show();
  form.raise();
  form.activateWindow();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(StepsUp(kCredits, form.ZelCredits1->Lines()), steps);  // showing moves nothing
  QTRY_VERIFY_WITH_TIMEOUT(StepsUp(kCredits, form.ZelCredits1->Lines()) != steps, 2000);
}

void TestForm2::CloseBoxOnlyHides() {
  auto form = std::make_unique<TForm2>();
  QPointer<TForm2> alive(form.get());
  form->show();
  QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  QVERIFY(form->close());
  QVERIFY(!alive.isNull());
  QVERIFY(!form->isVisible());
  QApplication::processEvents();
  QVERIFY(!alive.isNull());

  // Rolling goes on behind the closed window, and showing it again brings back the same one.
  const QStringList atClose = form->ZelCredits1->Lines();
  QTRY_VERIFY_WITH_TIMEOUT(form->ZelCredits1->Lines() != atClose, 2000);
  QVERIFY(StepsUp(kCredits, form->ZelCredits1->Lines()) >= 0);
  form->show();
  QVERIFY(form->isVisible());
  QCOMPARE(form->ZelCredits1->geometry(), QRect(0, 0, 185, 97));
}

void TestForm2::ResizingLeavesTheBox() {
  TForm2 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  for (const QSize& size : {QSize(400, 300), QSize(60, 40), QSize(188, 106)}) {
    form.resize(size);
    QApplication::processEvents();
    QCOMPARE(form.ZelCredits1->geometry(), QRect(0, 0, 185, 97));
  }
}

void TestForm2::ClosingTheMainWindowStillEndsTheProgram() {
  QWidget main;  // stands in for the game's main window
  TForm2 form(&main);
  main.show();
  form.show();
  QTimer::singleShot(50, &main, [&] { main.close(); });
  QTimer::singleShot(3000, qApp, [] { QApplication::exit(1); });  // never hang the run
  const bool ended = QApplication::exec() == 0;
  QVERIFY2(ended, "the open credits window kept the program running");
}

QTEST_MAIN(TestForm2)
#include "tst_Form2.moc"
