// One line of a replay script, read into what the player does at the main window.
#pragma once

#include <string>
#include <string_view>

#include "Catalogue.h"

namespace kevolan::replay {

enum class Verb { Eat, Activity, Type, Pick, Next, State, Hint };
enum class Box { Food, Gather, Create, Repair };

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
