// fuzz/png_morf_fuzz.cpp — any bytes as a shipped archive through the start-up conversion
// (unpacking every picture, rendering every AutoImage text), then packed again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "fuzz/fuzz_support.hpp"
#include "graphics/png_morf.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string path = fuzz::MemoryFile(fuzz::Text(bytes, size));
  if (path.empty()) return 0;
  data::TFileFolder source(path);
  if (!source.OpenError().empty()) return 0;
  graphics::TPNGMorf morf(80);
  // Working archives stay in memory: conversion never needs them on disk until Save.
  auto working = data::TFileFolder::CreateNew("working.zxc");
  try {
    morf.ConvertEntries(source, *working);
    morf.RenderAutoImages(*working);
  } catch (const data::Error&) {
    return 0;
  }
  auto packed = data::TFileFolder::CreateNew("packed.zxc");
  try {
    morf.ConvertEntries(*working, *packed);
  } catch (const data::Error&) {
  }
  return 0;
}
