// tests/data/temp_dir.hpp — a private scratch folder per test, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/files.hpp"

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zerith-data-XXXXXX").string();
    path = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string operator/(std::string_view name) const { return path + "/" + std::string(name); }
  // Writes a file in the folder and returns its path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string file = *this / name;
    data::WriteFileAtomically(file, bytes);
    return file;
  }

  std::string path;
};
