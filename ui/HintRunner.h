// Asks the search whether the island can still be escaped from, or, once the game is over, for
// the review of the game, off the window's thread: the window keeps answering the player while it
// thinks. One question at a time; the answer, in the box's words, comes back on the window's
// thread. Destroying the runner stops the search and waits for its thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "GameState.h"
#include "Review.h"
#include "Solver.h"

class HintRunner : public QObject {
  Q_OBJECT
 public:
  // The searches themselves; tests put slow or tiny ones in their place.
  using Search = std::function<kevolan::solver::HintResult(const kevolan::GameState&,
                                                           const kevolan::solver::HintBudget&)>;
  using Reviewer = std::function<kevolan::solver::ReviewResult(const kevolan::solver::GameRecord&,
                                                               const kevolan::solver::HintBudget&)>;

  explicit HintRunner(QObject* parent = nullptr);
  ~HintRunner() override;

  void SetSearch(Search search);
  void SetReviewer(Reviewer reviewer);
  void SetBudget(const kevolan::solver::HintBudget& budget);

  // Starts a search over a copy of `state`; false, and nothing starts, while one runs.
  bool Start(const kevolan::GameState& state);
  // Starts the review of the game `record` kept (over a copy of it); false while a search runs.
  bool StartReview(const kevolan::solver::GameRecord& record);
  bool Running() const { return thread_.joinable(); }
  // Stops a running search and waits for its thread; its answer is never delivered.
  void Stop();

 signals:
  // The box's words: the hint about the position the search was started with, or the review.
  void Answered(const std::string& text);

 private:
  using Question = std::function<std::string(const kevolan::solver::HintBudget&)>;
  bool Ask(Question question);
  void Finished(unsigned run, const std::string& text);

  Search search_;
  Reviewer reviewer_;
  kevolan::solver::HintBudget budget_;
  // Shared with the thread, which may still be reading it while the runner goes.
  std::shared_ptr<std::atomic<bool>> cancel_;
  std::thread thread_;
  unsigned run_ = 0;  // which search the thread runs; an older one's late answer is not heard
};
