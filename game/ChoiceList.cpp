#include "ChoiceList.h"

#include <cstddef>
#include <cstdint>

namespace kevolan {
namespace {

// Decodes one UTF-8 sequence at `pos` and lower-cases Latin and Cyrillic capitals. A byte that
// does not start a well-formed two-byte sequence is taken as it stands, so any text compares.
std::uint32_t NextFolded(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ++pos;
    return (b0 >= 'A' && b0 <= 'Z') ? b0 + 32u : b0;
  }
  if ((b0 & 0xE0) == 0xC0 && pos + 1 < s.size() &&
      (static_cast<unsigned char>(s[pos + 1]) & 0xC0) == 0x80) {
    std::uint32_t cp = ((b0 & 0x1Fu) << 6) | (static_cast<unsigned char>(s[pos + 1]) & 0x3Fu);
    pos += 2;
    if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;  // А..Я
    if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;  // Ѐ..Џ, Ё among them
    return cp;
  }
  ++pos;
  return 0x110000u + b0;  // any other byte stands for itself, apart from every code point
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  // Folding keeps every letter's byte length, so texts of different lengths never match.
  if (a.size() != b.size()) return false;
  if (a == b) return true;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (NextFolded(a, i) != NextFolded(b, j)) return false;
  }
  return i == a.size() && j == b.size();
}

void TypedText::Assign(std::string_view text) {
  if (text_) {
    text_->assign(text);
  } else {
    text_ = std::make_unique<std::string>(text);
  }
}

int ChoiceList::IndexOf(std::string_view text) const {
  // Every option is a catalogue name, and no two names differ only in case.
  const NameId name = NameIgnoringCase(text);
  return name == NameId::None ? -1 : IndexOf(name);
}

void ChoiceList::Append(NameId name) {
  if (count_ == kCapacity || name == NameId::None || name == NameId::Typed) return;
  options_[count_++] = name;
  members_ = static_cast<std::uint16_t>(members_ | (1u << static_cast<unsigned>(name)));
}

void ChoiceList::RemoveAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= count_) return;
  const auto at = static_cast<std::size_t>(index);
  members_ = static_cast<std::uint16_t>(members_ & ~(1u << static_cast<unsigned>(options_[at])));
  for (std::size_t i = at + 1; i < count_; ++i) options_[i - 1] = options_[i];
  options_[--count_] = NameId::None;
  // The box keeps pointing at the same option, or at none when that option is the one removed.
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
}

void ChoiceList::Select(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= count_) {
    ClearSelection();
    return;
  }
  if (shown_ == NameId::Typed) typed_.Clear();
  selected_ = static_cast<std::int8_t>(index);
  shown_ = options_[static_cast<std::size_t>(index)];
}

void ChoiceList::Type(std::string_view text) {
  selected_ = -1;
  // Resolved once, here: only the exact text of a name becomes that name.
  shown_ = ExactName(text);
  if (shown_ == NameId::Typed) {
    typed_.Assign(text);
  } else {
    typed_.Clear();
  }
}

bool ChoiceList::Pick(long long index) {
  if (index < 0 || static_cast<unsigned long long>(index) >= count_) return false;
  Select(static_cast<int>(index));
  return true;
}

}  // namespace kevolan
