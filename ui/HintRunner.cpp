#include "HintRunner.h"

#include <exception>
#include <utility>

using kevolan::GameState;
using kevolan::solver::HintBudget;
using kevolan::solver::HintResult;

HintRunner::HintRunner(QObject* parent)
    : QObject(parent),
      search_([](const GameState& s, const HintBudget& b) { return kevolan::solver::Hint(s, b); }) {
}

HintRunner::~HintRunner() { Stop(); }

void HintRunner::SetSearch(Search search) { search_ = std::move(search); }

void HintRunner::SetBudget(const HintBudget& budget) { budget_ = budget; }

bool HintRunner::Start(const GameState& state) {
  if (Running() || !search_) return false;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  auto position = std::make_shared<const GameState>(state);
  HintBudget budget = budget_;
  budget.Cancel = cancel_.get();
  const unsigned run = ++run_;
  thread_ = std::thread([this, run, search = search_, position, budget, cancel = cancel_] {
    HintResult result;
    try {
      result = search(*position, budget);
    } catch (const std::exception&) {
      // Out of memory, most likely: the question stays open, as when time runs out.
      result = HintResult{};
    }
    if (cancel->load()) return;
    // Queued to the runner's own thread; an event still waiting when the runner is destroyed
    // is dropped with it, and Stop joins before that can happen.
    QMetaObject::invokeMethod(
        this,
        [this, run, position, result = std::move(result)] { Finished(run, position, result); },
        Qt::QueuedConnection);
  });
  return true;
}

void HintRunner::Stop() {
  if (cancel_) cancel_->store(true);
  if (thread_.joinable()) thread_.join();
}

void HintRunner::Finished(unsigned run, const std::shared_ptr<const GameState>& state,
                          const HintResult& result) {
  // A stopped search's answer, posted just before it was stopped.
  if (run != run_ || cancel_->load()) return;
  // The thread has posted its last word; only its return is left.
  if (thread_.joinable()) thread_.join();
  emit Answered(*state, result);
}
