// Whether bytes read from a script are well-formed UTF-8.
#pragma once

#include <string_view>

namespace kevolan::replay {

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Valid UTF-8 with nothing a JSON string literal must escape (no quote, backslash or control
// byte), so it can stand between quotes as it is.
bool IsPlainJsonText(std::string_view bytes);

}  // namespace kevolan::replay
