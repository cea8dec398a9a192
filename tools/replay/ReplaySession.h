// A game played from a script: each command acts as the player would at the main window,
// refused where the window's control would be disabled.
#pragma once

#include <string>
#include <string_view>
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

 private:
  // Empty when the command was carried out, else why it was refused.
  std::string_view Apply(const Command& command);

  GameState state_;
  long long turns_ = 0;
  std::vector<std::string> messages_;
};

}  // namespace kevolan::replay
