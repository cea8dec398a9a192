#include "GoldenStore.h"

#include <lzma.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <utility>

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

struct GoldenStoreReader::Stream {
  lzma_stream Z = LZMA_STREAM_INIT;
  std::string Packed;
  std::string Pending;  // unpacked text not yet read, from Start
  std::size_t Start = 0;
  bool Finished = false;  // everything unpacked
  bool Broken = false;
  std::optional<std::string> Next;  // the name of the script whose output comes next

  ~Stream() { lzma_end(&Z); }

  // The next line, without its newline; nothing at the end of the store or when it breaks.
  std::optional<std::string> Line() {
    std::vector<char> chunk(std::size_t{1} << 16);
    for (;;) {
      const std::size_t end = Pending.find('\n', Start);
      if (end != std::string::npos) {
        std::string line = Pending.substr(Start, end - Start);
        Start = end + 1;
        return line;
      }
      if (Finished || Broken) return std::nullopt;
      Pending.erase(0, Start);
      Start = 0;
      Z.next_out = reinterpret_cast<std::uint8_t*>(chunk.data());
      Z.avail_out = chunk.size();
      const lzma_ret status = lzma_code(&Z, LZMA_FINISH);
      Pending.append(chunk.data(), chunk.size() - Z.avail_out);
      Finished = status == LZMA_STREAM_END;
      Broken = status != LZMA_OK && status != LZMA_STREAM_END;
    }
  }
};

GoldenStoreReader::GoldenStoreReader(const std::string& storePath)
    : stream_(std::make_unique<Stream>()) {
  std::ifstream in(storePath, std::ios::binary);
  stream_->Packed.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  stream_->Broken =
      stream_->Packed.empty() || lzma_stream_decoder(&stream_->Z, UINT64_MAX, 0) != LZMA_OK;
  stream_->Z.next_in = reinterpret_cast<const std::uint8_t*>(stream_->Packed.data());
  stream_->Z.avail_in = stream_->Packed.size();
  // The store opens with its first script's name.
  const std::optional<std::string> first = stream_->Line();
  if (first && !first->empty() && first->front() == kScript) {
    stream_->Next = first->substr(1);
  } else {
    stream_->Broken = true;
  }
}

GoldenStoreReader::~GoldenStoreReader() = default;

bool GoldenStoreReader::Failed() const { return stream_->Broken; }

std::optional<StoredScript> GoldenStoreReader::Next() {
  Stream& s = *stream_;
  if (!s.Next || s.Broken) return std::nullopt;
  StoredScript script{*std::exchange(s.Next, std::nullopt), {}};
  std::vector<std::string> fields;
  while (const std::optional<std::string> line = s.Line()) {
    if (!line->empty() && line->front() == kScript) {
      s.Next = line->substr(1);
      break;
    }
    if (!line->empty() && line->front() == kChanged) {
      std::string_view rest = std::string_view(*line).substr(1);
      while (!rest.empty()) {
        const std::size_t equals = rest.find(kEquals);
        const std::size_t field = rest.find(kField);
        if (equals == std::string_view::npos || field == std::string_view::npos) {
          s.Broken = true;
          return std::nullopt;
        }
        std::size_t at = 0;
        const auto read = std::from_chars(rest.data(), rest.data() + equals, at);
        if (read.ec != std::errc() || read.ptr != rest.data() + equals || at >= fields.size()) {
          s.Broken = true;
          return std::nullopt;
        }
        fields[at] = rest.substr(equals + 1, field - equals - 1);
        rest.remove_prefix(field + 1);
      }
    } else {
      fields.clear();
      for (std::string_view f : Fields(*line)) fields.emplace_back(f);
    }
    script.Output += Join(fields) + "\n";
  }
  if (s.Broken) return std::nullopt;
  return script;
}

std::optional<std::string> StoredOutput(const std::string& storePath, std::string_view name) {
  // Read from the start up to the script wanted, no further.
  GoldenStoreReader store(storePath);
  while (std::optional<StoredScript> script = store.Next()) {
    if (script->Name == name) return std::move(script->Output);
  }
  return std::nullopt;
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
