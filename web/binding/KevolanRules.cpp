// The rules as a web page reaches them: the replay driver's command lines in, exactly the
// driver's JSON out, the state as it stood behind each message of the last turn, and what the
// last turn did, told for a screen reader.
#include "KevolanRules.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DayReport.h"
#include "ReplayCommand.h"
#include "ReplaySession.h"
#include "StateJson.h"

namespace {

using kevolan::replay::ParsedLine;

class WebGame {
 public:
  WebGame() {
    session_.ObserveMessages([this](std::string_view, const kevolan::GameState& state) {
      std::string json;
      kevolan::replay::AppendStateJson(json, state);
      messageStates_.push_back(std::move(json));
    });
  }

  const char* Run(std::string_view line) {
    output_.clear();
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A page hands over one typed line at a time; a line break inside would make two
    // commands of one, so such a line is refused as a whole and nothing runs.
    if (line.find('\n') != std::string_view::npos) return UsageError("one line at a time");
    const ParsedLine parsed = kevolan::replay::ParseLine(line);
    if (parsed.Kind == ParsedLine::Kind::Skip) return output_.c_str();
    if (parsed.Kind == ParsedLine::Kind::UsageError) return UsageError(parsed.Error);
    if (parsed.Command.Verb != kevolan::replay::Verb::Next) {
      session_.Run(parsed.Command, line, output_);
      return output_.c_str();
    }
    messageStates_.clear();
    const kevolan::GameState before = session_.State();
    session_.Run(parsed.Command, line, output_);
    dayReport_ = kevolan::speech::DayReport(before, session_.State());
    return output_.c_str();
  }

  // Plays a stored game's script, one command a line, answers unwritten. Says how many lines
  // it played; it stops at the first line that is no command.
  int Replay(std::string_view script) {
    const auto played = kevolan::replay::PlayScript(session_, script);
    messageStates_.clear();
    dayReport_.clear();
    return static_cast<int>(played.Lines);
  }
  const char* DayReport() const { return dayReport_.c_str(); }

  int MessageCount() const { return static_cast<int>(messageStates_.size()); }

  const char* MessageState(int i) const {
    if (i < 0 || i >= MessageCount()) return "";
    return messageStates_[static_cast<std::size_t>(i)].c_str();
  }

 private:
  const char* UsageError(std::string_view why) {
    output_ = "{\"UsageError\": ";
    kevolan::replay::AppendJsonString(output_, why);
    output_ += "}\n";
    return output_.c_str();
  }

  kevolan::replay::ReplaySession session_;
  std::vector<std::string> messageStates_;  // one per message of the last turn
  std::string output_;
  std::string dayReport_;  // what the last `next` did, as the page announces it
};

WebGame& Game(bool fresh = false) {
  static std::unique_ptr<WebGame> game;
  if (fresh || !game) game = std::make_unique<WebGame>();
  return *game;
}

}  // namespace

extern "C" {

void kevolan_new_game(void) { Game(true); }

const char* kevolan_run(const char* line) { return Game().Run(line ? line : ""); }

int kevolan_replay(const char* script) { return Game().Replay(script ? script : ""); }

int kevolan_message_count(void) { return Game().MessageCount(); }

const char* kevolan_message_state(int i) { return Game().MessageState(i); }

const char* kevolan_day_report(void) { return Game().DayReport(); }
}
