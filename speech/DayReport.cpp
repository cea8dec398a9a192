#include "DayReport.h"

#include <string_view>

#include "SpokenWords.h"

namespace kevolan::speech {

namespace {

// Sentences joined as one announcement.
class Report {
 public:
  void Say(std::string_view sentence) {
    if (!text_.empty()) text_ += ". ";
    text_ += sentence;
  }
  void Say(std::string_view words, std::string_view what) {
    std::string sentence(words);
    sentence += ": ";
    sentence += what;
    Say(sentence);
  }
  std::string Text() && { return std::move(text_); }

 private:
  std::string text_;
};

// A counter is heard as it is shown: its number while in view, "нет" once out of it.
void SayCounter(Report& report, std::string_view words, const Counter& before,
                const Counter& after) {
  if (after.Shown == before.Shown && (!after.Shown || after.Value == before.Value)) return;
  report.Say(words, after.Shown ? std::to_string(after.Value) : std::string("нет"));
}

void SayNewOptions(Report& report, std::string_view box, const ChoiceList& before,
                   const ChoiceList& after) {
  std::string added;
  for (NameId option : after.Options()) {
    if (before.Contains(option)) continue;
    if (!added.empty()) added += ", ";
    added += TextOf(option);
  }
  if (added.empty()) return;
  std::string words("В списке «");
  words += box;
  words += "» появилось";
  report.Say(words, added);
}

}  // namespace

std::string DayReport(const GameState& before, const GameState& after) {
  if (after.Day == before.Day && after.Month == before.Month) return {};
  Report report;
  std::string date = std::to_string(after.Day);
  date += ' ';
  date += NameOf(after.Month);
  report.Say(date);

  for (const GameCounterWords& counter : kGameCounters) {
    SayCounter(report, counter.Words, {before.*counter.Field, true}, {after.*counter.Field, true});
  }
  for (const ItemFrameWords& frame : kItemFrames) {
    for (Item item : window::Rows(frame.Frame)) {
      SayCounter(report, ItemCounterWords(item, frame), before[item].*frame.Field(),
                 after[item].*frame.Field());
    }
  }
  for (Item item : window::Rows(window::Frame::Owned)) {
    if (after[item].Owned == before[item].Owned) continue;
    report.Say(after[item].Owned ? "Теперь у вас есть" : "Больше нет", NameOf(item));
  }
  for (const BoxWords& box : kBoxes) {
    SayNewOptions(report, box.Name, before.*box.List, after.*box.List);
  }
  return std::move(report).Text();
}

}  // namespace kevolan::speech
