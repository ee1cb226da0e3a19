// content/pipeline/pack_main.cpp — zerith-pack OUT.zxc LISTFILE: the build's archive packer.
// LISTFILE holds one content file path per line.
#include <exception>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "content/pipeline/packer.hpp"
#include "data/files.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zerith-pack OUT.zxc LISTFILE\n";
    return 1;
  }
  try {
    std::istringstream list(data::ReadWholeFile(argv[2]));
    std::vector<std::string> files;
    for (std::string line; std::getline(list, line);)
      if (!line.empty()) files.push_back(line);
    content::PackArchive(files, argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "zerith-pack: " << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
