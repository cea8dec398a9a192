#include "JsonDiff.h"

namespace kevolan::testing {
namespace {

void Compare(const nlohmann::json& expected, const nlohmann::json& actual, const std::string& path,
             std::string& out) {
  if (expected.is_object() && actual.is_object()) {
    for (const auto& [key, value] : expected.items()) {
      const std::string at = path.empty() ? key : path + "." + key;
      if (actual.contains(key)) {
        Compare(value, actual.at(key), at, out);
      } else {
        out += at + ": expected " + value.dump() + ", missing\n";
      }
    }
    for (const auto& [key, value] : actual.items()) {
      if (!expected.contains(key)) {
        out +=
            (path.empty() ? key : path + "." + key) + ": not expected, got " + value.dump() + "\n";
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
  if (expected != actual) {
    out += (path.empty() ? "(the whole value)" : path) + ": expected " + expected.dump() +
           ", got " + actual.dump() + "\n";
  }
}

}  // namespace

std::string JsonDifferences(const nlohmann::json& expected, const nlohmann::json& actual) {
  std::string out;
  Compare(expected, actual, "", out);
  return out;
}

}  // namespace kevolan::testing
