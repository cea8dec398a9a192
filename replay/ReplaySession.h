// A game played from a script: each command acts as the player would at the main window,
// refused where the window's control would be disabled.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "GameState.h"
#include "ReplayCommand.h"

namespace kevolan::replay {

class ReplaySession {
 public:
  ReplaySession();

  // Runs one command and appends its JSON line (with the newline) to `out`.
  // `line` is the command as read, echoed when the command is refused.
  void Run(const Command& command, std::string_view line, std::string& out);

  const GameState& State() const { return state_; }
  long long Turns() const { return turns_; }
  // The messages of the last turn run, in the order the player saw them.
  const std::vector<std::string>& LastMessages() const { return messages_; }

  // Called as each message of a turn is shown, with the state as it stands at that moment: a
  // front end shows the window behind the message box as the player would see it then.
  using MessageObserver = std::function<void(std::string_view text, const GameState& state)>;
  void ObserveMessages(MessageObserver observer) { observer_ = std::move(observer); }

  // Answers "hint" with one JSON object (no line break) for the state. Without it the command is
  // refused: the solver lives outside the rules, and the page's rules module carries none.
  using HintAnswer = std::function<std::string(const GameState& state)>;
  void AnswerHints(HintAnswer answer) { hint_ = std::move(answer); }

  // Called as each day turn starts, with the state as the next-day button found it (`ended`
  // false), and as it ends, with the state the turn left (`ended` true): the review after the
  // end is asked of the days kept from it.
  using TurnObserver = std::function<void(const GameState& state, bool ended)>;
  void ObserveTurns(TurnObserver observer) { turnObserver_ = std::move(observer); }
  // Answers "review", once the game is over, with one JSON object (no line break). Refused
  // before the end, and without it (the page's rules module, like the session alone).
  using ReviewAnswer = std::function<std::string(const GameState& state)>;
  void AnswerReviews(ReviewAnswer answer) { review_ = std::move(answer); }

 private:
  // Empty when the command was carried out, else why it was refused.
  std::string_view Apply(const Command& command);

  GameState state_;
  long long turns_ = 0;
  std::vector<std::string> messages_;
  MessageObserver observer_;
  HintAnswer hint_;
  TurnObserver turnObserver_;
  ReviewAnswer review_;
};

// A whole script played into a session without its answers (a stored game, a script to solve
// on from): line by line, a carriage return at a line's end dropped, stopping at the first line
// that is no command. `Lines` counts the lines played (comments and blank lines included);
// `Error` says why the next one is no command, empty when the script went through.
struct PlayedScript {
  long long Lines = 0;
  std::string Error;
};
PlayedScript PlayScript(ReplaySession& session, std::string_view script);

}  // namespace kevolan::replay
