#include "StateJson.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "Utf8.h"

namespace kevolan::replay {
namespace {

// The shape is fixed, so it is written straight out; only strings need escaping.
class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void Open() {
    out_ += '{';
    first_ = true;
  }
  void Close() {
    out_ += '}';
    first_ = false;
  }
  void Key(std::string_view key) {
    out_.append(first_ ? "\"" : ", \"");
    first_ = false;
    out_.append(key);  // keys are plain ASCII words
    out_.append("\": ");
  }
  void Number(std::string_view key, long long value) {
    Key(key);
    char buf[24];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    out_.append(buf, end);
  }
  void Bool(std::string_view key, bool value) {
    Key(key);
    out_ += value ? "true" : "false";
  }
  void String(std::string_view key, std::string_view value) {
    Key(key);
    AppendJsonString(out_, value);
  }
  void StringList(std::string_view key, const std::vector<std::string>& values) {
    Key(key);
    out_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (i > 0) out_ += ", ";
      AppendJsonString(out_, values[i]);
    }
    out_ += ']';
  }
  void OpenObject(std::string_view key) {
    Key(key);
    Open();
  }

 private:
  std::string& out_;
  bool first_ = true;
};

std::string_view ActivityName(Activity a) {
  switch (a) {
    case Activity::GatherFood:
      return "GatherFood";
    case Activity::Create:
      return "Create";
    case Activity::Repair:
      return "Repair";
    case Activity::None:
      break;
  }
  return "none";
}

void WriteCounter(Writer& w, std::string_view value, std::string_view shown, const Counter& c) {
  w.Number(value, c.Value);
  w.Bool(shown, c.Shown);
}

void WriteItem(Writer& w, std::string_view key, const ItemState& it, bool creatable) {
  w.OpenObject(key);
  w.Bool("Owned", it.Owned);
  if (creatable) WriteCounter(w, "BuildDaysLeft", "BuildShown", it.BuildDaysLeft);
  WriteCounter(w, "RepairDaysLeft", "RepairShown", it.RepairDaysLeft);
  WriteCounter(w, "WearDaysLeft", "WearShown", it.WearDaysLeft);
  w.Close();
}

void WriteBox(Writer& w, std::string_view key, const ChoiceList& box) {
  w.OpenObject(key);
  w.StringList("Options", box.Options);
  w.String("Text", box.Text);
  w.Bool("Enabled", box.Enabled);
  w.Close();
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  // Nearly every text is a game name that needs no escaping: it is written as it stands, and
  // everything else goes through the JSON library (bad UTF-8 replaced, never thrown on).
  if (IsPlainJsonText(text)) {
    out += '"';
    out += text;
    out += '"';
    return;
  }
  out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void AppendStateJson(std::string& out, const GameState& s) {
  Writer w(out);
  w.Open();
  w.Number("Day", s.Day);
  w.String("Month", s.Month);
  w.Number("SickDays", s.SickDays);
  w.Number("HungryDays", s.HungryDays);
  w.Number("FruitStock", s.FruitStock);
  w.Number("FishStock", s.FishStock);
  w.Number("WildGameStock", s.WildGameStock);
  w.Number("FruitStreak", s.FruitStreak);
  w.Number("FishStreak", s.FishStreak);
  w.Number("WildGameStreak", s.WildGameStreak);
  w.Bool("EatToday", s.EatToday);
  w.String("Activity", ActivityName(s.Activity));
  w.Bool("ActivityEnabled", s.ActivityEnabled);
  w.Bool("GameOver", s.GameOver);

  w.OpenObject("Items");
  WriteItem(w, "FishingTackle", s[Item::FishingTackle], true);
  WriteItem(w, "HuntingWeapon", s[Item::HuntingWeapon], true);
  WriteItem(w, "Hut", s[Item::Hut], true);
  WriteItem(w, "Cave", s[Item::Cave], true);
  WriteItem(w, "NewClothes", s[Item::NewClothes], true);
  WriteItem(w, "OldClothes", s[Item::OldClothes], false);
  w.OpenObject("Boat");
  w.Number("BuildDaysLeft", s[Item::Boat].BuildDaysLeft.Value);
  w.Close();
  w.Close();

  w.OpenObject("Boxes");
  WriteBox(w, "FoodChoice", s.FoodChoice);
  WriteBox(w, "GatherChoice", s.GatherChoice);
  WriteBox(w, "CreateChoice", s.CreateChoice);
  WriteBox(w, "RepairChoice", s.RepairChoice);
  w.Close();
  w.Close();
}

}  // namespace kevolan::replay
