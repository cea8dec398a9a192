#include "HelpDocument.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "HelpFigures.h"

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

// The help of a catalogue whose fish brings 6 rations, 1 day of hunting weapon work, 22 of the
// boat's and 11 of the cave's: each noun agrees with the figure before it.
TEST(HelpFigures, FiguresAreWrittenOutWithTheirNounsAgreeing) {
  const std::vector<Figure> figures = {{"Fish.Yield", 6, "", ""},
                                       {"Weapon", 1, "", ""},
                                       {"Boat", 22, "", ""},
                                       {"Cave", 11, "", ""},
                                       {"Start", 0, "1 января", ""}};
  const auto filled = FillFigures(
      "# a note keeps its 5\r\n{Start}: {Fish.Yield порций}, {Weapon дней}, {Boat день}, "
      "{Cave дня}, {Fish.Yield}-й, F2\n",
      figures);
  ASSERT_EQ(filled.Error, "");
  EXPECT_EQ(filled.Text,
            "# a note keeps its 5\r\n1 января: 6 порций, 1 день, 22 дня, 11 дней, 6-й, F2\n");
}

TEST(HelpFigures, ANumberWrittenByHandOrAFigureNotThereIsNamed) {
  const std::vector<Figure> figures = {{"Fish.Yield", 5, "", ""},
                                       {"Start", 0, "1 января", ""},
                                       {"Tool.Repair", 2, "", "its later repairs take 4 days"}};
  const auto error = [&](std::string_view source) { return FillFigures(source, figures).Error; };
  EXPECT_EQ(error("= ok\n\n«Рыбная ловля» — 5 порций\n").substr(0, 47),
            "line 3: the number 5 is written by hand: write ");
  EXPECT_EQ(error("{Fish.Yeld}").substr(0, 45), "line 1: {Fish.Yeld}: the rules have no figure");
  EXPECT_EQ(error("{Fish.Yield штук}"),
            "line 1: {Fish.Yield штук}: «штук» is no noun the game counts in words");
  EXPECT_EQ(error("{Start дней}"), "line 1: {Start дней}: a date takes no noun after it");
  EXPECT_EQ(error("{Tool.Repair дней}"),
            "line 1: {Tool.Repair дней}: its later repairs take 4 days");
  EXPECT_EQ(error("ok\n{Fish.Yield"), "line 2: a «{» with no «}»");
}

// What the game's own catalogue gives: a figure that is not one number is refused, not guessed.
TEST(HelpFigures, TheCatalogueGivesOneFigureOrRefuses) {
  const std::vector<Figure> figures = RuleFigures();
  const auto find = [&](std::string_view name) {
    const auto at = std::find_if(figures.begin(), figures.end(),
                                 [&](const Figure& f) { return f.Name == name; });
    return at == figures.end() ? Figure{"absent", -1, "", ""} : *at;
  };
  EXPECT_EQ(find("Fish.Yield").Number, Info(Food::Fish).Yield);
  EXPECT_EQ(find("Boat.Build").Number, Info(Item::Boat).BuildDays);
  EXPECT_EQ(find("Boat.Wear").Name, "absent");         // the boat never wears
  EXPECT_EQ(find("OldClothes.Build").Name, "absent");  // nor are old clothes made
  EXPECT_EQ(find("HuntingWeapon.LaterRepair").Number, Info(Item::HuntingWeapon).RepairAfterRepair);
  EXPECT_NE(find("HuntingWeapon.Repair").Refusal, "");
  EXPECT_EQ(find("Hut.Repair").Refusal, "");
  EXPECT_NE(find("Fruit.Cap").Refusal, "");
  EXPECT_EQ(find("Start").Date, "1 января");
  EXPECT_EQ(find("DwellingDeadline").Date, "1 февраля");
}

}  // namespace
}  // namespace kevolan::help
