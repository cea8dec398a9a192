#include "ToldDay.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "SpokenWords.h"

namespace kevolan::testing {
namespace {

using Facts = std::multiset<std::string>;

std::string Joined(std::string_view a, std::string_view b) {
  std::string s(a);
  s += ": ";
  s += b;
  return s;
}

// "В списке «…» появилось": the words before a list's new options.
std::string NewInList(const speech::BoxWords& box) {
  std::string words("В списке «");
  words += box.Name;
  words += "» появилось";
  return words;
}

// The sentences after the date; a list's new options, which share a sentence, one fact each.
Facts Told(std::string_view report, std::string& date) {
  Facts facts;
  bool first = true;
  while (!report.empty()) {
    const std::size_t end = report.find(". ");
    const std::string_view sentence = report.substr(0, end);
    report.remove_prefix(end == std::string_view::npos ? report.size() : end + 2);
    if (std::exchange(first, false)) {
      date = sentence;
      continue;
    }
    const std::size_t colon = sentence.find(": ");
    const std::string_view words = sentence.substr(0, colon);
    std::string_view rest = colon == std::string_view::npos ? "" : sentence.substr(colon + 2);
    if (words.starts_with("В списке «")) {
      while (true) {
        const std::size_t comma = rest.find(", ");
        facts.insert(Joined(words, rest.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 2);
      }
    } else {
      facts.insert(std::string(sentence));
    }
  }
  return facts;
}

Facts Changed(const GameState& before, const GameState& after) {
  Facts facts;
  for (const speech::GameCounterWords& counter : speech::kGameCounters) {
    if (before.*counter.Field != after.*counter.Field) {
      facts.insert(Joined(counter.Words, std::to_string(after.*counter.Field)));
    }
  }
  for (const speech::ItemFrameWords& frame : speech::kItemFrames) {
    for (Item item : window::Rows(frame.Frame)) {
      const Counter& was = before[item].*frame.Field();
      const Counter& now = after[item].*frame.Field();
      if (was.Shown == now.Shown && (!now.Shown || was.Value == now.Value)) continue;
      facts.insert(Joined(speech::ItemCounterWords(item, frame),
                          now.Shown ? std::to_string(now.Value) : std::string("нет")));
    }
  }
  for (const ItemInfo& info : kItemTable) {
    if (before[info.Id].Owned != after[info.Id].Owned) {
      facts.insert(Joined(after[info.Id].Owned ? "Теперь у вас есть" : "Больше нет", info.Name));
    }
  }
  for (const speech::BoxWords& box : speech::kBoxes) {
    for (NameId option : (after.*box.List).Options()) {
      if (!(before.*box.List).Contains(option)) {
        facts.insert(Joined(NewInList(box), TextOf(option)));
      }
    }
  }
  return facts;
}

std::string Listed(const Facts& facts) {
  std::string out;
  for (const std::string& fact : facts) out += "\n  «" + fact + "»";
  return out;
}

}  // namespace

std::string MisreportedDay(const GameState& before, const GameState& after,
                           std::string_view report) {
  if (before.Day == after.Day && before.Month == after.Month) {
    return report.empty() ? "" : "a report with no day lived: " + std::string(report);
  }
  std::string date;
  const Facts told = Told(report, date);
  const Facts changed = Changed(before, after);
  std::string wrong;
  const std::string newDate = std::to_string(after.Day) + " " + std::string(NameOf(after.Month));
  if (date != newDate) wrong += "the date is «" + date + "», not «" + newDate + "»";
  Facts missing;
  Facts extra;
  std::ranges::set_difference(changed, told, std::inserter(missing, missing.end()));
  std::ranges::set_difference(told, changed, std::inserter(extra, extra.end()));
  if (!missing.empty()) wrong += "\nnot told:" + Listed(missing);
  if (!extra.empty()) wrong += "\ntold, yet not so:" + Listed(extra);
  return wrong.empty() ? "" : wrong + "\nin: " + std::string(report);
}

}  // namespace kevolan::testing
