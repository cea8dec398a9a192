// Two JSON values set side by side field by field, so that a failing comparison of whole states
// names only what differs.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace kevolan::testing {

// One line per differing field, "path: expected X, got Y" (a path such as
// State.Items.Hut.WearDaysLeft or Boxes.CreateChoice.Options[2]); empty when the two are equal.
std::string JsonDifferences(const nlohmann::json& expected, const nlohmann::json& actual);

}  // namespace kevolan::testing
