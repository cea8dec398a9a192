#include "Utf8.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kevolan::replay {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Whether any of eight bytes, all below 0x80, is zero.
constexpr bool HasZeroByte(std::uint64_t w) { return ((w - kOnes) & ~w & kHighBits) != 0; }

// Whether any of eight ASCII bytes is one a JSON string must escape: a control byte, the
// quote or the backslash.
constexpr bool NeedsJsonEscape(std::uint64_t w) {
  return ((w - kOnes * 0x20) & ~w & kHighBits) != 0 || HasZeroByte(w ^ (kOnes * '"')) ||
         HasZeroByte(w ^ (kOnes * '\\'));
}

// How many of eight bytes starting at a character are plainly well formed: ASCII (no byte a
// JSON string must escape, when asked) and two-byte sequences, the whole of a Russian text.
// 0 when the word holds anything else, which is then read byte by byte.
template <bool kPlainJson>
std::size_t PlainWordLength(std::uint64_t w) {
  if (kPlainJson && NeedsJsonEscape(w)) return 0;
  const std::uint64_t high = w & kHighBits;
  if (high == 0) return 8;
  const std::uint64_t lead = high & (w << 1);           // 11xxxxxx
  const std::uint64_t continuation = high & ~(w << 1);  // 10xxxxxx
  // Leads of longer sequences (111xxxxx) and the overlong C0 and C1 are left to the byte path.
  if ((lead & (w << 2)) != 0) return 0;
  const std::uint64_t payload = (w & (kOnes * 0x1E)) + kOnes * 0x7F;  // high bit: not C0 or C1
  if ((lead & ~payload) != 0) return 0;
  // Each lead followed by one continuation byte (read little-endian, the next byte is the
  // next higher one); a lead in the last byte waits for the next word.
  if (((lead << 8) & kHighBits) != continuation) return 0;
  return (lead >> 56) != 0 ? 7 : 8;
}

template <bool kPlainJson>
bool Check(std::string_view bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    if (std::endian::native == std::endian::little && n - i >= 8) {
      std::uint64_t w;
      std::memcpy(&w, p + i, 8);
      if (const std::size_t plain = PlainWordLength<kPlainJson>(w); plain != 0) {
        i += plain;
        continue;
      }
    }
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
