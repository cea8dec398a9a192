#include "ChangeWords.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <vector>

#include "GoldenStore.h"
#include "JsonDiff.h"

namespace kevolan::replay::testing {
namespace {

constexpr std::size_t kFieldsShown = 4;
constexpr std::size_t kTextShown = 100;

std::string Cut(std::string_view text) {
  if (text.size() <= kTextShown) return std::string(text);
  return std::string(text.substr(0, kTextShown)) + "…";
}

// A field as a reviewer names it: State.Items.Hut.WearDaysLeft is Items.Hut.WearDaysLeft, and
// State.Boxes.CreateChoice.Options[2] is Boxes.CreateChoice.Options.
std::string Unlisted(std::string path) {
  if (path.starts_with("State.")) path.erase(0, 6);
  for (std::size_t open; (open = path.find('[')) != std::string::npos;) {
    path.erase(open, path.find(']', open) - open + 1);
  }
  return path.empty() ? std::string("(the whole line)") : path;
}

// A list that gained or lost items is told by them: +"Плот" -"Хижина"; any other value whole.
std::string Values(const kevolan::testing::FieldChange& change) {
  const auto was = nlohmann::json::parse(change.Was, nullptr, false);
  const auto now = nlohmann::json::parse(change.Now, nullptr, false);
  if (!was.is_array() || !now.is_array()) return Cut(change.Was) + " -> " + Cut(change.Now);
  std::string words;
  for (const auto& item : now) {
    if (std::find(was.begin(), was.end(), item) == was.end()) words += " +" + Cut(item.dump());
  }
  for (const auto& item : was) {
    if (std::find(now.begin(), now.end(), item) == now.end()) words += " -" + Cut(item.dump());
  }
  return words.empty() ? std::string("reordered") : words.substr(1);
}

}  // namespace

std::string FirstChangeInWords(std::string_view was, std::string_view now,
                               std::map<std::string, int>* fields) {
  const FirstDifference diff = FirstDifferingLine(was, now);
  if (diff.Line == 0) return {};
  std::string words = "line " + std::to_string(diff.Line);
  const auto then = nlohmann::json::parse(diff.Expected, nullptr, false);
  const auto later = nlohmann::json::parse(diff.Actual, nullptr, false);
  if (then.is_discarded() || later.is_discarded()) {
    if (fields) ++(*fields)["(the whole line)"];
    return words + ": «" + Cut(diff.Expected) + "» -> «" + Cut(diff.Actual) + "»";
  }
  if (later.is_object() && later.contains("Turn")) words += ", turn " + later["Turn"].dump();
  const std::vector<kevolan::testing::FieldChange> changes =
      kevolan::testing::JsonChanges(then, later);
  words += ":";
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (fields) ++(*fields)[Unlisted(changes[i].Path)];
    if (i == kFieldsShown) {
      words += " and " + std::to_string(changes.size() - i) + " more";
      break;
    }
    words += (i ? ", " : " ") + Unlisted(changes[i].Path) + " " + Values(changes[i]);
  }
  return words;
}

std::string FieldsInWords(const std::map<std::string, int>& fields) {
  std::vector<std::pair<std::string, int>> counted(fields.begin(), fields.end());
  std::stable_sort(counted.begin(), counted.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string words;
  for (const auto& [field, times] : counted) {
    if (!words.empty()) words += ", ";
    words += field + " (" + std::to_string(times) + ")";
  }
  return words;
}

}  // namespace kevolan::replay::testing
