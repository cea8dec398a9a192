#include "SpokenWords.h"

namespace kevolan::speech {

std::string ItemCounterWords(Item item, const ItemFrameWords& frame) {
  std::string words(NameOf(item));
  words += ", ";
  words += frame.Words;
  return words;
}

}  // namespace kevolan::speech
