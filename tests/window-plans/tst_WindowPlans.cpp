// Whole games played twice at once: through the real main window with mouse and keyboard, and
// through the replay driver's session. After every command the window must show exactly the
// state the rules hold, each turn's message boxes must say what the rules said, each day must be
// announced as its report tells it, and a command the rules refuse must meet a control the
// player cannot use.
#include <QFileInfo>
#include <QTest>
#include <nlohmann/json.hpp>

#include "BoxCatcher.h"
#include "DayReport.h"
#include "GameView.h"
#include "HintText.h"
#include "PlanFile.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "Unit1.h"
#include "WindowHands.h"
#include "WindowReadback.h"

namespace replay = kevolan::replay;

namespace {

// A comment line that marks the next command as one the rules must refuse.
constexpr std::string_view kRefusedMark = "# refused";
constexpr qsizetype kDifferencesShown = 12;

QByteArray Failure(const QString& plan, const PlanLine& line, const QStringList& what) {
  QStringList shown = what.mid(0, kDifferencesShown);
  if (what.size() > kDifferencesShown) {
    shown.append(QStringLiteral("... and %1 more").arg(what.size() - kDifferencesShown));
  }
  return QStringLiteral("%1 line %2 `%3`:\n    %4")
      .arg(plan)
      .arg(line.Number)
      .arg(FromGame(line.Text), shown.join(QStringLiteral("\n    ")))
      .toUtf8();
}

QStringList DriverMessages(const replay::ReplaySession& session) {
  QStringList texts;
  for (const std::string& text : session.LastMessages()) texts.append(FromGame(text));
  return texts;
}

// The offscreen platform cannot raise a window or grab the keyboard for a drop-down list; it
// says so at every pick, which would bury the test's own output.
QtMessageHandler previousHandler = nullptr;
void QuietAboutThePlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support"))) {
    return;
  }
  if (previousHandler != nullptr) previousHandler(type, context, text);
}

// What the window tells a screen reader of the last day, said already or about to be.
QString Told(const TForm1& form) {
  const QString waiting = form.DayAnnouncement->Waiting();
  return waiting.isEmpty() ? form.DayAnnouncement->accessibleName() : waiting;
}

QString Listed(const QStringList& texts) {
  QStringList quoted;
  for (const QString& text : texts) quoted.append(u'"' + text + u'"');
  return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}

}  // namespace

class WindowPlans : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { previousHandler = qInstallMessageHandler(QuietAboutThePlatform); }
  void playsAsTheDriver_data();
  void playsAsTheDriver();
  void hintOnPositionsOfAPlan();
};

void WindowPlans::playsAsTheDriver_data() {
  QTest::addColumn<QString>("path");
  const QStringList paths = PlanPaths();
  QVERIFY2(!paths.isEmpty(), "no plans found");
  for (const QString& path : paths) {
    QTest::newRow(qPrintable(QFileInfo(path).completeBaseName())) << path;
  }
}

void WindowPlans::playsAsTheDriver() {
  QFETCH(QString, path);
  const QString plan = QFileInfo(path).fileName();
  const std::vector<PlanLine> lines = ReadPlan(path);
  QVERIFY2(!lines.empty(), qPrintable(plan + QStringLiteral(" is empty or unreadable")));

  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  replay::ReplaySession session;
  WindowHands hands(form);
  BoxCatcher boxes;
  // Behind each message box the window shows the game as the turn has left it so far: as the
  // driver's session stood when it said the same message.
  std::vector<kevolan::GameState> atMessages;
  session.ObserveMessages(
      [&](std::string_view, const kevolan::GameState& s) { atMessages.push_back(s); });
  QStringList behind;
  boxes.WhileOpen = [&](QMessageBox* box) {
    const auto at = static_cast<std::size_t>(boxes.Boxes.size()) - 1;
    if (at >= atMessages.size()) return;
    for (const QString& d : WindowDiffers(form, atMessages[at])) {
      behind.append(QStringLiteral("behind «%1»: %2").arg(box->text(), d));
    }
  };

  const QStringList atStart = WindowDiffers(form, session.State());
  QVERIFY2(atStart.isEmpty(), Failure(plan, {0, "(a new game)"}, atStart).constData());

  int commands = 0;
  int refusals = 0;
  int messages = 0;
  bool mustBeRefused = false;
  for (const PlanLine& line : lines) {
    if (line.Text == kRefusedMark) {
      mustBeRefused = true;
      continue;
    }
    const replay::ParsedLine parsed = replay::ParseLine(line.Text);
    if (parsed.Kind == replay::ParsedLine::Kind::Skip) continue;
    if (parsed.Kind == replay::ParsedLine::Kind::UsageError) {
      QFAIL(Failure(plan, line, {QStringLiteral("not a command: ") + FromGame(parsed.Error)}));
    }
    const replay::Command& command = parsed.Command;
    ++commands;

    // The window's controls are read before the driver's answer is known to it.
    const QString unusable = hands.Unusable(command);
    const kevolan::GameState before = session.State();
    const QString toldBefore = Told(form);
    std::string answer;
    session.Run(command, line.Text, answer);
    const auto printed =
        answer.empty() ? nlohmann::json::object() : nlohmann::json::parse(answer, nullptr, false);
    QVERIFY2(!printed.is_discarded(), Failure(plan, line, {"the driver printed no JSON"}));
    const bool refused = printed.contains("Refused");

    if (refused != mustBeRefused) {
      QFAIL(Failure(plan, line,
                    {refused ? QStringLiteral("the driver refused it, the plan expects it done")
                             : QStringLiteral("the plan marks it refused, the driver did it")}));
    }
    mustBeRefused = false;
    boxes.Boxes.clear();
    behind.clear();
    if (refused) {
      ++refusals;
      const QString reason = FromGame(printed.value("Reason", std::string()));
      if (unusable.isEmpty()) {
        QFAIL(Failure(plan, line,
                      {QStringLiteral("the driver refused it (%1), the window's control is usable")
                           .arg(reason)}));
      }
      // A missing option and a disabled control are different refusals in both.
      if ((reason == QStringLiteral("no such option")) !=
          unusable.contains(QStringLiteral("has no option"))) {
        QFAIL(Failure(plan, line,
                      {QStringLiteral("refused for another reason: window \"%1\", driver \"%2\"")
                           .arg(unusable, reason)}));
      }
    } else {
      if (!unusable.isEmpty()) {
        QFAIL(
            Failure(plan, line, {QStringLiteral("the driver did it, in the window ") + unusable}));
      }
      const QString trouble = hands.Do(command);
      if (!trouble.isEmpty()) QFAIL(Failure(plan, line, {trouble}));
    }

    if (!behind.isEmpty()) QFAIL(Failure(plan, line, behind));
    atMessages.clear();
    const QStringList seen = boxes.Texts();
    const bool turnRan = command.Verb == replay::Verb::Next && !refused;
    const QStringList said = turnRan ? DriverMessages(session) : QStringList();
    if (seen != said) {
      QFAIL(Failure(plan, line,
                    {QStringLiteral("Messages (message boxes): window %1, driver %2")
                         .arg(Listed(seen), Listed(said))}));
    }
    if (turnRan) {
      // The printed turn says the same as the session.
      QStringList printedTexts;
      for (const auto& text : printed.value("Messages", nlohmann::json::array())) {
        printedTexts.append(FromGame(text.get<std::string>()));
      }
      QCOMPARE(printedTexts, said);
    }
    // Each day is told as its report says; anything else tells nothing new.
    const QString told = Told(form);
    const QString report =
        turnRan ? FromGame(kevolan::speech::DayReport(before, session.State())) : toldBefore;
    if (told != report) {
      QFAIL(Failure(plan, line,
                    {QStringLiteral("told \"%1\", the day's report is \"%2\"").arg(told, report)}));
    }
    messages += static_cast<int>(seen.size());

    const QStringList differences = WindowDiffers(form, session.State());
    if (!differences.isEmpty()) QFAIL(Failure(plan, line, differences));
  }
  QVERIFY2(!mustBeRefused, qPrintable(plan + QStringLiteral(" ends on a \"# refused\" mark")));
  qInfo("%s: %d commands, %lld turns, %d message boxes, %d refused, window and driver agree",
        qPrintable(plan), commands, session.Turns(), messages, refusals);
}

void WindowPlans::hintOnPositionsOfAPlan() {
  // The real search behind «Подсказка»: a new game can be won; five days before the plan's
  // death for want of a dwelling it cannot, and with no time to think it stays undecided.
  // Each box says what the search said of the window's own position; the game stays as it was.
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  BoxCatcher boxes;
  const auto ask = [&](long long maxTurns) {
    kevolan::solver::HintBudget budget;
    budget.MaxTurns = maxTurns;
    form.Hints().SetBudget(budget);
    boxes.Boxes.clear();
    form.Hint1->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.Boxes.isEmpty(), 60000);
    QTest::qWait(20);
    QCOMPARE(boxes.Boxes.size(), 1);
    const QString expected = FromGame(
        kevolan::solver::HintText(form.State(), kevolan::solver::Hint(form.State(), budget)));
    QCOMPARE(boxes.Texts().first(), expected);
  };
  ask(kevolan::solver::HintBudget{}.MaxTurns);
  if (QTest::currentTestFailed()) return;
  QVERIFY(
      boxes.Texts().first().startsWith(QStringLiteral("Спастись с острова ещё можно. Сегодня:")));

  QString path;
  for (const QString& p : PlanPaths()) {
    if (p.endsWith(QStringLiteral("/no-dwelling-in-february.txt"))) path = p;
  }
  QVERIFY(!path.isEmpty());
  replay::ReplaySession session;
  WindowHands hands(form);
  int commands = 0;
  for (const PlanLine& line : ReadPlan(path)) {
    const replay::ParsedLine parsed = replay::ParseLine(line.Text);
    if (parsed.Kind != replay::ParsedLine::Kind::Command) continue;
    if (++commands > 72) break;
    std::string answer;
    session.Run(parsed.Command, line.Text, answer);
    QVERIFY(hands.Do(parsed.Command).isEmpty());
  }
  QVERIFY(form.State() == session.State());

  ask(kevolan::solver::HintBudget{}.MaxTurns);
  if (QTest::currentTestFailed()) return;
  QCOMPARE(boxes.Texts().first(),
           QStringLiteral("Спастись с острова уже нельзя: что бы вы ни делали, вы не успеете "
                          "построить жилище и замёрзнете не позже 1 Февраля, через 5 дней."));
  ask(1);
  if (QTest::currentTestFailed()) return;
  QCOMPARE(boxes.Texts().first(),
           QStringLiteral("Не удалось вовремя понять, можно ли ещё спастись: вариантов слишком "
                          "много. Спросите снова после следующего дня."));
  QVERIFY(form.State() == session.State());
  QVERIFY(WindowDiffers(form, session.State()).isEmpty());
}

QTEST_MAIN(WindowPlans)
#include "tst_WindowPlans.moc"
