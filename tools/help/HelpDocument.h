// The player's rules as one plain-text source, read into blocks from which both help.doc
// (RTF, for the desktop) and help.html (for the web edition) are written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kevolan::help {

// Source lines: "= " the title, "== " a section heading, "- " a list item, "#" a note that is
// not shown; other lines are paragraph text, and a blank line ends a paragraph.
struct Block {
  enum class Kind { Title, Heading, Paragraph, Item };
  Block::Kind Kind = Block::Kind::Paragraph;
  std::string Text;  // UTF-8
};

struct ReadResult {
  std::vector<Block> Blocks;
  std::string Error;  // empty when the source was read
};

ReadResult ReadHelp(std::string_view source);

std::string WriteRtf(const std::vector<Block>& blocks);
std::string WriteHtml(const std::vector<Block>& blocks);

}  // namespace kevolan::help
