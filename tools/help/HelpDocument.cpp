#include "HelpDocument.h"

namespace kevolan::help {
namespace {

bool StartsWith(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t n = b < 0x80         ? 1
                          : (b >> 5) == 6  ? 2
                          : (b >> 4) == 14 ? 3
                          : (b >> 3) == 30 ? 4
                                           : 0;
    if (n == 0 || i + n > text.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
    }
    i += n;
  }
  return true;
}

}  // namespace

ReadResult ReadHelp(std::string_view source) {
  ReadResult result;
  if (!IsValidUtf8(source)) {
    result.Error = "the help source is not UTF-8";
    return result;
  }
  bool inParagraph = false;
  std::size_t number = 0;
  while (!source.empty()) {
    const std::size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (StartsWith(line, "#")) continue;
    if (line.empty()) {
      inParagraph = false;
      continue;
    }
    Block block;
    if (StartsWith(line, "== ")) {
      block = {Block::Kind::Heading, std::string(line.substr(3))};
    } else if (StartsWith(line, "= ")) {
      block = {Block::Kind::Title, std::string(line.substr(2))};
    } else if (StartsWith(line, "- ")) {
      block = {Block::Kind::Item, std::string(line.substr(2))};
    } else if (inParagraph) {
      result.Blocks.back().Text += ' ';
      result.Blocks.back().Text += line;
      continue;
    } else {
      block = {Block::Kind::Paragraph, std::string(line)};
    }
    if (block.Text.empty()) {
      result.Error = "line " + std::to_string(number) + ": a mark with no text";
      return result;
    }
    inParagraph = block.Kind == Block::Kind::Paragraph;
    result.Blocks.push_back(std::move(block));
  }
  if (result.Blocks.empty()) result.Error = "the help source is empty";
  return result;
}

}  // namespace kevolan::help
