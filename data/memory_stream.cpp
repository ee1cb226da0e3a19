// data/memory_stream.cpp
#include "data/memory_stream.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "data/error.hpp"
#include "data/files.hpp"

namespace data {

void TMemoryStream::SetSize(size_t size) {
  bytes.resize(size);
  position = std::min(position, size);
}

void TMemoryStream::Clear() {
  bytes.clear();
  position = 0;
}

size_t TMemoryStream::Read(void* dest, size_t count) {
  if (position >= bytes.size()) return 0;
  const size_t n = std::min(count, bytes.size() - position);
  std::memcpy(dest, bytes.data() + position, n);
  position += n;
  return n;
}

void TMemoryStream::Write(const void* src, size_t count) {
  if (count == 0) return;
  if (position + count > bytes.size()) bytes.resize(position + count);
  std::memcpy(bytes.data() + position, src, count);
  position += count;
}

std::string_view TMemoryStream::Remaining() const {
  if (position >= bytes.size()) return {};
  return {reinterpret_cast<const char*>(bytes.data()) + position, bytes.size() - position};
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  std::string content = ReadWholeFile(path);
  bytes.assign(content.begin(), content.end());
  position = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const {
  WriteFileAtomically(path, View());
}

}  // namespace data
