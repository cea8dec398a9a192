#include "ReplayCommand.h"

#include <charconv>
#include <limits>
#include <optional>

#include "Utf8.h"

namespace kevolan::replay {
namespace {

ParsedLine Usage(std::string why) {
  ParsedLine p;
  p.Kind = ParsedLine::Kind::UsageError;
  p.Error = std::move(why);
  return p;
}

ParsedLine Run(Command c) {
  ParsedLine p;
  p.Kind = ParsedLine::Kind::Command;
  p.Command = std::move(c);
  return p;
}

std::optional<Box> BoxNamed(std::string_view word) {
  if (word == "food") return Box::Food;
  if (word == "gather") return Box::Gather;
  if (word == "create") return Box::Create;
  if (word == "repair") return Box::Repair;
  return std::nullopt;
}

// A whole number is an optional minus sign and digits. Negative numbers other than -0 and
// numbers past any list's length are never indexes, so they are kept as -1 and the largest value.
std::optional<long long> WholeNumber(std::string_view word) {
  bool negative = false;
  if (!word.empty() && word.front() == '-') {
    negative = true;
    word.remove_prefix(1);
  }
  if (word.empty()) return std::nullopt;
  for (char ch : word) {
    if (ch < '0' || ch > '9') return std::nullopt;
  }
  while (word.size() > 1 && word.front() == '0') word.remove_prefix(1);
  if (word == "0") return 0;
  if (negative) return -1;
  long long value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size()) {
    return std::numeric_limits<long long>::max();
  }
  return value;
}

ParsedLine ParseEat(std::string_view arg) {
  if (arg == "on" || arg == "off") {
    Command c;
    c.Verb = Verb::Eat;
    c.On = arg == "on";
    return Run(std::move(c));
  }
  return Usage("eat takes on or off");
}

ParsedLine ParseActivity(std::string_view arg) {
  Command c;
  c.Verb = Verb::Activity;
  if (arg == "gather") {
    c.Activity = Activity::GatherFood;
  } else if (arg == "create") {
    c.Activity = Activity::Create;
  } else if (arg == "repair") {
    c.Activity = Activity::Repair;
  } else {
    return Usage("activity takes gather, create or repair");
  }
  return Run(std::move(c));
}

ParsedLine ParseType(std::string_view rest) {
  // TEXT is everything after the one space that follows the box, spaces included.
  const std::size_t space = rest.find(' ');
  const std::string_view word = rest.substr(0, space);
  const auto box = BoxNamed(word);
  if (!box) return Usage("unknown box");
  Command c;
  c.Verb = Verb::Type;
  c.Box = *box;
  if (space != std::string_view::npos) c.Text.assign(rest.substr(space + 1));
  return Run(std::move(c));
}

ParsedLine ParsePick(std::string_view rest) {
  const std::size_t space = rest.find(' ');
  if (space == std::string_view::npos) return Usage("pick takes a box and a number");
  const auto box = BoxNamed(rest.substr(0, space));
  if (!box) return Usage("unknown box");
  const auto index = WholeNumber(rest.substr(space + 1));
  if (!index) return Usage("pick takes a whole number");
  Command c;
  c.Verb = Verb::Pick;
  c.Box = *box;
  c.Index = *index;
  return Run(std::move(c));
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
  if (!IsValidUtf8(line)) return Usage("not valid UTF-8");
  if (line.empty() || line.front() == '#') return ParsedLine{};

  const std::size_t space = line.find(' ');
  const std::string_view verb = line.substr(0, space);
  const std::string_view rest =
      space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  const bool hasRest = space != std::string_view::npos;

  if (verb == "next" || verb == "state") {
    if (hasRest) return Usage(std::string(verb) + " takes nothing after it");
    Command c;
    c.Verb = verb == "next" ? Verb::Next : Verb::State;
    return Run(std::move(c));
  }
  if (verb == "type") {
    if (!hasRest) return Usage("type takes a box and a text");
    return ParseType(rest);
  }
  if (!hasRest) return Usage("unknown command");
  if (verb == "eat") return ParseEat(rest);
  if (verb == "activity") return ParseActivity(rest);
  if (verb == "pick") return ParsePick(rest);
  return Usage("unknown command");
}

}  // namespace kevolan::replay
