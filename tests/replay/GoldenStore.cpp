#include "GoldenStore.h"

#include <lzma.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kevolan::replay::testing {
namespace {

constexpr std::string_view kSeparator = ", ";
constexpr char kChanged = '~';    // a line given as its changed fields
constexpr char kScript = '#';     // "#name": the output of that script follows
constexpr char kField = '\x1f';   // between the changed fields of one line
constexpr char kEquals = '\x1e';  // between a field's number and its new text

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t at = 0;;) {
    const std::size_t next = line.find(kSeparator, at);
    fields.push_back(line.substr(at, next - at));
    if (next == std::string_view::npos) return fields;
    at = next + kSeparator.size();
  }
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += kSeparator;
    line += fields[i];
  }
  return line;
}

}  // namespace

void GoldenStoreWriter::Add(std::string_view name, std::string_view output) {
  text_ += kScript;
  text_ += name;
  text_ += '\n';
  std::vector<std::string_view> previous;
  for (std::string_view line : Lines(output)) {
    const std::vector<std::string_view> fields = Fields(line);
    const bool plain =
        line.find(kField) == std::string_view::npos && line.find(kEquals) == std::string_view::npos;
    if (plain && fields.size() == previous.size() && line.front() != kChanged &&
        line.front() != kScript) {
      text_ += kChanged;
      for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == previous[i]) continue;
        text_ += std::to_string(i) + kEquals;
        text_ += fields[i];
        text_ += kField;
      }
    } else {
      text_ += line;
    }
    text_ += '\n';
    previous = fields;
  }
}

std::string GoldenStoreWriter::Compressed() const {
  std::string out(lzma_stream_buffer_bound(text_.size()), '\0');
  std::size_t written = 0;
  if (lzma_easy_buffer_encode(9 | LZMA_PRESET_EXTREME, LZMA_CHECK_CRC64, nullptr,
                              reinterpret_cast<const std::uint8_t*>(text_.data()), text_.size(),
                              reinterpret_cast<std::uint8_t*>(out.data()), &written,
                              out.size()) != LZMA_OK) {
    return {};
  }
  out.resize(written);
  return out;
}

std::optional<std::string> StoredOutput(const std::string& storePath, std::string_view name) {
  std::ifstream in(storePath, std::ios::binary);
  const std::string packed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (packed.empty()) return std::nullopt;
  // The store is read in pieces, so that only the text up to the script wanted is unpacked.
  lzma_stream z = LZMA_STREAM_INIT;
  if (lzma_stream_decoder(&z, UINT64_MAX, 0) != LZMA_OK) return std::nullopt;
  z.next_in = reinterpret_cast<const std::uint8_t*>(packed.data());
  z.avail_in = packed.size();
  const std::string wanted = kScript + std::string(name);
  std::string pending;
  std::optional<std::string> found;
  std::vector<std::string> fields;
  bool inScript = false;
  bool done = false;
  std::vector<char> chunk(std::size_t{1} << 16);
  lzma_ret status = LZMA_OK;
  while (status == LZMA_OK && !done) {
    z.next_out = reinterpret_cast<std::uint8_t*>(chunk.data());
    z.avail_out = chunk.size();
    status = lzma_code(&z, LZMA_FINISH);
    pending.append(chunk.data(), chunk.size() - z.avail_out);
    std::size_t start = 0;
    for (std::size_t end; !done && (end = pending.find('\n', start)) != std::string::npos;
         start = end + 1) {
      const std::string_view line(pending.data() + start, end - start);
      if (!line.empty() && line.front() == kScript) {
        done = inScript;
        inScript = line == wanted;
        if (inScript) found.emplace();
        fields.clear();
        continue;
      }
      if (!inScript) continue;
      if (!line.empty() && line.front() == kChanged) {
        std::string_view rest = line.substr(1);
        while (!rest.empty()) {
          const std::size_t equals = rest.find(kEquals);
          const std::size_t field = rest.find(kField);
          const std::size_t at = std::stoul(std::string(rest.substr(0, equals)));
          if (at >= fields.size() || field == std::string_view::npos) return std::nullopt;
          fields[at] = rest.substr(equals + 1, field - equals - 1);
          rest.remove_prefix(field + 1);
        }
      } else {
        fields.clear();
        for (std::string_view f : Fields(line)) fields.emplace_back(f);
      }
      *found += Join(fields) + "\n";
    }
    pending.erase(0, start);
  }
  lzma_end(&z);
  if (status != LZMA_OK && status != LZMA_STREAM_END) return std::nullopt;
  return found;
}

FirstDifference FirstDifferingLine(std::string_view expected, std::string_view actual) {
  const std::vector<std::string_view> a = Lines(expected);
  const std::vector<std::string_view> b = Lines(actual);
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string_view x = i < a.size() ? a[i] : "(none)";
    const std::string_view y = i < b.size() ? b[i] : "(none)";
    if (x != y) return {i + 1, std::string(x), std::string(y)};
  }
  return {};
}

}  // namespace kevolan::replay::testing
