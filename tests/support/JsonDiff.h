// Two JSON values set side by side field by field, so that a failing comparison of whole states
// names only what differs.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kevolan::testing {

// One field that differs: its path (State.Items.Hut.WearDaysLeft, Boxes.CreateChoice.Options[2];
// empty for the whole value) and both values, as JSON text ("missing" where a side lacks it).
struct FieldChange {
  std::string Path;
  std::string Was;
  std::string Now;
};
std::vector<FieldChange> JsonChanges(const nlohmann::json& expected, const nlohmann::json& actual);

// One line per differing field, "path: expected X, got Y"; empty when the two are equal.
std::string JsonDifferences(const nlohmann::json& expected, const nlohmann::json& actual);

}  // namespace kevolan::testing
