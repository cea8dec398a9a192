// One line of a replay script, read into what the player does at the main window.
#pragma once

#include <string>
#include <string_view>

#include "Catalogue.h"

namespace kevolan::replay {

enum class Verb { Eat, Activity, Type, Pick, Next, State, Hint, Review };
// The food box, and each activity's choice box numbered as its activity is.
enum class Box : std::int8_t { Food = -1, Gather = 0, Create = 1, Repair = 2 };
// The activity whose box it is; none for the food box.
constexpr kevolan::Activity ActivityOf(Box box) { return static_cast<kevolan::Activity>(box); }

struct Command {
  replay::Verb Verb = replay::Verb::State;
  bool On = false;                                       // eat
  kevolan::Activity Activity = kevolan::Activity::None;  // activity
  replay::Box Box = replay::Box::Food;                   // type, pick
  std::string Text;                                      // type: taken byte for byte
  long long Index = -1;  // pick; a number too large to be an index is kept as the largest one
};

struct ParsedLine {
  enum class Kind { Skip, Command, UsageError };
  ParsedLine::Kind Kind = ParsedLine::Kind::Skip;
  replay::Command Command;
  std::string Error;  // why the line is a usage error
};

// Reads one line; a trailing "\r" must already be dropped.
ParsedLine ParseLine(std::string_view line);

}  // namespace kevolan::replay
