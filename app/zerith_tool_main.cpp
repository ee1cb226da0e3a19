// app/zerith_tool_main.cpp — zerith-tool: the command-line companion for modders.
#include <iostream>

#include "app/tool/tool.hpp"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  tool::Args args(argv + 1, argv + argc);
  const int status = tool::RunTool(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
