#include "Utf8.h"

#include <cstddef>

namespace kevolan::replay {

namespace {

template <bool kPlainJson>
bool Check(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      if (kPlainJson && (b < 0x20 || b == '"' || b == '\\')) return false;
      ++i;
      continue;
    }
    std::size_t len = 0;
    unsigned char lo = 0x80;  // bounds of the second byte, which rule out overlongs and surrogates
    unsigned char hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    if (n - i < len) return false;
    if (p[i + 1] < lo || p[i + 1] > hi) return false;
    for (std::size_t k = 2; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return false;
    }
    i += len;
  }
  return true;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) { return Check<false>(bytes); }
bool IsPlainJsonText(std::string_view bytes) { return Check<true>(bytes); }

}  // namespace kevolan::replay
