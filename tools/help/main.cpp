// kevolan-help FORMAT SOURCE OUTPUT: writes the player's rules as rtf (help.doc) or html, with
// the figures of the rules filled in from the catalogue.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "HelpDocument.h"
#include "HelpFigures.h"

int main(int argc, char** argv) {
  const std::string format = argc == 4 ? argv[1] : "";
  if (format != "rtf" && format != "html") {
    std::cerr << "usage: kevolan-help rtf|html SOURCE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[2], std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  if (!in) {
    std::cerr << "kevolan-help: cannot read " << argv[2] << '\n';
    return 1;
  }
  const auto filled = kevolan::help::FillFigures(source.str(), kevolan::help::RuleFigures());
  const auto read = filled.Error.empty() ? kevolan::help::ReadHelp(filled.Text)
                                         : kevolan::help::ReadResult{{}, filled.Error};
  if (!read.Error.empty()) {
    std::cerr << "kevolan-help: " << argv[2] << ": " << read.Error << '\n';
    return 1;
  }
  const std::string text = format == "rtf" ? kevolan::help::WriteRtf(read.Blocks)
                                           : kevolan::help::WriteHtml(read.Blocks);
  // Written beside the target and renamed over it, so a failed write leaves no half file.
  const std::string target = argv[3];
  const std::string partial = target + ".partial";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out || std::rename(partial.c_str(), target.c_str()) != 0) {
    std::remove(partial.c_str());
    std::cerr << "kevolan-help: cannot write " << target << '\n';
    return 1;
  }
  return 0;
}
