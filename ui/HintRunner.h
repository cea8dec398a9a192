// Asks the search whether the island can still be escaped from, off the window's thread: the
// window keeps answering the player while it thinks. One question at a time; the answer comes
// back on the window's thread. Destroying the runner stops the search and waits for its thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "GameState.h"
#include "Solver.h"

class HintRunner : public QObject {
  Q_OBJECT
 public:
  // The search itself; tests put a slow or a tiny one in its place.
  using Search = std::function<kevolan::solver::HintResult(const kevolan::GameState&,
                                                           const kevolan::solver::HintBudget&)>;

  explicit HintRunner(QObject* parent = nullptr);
  ~HintRunner() override;

  void SetSearch(Search search);
  void SetBudget(const kevolan::solver::HintBudget& budget);

  // Starts a search over a copy of `state`; false, and nothing starts, while one runs.
  bool Start(const kevolan::GameState& state);
  bool Running() const { return thread_.joinable(); }
  // Stops a running search and waits for its thread; its answer is never delivered.
  void Stop();

 signals:
  // The search's answer about `state`, the position it was started with.
  void Answered(const kevolan::GameState& state, const kevolan::solver::HintResult& result);

 private:
  void Finished(unsigned run, const std::shared_ptr<const kevolan::GameState>& state,
                const kevolan::solver::HintResult& result);

  Search search_;
  kevolan::solver::HintBudget budget_;
  // Shared with the thread, which may still be reading it while the runner goes.
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::thread thread_;
  unsigned run_ = 0;  // which search the thread runs; an older one's late answer is not heard
};
