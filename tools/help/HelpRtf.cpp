// help.doc: RTF that any word processor opens, every letter outside ASCII written as \uN? so
// the file itself is plain ASCII; lines end in CR LF.
#include "HelpDocument.h"

namespace kevolan::help {
namespace {

void AppendUnicode(std::string& out, long unit) {
  // RTF takes a signed 16-bit number; "?" is what a reader without Unicode shows instead.
  out += "\\u";
  out += std::to_string(unit > 32767 ? unit - 65536 : unit);
  out += '?';
}

// The text is valid UTF-8 (ReadHelp checks it).
std::string RtfText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      if (b == '\\' || b == '{' || b == '}') out += '\\';
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    long code = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) code = (code << 6) | (text[i + k] & 0x3F);
    i += n;
    if (code > 0xFFFF) {
      code -= 0x10000;
      AppendUnicode(out, 0xD800 + (code >> 10));
      AppendUnicode(out, 0xDC00 + (code & 0x3FF));
    } else {
      AppendUnicode(out, code);
    }
  }
  return out;
}

}  // namespace

std::string WriteRtf(const std::vector<Block>& blocks) {
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\r\n"
      "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}\r\n"
      "\\viewkind4\\f0\\fs22\r\n";
  for (const Block& block : blocks) {
    switch (block.Kind) {
      case Block::Kind::Title:
        out += "\\pard\\qc\\sa240\\b\\fs32 " + RtfText(block.Text) + "\\b0\\fs22\\par\r\n";
        break;
      case Block::Kind::Heading:
        out += "\\pard\\sb240\\sa120\\b\\fs26 " + RtfText(block.Text) + "\\b0\\fs22\\par\r\n";
        break;
      case Block::Kind::Item:
        out += "\\pard\\li360\\sa60 " + RtfText("\u2022 " + block.Text) + "\\par\r\n";
        break;
      case Block::Kind::Paragraph:
        out += "\\pard\\sa120 " + RtfText(block.Text) + "\\par\r\n";
        break;
    }
  }
  out += "}\r\n";
  return out;
}

}  // namespace kevolan::help
