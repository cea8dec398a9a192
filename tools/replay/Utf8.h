// Whether bytes read from a script are well-formed UTF-8.
#pragma once

#include <string_view>

namespace kevolan::replay {

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace kevolan::replay
