#include "ReplaySession.h"

#include <string>

#include "DayTurn.h"
#include "Handlers.h"
#include "StateJson.h"

namespace kevolan::replay {
namespace {

class MessageList final : public Messenger {
 public:
  MessageList(std::vector<std::string>& into, const GameState& state,
              const ReplaySession::MessageObserver& observer)
      : into_(into), state_(state), observer_(observer) {}
  void Show(std::string_view text) override {
    into_.emplace_back(text);
    if (observer_) observer_(text, state_);
  }

 private:
  std::vector<std::string>& into_;
  const GameState& state_;
  const ReplaySession::MessageObserver& observer_;
};

ChoiceList& BoxNamed(GameState& s, Box box) {
  return box == Box::Food ? s.FoodChoice : *BoxOf(s, ActivityOf(box));
}

}  // namespace

ReplaySession::ReplaySession() : state_(NewGame()) {}

std::string_view ReplaySession::Apply(const Command& c) {
  switch (c.Verb) {
    case Verb::Eat:
      SetEatToday(state_, c.On);
      return {};
    case Verb::Activity:
      return ClickActivity(state_, c.Activity) ? std::string_view() : "activity group is disabled";
    case Verb::Type:
    case Verb::Pick: {
      ChoiceList& box = BoxNamed(state_, c.Box);
      if (!box.Enabled) return "box is disabled";
      if (c.Verb == Verb::Type) {
        box.Type(c.Text);
      } else if (!box.Pick(c.Index)) {
        return "no such option";
      }
      if (c.Box == Box::Create) ComboBox3Change(state_);
      return {};
    }
    case Verb::Next: {
      if (!CanStartTurn(state_)) return "game is over";
      messages_.clear();
      MessageList sink(messages_, state_, observer_);
      if (turnObserver_) turnObserver_(state_, false);
      DayTurn(state_, sink);
      if (turnObserver_) turnObserver_(state_, true);
      ++turns_;
      return {};
    }
    case Verb::Hint:
      return hint_ ? std::string_view() : "no solver here to answer hints";
    case Verb::Review:
      if (!state_.GameOver) return "game is not over";
      return review_ ? std::string_view() : "no solver here to answer reviews";
    case Verb::State:
      break;
  }
  return {};
}

void ReplaySession::Run(const Command& command, std::string_view line, std::string& out) {
  const std::string_view refused = Apply(command);
  if (!refused.empty()) {
    out += "{\"Refused\": ";
    AppendJsonString(out, line);
    out += ", \"Reason\": ";
    AppendJsonString(out, refused);
    out += "}\n";
    return;
  }
  if (command.Verb == Verb::Next) {
    out += "{\"Turn\": ";
    out += std::to_string(turns_);
    out += ", \"Messages\": [";
    for (std::size_t i = 0; i < messages_.size(); ++i) {
      if (i > 0) out += ", ";
      AppendJsonString(out, messages_[i]);
    }
    out += "], \"State\": ";
    AppendStateJson(out, state_);
    out += "}\n";
  } else if (command.Verb == Verb::Hint) {
    out += hint_(state_);
    out += '\n';
  } else if (command.Verb == Verb::Review) {
    out += review_(state_);
    out += '\n';
  } else if (command.Verb == Verb::State) {
    out += "{\"State\": ";
    AppendStateJson(out, state_);
    out += "}\n";
  }
}

PlayedScript PlayScript(ReplaySession& session, std::string_view script) {
  PlayedScript played;
  std::string unused;
  while (!script.empty()) {
    const std::size_t end = script.find('\n');
    std::string_view line = script.substr(0, end);
    script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ParsedLine parsed = ParseLine(line);
    if (parsed.Kind == ParsedLine::Kind::UsageError) {
      played.Error = std::move(parsed.Error);
      break;
    }
    if (parsed.Kind == ParsedLine::Kind::Command) {
      unused.clear();
      session.Run(parsed.Command, line, unused);  // a refused command changes nothing
    }
    ++played.Lines;
  }
  return played;
}

}  // namespace kevolan::replay
