#include "Catalogue.h"

namespace kevolan {

NameId ExactName(std::string_view text) {
  if (text.empty()) return NameId::None;
  for (std::size_t i = 1; i < kNameCount; ++i) {
    if (kNameTexts[i] == text) return static_cast<NameId>(i);
  }
  return NameId::Typed;
}

}  // namespace kevolan
