// What changed between two outputs of the driver, in words a reviewer reads at a glance: the
// first line that differs, by its turn, with the fields that differ and their values then and
// now; and over many scripts, how many changed and which fields.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace kevolan::replay::testing {

// "line 7, turn 6: Outcome "starved" -> "playing", HungryDays 6 -> 5" (the state's fields by
// their own names); a line that is no JSON is shown whole. Empty when the outputs are the same.
// The fields that differ are counted into `fields`, by their paths without list positions.
std::string FirstChangeInWords(std::string_view was, std::string_view now,
                               std::map<std::string, int>* fields = nullptr);

// "HungryDays (37), Outcome (12)": the fields counted, the most often changed first.
std::string FieldsInWords(const std::map<std::string, int>& fields);

}  // namespace kevolan::replay::testing
