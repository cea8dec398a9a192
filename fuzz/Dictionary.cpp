// Writes the fuzzer's dictionary: the script's own words, then every name of the catalogue.
//   replay_fuzz_dictionary WORDS.dict OUT.dict
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Catalogue.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: replay_fuzz_dictionary WORDS.dict OUT.dict\n";
    return 2;
  }
  std::ifstream words(argv[1], std::ios::binary);
  std::ostringstream dictionary;
  dictionary << words.rdbuf();
  if (!words) {
    std::cerr << "replay_fuzz_dictionary: cannot read " << argv[1] << '\n';
    return 1;
  }
  // A dictionary entry is written in quotes, every byte past plain ASCII as \xNN.
  for (std::string_view name : kevolan::kNameTexts) {
    if (name.empty()) continue;
    dictionary << '"';
    for (unsigned char c : name) {
      if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\') {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        dictionary << escaped;
      } else {
        dictionary << c;
      }
    }
    dictionary << "\"\n";
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << dictionary.str();
  if (!out.flush()) {
    std::cerr << "replay_fuzz_dictionary: cannot write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
