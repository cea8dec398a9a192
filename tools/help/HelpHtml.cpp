// help.html: the same rules as a page of the web edition, with no script; its style and icon
// are files of the site beside it, so that it shows under a strict content security policy.
#include "HelpDocument.h"

namespace kevolan::help {
namespace {

std::string Escaped(std::string_view text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

// The page's title, and its description for search engines: the first paragraph, which says
// what the game is.
std::string FirstOf(const std::vector<Block>& blocks, decltype(Block::Kind) kind,
                    std::string_view otherwise) {
  for (const Block& block : blocks) {
    if (block.Kind == kind) return block.Text;
  }
  return std::string(otherwise);
}

}  // namespace

std::string WriteHtml(const std::vector<Block>& blocks) {
  const std::string title = FirstOf(blocks, Block::Kind::Title, "Help");
  const std::string description = FirstOf(blocks, Block::Kind::Paragraph, title);
  // The rules are the page's main content, its one landmark.
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<meta name=\"description\" content=\"" +
      Escaped(description) +
      "\">\n"
      "<title>" +
      Escaped(title) +
      "</title>\n"
      "<link rel=\"icon\" href=\"kevolan.svg\" type=\"image/svg+xml\">\n"
      "<link rel=\"stylesheet\" href=\"help.css\">\n"
      "</head>\n<body>\n<main>\n";
  bool inList = false;
  for (const Block& block : blocks) {
    const bool item = block.Kind == Block::Kind::Item;
    if (item && !inList) out += "<ul>\n";
    if (!item && inList) out += "</ul>\n";
    inList = item;
    const std::string text = Escaped(block.Text);
    switch (block.Kind) {
      case Block::Kind::Title:
        out += "<h1>" + text + "</h1>\n";
        break;
      case Block::Kind::Heading:
        out += "<h2>" + text + "</h2>\n";
        break;
      case Block::Kind::Item:
        out += "<li>" + text + "</li>\n";
        break;
      case Block::Kind::Paragraph:
        out += "<p>" + text + "</p>\n";
        break;
    }
  }
  if (inList) out += "</ul>\n";
  out += "</main>\n</body>\n</html>\n";
  return out;
}

}  // namespace kevolan::help
