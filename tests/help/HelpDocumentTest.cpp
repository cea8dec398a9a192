#include "HelpDocument.h"

#include <gtest/gtest.h>

namespace kevolan::help {
namespace {

using Kind = decltype(Block::Kind);

TEST(HelpSource, MarksNotesWrappedParagraphsAndLineEnds) {
  const auto read = ReadHelp(
      "# a note\r\n= Title\r\n\r\n== Part\r\nfirst line\r\nsecond line\r\n\r\nnext\n"
      "- one\n- two\nafter the list\n");
  ASSERT_EQ(read.Error, "");
  const std::vector<std::pair<Kind, std::string>> expected = {
      {Kind::Title, "Title"},
      {Kind::Heading, "Part"},
      {Kind::Paragraph, "first line second line"},
      {Kind::Paragraph, "next"},
      {Kind::Item, "one"},
      {Kind::Item, "two"},
      {Kind::Paragraph, "after the list"}};
  ASSERT_EQ(read.Blocks.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(read.Blocks[i].Kind, expected[i].first) << i;
    EXPECT_EQ(read.Blocks[i].Text, expected[i].second) << i;
  }
}

TEST(HelpSource, BadSourcesAreNamedNotWritten) {
  EXPECT_EQ(ReadHelp("").Error, "the help source is empty");
  EXPECT_EQ(ReadHelp("# only a note\n").Error, "the help source is empty");
  EXPECT_EQ(ReadHelp("= ok\n\xFF\n").Error, "the help source is not UTF-8");
  EXPECT_EQ(ReadHelp("= ok\n- \n").Error, "line 2: a mark with no text");
}

TEST(HelpRtf, EscapesRtfCharactersAndWritesEveryLetterOutsideAscii) {
  const std::string rtf = WriteRtf(ReadHelp("a \\ {b} Ж — 🙂\n").Blocks);
  EXPECT_NE(rtf.find("\\pard\\sa120 a \\\\ \\{b\\} \\u1046? \\u8212? \\u-10179?\\u-8638?\\par\r\n"),
            std::string::npos)
      << rtf;
  for (char ch : rtf) EXPECT_LT(static_cast<unsigned char>(ch), 0x80);
}

TEST(HelpHtml, EscapesMarkupAndClosesLists) {
  const std::string html = WriteHtml(ReadHelp("= <T> & \"q\"\n- x\n").Blocks);
  EXPECT_NE(html.find("<title>&lt;T&gt; &amp; &quot;q&quot;</title>"), std::string::npos);
  EXPECT_NE(html.find("<ul>\n<li>x</li>\n</ul>\n</main>\n</body>"), std::string::npos) << html;
  // The rules are the page's one landmark; its description is its first paragraph.
  EXPECT_NE(html.find("<body>\n<main>\n<h1>"), std::string::npos) << html;
  EXPECT_NE(WriteHtml(ReadHelp("= T\n== H\nA <b>\n\nB\n").Blocks)
                .find("<meta name=\"description\" content=\"A &lt;b&gt;\">"),
            std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  // Its style and icon are files of the site, so that a strict security policy leaves them.
  EXPECT_EQ(html.find("<style"), std::string::npos);
  EXPECT_EQ(html.find("style="), std::string::npos);
  EXPECT_NE(html.find("<link rel=\"stylesheet\" href=\"help.css\">"), std::string::npos);
  EXPECT_NE(html.find("<link rel=\"icon\" href=\"kevolan.svg\""), std::string::npos);
}

}  // namespace
}  // namespace kevolan::help
