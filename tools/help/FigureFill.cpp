// The help source with its figures written out, and no number written by hand.
#include <algorithm>

#include "CountWords.h"
#include "HelpFigures.h"

namespace kevolan::help {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsLatinLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

std::string NamesOf(const std::vector<Figure>& figures) {
  std::string names;
  for (const Figure& figure : figures) names += (names.empty() ? "" : ", ") + figure.Name;
  return names;
}

// "Name" or "Name word", written out; false with the error set when it cannot be.
bool WriteFigure(std::string_view mark, const std::vector<Figure>& figures, std::string& out,
                 std::string& error) {
  const std::size_t space = mark.find(' ');
  const std::string_view name = mark.substr(0, space);
  const std::string_view word =
      space == std::string_view::npos ? std::string_view() : mark.substr(space + 1);
  std::string written(1, '{');
  written.append(mark).push_back('}');
  const auto figure =
      std::find_if(figures.begin(), figures.end(), [&](const Figure& f) { return f.Name == name; });
  if (figure == figures.end()) {
    error = written + ": the rules have no figure " + std::string(name) +
            "; they have: " + NamesOf(figures);
    return false;
  }
  if (!figure->Refusal.empty()) {
    error = written + ": " + figure->Refusal;
    return false;
  }
  if (!figure->Date.empty()) {
    if (!word.empty()) {
      error = written + ": a date takes no noun after it";
      return false;
    }
    out += figure->Date;
    return true;
  }
  out += std::to_string(figure->Number);
  if (word.empty()) return true;
  for (const CountWord& noun : kCountWords) {
    if (word == noun.One || word == noun.Few || word == noun.Many) {
      out += ' ';
      out += FormFor(figure->Number, noun);
      return true;
    }
  }
  error = written + ": «" + std::string(word) + "» is no noun the game counts in words";
  return false;
}

std::string FillLine(std::string_view line, const std::vector<Figure>& figures,
                     std::string& error) {
  std::string out;
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == '{') {
      const std::size_t close = line.find('}', i);
      if (close == std::string_view::npos) {
        error = "a «{» with no «}»";
        return out;
      }
      if (!WriteFigure(line.substr(i + 1, close - i - 1), figures, out, error)) return out;
      i = close + 1;
    } else if (IsDigit(line[i])) {
      std::size_t end = i;
      while (end < line.size() && IsDigit(line[end])) ++end;
      // Digits that end a word name a key ("F2"); any other number is a figure of the rules.
      if (i == 0 || !IsLatinLetter(line[i - 1])) {
        error = "the number " + std::string(line.substr(i, end - i)) +
                " is written by hand: write the rules' figure as {Name} (" + NamesOf(figures) + ")";
        return out;
      }
      out += line.substr(i, end - i);
      i = end;
    } else {
      out += line[i++];
    }
  }
  return out;
}

}  // namespace

FillResult FillFigures(std::string_view source, const std::vector<Figure>& figures) {
  FillResult result;
  std::size_t number = 0;
  while (!source.empty()) {
    const std::size_t end = source.find('\n');
    const std::string_view line = source.substr(0, end);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    ++number;
    if (line.substr(0, 1) == "#") {
      result.Text += line;
    } else {
      std::string error;
      result.Text += FillLine(line, figures, error);
      if (!error.empty()) {
        result.Error = "line " + std::to_string(number) + ": " + error;
        return result;
      }
    }
    if (end != std::string_view::npos) result.Text += '\n';
  }
  return result;
}

}  // namespace kevolan::help
