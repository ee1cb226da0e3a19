// tests/support/scratch_dir.hpp — a private, empty folder for one test, removed with its
// contents when the object goes out of scope (also when a fatal assertion ends the test).
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/files.hpp"

namespace support_test {

class TScratchDir {
 public:
  // `label` only makes the folder's name readable (zerith-LABEL-XXXXXX); the random part
  // keeps parallel runs and several checkouts apart.
  explicit TScratchDir(std::string_view label = "test") {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("zerith-" + std::string(label) + "-XXXXXX"))
            .string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create " + pattern);
    path = pattern;
  }
  ~TScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TScratchDir(const TScratchDir&) = delete;
  TScratchDir& operator=(const TScratchDir&) = delete;

  const std::string& Path() const { return path; }  // no trailing slash
  std::string operator/(std::string_view name) const { return path + "/" + std::string(name); }
  // Writes a file in the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string file = *this / name;
    data::WriteFileAtomically(file, bytes);
    return file;
  }

 private:
  std::string path;
};

}  // namespace support_test
