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

}  // namespace

std::string WriteHtml(const std::vector<Block>& blocks) {
  std::string title = "Help";
  for (const Block& block : blocks) {
    if (block.Kind == Block::Kind::Title) {
      title = block.Text;
      break;
    }
  }
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>" +
      Escaped(title) +
      "</title>\n"
      "<link rel=\"icon\" href=\"kevolan.svg\" type=\"image/svg+xml\">\n"
      "<link rel=\"stylesheet\" href=\"help.css\">\n"
      "</head>\n<body>\n";
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
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace kevolan::help
