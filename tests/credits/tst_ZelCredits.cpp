// The rolling credits box on its own: the step, the direction, the timer behind it.
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <limits>
#include <memory>

#include "Rolls.h"
#include "ZelCredits.h"

namespace {

const QStringList kAbc = {"A", "B", "C"};

}  // namespace

class TestZelCredits : public QObject {
  Q_OBJECT

 private slots:
  void OneTick_data();
  void OneTick();
  void FullCycleComesBack_data();
  void FullCycleComesBack();
  void MoveChangedBetweenTicks();
  void UnknownDirectionIsIgnored();
  void FreshBoxStandsStill();
  void TextFromTheBaseBecomesLines();
  void SpeedGivesPeriod_data();
  void SpeedGivesPeriod();
  void SpeedZeroOrBelowStopsAndPositiveResumes();
  void SameSpeedLeavesTimerAlone();
  void RunCreditsOffAndOnKeepsEveryLine();
  void TwoBoxesRollIndependently();
  void DestroyingOneBoxLeavesTheOtherRolling();
};

void TestZelCredits::OneTick_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<int>("move");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("up") << kAbc << int(mUp) << QStringList{"B", "C", "A"};
  QTest::newRow("down") << kAbc << int(mDown) << QStringList{"C", "A", "B"};
  QTest::newRow("empty lines roll too")
      << QStringList{"", "", "X"} << int(mUp) << QStringList{"", "X", ""};
  QTest::newRow("one line up") << QStringList{"A"} << int(mUp) << QStringList{"A"};
  QTest::newRow("one line down") << QStringList{"A"} << int(mDown) << QStringList{"A"};
  QTest::newRow("one empty line") << QStringList{""} << int(mDown) << QStringList{""};
  QTest::newRow("no lines up") << QStringList{} << int(mUp) << QStringList{};
  QTest::newRow("no lines down") << QStringList{} << int(mDown) << QStringList{};
}

void TestZelCredits::OneTick() {
  QFETCH(QStringList, lines);
  QFETCH(int, move);
  QFETCH(QStringList, expected);
  TZelCredits box;
  box.SetLines(lines);
  box.SetMove(TMove(move));
  box.TimerTick();
  QCOMPARE(box.Lines(), expected);
  // What the player sees is the same list.
  QCOMPARE(box.toPlainText(), expected.join('\n'));
}

void TestZelCredits::FullCycleComesBack_data() {
  QTest::addColumn<int>("move");
  QTest::newRow("up") << int(mUp);
  QTest::newRow("down") << int(mDown);
}

void TestZelCredits::FullCycleComesBack() {
  QFETCH(int, move);
  const QStringList start = {"", "", "Составил", "Команда", "", "Игра"};
  TZelCredits box;
  box.SetLines(start);
  box.SetMove(TMove(move));
  for (int i = 1; i < start.size(); ++i) {
    box.TimerTick();
    QVERIFY2(box.Lines() != start, qPrintable(QString("back too early, tick %1").arg(i)));
    QCOMPARE(StepsUp(start, box.Lines()), move == mUp ? i : int(start.size()) - i);
  }
  box.TimerTick();
  QCOMPARE(box.Lines(), start);
}

void TestZelCredits::MoveChangedBetweenTicks() {
  TZelCredits box;
  box.SetLines(kAbc);
  box.TimerTick();
  box.SetMove(mDown);
  QCOMPARE(box.Lines(), (QStringList{"B", "C", "A"}));  // the write itself moves nothing
  box.TimerTick();
  QCOMPARE(box.Lines(), kAbc);
  box.TimerTick();
  QCOMPARE(box.Lines(), (QStringList{"C", "A", "B"}));
  QVERIFY(box.setProperty("Move", "mUp"));
  box.TimerTick();
  QCOMPARE(box.Lines(), kAbc);
}

void TestZelCredits::UnknownDirectionIsIgnored() {
  TZelCredits box;
  box.SetLines(kAbc);
  box.SetMove(mDown);
  box.SetMove(TMove(7));
  box.setProperty("Move", 200);
  QCOMPARE(box.Move(), mDown);
  box.TimerTick();
  QCOMPARE(box.Lines(), (QStringList{"C", "A", "B"}));
}

void TestZelCredits::FreshBoxStandsStill() {
  TZelCredits box;
  box.SetLines(kAbc);
  QCOMPARE(box.SpeedRun(), 20);
  QCOMPARE(box.CreditsTimer().interval(), 200);
  QCOMPARE(box.Move(), mUp);
  QVERIFY(!box.RunCredits());
  QVERIFY(!box.CreditsTimer().isActive());
  QTest::qWait(box.CreditsTimer().interval() + 100);
  QCOMPARE(box.Lines(), kAbc);
  // Writing the speed it already has starts nothing either.
  box.SetSpeedRun(20);
  QVERIFY(!box.CreditsTimer().isActive());
}

void TestZelCredits::TextFromTheBaseBecomesLines() {
  TZelCredits box;
  box.setPlainText("A\nB\n\nC");
  QCOMPARE(box.Lines(), (QStringList{"A", "B", "", "C"}));
  box.TimerTick();
  QCOMPARE(box.toPlainText(), QString("B\n\nC\nA"));
  box.clear();
  QCOMPARE(box.Lines(), QStringList());
  box.TimerTick();
  QCOMPARE(box.Lines(), QStringList());
}

void TestZelCredits::SpeedGivesPeriod_data() {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  QTest::addColumn<int>("speed");
  QTest::addColumn<bool>("ticking");
  QTest::addColumn<int>("period");
  QTest::newRow("40") << 40 << true << 400;
  QTest::newRow("1") << 1 << true << 10;
  QTest::newRow("largest exact") << kMax / 10 << true << kMax / 10 * 10;
  QTest::newRow("just past exact") << kMax / 10 + 1 << true << kMax;
  QTest::newRow("int max") << kMax << true << kMax;
  QTest::newRow("0") << 0 << false << 0;
  QTest::newRow("-1") << -1 << false << 0;
  QTest::newRow("int min") << kMin << false << 0;
}

void TestZelCredits::SpeedGivesPeriod() {
  QFETCH(int, speed);
  QFETCH(bool, ticking);
  QFETCH(int, period);
  QTest::failOnWarning(QRegularExpression(".*[Tt]imer.*"));
  TZelCredits box;
  box.SetRunCredits(true);
  QVERIFY(box.setProperty("SpeedRun", speed));
  QCOMPARE(box.SpeedRun(), speed);
  QCOMPARE(box.CreditsTimer().isActive(), ticking);
  QCOMPARE(box.CreditsTimer().interval(), period);
  QTest::qWait(20);  // let the event loop take the registration
}

void TestZelCredits::SpeedZeroOrBelowStopsAndPositiveResumes() {
  TZelCredits box;
  box.SetLines(kAbc);
  box.SetRunCredits(true);
  box.SetSpeedRun(-3);
  QVERIFY(!box.CreditsTimer().isActive());
  QVERIFY(box.RunCredits());  // still meant to run once a speed is given
  QTest::qWait(50);
  QCOMPARE(box.Lines(), kAbc);
  box.SetSpeedRun(0);
  QVERIFY(!box.CreditsTimer().isActive());
  box.SetSpeedRun(1);
  QVERIFY(box.CreditsTimer().isActive());
  QTRY_VERIFY_WITH_TIMEOUT(box.Lines() != kAbc, 2000);
  QVERIFY(StepsUp(kAbc, box.Lines()) > 0);

  // Switched on while the speed is already 0 or below, the box still stands: a timer of 0 ms
  // would spin.
  box.SetSpeedRun(0);
  box.SetRunCredits(false);
  const QStringList stood = box.Lines();
  box.SetRunCredits(true);
  QVERIFY(!box.CreditsTimer().isActive());
  TZelCredits still;
  still.SetLines(kAbc);
  still.SetSpeedRun(0);
  still.SetRunCredits(true);
  QVERIFY(!still.CreditsTimer().isActive());
  QTest::qWait(30);
  QCOMPARE(still.Lines(), kAbc);
  QCOMPARE(box.Lines(), stood);

  // Without RunCredits a positive speed only sets the period.
  TZelCredits idle;
  idle.SetSpeedRun(0);
  idle.SetSpeedRun(5);
  QVERIFY(!idle.CreditsTimer().isActive());
  QCOMPARE(idle.CreditsTimer().interval(), 50);
  idle.SetRunCredits(true);
  QVERIFY(idle.CreditsTimer().isActive());
}

void TestZelCredits::SameSpeedLeavesTimerAlone() {
  TZelCredits box;
  box.SetSpeedRun(100);  // 1 s, long enough to see the count go down
  box.SetRunCredits(true);
  QTest::qWait(250);
  const int before = box.CreditsTimer().remainingTime();
  QVERIFY(before < 900);
  box.SetSpeedRun(100);
  QVERIFY(box.CreditsTimer().remainingTime() <= before);
  box.SetRunCredits(true);  // already running: the count goes on as well
  QVERIFY(box.CreditsTimer().remainingTime() <= before);
  box.SetSpeedRun(101);  // a new period starts a fresh count
  QVERIFY(box.CreditsTimer().remainingTime() > 950);
}

void TestZelCredits::RunCreditsOffAndOnKeepsEveryLine() {
  const QStringList start = {"1", "2", "3", "4", "5"};
  TZelCredits box;
  box.SetLines(start);
  box.SetSpeedRun(1);
  box.SetRunCredits(true);
  QTRY_VERIFY_WITH_TIMEOUT(box.Lines() != start, 2000);
  box.SetRunCredits(false);
  QVERIFY(!box.CreditsTimer().isActive());
  const QStringList stopped = box.Lines();
  QVERIFY(StepsUp(start, stopped) > 0);
  QTest::qWait(60);
  QCOMPARE(box.Lines(), stopped);  // stands where it stopped
  box.SetRunCredits(true);
  QTRY_VERIFY_WITH_TIMEOUT(box.Lines() != stopped, 2000);
  QVERIFY(StepsUp(start, box.Lines()) >= 0);  // nothing lost or doubled
}

void TestZelCredits::TwoBoxesRollIndependently() {
  TZelCredits first;
  first.SetLines(kAbc);
  first.SetSpeedRun(1);
  first.SetRunCredits(true);
  TZelCredits second;  // the newer box must not take over the older one's timer
  second.SetLines(kAbc);
  second.SetSpeedRun(7);
  QCOMPARE(first.CreditsTimer().interval(), 10);
  QCOMPARE(second.CreditsTimer().interval(), 70);
  QVERIFY(first.CreditsTimer().isActive());
  QVERIFY(!second.CreditsTimer().isActive());
  QTRY_VERIFY_WITH_TIMEOUT(first.Lines() != kAbc, 2000);
  QCOMPARE(second.Lines(), kAbc);

  second.SetMove(mDown);
  second.SetRunCredits(true);
  first.SetRunCredits(false);
  QVERIFY(!first.CreditsTimer().isActive());
  QVERIFY(second.CreditsTimer().isActive());
  const QStringList firstStopped = first.Lines();
  QTRY_VERIFY_WITH_TIMEOUT(second.Lines() != kAbc, 2000);
  QCOMPARE(first.Lines(), firstStopped);
}

void TestZelCredits::DestroyingOneBoxLeavesTheOtherRolling() {
  TZelCredits older;
  older.SetLines(kAbc);
  older.SetSpeedRun(1);
  older.SetRunCredits(true);
  auto newer = std::make_unique<TZelCredits>();
  newer->SetLines(kAbc);
  newer->SetSpeedRun(1);
  newer->SetRunCredits(true);
  QTest::qWait(30);
  newer.reset();
  older.SetSpeedRun(2);  // writes after the other box is gone still steer this box's timer
  QCOMPARE(older.CreditsTimer().interval(), 20);
  const QStringList now = older.Lines();
  QTRY_VERIFY_WITH_TIMEOUT(older.Lines() != now, 2000);

  // The timer is the box's own: it goes with the box.
  auto box = std::make_unique<TZelCredits>();
  QPointer<const QTimer> timer(&box->CreditsTimer());
  box.reset();
  QVERIFY(timer.isNull());
}

QTEST_MAIN(TestZelCredits)
#include "tst_ZelCredits.moc"
