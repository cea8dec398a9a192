// One choice box of the window: an ordered list of options, the text it shows, and whether
// the player can use it. Options are catalogue names, held as small ids with a set of which
// names are listed; the shown text is a name's id, nothing, or the player's own typed text.
// The rules read only the shown text and compare it exactly.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "Catalogue.h"

namespace kevolan {

// A text the player typed that is no name, kept aside so that a box that holds none costs
// nothing to copy; copies are deep.
class TypedText {
 public:
  TypedText() = default;
  TypedText(const TypedText& other)
      : text_(other.text_ ? std::make_unique<std::string>(*other.text_) : nullptr) {}
  TypedText& operator=(const TypedText& other) {
    if (this != &other) {
      if (!other.text_) {
        text_.reset();
      } else if (text_) {
        *text_ = *other.text_;
      } else {
        text_ = std::make_unique<std::string>(*other.text_);
      }
    }
    return *this;
  }
  TypedText(TypedText&&) noexcept = default;
  TypedText& operator=(TypedText&&) noexcept = default;

  std::string_view View() const { return text_ ? std::string_view(*text_) : std::string_view(); }
  void Assign(std::string_view text);
  void Clear() { text_.reset(); }
  friend bool operator==(const TypedText& a, const TypedText& b) { return a.View() == b.View(); }

 private:
  std::unique_ptr<std::string> text_;
};

class ChoiceList {
 public:
  // No list of the game holds more than the catalogue has for it: the foods, their gathering
  // options, everything that can be worked on, everything that can be repaired.
  static constexpr std::size_t kCapacity =
      std::max({kFoodCount, kWorkedItems.size(), kKeptItems.size()});

  bool Enabled = false;

  // What the box holds.
  std::span<const NameId> Options() const { return {options_.data(), count_}; }
  std::size_t Size() const { return count_; }
  bool Contains(NameId name) const { return (members_ >> static_cast<unsigned>(name)) & 1u; }
  bool Contains(Item item) const { return Contains(IdOf(item)); }
  // Position of an option; -1 when absent.
  int IndexOf(NameId name) const {
    if (!Contains(name)) return -1;
    int i = 0;
    while (options_[static_cast<std::size_t>(i)] != name) ++i;
    return i;
  }

  // What the box shows. The rules compare it exactly: a name's id stands for exactly its text.
  NameId Shown() const { return shown_; }
  bool Shows(NameId name) const { return shown_ == name; }
  bool Shows(Item item) const { return Shows(IdOf(item)); }
  bool ShowsNothing() const { return shown_ == NameId::None; }
  std::string_view Text() const { return shown_ == NameId::Typed ? typed_.View() : TextOf(shown_); }
  int Selected() const { return selected_; }  // index of the picked option, -1 when none is

  // What the rules do with it. The rules never append a listed name, nor to a full list: either
  // would be a fault of the program, which stops it at once.
  void Append(NameId name);
  void Append(Item item) { Append(IdOf(item)); }
  // Removing an option that is not listed changes nothing.
  void Remove(NameId name) {
    if (Contains(name)) RemoveAt(IndexOf(name));
  }
  void Remove(Item item) { Remove(IdOf(item)); }
  // Index -1 (or any index that is not in the list) removes nothing.
  void RemoveAt(int index);
  // Makes the option's name the shown text; -1 (or any index not in the list) clears the selection.
  void Select(int index);
  void SelectLast() {
    if (count_ == 0) {
      ClearSelection();
      return;
    }
    if (shown_ == NameId::Typed) typed_.Clear();
    selected_ = static_cast<std::int8_t>(count_ - 1);
    shown_ = options_[count_ - 1u];
  }
  // No option selected and the shown text empty, also when the player had typed it.
  void ClearSelection() {
    selected_ = -1;
    if (shown_ == NameId::Typed) typed_.Clear();
    shown_ = NameId::None;
  }

  // What the player does with the box.
  void Type(std::string_view text);  // replaces the whole shown text; selects nothing
  bool Pick(long long index);        // false, and nothing changes, when there is no such option

  friend bool operator==(const ChoiceList&, const ChoiceList&) = default;

 private:
  std::array<NameId, kCapacity> options_{};
  std::uint8_t count_ = 0;
  NameId shown_ = NameId::None;
  std::int8_t selected_ = -1;
  // Bit n set while the name with id n is listed: one bit for every name of the catalogue.
  using Members =
      std::conditional_t<(kNameCount <= 16), std::uint16_t,
                         std::conditional_t<(kNameCount <= 32), std::uint32_t, std::uint64_t>>;
  static_assert(kNameCount <= 64, "one bit for every name");
  static_assert(kCapacity < 128, "a selected index fits selected_");
  Members members_ = 0;
  TypedText typed_;  // the shown text while it is the player's own
};

}  // namespace kevolan
