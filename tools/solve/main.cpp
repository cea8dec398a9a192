// kevolan-solve: proves the shortest victory of Кеволан from a new game or a script's end.
#include <iostream>

#include "SolveCli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kevolan::solve::RunSolve(args, std::cin, std::cout, std::cerr);
}
