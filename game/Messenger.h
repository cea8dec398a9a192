// How the rules speak to the player. A rule calls Show at the very moment its message is due;
// the turn goes on only when Show returns, so the window answers with a modal box.
#pragma once

#include <string_view>

namespace kevolan {

class Messenger {
 public:
  virtual ~Messenger() = default;
  virtual void Show(std::string_view text) = 0;
};

}  // namespace kevolan
