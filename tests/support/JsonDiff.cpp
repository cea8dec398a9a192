#include "JsonDiff.h"

namespace kevolan::testing {
namespace {

void Compare(const nlohmann::json& expected, const nlohmann::json& actual, const std::string& path,
             std::vector<FieldChange>& out) {
  if (expected.is_object() && actual.is_object()) {
    for (const auto& [key, value] : expected.items()) {
      const std::string at = path.empty() ? key : path + "." + key;
      if (actual.contains(key)) {
        Compare(value, actual.at(key), at, out);
      } else {
        out.push_back({at, value.dump(), "missing"});
      }
    }
    for (const auto& [key, value] : actual.items()) {
      if (!expected.contains(key)) {
        out.push_back({path.empty() ? key : path + "." + key, "missing", value.dump()});
      }
    }
    return;
  }
  // Lists of the same length compare item by item; any other difference shows them whole.
  if (expected.is_array() && actual.is_array() && expected.size() == actual.size()) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
      Compare(expected[i], actual[i], path + "[" + std::to_string(i) + "]", out);
    }
    return;
  }
  if (expected != actual) out.push_back({path, expected.dump(), actual.dump()});
}

}  // namespace

std::vector<FieldChange> JsonChanges(const nlohmann::json& expected, const nlohmann::json& actual) {
  std::vector<FieldChange> changes;
  Compare(expected, actual, "", changes);
  return changes;
}

std::string JsonDifferences(const nlohmann::json& expected, const nlohmann::json& actual) {
  std::string out;
  for (const FieldChange& c : JsonChanges(expected, actual)) {
    const std::string path = c.Path.empty() ? "(the whole value)" : c.Path;
    if (c.Now == "missing") {
      out += path + ": expected " + c.Was + ", missing\n";
    } else if (c.Was == "missing") {
      out += path + ": not expected, got " + c.Now + "\n";
    } else {
      out += path + ": expected " + c.Was + ", got " + c.Now + "\n";
    }
  }
  return out;
}

}  // namespace kevolan::testing
