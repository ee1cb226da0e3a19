// app/zerith_main.cpp — zerith: the game.
#include <iostream>
#include <string>
#include <vector>

#include "shell/game_runner.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return shell::RunZerith(args, std::cout, std::cerr);
}
