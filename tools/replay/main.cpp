// kevolan-replay: plays Кеволан headless from a script on standard input.
#include <iostream>

#include "RunReplay.h"

int main() {
  std::ios::sync_with_stdio(false);
  return kevolan::replay::RunReplay(std::cin, std::cout, std::cerr);
}
