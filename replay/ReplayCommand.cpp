#include "ReplayCommand.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <optional>

#include "Utf8.h"

namespace kevolan::replay {
namespace {

// Every reader below fills in the one ParsedLine that ParseLine returns, so nothing is copied.
void Usage(ParsedLine& p, const char* why) {
  p.Kind = ParsedLine::Kind::UsageError;
  p.Error = why;
}

Command& Run(ParsedLine& p, Verb verb) {
  p.Kind = ParsedLine::Kind::Command;
  p.Command.Verb = verb;
  return p.Command;
}

// A script word against a fixed word: the length known here, the bytes compare in a few moves.
template <std::size_t N>
bool Is(std::string_view word, const char (&fixed)[N]) {
  return word.size() == N - 1 && std::memcmp(word.data(), fixed, N - 1) == 0;
}

std::optional<Activity> ActivityNamed(std::string_view word) {
  for (std::size_t i = 0; i < kActivityWords.size(); ++i) {
    if (word == kActivityWords[i]) return static_cast<Activity>(i);
  }
  return std::nullopt;
}

std::optional<Box> BoxNamed(std::string_view word) {
  if (Is(word, "food")) return Box::Food;
  if (const auto activity = ActivityNamed(word)) return static_cast<Box>(*activity);
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

void ParseEat(std::string_view arg, ParsedLine& p) {
  if (Is(arg, "on") || Is(arg, "off")) {
    Run(p, Verb::Eat).On = Is(arg, "on");
  } else {
    Usage(p, "eat takes on or off");
  }
}

void ParseActivity(std::string_view arg, ParsedLine& p) {
  if (const auto activity = ActivityNamed(arg)) {
    Run(p, Verb::Activity).Activity = *activity;
  } else {
    Usage(p, "activity takes gather, create or repair");
  }
}

void ParseType(std::string_view rest, ParsedLine& p) {
  // TEXT is everything after the one space that follows the box, spaces included.
  const std::size_t space = rest.find(' ');
  const auto box = BoxNamed(rest.substr(0, space));
  if (!box) return Usage(p, "unknown box");
  Command& c = Run(p, Verb::Type);
  c.Box = *box;
  if (space != std::string_view::npos) c.Text.assign(rest.substr(space + 1));
}

void ParsePick(std::string_view rest, ParsedLine& p) {
  const std::size_t space = rest.find(' ');
  if (space == std::string_view::npos) return Usage(p, "pick takes a box and a number");
  const auto box = BoxNamed(rest.substr(0, space));
  if (!box) return Usage(p, "unknown box");
  const auto index = WholeNumber(rest.substr(space + 1));
  if (!index) return Usage(p, "pick takes a whole number");
  Command& c = Run(p, Verb::Pick);
  c.Box = *box;
  c.Index = *index;
}

void ParseCommand(std::string_view line, ParsedLine& p) {
  const std::size_t space = line.find(' ');
  const std::string_view verb = line.substr(0, space);
  const bool hasRest = space != std::string_view::npos;
  const std::string_view rest = hasRest ? line.substr(space + 1) : std::string_view();

  if (Is(verb, "next") || Is(verb, "state") || Is(verb, "hint") || Is(verb, "review")) {
    const Verb v = Is(verb, "next")    ? Verb::Next
                   : Is(verb, "state") ? Verb::State
                   : Is(verb, "hint")  ? Verb::Hint
                                       : Verb::Review;
    if (hasRest) {
      return Usage(p, v == Verb::Next    ? "next takes nothing after it"
                      : v == Verb::State ? "state takes nothing after it"
                      : v == Verb::Hint  ? "hint takes nothing after it"
                                         : "review takes nothing after it");
    }
    Run(p, v);
    return;
  }
  if (Is(verb, "type")) {
    if (!hasRest) return Usage(p, "type takes a box and a text");
    return ParseType(rest, p);
  }
  if (!hasRest) return Usage(p, "unknown command");
  if (Is(verb, "eat")) return ParseEat(rest, p);
  if (Is(verb, "activity")) return ParseActivity(rest, p);
  if (Is(verb, "pick")) return ParsePick(rest, p);
  Usage(p, "unknown command");
}

}  // namespace

ParsedLine ParseLine(std::string_view line) {
  ParsedLine p;
  if (line.empty()) return p;
  if (line.front() != '#') ParseCommand(line, p);
  // Bytes that are not UTF-8 make any line a usage error, whatever else is wrong with it. A
  // command read in full is ASCII but for a typed text, so only that text, a comment and a
  // line that is no command need the check.
  const bool wellFormed = p.Kind != ParsedLine::Kind::Command ? IsValidUtf8(line)
                          : p.Command.Verb == Verb::Type      ? IsValidUtf8(p.Command.Text)
                                                              : true;
  if (!wellFormed) {
    p = ParsedLine{};
    Usage(p, "not valid UTF-8");
  }
  return p;
}

}  // namespace kevolan::replay
