#include "HintRunner.h"

#include <exception>
#include <utility>

#include "HintText.h"
#include "ReviewText.h"

using kevolan::GameState;
using kevolan::solver::GameRecord;
using kevolan::solver::HintBudget;
using kevolan::solver::HintResult;
using kevolan::solver::ReviewResult;

HintRunner::HintRunner(QObject* parent)
    : QObject(parent),
      search_([](const GameState& s, const HintBudget& b) { return kevolan::solver::Hint(s, b); }),
      reviewer_(
          [](const GameRecord& r, const HintBudget& b) { return kevolan::solver::Review(r, b); }) {}

HintRunner::~HintRunner() { Stop(); }

void HintRunner::SetSearch(Search search) { search_ = std::move(search); }

void HintRunner::SetReviewer(Reviewer reviewer) { reviewer_ = std::move(reviewer); }

void HintRunner::SetBudget(const HintBudget& budget) { budget_ = budget; }

bool HintRunner::Start(const GameState& state) {
  if (!search_) return false;
  auto position = std::make_shared<const GameState>(state);
  return Ask([search = search_, position](const HintBudget& budget) {
    HintResult result;
    try {
      result = search(*position, budget);
    } catch (const std::exception&) {
      // Out of memory, most likely: the question stays open, as when time runs out.
      result = HintResult{};
    }
    return kevolan::solver::HintText(*position, result);
  });
}

bool HintRunner::StartReview(const GameRecord& record) {
  if (!reviewer_ || Running()) return false;
  auto game = std::make_shared<const GameRecord>(record);
  return Ask([reviewer = reviewer_, game](const HintBudget& budget) {
    try {
      return kevolan::solver::ReviewText(*game, reviewer(*game, budget));
    } catch (const std::exception&) {
      return std::string("Подсказка не смогла ответить. Спросите снова.");
    }
  });
}

bool HintRunner::Ask(Question question) {
  if (Running()) return false;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  HintBudget budget = budget_;
  budget.Cancel = cancel_.get();
  const unsigned run = ++run_;
  thread_ = std::thread([this, run, question = std::move(question), budget, cancel = cancel_] {
    std::string text = question(budget);
    if (cancel->load()) return;
    // Queued to the runner's own thread; an event still waiting when the runner is destroyed
    // is dropped with it, and Stop joins before that can happen.
    QMetaObject::invokeMethod(
        this, [this, run, text = std::move(text)] { Finished(run, text); }, Qt::QueuedConnection);
  });
  return true;
}

void HintRunner::Stop() {
  if (cancel_) cancel_->store(true);
  if (thread_.joinable()) thread_.join();
}

void HintRunner::Finished(unsigned run, const std::string& text) {
  // A stopped search's answer, posted just before it was stopped.
  if (run != run_ || cancel_->load()) return;
  // The thread has posted its last word; only its return is left.
  if (thread_.joinable()) thread_.join();
  emit Answered(text);
}
