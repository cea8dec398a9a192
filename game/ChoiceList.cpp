#include "ChoiceList.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kevolan {
namespace {

[[noreturn]] void Overflow(const char* what) {
  std::fprintf(stderr, "kevolan: %s\n", what);
  std::abort();
}

}  // namespace

void TypedText::Assign(std::string_view text) {
  if (text_) {
    text_->assign(text);
  } else {
    text_ = std::make_unique<std::string>(text);
  }
}

void ChoiceList::Append(NameId name) {
  if (name == NameId::None || name == NameId::Typed) return;
  if (count_ == kCapacity) Overflow("a choice list is full: the catalogue's capacity is wrong");
  if (Contains(name)) Overflow("a choice list would hold a name twice");
  options_[count_++] = name;
  members_ = static_cast<Members>(members_ | (Members{1} << static_cast<unsigned>(name)));
}

void ChoiceList::RemoveAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= count_) return;
  const auto at = static_cast<std::size_t>(index);
  members_ = static_cast<Members>(members_ & ~(Members{1} << static_cast<unsigned>(options_[at])));
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
