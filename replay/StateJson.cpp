#include "StateJson.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>

#include "Utf8.h"

namespace kevolan::replay {
namespace {

// A catalogue text with its quotes (or any fixed piece), ready to copy: the game's own names
// need no escaping.
struct Quoted {
  std::array<char, 40> Bytes{};
  std::size_t Size = 0;
};

// Not constexpr: reaching it while the pieces are built at compile time stops the build.
inline void PieceLongerThanItsRoom() { std::abort(); }

constexpr Quoted Piece(std::initializer_list<std::string_view> parts) {
  Quoted q;
  for (std::string_view part : parts) {
    if (q.Size + part.size() > q.Bytes.size()) PieceLongerThanItsRoom();
    for (char ch : part) q.Bytes[q.Size++] = ch;
  }
  return q;
}
constexpr Quoted Quote(std::string_view text) { return Piece({"\"", text, "\""}); }

template <typename Texts>
constexpr auto QuoteAll(const Texts& texts) {
  std::array<Quoted, std::size(Texts{})> quoted{};
  for (std::size_t i = 0; i < quoted.size(); ++i) quoted[i] = Quote(texts[i]);
  return quoted;
}

constexpr auto kQuotedNames = QuoteAll(kNameTexts);
constexpr auto kQuotedMonths = QuoteAll(kMonthNames);
constexpr std::array<std::string_view, 4> kActivityKeys = {"none", "GatherFood", "Create",
                                                           "Repair"};
constexpr auto kQuotedActivities = QuoteAll(kActivityKeys);
// How the game stands or how it ended, as the state tells it.
constexpr std::string_view kOutcomeKeys[] = {
    "playing",          "won",           "starved",      "old-clothes-rags",
    "new-clothes-rags", "hut-collapsed", "cave-fell-in", "no-dwelling"};
static_assert(std::size(kOutcomeKeys) == static_cast<std::size_t>(Outcome::NoDwelling) + 1,
              "every outcome has its key");
constexpr auto kQuotedOutcomes = QuoteAll(kOutcomeKeys);

// What opens each item's object: the boat shows only its days of work, the others start with
// whether they are owned.
constexpr std::array<Quoted, kItemCount> kItemOpenings = [] {
  std::array<Quoted, kItemCount> openings{};
  for (const ItemInfo& info : kItemTable) {
    openings[static_cast<std::size_t>(info.Id)] =
        Piece({info.Id == Item{} ? "" : ", ", "\"", info.Key, "\": {",
               info.Kept() ? "\"Owned\": " : "\"BuildDaysLeft\": "});
  }
  return openings;
}();

constexpr std::size_t LongestPiece(std::initializer_list<const Quoted*> pieces, std::size_t n) {
  std::size_t longest = 0;
  for (const Quoted* list : pieces) {
    for (std::size_t i = 0; i < n; ++i) longest = std::max(longest, list[i].Size);
  }
  return longest;
}

// Room for everything but typed texts, from the catalogue: every counter at its longest number
// (20 characters), every box holding as many of the longest names as a list can, and each
// object's keys with room to spare (StateJsonTest prints the longest such state). The bytes a
// quoted copy writes past its end need its whole width at the end.
constexpr std::size_t kNumberRoom = 20;
constexpr std::size_t kLongestQuoted =
    std::max({LongestPiece({kQuotedNames.data()}, kQuotedNames.size()),
              LongestPiece({kQuotedMonths.data()}, kQuotedMonths.size()),
              LongestPiece({kQuotedActivities.data()}, kQuotedActivities.size()),
              LongestPiece({kQuotedOutcomes.data()}, kQuotedOutcomes.size())});
constexpr std::size_t kScalarsRoom = 384 + 12 * kNumberRoom + 3 * kLongestQuoted;
constexpr std::size_t kItemRoom = 192 + 6 * kNumberRoom;
constexpr std::size_t kBoxRoom = 96 + ChoiceList::kCapacity * (kLongestQuoted + 2) + kLongestQuoted;
constexpr std::size_t kFixedRoom =
    kScalarsRoom + kItemCount * kItemRoom + 4 * kBoxRoom + sizeof(Quoted::Bytes);

// Writes the fixed shape into a buffer known to be large enough.
class Cursor {
 public:
  explicit Cursor(char* at) : at_(at) {}
  char* At() const { return at_; }

  void Raw(std::string_view piece) {
    std::memcpy(at_, piece.data(), piece.size());
    at_ += piece.size();
  }
  // A quoted name is copied at its full fixed width (a few moves, no call) and the cursor moves
  // on by its true length; the buffer's spare room takes the bytes past it.
  void Name(const Quoted& name) {
    std::memcpy(at_, name.Bytes.data(), name.Bytes.size());
    at_ += name.Size;
  }
  // A literal's length is known here, so the copy compiles to a few moves.
  template <std::size_t N>
  void Raw(const char (&literal)[N]) {
    std::memcpy(at_, literal, N - 1);
    at_ += N - 1;
  }
  void Number(long long value) {
    // Nearly every counter has one to three digits.
    if (value >= 0 && value < 1000) {
      const auto v = static_cast<unsigned>(value);
      if (v >= 100) *at_++ = static_cast<char>('0' + v / 100);
      if (v >= 10) *at_++ = static_cast<char>('0' + v / 10 % 10);
      *at_++ = static_cast<char>('0' + v % 10);
      return;
    }
    at_ = std::to_chars(at_, at_ + 24, value).ptr;
  }
  void Bool(bool value) {
    if (value) {
      Raw("true");
    } else {
      Raw("false");
    }
  }
  void Text(std::string_view text) {
    if (IsPlainJsonText(text)) {
      *at_++ = '"';
      Raw(text);
      *at_++ = '"';
    } else {
      std::string escaped;
      AppendJsonString(escaped, text);
      Raw(escaped);
    }
  }

 private:
  char* at_;
};

// The most bytes a typed text can take once escaped: six for each byte, and the quotes.
std::size_t TypedRoom(const ChoiceList& box) {
  return box.Shown() == NameId::Typed ? 6 * box.Text().size() + 2 : 0;
}

template <std::size_t V, std::size_t S>
void WriteCounter(Cursor& c, const char (&valueKey)[V], const char (&shownKey)[S],
                  const Counter& counter) {
  c.Raw(valueKey);
  c.Number(counter.Value);
  c.Raw(shownKey);
  c.Bool(counter.Shown);
}

void WriteItem(Cursor& c, const ItemInfo& info, const ItemState& it) {
  c.Name(kItemOpenings[static_cast<std::size_t>(info.Id)]);
  if (!info.Kept()) {
    c.Number(it.BuildDaysLeft.Value);
    c.Raw("}");
    return;
  }
  c.Bool(it.Owned);
  if (info.Made == Making::Owned) {
    WriteCounter(c, ", \"BuildDaysLeft\": ", ", \"BuildShown\": ", it.BuildDaysLeft);
  }
  WriteCounter(c, ", \"RepairDaysLeft\": ", ", \"RepairShown\": ", it.RepairDaysLeft);
  WriteCounter(c, ", \"WearDaysLeft\": ", ", \"WearShown\": ", it.WearDaysLeft);
  c.Raw("}");
}

template <std::size_t N>
void WriteBox(Cursor& c, const char (&opening)[N], const ChoiceList& box) {
  c.Raw(opening);
  c.Raw("{\"Options\": [");
  bool first = true;
  for (NameId option : box.Options()) {
    if (!first) c.Raw(", ");
    first = false;
    c.Name(kQuotedNames[static_cast<std::size_t>(option)]);
  }
  c.Raw("], \"Text\": ");
  if (box.Shown() == NameId::Typed) {
    c.Text(box.Text());  // only the player's own text may need escaping
  } else {
    c.Name(kQuotedNames[static_cast<std::size_t>(box.Shown())]);
  }
  c.Raw(", \"Enabled\": ");
  c.Bool(box.Enabled);
  c.Raw("}");
}

char* WriteState(char* buffer, const GameState& s) {
  Cursor c(buffer);
  c.Raw("{\"Day\": ");
  c.Number(s.Day);
  c.Raw(", \"Month\": ");
  c.Name(kQuotedMonths[static_cast<std::size_t>(s.Month)]);
  c.Raw(", \"SickDays\": ");
  c.Number(s.SickDays);
  c.Raw(", \"HungryDays\": ");
  c.Number(s.HungryDays);
  c.Raw(", \"FruitStock\": ");
  c.Number(s.FruitStock);
  c.Raw(", \"FishStock\": ");
  c.Number(s.FishStock);
  c.Raw(", \"WildGameStock\": ");
  c.Number(s.WildGameStock);
  c.Raw(", \"FruitStreak\": ");
  c.Number(s.FruitStreak);
  c.Raw(", \"FishStreak\": ");
  c.Number(s.FishStreak);
  c.Raw(", \"WildGameStreak\": ");
  c.Number(s.WildGameStreak);
  c.Raw(", \"EatToday\": ");
  c.Bool(s.EatToday);
  c.Raw(", \"Activity\": ");
  c.Name(kQuotedActivities[static_cast<std::size_t>(static_cast<int>(s.Activity) + 1)]);
  c.Raw(", \"ActivityEnabled\": ");
  c.Bool(s.ActivityEnabled);
  c.Raw(", \"GameOver\": ");
  c.Bool(s.GameOver);
  c.Raw(", \"Outcome\": ");
  c.Name(kQuotedOutcomes[static_cast<std::size_t>(s.Outcome)]);

  c.Raw(", \"Items\": {");
  for (const ItemInfo& info : kItemTable) WriteItem(c, info, s[info.Id]);
  c.Raw("}");

  WriteBox(c, ", \"Boxes\": {\"FoodChoice\": ", s.FoodChoice);
  WriteBox(c, ", \"GatherChoice\": ", s.GatherChoice);
  WriteBox(c, ", \"CreateChoice\": ", s.CreateChoice);
  WriteBox(c, ", \"RepairChoice\": ", s.RepairChoice);
  c.Raw("}}");
  return c.At();
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
  const std::size_t room = kFixedRoom + TypedRoom(s.FoodChoice) + TypedRoom(s.GatherChoice) +
                           TypedRoom(s.CreateChoice) + TypedRoom(s.RepairChoice);
  if (room == kFixedRoom) {
    char buffer[kFixedRoom];
    out.append(buffer, WriteState(buffer, s));
  } else {
    const auto buffer = std::make_unique<char[]>(room);
    out.append(buffer.get(), WriteState(buffer.get(), s));
  }
}

std::string_view OutcomeKey(Outcome outcome) {
  return kOutcomeKeys[static_cast<std::size_t>(outcome)];
}

}  // namespace kevolan::replay
